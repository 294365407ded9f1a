// The layer command on the shipped resource file: stored looks when a drawing is opened,
// a dialog filled from the drawing on screen at each run, and what OK, closing and a
// failed store do.
#include "viewer/LayerCallbacks.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CommandFrameTestSupport.h"
#include "dxf/Layer.h"
#include "viewer/LayerDialogFrame.h"

namespace {

using testsupport::drawingText;
using testsupport::lineRecord;

class LayerCommandsTest : public testsupport::CommandFrameTest {
 protected:
  void SetUp() override {
    CommandFrameTest::SetUp();
    if (HasFatalFailure()) return;
    session_.window.layerDialog.reset(
        gw_def_mgr.load("Layerdefinition_Dialog", frame_.get(), 1, &session_));
    ASSERT_NE(session_.window.layerDialog, nullptr) << gw_def_mgr.last_error();
  }
  void TearDown() override {
    session_.window.layerDialog.reset();
    CommandFrameTest::TearDown();
  }

  // Runs the layer command; `inDialog` acts on the dialog once it is on the screen.
  void runLayerCommand(std::function<void(GwFrame&, LayerDialogFrame&)> inDialog) {
    action_ = std::move(inDialog);
    g_timeout_add(20, actInDialog, this);
    CB_Layer(frame_.get(), nullptr, session_.userData());
  }
  static gboolean actInDialog(gpointer self) {
    auto* test = static_cast<LayerCommandsTest*>(self);
    GwFrame* dialog = test->session_.window.layerDialog.get();
    if (!dialog->running()) return G_SOURCE_CONTINUE;
    LayerDialogFrame widgets(*dialog);
    test->action_(*dialog, widgets);
    return G_SOURCE_REMOVE;
  }
  static void click(GwFrame& dialog, const char* button) {
    gtk_button_clicked(GTK_BUTTON(dialog.frame_child(button)->widget()));
  }
  std::string rowText(LayerDialogFrame& widgets, int row) {
    std::string text;
    for (const LayerColumn column :
         {LayerColumn::Name, LayerColumn::Colour, LayerColumn::Linetype, LayerColumn::Visible}) {
      text += widgets.cell(row, column) + (column == LayerColumn::Visible ? "" : "|");
    }
    return text;
  }

