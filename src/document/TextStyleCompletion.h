// Texts take what their style gives them once the whole file is read.
#pragma once

class DXF_Zeichnung;

// Every text of the document and of its blocks takes the bold and italic font and, unless
// it has an oblique angle of its own, the oblique angle of its style (STANDARD when it
// names none; nothing when the style is missing).
void applyTextStyles(DXF_Zeichnung& document);
