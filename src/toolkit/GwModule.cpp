// Loading of test and extension modules through the dynamic loader.
#include "toolkit/GwModule.h"

#include <dlfcn.h>

GwModule::GwModule(const char* moduleName, const char* functionName, int /*flags*/) {
  if (!moduleName || !*moduleName) {
    error_ = "no module name";
    return;
  }
  handle_ = dlopen(moduleName, RTLD_NOW | RTLD_LOCAL);
  if (!handle_) {
    const char* reason = dlerror();
    error_ = reason ? reason : "cannot load module";
    return;
  }
  if (functionName) {
    dlerror();
    function_ = dlsym(handle_, functionName);
    if (!function_) {
      const char* reason = dlerror();
      error_ = reason ? reason : "function not found";
    }
  }
}

GwModule::~GwModule() {
  if (handle_ && doUnload_) dlclose(handle_);
}
