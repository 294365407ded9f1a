// The service-name-to-bus-name rule of the CAD transfer.
#include "cadlink/BusNames.h"

#include <gio/gio.h>

namespace {
bool isNameByte(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '-';
}
bool isDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::string busNameForService(std::string_view serviceName) {
  std::string busName;
  bool elementStart = true;
  for (const char c : serviceName) {
    if (c == '.') {
      busName += c;
      elementStart = true;
      continue;
    }
    if (elementStart && isDigit(c)) busName += '_';
    busName += isNameByte(c) ? c : '_';
    elementStart = false;
  }
  return busName;
}

bool isValidBusName(const std::string& busName) {
  return g_dbus_is_name(busName.c_str()) && !g_dbus_is_unique_name(busName.c_str());
}
