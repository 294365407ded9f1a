// The layer dialog's logic on the recording double: filling, editing, applying, storing.
#include "viewer/LayerDialog.h"

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "document/DocumentTesting.h"
#include "dxf/Layer.h"
#include "settings/IniFile.h"
#include "viewer/LayerWidgetsDouble.h"

namespace {

using documenttesting::dxfFile;
using documenttesting::layerEntry;
using documenttesting::line;
using testsupport::LayerWidgetsDouble;
using testsupport::readFile;
using testsupport::TempDir;
using testsupport::writeFile;

constexpr const char* kSettingsHead = "[DXFViewer]\nState=0\nSilLayer=0\n";

// A drawing with one line on each of `used`, and the layer table `layers`.
std::unique_ptr<DXF_Zeichnung> drawing(const std::string& layers,
                                       const std::vector<std::string>& used) {
  std::string entities;
  double y = 0;
  for (const std::string& name : used) {
    entities += line(0, y, 10, y + 1, name);
    y += 1;
  }
  return documenttesting::readOk(dxfFile(entities, "", layers));
}

// The first entity on the layer named `name` (as entities now carry it), or null.
const DXFGeometrie* entityOn(const DXF_Zeichnung& drawing, const char* name) {
  for (int i = 0; i < drawing.entities().count(); ++i) {
    if (std::string(drawing.entities().at(i)->layerName()) == name) return drawing.entities().at(i);
  }
  return nullptr;
}

std::vector<std::string> rowNames(const LayerWidgetsDouble& widgets) {
  std::vector<std::string> names;
  for (const LayerRowCells& row : widgets.rows) names.push_back(row[0]);
  return names;
}

class LayerDialogTest : public ::testing::Test {
 protected:
  // Settings file with the head and `entries`, read as the viewer reads it.
  IniFile& settings(const std::string& entries = "") {
    writeFile(folder_.file("orvel.ini"), kSettingsHead + entries);
    settings_ = std::make_unique<IniFile>(folder_.file("orvel.ini").c_str(), true);
    return *settings_;
  }
  std::string settingsText() const { return readFile(folder_.file("orvel.ini")); }

