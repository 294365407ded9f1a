// How the CAD program is found on the session bus: the bus name of a service name, the
// object path of the topic and the interface that takes the scripts.
#pragma once

#include <string>
#include <string_view>

// Object path of the topic "SYSTEM".
inline constexpr const char* kTopicPath = "/SYSTEM";
// Interface of the topic object; its method Execute(ay script) -> (b executed) runs one
// script, sent as the 700-byte block with the script's text before the first zero byte.
inline constexpr const char* kExecuteInterface = "org.dxfviewer.Dde";
inline constexpr const char* kExecuteMethod = "Execute";

// The bus name of a service name: every byte other than an ASCII letter, digit, "_", "-"
// or "." becomes "_", and an element (the text between dots) that starts with a digit
// gets "_" before it. "AutoCAD.r14.DDE" stays as it is; "AutoCAD LT.DDE" becomes
// "AutoCAD_LT.DDE". The result may still be no valid bus name (an empty element, a
// single element, more than 255 characters): isValidBusName tells.
std::string busNameForService(std::string_view serviceName);

bool isValidBusName(const std::string& busName);
