// The file a transfer script names, as cadpeer finds it.
#include <string>

#include <gtest/gtest.h>

#include "ScriptFile.h"
#include "cadlink/CadScripts.h"

namespace {

TEST(ScriptFile, FindsTheFileOnEveryRoad) {
  ScriptOptions options;
  options.blockName = "B_Dec_06_10-05-14";
  const WorldWindow zoom{0, 0, 1, 1};
  for (const char* file : {"/w/dde_1.dxf", "/my work/dde_2.dxf"}) {
    for (bool explode : {false, true}) {
      options.explode = explode;
      for (int code : {14, 15}) {
        EXPECT_EQ(scriptFilePath(insertScript(options, file, zoom, code)), file)
            << file << explode << code;
      }
      EXPECT_EQ(scriptFilePath(directInsertScript(options, file)), file) << file << explode;
    }
  }
}

TEST(ScriptFile, ScriptsWithoutAFileNameNone) {
  for (const char* script : {"", "_.zoom _w 0,0 1,1 ", "_.-insert B\n", "_.dxfin"}) {
    EXPECT_EQ(scriptFilePath(script), "") << script;
  }
}

}  // namespace