  TempDir folder_;
  std::unique_ptr<IniFile> settings_;
  LayerWidgetsDouble widgets_;
  LayerDialog dialog_;
};

// --- Filling -------------------------------------------------------------------------

TEST_F(LayerDialogTest, FillingListsOnlyLayersInUseAndNeverSilhouetteOrPunkte) {
  auto plan = drawing(layerEntry("0", 7) + layerEntry("SILHOUETTE", 1) + layerEntry("punkte", 2) +
                          layerEntry("UNUSED", 3) + layerEntry("WAND", 5),
                      {"0", "SILHOUETTE", "PUNKTE", "WAND"});
  dialog_.fill(widgets_, plan.get(), &settings());
  EXPECT_EQ(rowNames(widgets_), (std::vector<std::string>{"0", "WAND"}));
  ASSERT_NE(dialog_.workingTable(), nullptr);
  EXPECT_EQ(dialog_.workingTable()->rowCount(), 2);
  EXPECT_EQ(widgets_.colours, widgets_.labels);
}

TEST_F(LayerDialogTest, FillingShowsColourLabelsOrNumbersAndTheVisibilityWord) {
  struct Case {
    int colour;
    std::string cell;
    std::string visible;
  };
  const std::vector<Case> cases = {{5, "5 blue", "yes"},
                                   {12, "12", "yes"},
                                   {-3, "3 green", "no"},
                                   {9, "9 light grey", "yes"},
                                   {250, "250", "yes"}};
  for (const Case& c : cases) {
    auto plan = drawing(layerEntry("A", c.colour), {"A"});
    dialog_.fill(widgets_, plan.get(), nullptr);
    ASSERT_EQ(widgets_.rows.size(), 1u) << c.colour;
    EXPECT_EQ(widgets_.rows[0][1], c.cell) << c.colour;
    EXPECT_EQ(widgets_.rows[0][3], c.visible) << c.colour;
  }
}

TEST_F(LayerDialogTest, FillingAppliesStoredLooksAtOnce) {
  auto plan = drawing(layerEntry("WAND", 7) + layerEntry("0", 7), {"WAND", "0"});
  dialog_.fill(widgets_, plan.get(),
               &settings("Layer_WAND=Wand\nLtype_WAND=DASHED\nColor_WAND=3~\n"));
  ASSERT_EQ(widgets_.rows.size(), 2u);
  EXPECT_EQ(widgets_.rows[0], (LayerRowCells{"Wand", "3 green", "DASHED", "no"}));
  const Layer* wall = plan->findLayerByShownName("WAND");
  ASSERT_NE(wall, nullptr);
  EXPECT_STREQ(wall->name(), "Wand");
  EXPECT_EQ(wall->visible(), 0);
  const DXFGeometrie* onWall = entityOn(*plan, "Wand");
  ASSERT_NE(onWall, nullptr);
  EXPECT_STREQ(onWall->colour(), "#149E0A");
  EXPECT_EQ(onWall->lineStyleCode(), 1);
  EXPECT_EQ(onWall->visible(), 0);
  // Filling changes the drawing only; the file stays as it was.
  EXPECT_EQ(settingsText(),
            std::string(kSettingsHead) + "Layer_WAND=Wand\nLtype_WAND=DASHED\nColor_WAND=3~\n");
}

TEST_F(LayerDialogTest, FillingShowsAStoredVisibleLayerThatTheFileHides) {
  auto plan = drawing(layerEntry("A", -1), {"A"});
  dialog_.fill(widgets_, plan.get(), &settings("Layer_A=A\nLtype_A=CONTINUOUS\nColor_A=1\n"));
  EXPECT_EQ(widgets_.rows.at(0)[3], "yes");
  EXPECT_EQ(plan->findLayer("A")->visible(), 1);
}

TEST_F(LayerDialogTest, FillingUsesTheLayersOwnLooksUnlessAllThreeKeysAreStored) {
  auto plan = drawing(layerEntry("A", 2, "HIDDEN"), {"A"});
  // A sticky error left by an earlier lookup must not hide the stored looks of B either.
  IniFile& ini = settings("Layer_A=Renamed\nColor_A=5\n");
  ini.getString("Nowhere", "Nothing");
  dialog_.fill(widgets_, plan.get(), &ini);
  EXPECT_EQ(widgets_.rows.at(0), (LayerRowCells{"A", "2 yellow", "HIDDEN", "yes"}));
  EXPECT_EQ(IniFile::lastError(), 0);

  auto second = drawing(layerEntry("B", 2), {"B"});
  ini.getString("Nowhere", "Nothing");
  ini.addEntry("DXFViewer", "Layer_B", "Bee");
  ini.addEntry("DXFViewer", "Ltype_B", "CONTINUOUS");
  ini.addEntry("DXFViewer", "Color_B", "4");
  dialog_.fill(widgets_, second.get(), &ini);
  EXPECT_EQ(widgets_.rows.at(0), (LayerRowCells{"Bee", "4 cyan", "CONTINUOUS", "yes"}));
}

TEST_F(LayerDialogTest, FillingMergesLayersOfOneDisplayNameIntoOneRow) {
  auto plan = drawing(layerEntry("A", 1) + layerEntry("B", 2), {"A", "B"});
  dialog_.fill(widgets_, plan.get(), &settings("Layer_B=A\nLtype_B=CONTINUOUS\nColor_B=2\n"));
  EXPECT_EQ(rowNames(widgets_), std::vector<std::string>{"A"});
  EXPECT_EQ(dialog_.workingTable()->rowCount(), 2);
}

TEST_F(LayerDialogTest, LayersDifferingInCaseKeepRowsAndLooksOfTheirOwn) {
  auto plan = drawing(layerEntry("WALL", 5) + layerEntry("Wall", 1), {"WALL", "Wall"});
  dialog_.fill(widgets_, plan.get(), nullptr);
  EXPECT_EQ(rowNames(widgets_), (std::vector<std::string>{"WALL", "Wall"}));
  dialog_.apply(widgets_, plan.get(), nullptr);
  EXPECT_STREQ(plan->findLayerByShownName("WALL")->name(), "WALL");
  EXPECT_STREQ(plan->findLayerByShownName("WALL")->colourNumber(), "5");
  ASSERT_NE(entityOn(*plan, "WALL"), nullptr);
  ASSERT_NE(entityOn(*plan, "Wall"), nullptr);
  EXPECT_STREQ(entityOn(*plan, "WALL")->colour(), "#0000FF");
  EXPECT_STREQ(entityOn(*plan, "Wall")->colour(), "#FF0000");
}

TEST_F(LayerDialogTest, FillingOffersEachUsedLinetypeOnceAndTheDrawingsOwn) {
  auto plan = drawing(layerEntry("A", 1, "DASHED") + layerEntry("B", 2, "dashed") +
                          layerEntry("C", 3, "HIDDEN") + layerEntry("UNUSED", 4, "PHANTOM"),
                      {"A", "B", "C"});
  dialog_.fill(widgets_, plan.get(), nullptr);
  // Then the drawing's table: CONTINUOUS as read, PHANTOM added for the unused layer.
  EXPECT_EQ(widgets_.linetypes,
            (std::vector<std::string>{"DASHED", "HIDDEN", "CONTINUOUS", "PHANTOM"}));
}

TEST_F(LayerDialogTest, FillingWithoutADrawingEmptiesTheWidgets) {
  widgets_.rows.push_back({"old", "1 red", "SOLID", "yes"});
  widgets_.linetypes = {"SOLID"};
  dialog_.fill(widgets_, nullptr, nullptr);
  EXPECT_TRUE(widgets_.rows.empty());
  EXPECT_TRUE(widgets_.linetypes.empty());
  EXPECT_EQ(dialog_.workingTable()->rowCount(), 0);
}

// --- Showing, selecting and editing -------------------------------------------------

class LayerDialogEditTest : public LayerDialogTest {
 protected:
  void SetUp() override {
    plan_ = drawing(layerEntry("A", 1) + layerEntry("AB", 5, "DASHED"), {"A", "AB"});
    dialog_.fill(widgets_, plan_.get(), nullptr);
    dialog_.show(widgets_);
  }
  std::unique_ptr<DXF_Zeichnung> plan_;
};

TEST_F(LayerDialogEditTest, ShowingSelectsTheFirstRowIntoTheEditFields) {
  EXPECT_EQ(widgets_.colourContainerClosed, 1);
  EXPECT_EQ(widgets_.selected, 0);
  EXPECT_EQ(widgets_.name, "A");
  EXPECT_EQ(widgets_.colourText, "1 red");
  EXPECT_EQ(widgets_.linetypeText, "CONTINUOUS");
  EXPECT_TRUE(widgets_.toggle);
  widgets_.rows[1][3] = "no";
  widgets_.pick(1);
  dialog_.select(widgets_);
  EXPECT_EQ(widgets_.name, "AB");
  EXPECT_EQ(widgets_.linetypeText, "DASHED");
  EXPECT_FALSE(widgets_.toggle);
}

TEST_F(LayerDialogEditTest, EachEditChangesOnlyItsCellOfTheSelectedRow) {
  struct Case {
    const char* what;
    void (*edit)(LayerDialog&, LayerWidgetsDouble&);
    LayerColumn column;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"colour",
       [](LayerDialog& d, LayerWidgetsDouble& w) {
         w.colourText = "3 green";
         d.colourChosen(w);
       },
       LayerColumn::Colour, "3 green"},
      {"linetype",
       [](LayerDialog& d, LayerWidgetsDouble& w) {
         w.linetypeText = "HIDDEN";
         d.linetypeChosen(w);
       },
       LayerColumn::Linetype, "HIDDEN"},
      {"hide",
       [](LayerDialog& d, LayerWidgetsDouble& w) {
         w.toggle = false;
         d.visibilityToggled(w);
       },
       LayerColumn::Visible, "no"},
      {"name",
       [](LayerDialog& d, LayerWidgetsDouble& w) {
         w.name = "Neu";
         d.nameChanged(w);
       },
       LayerColumn::Name, "Neu"},
  };
  for (const Case& c : cases) {
    dialog_.fill(widgets_, plan_.get(), nullptr);
    const std::vector<LayerRowCells> before = widgets_.rows;
    widgets_.pick(1);
    c.edit(dialog_, widgets_);
    std::vector<LayerRowCells> expected = before;
    expected[1][static_cast<std::size_t>(c.column)] = c.expected;
    EXPECT_EQ(widgets_.rows, expected) << c.what;
    // Without a selected row nothing changes.
    widgets_.pick(-1);
    c.edit(dialog_, widgets_);
    EXPECT_EQ(widgets_.rows, expected) << c.what;
  }
}