  std::function<void(GwFrame&, LayerDialogFrame&)> action_;
};

TEST_F(LayerCommandsTest, OpeningADrawingGivesItsLayersTheStoredLooks) {
  settings_->addEntry("DXFViewer", "Layer_WAND", "Wand");
  settings_->addEntry("DXFViewer", "Ltype_WAND", "DASHED");
  settings_->addEntry("DXFViewer", "Color_WAND", "5~");
  openDrawing("wall.dxf", drawingText({"0", "WAND"}, lineRecord("0", 0, 0, 10, 10) +
                                                         lineRecord("WAND", 0, 10, 10, 0)));
  const Layer* wall = session_.documents.at(0)->findLayerByShownName("WAND");
  ASSERT_NE(wall, nullptr);
  EXPECT_STREQ(wall->name(), "Wand");
  EXPECT_STREQ(wall->colour(), "#0000FF");
  EXPECT_EQ(wall->lineStyleCode(), 1);
  EXPECT_EQ(wall->visible(), 0);
  EXPECT_FALSE(session_.window.layerDialog->is_shown());
}

TEST_F(LayerCommandsTest, EachRunShowsTheDrawingOnScreenAndDropsEditsNotConfirmed) {
  openDrawing("first.dxf", drawingText({"0", "A"}, lineRecord("A", 0, 0, 10, 10)));
  std::string seen;
  runLayerCommand([&](GwFrame& dialog, LayerDialogFrame& widgets) {
    seen = rowText(widgets, 0) + " rows " + std::to_string(widgets.rowCount());
    widgets.setCell(0, LayerColumn::Colour, "3 green");
    // Closed with the window's close button: like Cancel.
    gtk_window_close(GTK_WINDOW(dialog.widget()));
  });
  EXPECT_EQ(seen, "A|1 red|CONTINUOUS|yes rows 1");
  EXPECT_STREQ(session_.documents.at(0)->findLayer("A")->colourNumber(), "1");

  runLayerCommand([&](GwFrame& dialog, LayerDialogFrame& widgets) {
    seen = rowText(widgets, 0);
    click(dialog, "PB_Layer_cancel");
  });
  EXPECT_EQ(seen, "A|1 red|CONTINUOUS|yes");

  openDrawing("second.dxf", drawingText({"0", "B"}, lineRecord("B", 0, 0, 10, 10)));
  runLayerCommand([&](GwFrame& dialog, LayerDialogFrame& widgets) {
    seen = rowText(widgets, 0) + " rows " + std::to_string(widgets.rowCount()) + " name " +
           widgets.nameText();
    click(dialog, "PB_Layer_cancel");
  });
  EXPECT_EQ(seen, "B|1 red|CONTINUOUS|yes rows 1 name B");
}

TEST_F(LayerCommandsTest, ALongLayerNameNeitherHidesColumnsNorWidensLaterTables) {
  // Per run: the columns' widths, then the room the table has for them.
  std::vector<std::vector<int>> widths;
  for (const std::string& name : {std::string("A"), std::string(49, 'W'), std::string("A")}) {
    openDrawing("plate.dxf", drawingText({"0", name}, lineRecord(name, 0, 0, 10, 10)));
    runLayerCommand([&](GwFrame& dialog, LayerDialogFrame&) {
      GtkWidget* table = dialog.frame_child("ST_Layer")->widget();
      while (gtk_events_pending()) gtk_main_iteration();
      widths.emplace_back();
      for (int i = 0; auto* column = gtk_tree_view_get_column(GTK_TREE_VIEW(table), i); ++i) {
        widths.back().push_back(gtk_tree_view_column_get_width(column));
      }
      widths.back().push_back(gtk_widget_get_allocated_width(gtk_widget_get_parent(table)));
      click(dialog, "PB_Layer_cancel");
    });
  }
  ASSERT_EQ(widths.size(), 3u);
  EXPECT_LE(widths[1][0] + widths[1][1] + widths[1][2] + widths[1][3], widths[1][4]);
  EXPECT_EQ(widths[1][3], widths[0][3]);
  EXPECT_EQ(widths[2], widths[0]);
}

TEST_F(LayerCommandsTest, OkAppliesAndStoresTheLooks) {
  openDrawing("plate.dxf", drawingText({"0", "A"}, lineRecord("A", 0, 0, 10, 10)));
  runLayerCommand([&](GwFrame& dialog, LayerDialogFrame& widgets) {
    widgets.setCell(0, LayerColumn::Visible, widgets.noText());
    click(dialog, "PB_Layer_ok");
  });
  EXPECT_FALSE(session_.window.layerDialog->is_shown());
  EXPECT_EQ(session_.documents.at(0)->findLayer("A")->visible(), 0);
  const std::string stored = testsupport::readFile(folder_.file("orvel.ini"));
  EXPECT_NE(stored.find("Color_A=1~\n"), std::string::npos) << stored;
  EXPECT_TRUE(messages.keys.empty());
}

TEST_F(LayerCommandsTest, AFailedStoreIsReportedAndTheDrawingKeepsTheChanges) {
  openDrawing("plate.dxf", drawingText({"0", "A"}, lineRecord("A", 0, 0, 10, 10)));
  IniFile unwritable((folder_.path() / "missing" / "orvel.ini").c_str(), true);
  session_.window.frameSettings = &unwritable;
  runLayerCommand([&](GwFrame& dialog, LayerDialogFrame& widgets) {
    widgets.setCell(0, LayerColumn::Colour, "5");
    click(dialog, "PB_Layer_ok");
  });
  testsupport::waitUntil([&] { return !messages.keys.empty(); });
  session_.window.frameSettings = settings_.get();
  ASSERT_EQ(messages.keys.size(), 1u);
  EXPECT_EQ(messages.keys[0], "MsgBox_Layer_nicht_gespeichert");
  EXPECT_STREQ(session_.documents.at(0)->findLayer("A")->colourNumber(), "5");
}

}  // namespace
