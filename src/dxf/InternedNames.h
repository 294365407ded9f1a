// Names kept once for the whole run.
#pragma once

#include <cstddef>
#include <string_view>

// The lasting copy of `name`: equal names give the same pointer, valid until the program
// ends. Layer and linetype names repeat on nearly every entity of a drawing, so an entity
// holds this pointer instead of a copy of its own. The copies grow with the distinct names
// the program has met, each no larger than the text it was read from. Safe on any thread.
const char* internedName(std::string_view name);

// The interned text cut to `fieldSize - 1` characters, as the fixed name fields of the
// tables cut it, so that a name compares equal to the table entry it refers to. Null
// counts as "".
const char* internedField(const char* text, std::size_t fieldSize);