TEST_F(LayerDialogEditTest, TogglingOnAgainShowsTheLayerAsVisible) {
  widgets_.pick(0);
  widgets_.toggle = false;
  dialog_.visibilityToggled(widgets_);
  widgets_.toggle = true;
  dialog_.visibilityToggled(widgets_);
  EXPECT_EQ(widgets_.rows[0][3], "yes");
}

// Typing goes through intermediate names; one that equals another layer's name must not
// take that layer along.
TEST_F(LayerDialogEditTest, RenamingLetterByLetterRenamesOnlyItsOwnLayer) {
  widgets_.pick(1);
  for (const char* typed : {"A", "AC"}) {
    widgets_.name = typed;
    dialog_.nameChanged(widgets_);
  }
  EXPECT_EQ(rowNames(widgets_), (std::vector<std::string>{"A", "AC"}));
  dialog_.apply(widgets_, plan_.get(), nullptr);
  EXPECT_NE(plan_->findLayerByShownName("A"), nullptr);
  EXPECT_STREQ(plan_->findLayerByShownName("A")->name(), "A");
  EXPECT_STREQ(plan_->findLayerByShownName("AB")->name(), "AC");
}

// --- Applying ------------------------------------------------------------------------

TEST_F(LayerDialogTest, OkGivesTheLayersAndTheirObjectsTheEditedLooks) {
  auto plan =
      drawing(layerEntry("A", 1) + layerEntry("B", 2) + layerEntry("C", 3), {"A", "B", "C"});
  dialog_.fill(widgets_, plan.get(), nullptr);
  widgets_.rows[0][1] = "5 blue";
  widgets_.rows[1][3] = "no";
  widgets_.rows[2][0] = "Kontur";
  widgets_.rows[2][2] = "DASHDOT";
  EXPECT_EQ(dialog_.apply(widgets_, plan.get(), nullptr), LayerDialog::Storing::NothingToStore);
  EXPECT_EQ(dialog_.workingTable(), nullptr);
  EXPECT_STREQ(entityOn(*plan, "A")->colour(), "#0000FF");
  EXPECT_EQ(entityOn(*plan, "B")->visible(), 0);
  ASSERT_NE(entityOn(*plan, "Kontur"), nullptr);
  EXPECT_EQ(entityOn(*plan, "C"), nullptr);
  EXPECT_EQ(entityOn(*plan, "Kontur")->lineStyleCode(), 3);
  EXPECT_STREQ(plan->findLayerByShownName("C")->name(), "Kontur");
}

