// The callback table: its 48 names in their order, and every handler of the resource file.
#include "FuncDescTable.h"

#include <string>
#include <vector>

#include "GwInterpreter.h"
#include "GwResourceFile.h"
#include "TestSupport.h"

namespace {

TEST(FuncDescTable, HasTheFortyEightNamesInTheirOrderThenAnEndRow) {
  const std::vector<std::string> expected = {
      "interpreter", "CB_Translate", "CB_create_frame", "CB_resize_frame", "CB_show_frame",
      "CB_hide_frame", "CB_zoom_navigator", "init_picture", "CB_open", "CB_move_out",
      "CB_move", "CB_zoomp", "CB_zoomm", "CB_saveas", "CB_zoom_back", "CB_start",
      "CB_ViewTop", "CB_ViewRight", "CB_ViewBottom", "CB_ViewLeft", "CB_ViewBack",
      "CB_ViewAll", "CB_ViewFront", "CB_print", "CB_moveVert", "CB_moveHori", "CB_hilfe",
      "CB_info", "CB_acad", "CB_Layer", "CB_zoom", "CB_ViewCut", "CB_get_factor",
      "CB_DDE_create", "CB_SHOW_DDE_call", "CB_TB_DDE_Mouse", "CB_insert", "CB_DDE_cancel",
      "CB_TB_DDE_Explode", "CB_Layer_create", "CB_Layer_show", "CB_Layer_select",
      "CB_Layerfarbe_select", "CB_Layer_ok", "CB_Layer_cancel", "CB_Layername_change",
      "CB_Layerlinie_select", "CB_Layer_sichtbar"};
  ASSERT_EQ(expected.size(), static_cast<std::size_t>(kFuncDescRows));
  for (int i = 0; i < kFuncDescRows; ++i) {
    ASSERT_NE(FuncDescTable[i].name, nullptr) << i;
    EXPECT_EQ(FuncDescTable[i].name, expected[static_cast<std::size_t>(i)]) << i;
    EXPECT_NE(FuncDescTable[i].handler, nullptr) << i;
  }
  EXPECT_EQ(FuncDescTable[kFuncDescRows].name, nullptr);
  EXPECT_EQ(FuncDescTable[kFuncDescRows].handler, nullptr);
  EXPECT_EQ(FuncDescTable[0].handler, &interpreter);
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
