// The process's current folder.
#pragma once

#include <string>

// The absolute path of the current folder, "" when it cannot be read (it was removed).
std::string currentDirectory();