TEST_F(LayerDialogTest, OkGivesBothLayersOfOneDisplayNameTheRowsLooks) {
  auto plan = drawing(layerEntry("A", 1) + layerEntry("B", 2), {"A", "B"});
  dialog_.fill(widgets_, plan.get(), &settings("Layer_B=A\nLtype_B=CONTINUOUS\nColor_B=2\n"));
  ASSERT_EQ(widgets_.rows.size(), 1u);
  widgets_.rows[0][1] = "6 magenta";
  widgets_.rows[0][3] = "no";
  dialog_.apply(widgets_, plan.get(), settings_.get());
  for (const char* key : {"A", "B"}) {
    const Layer* layer = plan->findLayerByShownName(key);
    EXPECT_STREQ(layer->colourNumber(), "6") << key;
    EXPECT_EQ(layer->visible(), 0) << key;
  }
}

// A layer without a row keeps its looks, even when a listed layer is called "UNBEKANNT".
TEST_F(LayerDialogTest, OkLeavesUnlistedLayersAsTheyAre) {
  auto plan =
      drawing(layerEntry("SILHOUETTE", 1) + layerEntry("UNBEKANNT", 2) + layerEntry("IDLE", 3),
              {"SILHOUETTE", "UNBEKANNT"});
  dialog_.fill(widgets_, plan.get(), nullptr);
  widgets_.rows.at(0)[1] = "5 blue";
  dialog_.apply(widgets_, plan.get(), nullptr);
  EXPECT_STREQ(plan->findLayerByShownName("SILHOUETTE")->colourNumber(), "1");
  EXPECT_STREQ(plan->findLayerByShownName("IDLE")->colourNumber(), "3");
  EXPECT_STREQ(entityOn(*plan, "SILHOUETTE")->colour(), "#FF0000");
  EXPECT_STREQ(plan->findLayerByShownName("UNBEKANNT")->colourNumber(), "5");
}

