// The command interpreter behind resource-file handlers such as "interpreter|popdown".
#include "toolkit/GwInterpreter.h"

#include <sstream>
#include <string>

#include "toolkit/GwCore.h"

int interpreter(GwCore* widget, GwEvent* /*event*/, GwUD userData) {
  if (!widget) return 1;
  std::istringstream commands(userData.str());
  std::string command;
  while (std::getline(commands, command, ';')) {
    std::istringstream words(command);
    std::string verb;
    std::string name;
    words >> verb >> name;
    if (verb == "popdown") {
      widget->frame()->popdown();
      return 1;  // the frame's widgets may be gone once its run ends
    }
    GwCore* target = name.empty() ? nullptr : widget->frame_child(name.c_str());
    if (!target) continue;
    if (verb == "show") target->show();
    if (verb == "hide") target->hide();
  }
  return 1;
}
