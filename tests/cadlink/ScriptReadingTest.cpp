// Transfer scripts as cadpeer reads them, the way the CAD command line would.
#include <string>

#include <gtest/gtest.h>

#include "ScriptReading.h"
#include "cadlink/CadScripts.h"

namespace {

TEST(ScriptReading, ScriptsOfEveryRoadRunAndNameTheirFile) {
  const WorldWindow zoom{0, 0, 1, 1};
  for (const char* block : {"B_Dec_06_10-05-14", "Odd Block_Dec_06_10-05-14"}) {
    for (const char* file : {"/w/dde_1.dxf", "/my work/dde_2.dxf"}) {
      for (const bool explode : {false, true}) {
        for (const bool mouse : {false, true}) {
          ScriptOptions options;
          options.blockName = block;
          options.explode = explode;
          options.mouseInsert = mouse;
          for (const auto& script :
               {insertScript(options, file, zoom, 14), insertScript(options, file, zoom, 15),
                directInsertScript(options, file)}) {
            ASSERT_TRUE(script);
            const ScriptReading reading = readScript(*script);
            EXPECT_EQ(reading.fault, "") << *script;
            EXPECT_EQ(reading.file, file) << *script;
          }
        }
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
      {"_.zoom _w 0,0 1,1", "an input without its end"},
      {"_.zoom _w 0,0 ", "the script ends inside _.zoom, which asks for a corner"},
      {"_.select _all _.erase ", "_.select asks for _all, _rem, _prev or the end"},
      {"_.filedia 0  ", "an empty input repeats the last command"},
  };
  for (const auto& c : cases) {
    EXPECT_NE(readScript(c.script).fault.find(c.fault), std::string::npos)
        << c.script << " -> " << readScript(c.script).fault;
  }
}

}  // namespace