TEST_F(LayerDialogTest, OkTakesOnlyColoursAndNamesTheDrawingCanHold) {
  struct Case {
    std::string colourCell;
    std::string nameCell;
    const char* colourNumber;
    const char* name;
  };
  const std::vector<Case> cases = {
      {"12", "A", "12", "A"},    {"3 GREEN", "A", "3", "A"},
      {"12abc", "A", "12", "A"}, {"0", "A", "4", "A"},
      {"300", "A", "4", "A"},    {"-3", "A", "4", "A"},
      {"purple", "", "4", "A"},  {"7", "Zwei\nZeilen", "7", "Zwei Zeilen"},
  };
  for (const Case& c : cases) {
    auto plan = drawing(layerEntry("A", 4), {"A"});
    dialog_.fill(widgets_, plan.get(), nullptr);
    widgets_.rows[0][1] = c.colourCell;
    widgets_.rows[0][0] = c.nameCell;
    dialog_.apply(widgets_, plan.get(), nullptr);
    const Layer* layer = plan->findLayerByShownName("A");
    EXPECT_STREQ(layer->colourNumber(), c.colourNumber) << c.colourCell;
    EXPECT_STREQ(layer->name(), c.name) << c.colourCell;
  }
}

TEST_F(LayerDialogTest, ColourNumbersOneTo255AreTakenAndTheirNeighboursRefused) {
  struct Case {
    const char* text;
    int number;  // 0: no colour a layer can have
  };
  // 0 and 256 stand for "by block" and "by layer" in the file, which no layer can be.
  const ColourLabels labels = colourLabelsOf(widgets_);
  for (const Case& c : {Case{"1", 1}, Case{"255", 255}, Case{"0", 0}, Case{"256", 0}}) {
    EXPECT_EQ(colourNumberOfText(c.text, labels), c.number) << c.text;
  }
}

TEST_F(LayerDialogTest, CancelChangesNeitherTheDrawingNorTheSettings) {
  auto plan = drawing(layerEntry("A", 1), {"A"});
  dialog_.fill(widgets_, plan.get(), &settings());
  widgets_.rows[0] = {"B", "5 blue", "DASHED", "no"};
  dialog_.cancel();
  EXPECT_EQ(dialog_.workingTable(), nullptr);
  EXPECT_EQ(dialog_.apply(widgets_, plan.get(), settings_.get()),
            LayerDialog::Storing::NothingToStore);
  const Layer* layer = plan->findLayer("A");
  ASSERT_NE(layer, nullptr);
  EXPECT_STREQ(layer->colourNumber(), "1");
  EXPECT_EQ(layer->visible(), 1);
  EXPECT_EQ(settingsText(), kSettingsHead);
}

// --- Storing -------------------------------------------------------------------------

TEST_F(LayerDialogTest, OkAddsTheThreeKeysOnceAndReplacesThemLater) {
  auto plan = drawing(layerEntry("WAND", 3), {"WAND"});
  dialog_.fill(widgets_, plan.get(), &settings());
  widgets_.rows[0][3] = "no";
  EXPECT_EQ(dialog_.apply(widgets_, plan.get(), settings_.get()), LayerDialog::Storing::Stored);
  EXPECT_EQ(settingsText(),
            std::string(kSettingsHead) + "Layer_WAND=WAND\nLtype_WAND=CONTINUOUS\nColor_WAND=3~\n");

  dialog_.fill(widgets_, plan.get(), settings_.get());
  widgets_.rows[0] = {"Wand", "1 red", "DASHED", "yes"};
  EXPECT_EQ(dialog_.apply(widgets_, plan.get(), settings_.get()), LayerDialog::Storing::Stored);
  // Renamed: still stored under the name as read.
  EXPECT_EQ(settingsText(),
            std::string(kSettingsHead) + "Layer_WAND=Wand\nLtype_WAND=DASHED\nColor_WAND=1\n");
}

