// IniSection: name clipping and entry creation.
#include "settings/IniSection.h"

#include "settings/Cp1252.h"

std::string_view IniSection::clipName(std::string_view name) {
  return name.substr(0, utf8CutAt(name, maxNameLength));
}

IniSection::IniSection(std::string_view name) : name_(clipName(name)) {}

int IniSection::appendEntry(const char* key, const char* value) {
  const int row = entries_.appendRow();
  entries_.cellAt(row, 0).setText(key != nullptr ? key : "");
  entries_.cellAt(row, 1).setText(value != nullptr ? value : "");
  return row;
}
