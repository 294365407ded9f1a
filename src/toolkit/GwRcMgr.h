// The resource manager: the resource file, the program's handler table, frames and the
// toolkit's resource database.
#pragma once

#include <string>
#include <vector>

#include "toolkit/GwFuncDesc.h"
#include "toolkit/GwResourceFile.h"

class GwCore;
class GwFrame;

class GwRcMgr {
 public:
  // Accepts the resource file. A name without a folder is looked for in the current
  // folder, in the folder of the database value "ResourcePath", in the data folder of
  // the installation the program runs from and in the folder the program was built with. False
  // (with last_error) when it is missing or malformed.
  bool use(const char* file);
  // Binds handler names of the resource file to functions; the table ends with a null row
  // and must outlive the manager. Tables registered later are searched first.
  void use_func_desc(const GwFuncDesc* table);

  // Builds a fresh instance of the named frame (a Windows-1252 name), above parent (may be
  // null); flags is reserved, callers pass 1. Null, with last_error, when the file has no
  // such frame or one of its handler names is in no registered table. The caller owns
  // and deletes the frame. Every handler bound in the frame gets programData as the
  // pointer of its user data (beside the text the resource file gives it).
  GwFrame* load(const char* name, GwCore* parent, int flags, void* programData = nullptr);

  // A value of the toolkit's resource database: the environment variable "DXFV_" + atom
  // (e.g. DXFV_TestTool for "TestTool"); "" when it is not set.
  std::string database_value(const char* atom) const;

  // Language of the texts of frames loaded from now on: 0 German, 1 English. Numbers
  // without texts of their own show the texts as the file writes them (English).
  void set_language(int language) { language_ = language; }
  int language() const { return language_; }

  const std::string& last_error() const { return error_; }
  const GwResourceFile& resource_file() const { return file_; }
  // Folder of the accepted resource file ("" before use).
  const std::string& resource_folder() const { return folder_; }
  // The function bound to a handler name, or null.
  GwFunc handler(const std::string& name) const;

 private:
  const std::string& interfaceText();
  void fail(const std::string& message);

  GwResourceFile file_;
  bool used_ = false;
  std::string folder_;
  std::vector<const GwFuncDesc*> tables_;
  int language_ = GwLANGUAGE_ENGLISH;
  int cachedLanguage_ = -1;
  std::string cachedInterface_;
  std::string error_;
};

extern GwRcMgr gw_def_mgr;
