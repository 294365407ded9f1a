// Release of the process-wide font and glyph caches that Pango, Cairo and fontconfig keep.
#pragma once

// Drops Pango's default font map, Cairo's static caches and fontconfig's configuration.
// Call it once at the very end of a program (or test run), after every Cairo and Pango
// object is gone: it keeps leak checkers quiet and must not be followed by more painting.
void releasePaintCaches();
