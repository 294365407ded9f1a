// The callback table: its 48 names in their order, and every handler of the resource file.
#include "app/FuncDescTable.h"

#include <set>
#include <string>

#include "toolkit/GwInterpreter.h"
#include "toolkit/GwResourceFile.h"
#include "TestSupport.h"

namespace {

TEST(FuncDescTable, FortyEightDistinctNamesWithHandlersThenAnEndRow) {
  std::set<std::string> names;
  for (int i = 0; i < kFuncDescRows; ++i) {
    ASSERT_NE(FuncDescTable[i].name, nullptr) << i;
    EXPECT_NE(FuncDescTable[i].handler, nullptr) << FuncDescTable[i].name;
    names.insert(FuncDescTable[i].name);
  }
  EXPECT_EQ(names.size(), static_cast<std::size_t>(kFuncDescRows));
  EXPECT_EQ(FuncDescTable[kFuncDescRows].name, nullptr);
  EXPECT_EQ(FuncDescTable[kFuncDescRows].handler, nullptr);
  // The toolkit's own interpreter comes first, the layer dialog's handlers last.
  EXPECT_EQ(FuncDescTable[0].handler, &interpreter);
  EXPECT_STREQ(FuncDescTable[kFuncDescRows - 1].name, "CB_Layer_sichtbar");
}

TEST(FuncDescTable, EveryHandlerNameOfTheResourceFileIsInTheTable) {
  GwResourceFile file;
  ASSERT_TRUE(file.read(std::string(DXFV_RESOURCES) + "/geo.cgw")) << file.error();
  ASSERT_FALSE(file.handlerNames().empty());
  for (const std::string& name : file.handlerNames()) {
    bool found = false;
    for (int i = 0; i < kFuncDescRows; ++i) found = found || name == FuncDescTable[i].name;
    EXPECT_TRUE(found) << name;
  }
}

}  // namespace
