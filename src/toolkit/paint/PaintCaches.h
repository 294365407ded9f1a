// Release of the process-wide font caches that Pango keeps.
#pragma once

// Drops Pango's default font map. Call it once at the very end of a program (or test run),
// after every Cairo and Pango object is gone; it must not be followed by more painting.
void releasePaintCaches();
