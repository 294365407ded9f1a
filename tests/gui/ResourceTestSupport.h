// Resource files for toolkit tests: a GtkBuilder body wrapped into a resource file in a
// temporary folder and handed to the resource manager.
#pragma once

#include <string>

#include "toolkit/GwRcMgr.h"
#include "TestSupport.h"

namespace testsupport {

// Writes <cgw>texts<interface>body</interface></cgw> into folder and makes gw_def_mgr use
// it with handlers; returns what use() returned.
inline bool useResource(const TempDir& folder, const std::string& body, const GwFuncDesc* handlers,
                        const std::string& texts = {}) {
  const auto path = folder.file("test.cgw");
  writeFile(path, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<cgw>\n" + texts + "<interface>\n" +
                      body + "</interface>\n</cgw>\n");
  const bool used = gw_def_mgr.use(path.c_str());
  if (handlers) gw_def_mgr.use_func_desc(handlers);
  return used;
}

}  // namespace testsupport
