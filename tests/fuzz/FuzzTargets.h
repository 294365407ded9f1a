// What the fuzzers do with one input: the same functions run under libFuzzer and in the
// corpus replay test, so a crash file put into a corpus is checked by every build.
#pragma once

#include <string>
#include <string_view>

namespace fuzz {

// An ASCII DXF drawing read from memory and then used as the viewer uses it: extents,
// painted onto a recording canvas fitted and zoomed in, written to memory, read again,
// written and read once more (the last two reads must give the same counts), exploded,
// painted and written again. Returns "" or a sentence naming the broken promise.
std::string drawing(std::string_view bytes);

// The same for a binary DXF file: the bytes follow the binary sentinel (added when the
// input lacks it).
std::string binaryDrawing(std::string_view bytes);

// A settings file read, looked up, written, read again (the entries must be the same) and
// written again (the same bytes).
std::string settings(std::string_view bytes);

}  // namespace fuzz
