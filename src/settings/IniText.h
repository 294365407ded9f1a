// Reversible escaping of free texts (layer names, linetypes) used in keys and values of the
// settings file.
#pragma once

#include <string>
#include <string_view>

// A text as it may stand in a key or value of the settings file: "%" and every character
// the file gives a meaning ("=" ends a key, "[" and "]" mark section headers, line breaks end
// an entry, blanks and tabs are dropped from keys on reading) are written as "%" and two
// upper-case hex digits: "A=B C" becomes "A%3DB%20C". Other bytes (Windows-1252) stay.
std::string escapeIniText(std::string_view text);
// The text before escapeIniText. A "%" not followed by two hex digits stays as it is.
std::string unescapeIniText(std::string_view text);
