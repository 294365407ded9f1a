// Names of one transfer: the block's time stamp and name, and the temporary files.
#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

// The local time as "%b_%d_%H-%M-%S" with English month names whatever the user's
// locale (for example "Dec_06_10-05-14"), so block names stay plain ASCII.
std::string transferTimeStamp(std::time_t when);

// The base name, cut to its first 14 characters when it is longer than 13, "_" and the
// time stamp.
std::string transferBlockName(std::string_view baseName, std::string_view timeStamp);

// The absolute form of the working folder without a trailing separator; none when it
// cannot be formed or is longer than 260 characters.
std::optional<std::string> transferFolder(std::string_view workPath);

// The temporary file number of the next transfer; the counter runs 0 to 9 and again.
int nextTransferNumber(int& counter);

// The temporary file "dde_<number>.dxf" in the folder.
std::string transferFilePath(std::string_view folder, int number);