TEST_F(LayerDialogTest, NamesWithSettingsFileCharactersReadBackUnchanged) {
  const std::vector<std::string> names = {"A=B",
                                          "[Kopf]",
                                          "Teil 1",
                                          "50%",
                                          "Tab\tEnde",
                                          "Stra\xDF"
                                          "e"};
  std::string layers;
  for (const std::string& name : names) layers += layerEntry(name, 2);
  auto plan = drawing(layers, names);
  dialog_.fill(widgets_, plan.get(), &settings());
  for (std::size_t i = 0; i < names.size(); ++i) {
    widgets_.rows.at(i)[0] = names[i] + " [neu]=";
    widgets_.rows.at(i)[1] = std::to_string(i + 1);
  }
  ASSERT_EQ(dialog_.apply(widgets_, plan.get(), settings_.get()), LayerDialog::Storing::Stored);

  // The next run reads the file afresh and opens a fresh drawing.
  IniFile reread(folder_.file("orvel.ini").c_str(), true);
  EXPECT_EQ(IniFile::lastError(), 0);
  EXPECT_EQ(reread.getString("DXFViewer", "State"), std::string("0"));
  auto again = drawing(layers, names);
  LayerWidgetsDouble fresh;
  dialog_.fill(fresh, again.get(), &reread);
  ASSERT_EQ(fresh.rows.size(), names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    EXPECT_EQ(fresh.rows[i][0], names[i] + " [neu]=");
    EXPECT_STREQ(again->findLayerByShownName(names[i].c_str())->colourNumber(),
                 std::to_string(i + 1).c_str());
  }
}

TEST_F(LayerDialogTest, LooksOfAnOlderCodePageAreFoundAndStoredAsUtf8) {
  auto plan = drawing(layerEntry("M\xFCller", 2), {"M\xFCller"});
  dialog_.fill(
      widgets_, plan.get(),
      &settings("Layer_M\xFCller=Gr\xFCn\nLtype_M\xFCller=CONTINUOUS\nColor_M\xFCller=3\n"));
  EXPECT_EQ(widgets_.rows.at(0)[0], "Gr\xFCn");
  dialog_.apply(widgets_, plan.get(), settings_.get());
  EXPECT_EQ(settingsText(), std::string(kSettingsHead) +
                                "Layer_M\xC3\xBCller=Gr\xC3\xBCn\nLtype_M\xC3\xBCller=CONTINUOUS\n"
                                "Color_M\xC3\xBCller=3\n");
}

TEST_F(LayerDialogTest, AFailedWriteIsReportedAndTheDrawingKeepsTheChanges) {
  auto plan = drawing(layerEntry("A", 1), {"A"});
  IniFile unwritable((folder_.path() / "missing" / "orvel.ini").c_str(), true);
  IniFile::clearError();
  dialog_.fill(widgets_, plan.get(), &unwritable);
  widgets_.rows[0][1] = "5 blue";
  EXPECT_EQ(dialog_.apply(widgets_, plan.get(), &unwritable), LayerDialog::Storing::WriteFailed);
  EXPECT_STREQ(entityOn(*plan, "A")->colour(), "#0000FF");
  EXPECT_EQ(unwritable.getString("DXFViewer", "Color_A"), std::string("5"));
}

TEST_F(LayerDialogTest, StoredLooksAreGivenToEveryLayerWhenADrawingIsShown) {
  auto plan = drawing(layerEntry("A", 1) + layerEntry("SILHOUETTE", 1), {"A", "SILHOUETTE"});
  IniFile& ini = settings(
      "Layer_A=Aussen\nLtype_A=HIDDEN\nColor_A=5~\n"
      "Layer_SILHOUETTE=S\nLtype_SILHOUETTE=HIDDEN\nColor_SILHOUETTE=5~\n");
  applyStoredLooks(*plan, ini, colourLabelsOf(widgets_));
  const DXFGeometrie* outside = entityOn(*plan, "Aussen");
  ASSERT_NE(outside, nullptr);
  EXPECT_STREQ(outside->colour(), "#0000FF");
  EXPECT_EQ(outside->visible(), 0);
  EXPECT_EQ(outside->lineStyleCode(), 2);
  EXPECT_STREQ(entityOn(*plan, "SILHOUETTE")->colour(), "#FF0000");
}

}  // namespace
