// The drawing file a transfer script names, as the CAD program's command line reads it.
#pragma once

#include <string>
#include <string_view>

// The path after "_.dxfin ", or in the first "_.-insert " or "_.insert " input (after its
// "=", or after the "*" of an exploded file insert), up to the newline, without
// surrounding double quotes. "" when the script names no file.
std::string scriptFilePath(std::string_view script);
