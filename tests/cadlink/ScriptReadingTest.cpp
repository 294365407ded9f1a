// Transfer scripts as cadpeer reads them, the way the CAD command line would.
#include <string>

#include <gtest/gtest.h>

#include "ScriptReading.h"
#include "cadlink/CadScripts.h"

namespace {

TEST(ScriptReading, ScriptsOfEveryRoadRunAndNameTheirFile) {
  const char* const file = "/my work/dde_2.dxf";
  ScriptOptions options;
  options.blockName = "Odd Block_Dec_06_10-05-14";
  for (const bool explode : {false, true}) {
    for (const bool mouse : {false, true}) {
      options.explode = explode;
      options.mouseInsert = mouse;
      for (const auto& script :
           {insertScript(options, file, {0, 0, 1, 1}, 14),
            insertScript(options, file, {0, 0, 1, 1}, 15), directInsertScript(options, file)}) {
        const ScriptReading reading = readScript(script.value_or(""));
        EXPECT_EQ(reading.fault + reading.file, file) << script.value_or("");
      }
    }
  }
}

TEST(ScriptReading, BrokenScriptsSayWhy) {
  const struct {
    const char* script;
    const char* fault;
  } cases[] = {
      // A line break in a path, quoted or not.
      {"_.dxfin \"/w/a\n_.erase _all \n/dde_0.dxf\"\n", "a quote left open"},
      {"_.dxfin /w/a\n_.erase _all \n/dde_0.dxf\n", "unknown command \"/dde_0.dxf\""},
      // A double quote inside a quoted path, or inside an input.
      {"_.-insert \"B=/w/q\"uote dir/dde_0.dxf\"\n", "text after a closing quote"},
      {"_.-insert B=/w/q\"uote\n", "a quote inside an input"},
      // A blank in a block name splits the input.
      {"_.block Odd Block_x _y 0.0,0.0 _prev  ", "_.block asks for _y, not \"Block_x\""},
      {"_.-insert Odd Block_x=/w/a.dxf\n_scale 1.0 _rot 0.0\n",
       "asks for an insertion point or _scale or _rot, not \"Block_x=/w/a.dxf\""},
      {"_.-insert \"B<x=/w/a.dxf\"\n", "cannot name a block \"B<x\""},
      {"_.zoom _w 0,0 ", "the script ends inside _.zoom, which asks for a corner"},
      {"_.filedia 0  ", "an empty input repeats the last command"},
  };
  for (const auto& c : cases) {
    EXPECT_NE(readScript(c.script).fault.find(c.fault), std::string::npos)
        << c.script << " -> " << readScript(c.script).fault;
  }
}

}  // namespace
