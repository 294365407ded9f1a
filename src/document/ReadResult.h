// What the result codes of reading a DXF file mean, in words for the user.
#pragma once

// The reason a file could not be read, for a negative result of readDXF, as a phrase that
// completes "The drawing cannot be shown: ..." ("the file ends inside the ENTITIES
// section"); a general phrase for codes without a meaning of their own.
const char* readResultMeaning(int code);
