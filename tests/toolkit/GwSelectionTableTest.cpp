// Selection tables and combo boxes as the layer dialog uses them.
#include "toolkit/GwSelectionTable.h"

#include <memory>
#include <string>
#include <vector>

#include "toolkit/GwComboBox.h"
#include "toolkit/GwFrame.h"
#include "toolkit/GwRcMgr.h"
#include "support/GtkFrameTest.h"

namespace {

int selections = 0;
int countSelection(GwCore*, GwEvent*, GwUD) {
  ++selections;
  return 1;
}

const GwFuncDesc kSelectionTableHandlers[] = {{"countSelection", countSelection},
                                              {nullptr, nullptr}};

const char* const kSelectionTableBody = R"(
  <object class="GwFrameWindow" id="Dialog">
    <child>
      <object class="GtkBox">
        <property name="visible">True</property>
        <child>
          <object class="GtkTreeView" id="ST_table">
            <property name="visible">True</property>
            <signal name="cursor-changed" handler="countSelection"/>
            <child>
              <object class="GtkTreeViewColumn"><child><object class="GtkCellRendererText"/>
                <attributes><attribute name="text">0</attribute></attributes></child></object>
            </child>
            <child>
              <object class="GtkTreeViewColumn"><child><object class="GtkCellRendererText"/>
                <attributes><attribute name="text">1</attribute></attributes></child></object>
            </child>
            <child>
              <object class="GtkTreeViewColumn"><child><object class="GtkCellRendererText"/>
                <attributes><attribute name="text">2</attribute></attributes></child></object>
            </child>
          </object>
        </child>
        <child>
          <object class="GtkComboBoxText" id="CB_colour">
            <property name="visible">True</property>
            <property name="has-entry">True</property>
            <signal name="changed" handler="countSelection"/>
          </object>
        </child>
      </object>
    </child>
  </object>
)";

class ListWidgetsTest : public testsupport::GtkFrameTest {
 protected:
  void SetUp() override {
    GtkTest::SetUp();
    if (HasFatalFailure()) return;
    selections = 0;
    loadFrame(kSelectionTableBody, "Dialog", kSelectionTableHandlers);
    if (HasFatalFailure()) return;
    table_ = dynamic_cast<GwSelectionTable*>(frame_->frame_child("ST_table"));
    combo_ = dynamic_cast<GwComboBox*>(frame_->frame_child("CB_colour"));
    ASSERT_NE(table_, nullptr);
    ASSERT_NE(combo_, nullptr);
  }
  GwSelectionTable* table_ = nullptr;
  GwComboBox* combo_ = nullptr;
};

TEST_F(ListWidgetsTest, RowsAreGivenAsCellsSeparatedByBars) {
  EXPECT_EQ(table_->columns(), 3);
  table_->add_row("WAND|3 gr\xFCn|DASHED");
  table_->add_row("0|7");
  table_->add_row("A|B|C|surplus");
  EXPECT_EQ(table_->rows(), 3);
  EXPECT_EQ(table_->cell(0, 1), "3 gr\xFCn");
  EXPECT_EQ(table_->cell(1, 2), "");
  EXPECT_EQ(table_->cell(2, 2), "C");
  EXPECT_EQ(table_->cell(3, 0), "");
  EXPECT_EQ(table_->cell(0, 3), "");
  table_->set_cell(1, 2, "HIDDEN");
  EXPECT_EQ(table_->cell(1, 2), "HIDDEN");
  table_->clear();
  EXPECT_EQ(table_->rows(), 0);
}

TEST_F(ListWidgetsTest, ProgramSelectionNotifiesNoHandler) {
  table_->add_row("A|1|SOLID");
  table_->add_row("B|2|SOLID");
  EXPECT_EQ(table_->first_selected(), -1);
  table_->select_row(1);
  EXPECT_EQ(table_->first_selected(), 1);
  table_->select_row(5);
  EXPECT_EQ(table_->first_selected(), -1);
  EXPECT_EQ(selections, 0);
}

TEST_F(ListWidgetsTest, ComboBoxListsItsTextsAndKeepsItsOwnText) {
  combo_->append("1 rot");
  combo_->append("5 blau");
  EXPECT_EQ(combo_->count(), 2);
  EXPECT_EQ(combo_->item(1), "5 blau");
  EXPECT_EQ(combo_->item(2), "");
  combo_->set_text("12");
  EXPECT_EQ(combo_->text(), "12");
  combo_->clear();
  EXPECT_EQ(combo_->count(), 0);
  EXPECT_EQ(combo_->text(), "12");
  EXPECT_EQ(selections, 0);
}

// The colour the swatch of the cell (row, column) shows, as 0xRRGGBB; -1 when it shows none.
long swatchColour(GwSelectionTable& table, int row, int column) {
  GtkTreeView* view = GTK_TREE_VIEW(table.widget());
  GtkTreeViewColumn* viewColumn = gtk_tree_view_get_column(view, column);
  GtkTreeModel* model = gtk_tree_view_get_model(view);
  GtkTreeIter iter;
  if (!gtk_tree_model_iter_nth_child(model, &iter, nullptr, row)) return -2;
  gtk_tree_view_column_cell_set_cell_data(viewColumn, model, &iter, FALSE, FALSE);
  GList* cells = gtk_cell_layout_get_cells(GTK_CELL_LAYOUT(viewColumn));
  GtkCellRenderer* first = cells ? GTK_CELL_RENDERER(cells->data) : nullptr;
  g_list_free(cells);
  if (!GTK_IS_CELL_RENDERER_PIXBUF(first)) return -3;
  GdkPixbuf* picture = nullptr;
  gboolean visible = FALSE;
  g_object_get(first, "pixbuf", &picture, "visible", &visible, nullptr);
  long colour = -1;
  if (picture && visible) {
    const guchar* centre = gdk_pixbuf_read_pixels(picture) +
                           gdk_pixbuf_get_height(picture) / 2 * gdk_pixbuf_get_rowstride(picture) +
                           gdk_pixbuf_get_width(picture) / 2 * gdk_pixbuf_get_n_channels(picture);
    colour = centre[0] << 16 | centre[1] << 8 | centre[2];
  }
  if (picture) g_object_unref(picture);
  return colour;
}

TEST_F(ListWidgetsTest, SwatchShowsTheColourItsFunctionNamesForTheCellText) {
  table_->add_row("A|1 rot|SOLID");
  table_->add_row("B|12|SOLID");
  table_->add_row("C|unbekannt|SOLID");
  table_->set_swatch(1, [](const std::string& text) -> std::string {
    if (text == "1 rot") return "#FF0000";
    return text == "12" ? "#149E0A" : "";
  });
  EXPECT_EQ(swatchColour(*table_, 0, 1), 0xFF0000);
  EXPECT_EQ(swatchColour(*table_, 1, 1), 0x149E0A);
  EXPECT_EQ(swatchColour(*table_, 2, 1), -1);
  // The swatch follows the cell, and a second call replaces the function, not adds one.
  table_->set_cell(0, 1, "12");
  EXPECT_EQ(swatchColour(*table_, 0, 1), 0x149E0A);
  table_->set_swatch(1, [](const std::string&) -> std::string { return "#0000FF"; });
  EXPECT_EQ(swatchColour(*table_, 2, 1), 0x0000FF);
  GList* cells = gtk_cell_layout_get_cells(
      GTK_CELL_LAYOUT(gtk_tree_view_get_column(GTK_TREE_VIEW(table_->widget()), 1)));
  EXPECT_EQ(g_list_length(cells), 2u);
  g_list_free(cells);
}

}  // namespace
