// The one-shot open request of the desktop launcher: files to open, handed to the viewer
// through its working folder.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The request file "open-request" in the working folder holds one absolute path per line,
// each ending in a newline. The launcher appends to it under an exclusive lock on
// "open-request.lock" and replaces it by rename; the viewer takes it whole under the same
// lock and removes it, so every request is opened once.
inline constexpr const char* kOpenRequestFile = "open-request";
inline constexpr const char* kOpenRequestLock = "open-request.lock";

// The paths of the request in folder, in the order they were asked for, and the request
// removed; empty when there is none. Empty lines and a last line without its newline
// (never written by the launcher) are passed over.
std::vector<std::string> takeOpenRequest(const std::filesystem::path& folder);
