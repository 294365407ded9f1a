// Splitting file paths into drive, directory, name and extension, and joining them again.
#pragma once

#include <string>

// Splits path into its parts; any output may be null. Both "/" and "\" separate folders,
// so stored paths of either style work. drive is "X:" when the path starts with a letter
// and a colon, else empty; dir keeps its trailing separator; ext keeps its dot and is the
// part from the last dot of the final component ("" when it has none).
void GwSplitpath(const char* path, std::string* drive, std::string* dir, std::string* name,
                 std::string* ext);

// Joins the parts (each may be null or empty): a separator is added after a directory that
// lacks one, and a dot before an extension that lacks one.
std::string GwMakepath(const char* drive, const char* dir, const char* name, const char* ext);
