// Process entry with its two last-resort exception handlers.
#include "app/ViewerEntry.h"

#include <string>
#include <typeinfo>

#include "toolkit/GwApplication.h"
#include "toolkit/GwModule.h"
#include "toolkit/GwRcMgr.h"
#include "platform/MessageBox.h"

namespace {

void runTestModule() {
  const std::string name = gw_def_mgr.database_value("TestTool");
  if (name.empty()) return;
  GwModule module(name.c_str(), "init_test_func", 0);
  if (auto testFunction = reinterpret_cast<int (*)()>(module.func())) {
    if (testFunction() == 0) module.set_do_unload(1);
  }
}

void callIfSet(void (*hook)()) {
  if (hook) hook();
}

}  // namespace

int viewerEntry(int (*mainRoutine)()) {
  try {
    if (!GwInitApplication(nullptr, nullptr, 1)) return 1;
    callIfSet(inter_init);
    callIfSet(gwsql_init);
    runTestModule();
    const int code = mainRoutine();
    callIfSet(gwsql_exit);
    callIfSet(inter_exit);
    GwCleanupApplication(1);
    return code;
  } catch (const std::bad_cast&) {
    callIfSet(gwsql_exit);
    fatalAppExit("Bad pointer cast!");
  } catch (...) {
    callIfSet(gwsql_exit);
    fatalAppExit("General C++ exception!");
  }
}
