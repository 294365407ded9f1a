// A shared library loaded at run time and one function looked up in it by name.
#pragma once

#include <string>

class GwModule {
 public:
  // Loads moduleName (a path or a library name the dynamic loader finds) and looks up
  // functionName in it. flags is reserved and must be 0. A module that cannot be loaded,
  // or lacks the function, gives func() == nullptr; error() then says why.
  GwModule(const char* moduleName, const char* functionName, int flags);
  ~GwModule();
  GwModule(const GwModule&) = delete;
  GwModule& operator=(const GwModule&) = delete;

  void* func() const { return function_; }
  const std::string& error() const { return error_; }

  // With 1 the library is unloaded when this object goes; by default it stays loaded for
  // the rest of the process, so code it registered (timers, callbacks) remains valid.
  void set_do_unload(int unload) { doUnload_ = unload != 0; }

 private:
  void* handle_ = nullptr;
  void* function_ = nullptr;
  bool doUnload_ = false;
  std::string error_;
};
