// Open and save-as on the real dialog frame: admission, controls, world window, failure
// messages, the proposed name and what a failed save leaves.
#include "app/FileCommands.h"

#include <cmath>
#include <filesystem>

#include "CommandFrameTestSupport.h"
#include "document/DXF_Zeichnung.h"
#include "settings/Cp1252.h"
#include "toolkit/GwDrawnButton.h"
#include "app/MouseMode.h"
#include "app/OpenRequest.h"
#include "app/ShellCallbacks.h"

namespace {

using testsupport::drawingText;
using testsupport::lineRecord;

constexpr const char* kCommands[] = {"PB_mass", "PB_zoom",  "MI_zoom", "PB_Layer",
                                     "PB_acad", "MI_Layer", "MI_ACAD"};

class FileCommandsTest : public testsupport::CommandFrameTest {};

TEST_F(FileCommandsTest, DrawingWithTheSilLayerIsShownWithItsCommandsAndFitted) {
  const std::string startFolder = session_.window.viewerPath.str();
  const std::string path =
      openDrawing("plate.dxf", drawingText({"0"}, lineRecord("0", 0, 0, 100, 50)));
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].pattern, "*.dxf");
  EXPECT_EQ(requests[0].mode, GwFILE_OPEN);
  EXPECT_EQ(requests[0].title, "Open drawing");
  EXPECT_EQ(requests[0].startDirectory, startFolder);

  const ViewState& view = session_.view;
  EXPECT_EQ(view.drawingShown, 1);
  EXPECT_EQ(view.fitted, 1);
  EXPECT_EQ(view.viewType, 0);
  for (const char* name : kCommands) EXPECT_TRUE(shown(name)) << name;
  for (const char* name : {"PB_zoomp", "PB_zoomm", "PB_zoomb", "MI_Zoom", "MI_Optionen"}) {
    EXPECT_TRUE(child(name)->is_sensitive()) << name;
  }
  EXPECT_FALSE(shown("MI_Ansicht"));
  EXPECT_TRUE(shown("DA_draw"));
  // Widened by 5 % of width and height on each side.
  EXPECT_DOUBLE_EQ(view.viewMinX, -5.0);
  EXPECT_DOUBLE_EQ(view.viewMaxX, 105.0);
  EXPECT_DOUBLE_EQ(view.viewMinY, -2.5);
  EXPECT_DOUBLE_EQ(view.viewMaxY, 52.5);
  EXPECT_DOUBLE_EQ(session_.documents.at(0)->maxX(), 105.0);
  EXPECT_GT(view.scale, 0.0);

  EXPECT_EQ(session_.window.openedFile, path);
  EXPECT_EQ(child("EB_text")->text(), utf8ToCp1252(path));  // widgets hold Windows-1252
  // A long path loses its start, so that the file name stays in sight.
  GtkWidget* line = child("EB_text")->widget();
  ASSERT_TRUE(GTK_IS_LABEL(line));
  EXPECT_EQ(gtk_label_get_ellipsize(GTK_LABEL(line)), PANGO_ELLIPSIZE_START);
  EXPECT_EQ(frame_->text(), "plate.dxf - DXF Viewer");
  EXPECT_EQ(session_.window.viewerPath, (folder_.path() / "").string());
}

TEST_F(FileCommandsTest, DrawingWithBothLayersIsShownWithoutItsCommands) {
  openDrawing("both.dxf", drawingText({"0", "MASSBILD"}, lineRecord("0", 0, 0, 10, 10)));
  EXPECT_EQ(session_.view.drawingShown, 1);
  for (const char* name : kCommands) EXPECT_FALSE(shown(name)) << name;
}

TEST_F(FileCommandsTest, AlternativeLayerAloneAdmitsWithoutTheCommands) {
  openDrawing("massbild.dxf", drawingText({"MASSBILD"}, lineRecord("MASSBILD", 0, 0, 10, 10)));
  EXPECT_EQ(session_.view.drawingShown, 1);
  EXPECT_FALSE(shown("PB_Layer"));
  EXPECT_FALSE(shown("PB_mass"));
}

TEST_F(FileCommandsTest, DrawingWithoutAnAdmittingLayerIsRefusedButKept) {
  openDrawing("foreign.dxf", drawingText({"KONTUR"}, lineRecord("KONTUR", 0, 0, 10, 10)));
  EXPECT_EQ(messages.keys, std::vector<std::string>{"MsgBox_Layer_fehlt"});
  EXPECT_EQ(messages.details,
            std::vector<std::string>{"It lacks the layer that admits drawings to this viewer."});
  EXPECT_EQ(session_.view.drawingShown, 0);
  EXPECT_NE(session_.documents.at(0), nullptr);
  EXPECT_FALSE(shown("DA_draw"));
  EXPECT_FALSE(child("PB_zoomp")->is_sensitive());
  EXPECT_TRUE(session_.window.openedFile.empty());
  EXPECT_EQ(frame_->text(), "DXF Viewer");
}

TEST_F(FileCommandsTest, EveryUnreadableFileIsRefusedAndItsDocumentDeleted) {
  const std::string good = drawingText({"0"}, lineRecord("0", 0, 0, 10, 10));
  const struct {
    const char* name;
    std::string text;
  } files[] = {{"empty.dxf", ""},
               {"cut_in_tables.dxf", good.substr(0, good.find("ENDTAB"))},
               {"cut_in_entities.dxf", good.substr(0, good.find(" 21\n"))},
               {"binary.dxf", std::string("AutoCAD Binary DXF\r\n\x1a\0", 22)}};
  for (const auto& file : files) {
    messages.keys.clear();
    openDrawing(file.name, file.text);
    EXPECT_EQ(messages.keys, std::vector<std::string>{"MsgBox_Kann_nicht_anzeigen"}) << file.name;
    EXPECT_EQ(session_.documents.at(0), nullptr) << file.name;
    EXPECT_EQ(session_.view.drawingShown, 0);
  }
  messages.keys.clear();
  choose(folder_.file("missing.dxf").string());
  CB_open(frame_.get(), nullptr, session_.userData());
  EXPECT_EQ(messages.keys.size(), 1u);
}

TEST_F(FileCommandsTest, RefusedFileSaysWhyAndKeepsTheDrawingOpenBefore) {
  const std::string good = drawingText({"0"}, lineRecord("0", 0, 0, 10, 10));
  const std::string path = openDrawing("plate.dxf", good);
  const DXF_Zeichnung* before = session_.documents.at(0);
  ASSERT_NE(before, nullptr);
  const struct {
    const char* name;
    std::string text;
    const char* reason;
  } files[] = {{"letter.dxf", "Dear reader,\nthis is no drawing.\n", "not a DXF file"},
               {"cut.dxf", good.substr(0, good.find(" 21\n")), "ends inside a line"},
               {"binary.dxf", std::string("AutoCAD Binary DXF\r\n\x1a\0", 22), "binary DXF"}};
  for (const auto& file : files) {
    messages.keys.clear();
    messages.texts.clear();
    messages.details.clear();
    openDrawing(file.name, file.text);
    ASSERT_EQ(messages.texts.size(), 1u) << file.name;
    EXPECT_EQ(messages.details, std::vector<std::string>{"The file could not be read."});
    EXPECT_NE(messages.texts[0].find(file.reason), std::string::npos) << messages.texts[0];
    EXPECT_EQ(session_.documents.at(0), before) << file.name;
    EXPECT_EQ(session_.window.openedFile, path);
    EXPECT_EQ(session_.view.drawingShown, 1);
  }
}

TEST_F(FileCommandsTest, DrawingInformationTellsWhatWasPassedOver) {
  EXPECT_FALSE(shown("PB_info"));
  openDrawing("region.dxf",
              drawingText({"0"}, lineRecord("0", 0, 0, 10, 10) + "  0\nREGION\n  8\n0\n 70\n1\n"));
  EXPECT_TRUE(shown("PB_info"));
  messages.keys.clear();
  messages.texts.clear();
  messages.details.clear();
  CB_info(frame_.get(), nullptr, session_.userData());
  EXPECT_EQ(messages.keys, std::vector<std::string>{"MsgBox_Zeichnungsinformation"});
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0], "region.dxf");
  ASSERT_EQ(messages.details.size(), 1u);
  const std::string& details = messages.details[0];
  EXPECT_NE(details.find("REGION 1"), std::string::npos) << details;
  EXPECT_NE(details.find("\n  0: 1 object\n"), std::string::npos) << details;
  EXPECT_NE(details.find("Extents: x 0.000 to 10.000, y 0.000 to 10.000"), std::string::npos)
      << details;
}

TEST_F(FileCommandsTest, SaveAfterAFailedOpenDoesNothing) {
  openDrawing("empty.dxf", "");
  requests.clear();
  choose(folder_.file("out.dxf").string());
  EXPECT_EQ(CB_saveas(frame_.get(), nullptr, session_.userData()), 1);
  EXPECT_TRUE(requests.empty());
  EXPECT_FALSE(std::filesystem::exists(folder_.file("out.dxf")));
}

TEST_F(FileCommandsTest, CancelledOpenLeavesTheDrawingAsItWas) {
  openDrawing("plate.dxf", drawingText({"0"}, lineRecord("0", 0, 0, 100, 50)));
  const DXF_Zeichnung* before = session_.documents.at(0);
  ASSERT_TRUE(testsupport::waitUntil([&] { return child("DA_draw")->has_callback(GwCB_BUTTON); }));
  choose("");
  CB_open(frame_.get(), nullptr, session_.userData());
  EXPECT_EQ(session_.documents.at(0), before);
  EXPECT_EQ(session_.view.drawingShown, 1);
  EXPECT_TRUE(child("PB_print")->is_sensitive());
  // The repaint the open asks for gives the mouse handlers back.
  EXPECT_TRUE(testsupport::waitUntil([&] {
    return child("DA_draw")->has_callback(GwCB_BUTTON) &&
           child("DA_container")->has_callback(GwCB_MOUSEMOVE);
  }));
}

TEST_F(FileCommandsTest, SinglePointDrawingOpensWithAMinimalWorldWindow) {
  openDrawing("point.dxf",
              drawingText({"0"}, "  0\nPOINT\n  8\n0\n 10\n5.0\n 20\n7.0\n 30\n0.0\n"));
  const ViewState& view = session_.view;
  ASSERT_EQ(view.drawingShown, 1);
  EXPECT_DOUBLE_EQ(view.viewMaxX - view.viewMinX, 1.0);
  EXPECT_DOUBLE_EQ(view.viewMaxY - view.viewMinY, 1.0);
  EXPECT_DOUBLE_EQ(view.viewMinX, 4.5);
  EXPECT_TRUE(std::isfinite(view.scale));
  EXPECT_GT(child("DA_draw")->size().width, 0);
}

TEST_F(FileCommandsTest, DrawingWithNothingDrawnOpensEmptyInsteadOfInverted) {
  openDrawing("empty_layer.dxf", drawingText({"0"}, ""));
  const ViewState& view = session_.view;
  ASSERT_EQ(view.drawingShown, 1);
  EXPECT_DOUBLE_EQ(view.viewMaxX - view.viewMinX, 1.0);
  EXPECT_DOUBLE_EQ(view.viewMaxY - view.viewMinY, 1.0);
  EXPECT_GT(view.scale, 0.0);
}

TEST_F(FileCommandsTest, HorizontalLineOpensWithAMinimalHeight) {
  openDrawing("line.dxf", drawingText({"0"}, lineRecord("0", 0, 3, 40, 3)));
  const ViewState& view = session_.view;
  ASSERT_EQ(view.drawingShown, 1);
  EXPECT_DOUBLE_EQ(view.viewMinX, -2.0);
  EXPECT_DOUBLE_EQ(view.viewMinY, 2.5);
  EXPECT_DOUBLE_EQ(view.viewMaxY, 3.5);
  EXPECT_TRUE(std::isfinite(view.scale));
}

TEST_F(FileCommandsTest, SaveAsProposesTheTitleWithUnderscoresAndWritesTheDrawing) {
  openDrawing("plate.dxf", drawingText({"0"}, lineRecord("0", 0, 0, 100, 50)));
  session_.window.drawingTitle = "Flansch DN50/PN16?";
  std::filesystem::create_directories(folder_.file("out"));
  const std::string target = folder_.file("out/copy.dxf").string();
  requests.clear();
  choose(target);
  CB_saveas(frame_.get(), nullptr, session_.userData());
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].pattern, "Flansch DN50_PN16_.dxf");
  EXPECT_EQ(requests[0].mode, GwFILE_SAVE);
  EXPECT_EQ(requests[0].title, "Save drawing as");
  EXPECT_TRUE(messages.keys.empty());
  EXPECT_EQ(session_.window.openedFile, target);
  EXPECT_EQ(child("EB_text")->text(), utf8ToCp1252(target));
  EXPECT_EQ(frame_->text(), "copy.dxf - DXF Viewer");
  EXPECT_EQ(session_.window.viewerPath, (folder_.path() / "out/").string());
  DXF_Zeichnung copy;
  ASSERT_EQ(copy.readDXF(target), 0);
  EXPECT_EQ(copy.entities().count(), 1);
  EXPECT_NE(copy.findLayer("0"), nullptr);
}

TEST_F(FileCommandsTest, SaveAsProposesTheOpenedFileAndAddsTheExtension) {
  openDrawing("plate.dxf", drawingText({"0"}, lineRecord("0", 0, 0, 100, 50)));
  const std::string typed = folder_.file("copy").string();
  requests.clear();
  choose(typed);
  CB_saveas(frame_.get(), nullptr, session_.userData());
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].pattern, "plate.dxf");
  EXPECT_EQ(session_.window.openedFile, typed + ".dxf");
  EXPECT_TRUE(std::filesystem::exists(typed + ".dxf"));
  EXPECT_FALSE(std::filesystem::exists(typed));
  // The file keeps the drawing's extents, not the window the viewer widened around it.
  DXF_Zeichnung copy;
  ASSERT_EQ(copy.readDXF(typed + ".dxf"), 0);
  EXPECT_DOUBLE_EQ(copy.minX(), 0.0);
  EXPECT_DOUBLE_EQ(copy.maxX(), 100.0);
}

TEST_F(FileCommandsTest, FailedSaveShowsTheMessageAndKeepsTheFileOpenedBefore) {
  const std::string path =
      openDrawing("plate.dxf", drawingText({"0"}, lineRecord("0", 0, 0, 100, 50)));
  const std::string target = folder_.file("no/such/folder/copy.dxf").string();
  choose(target);
  CB_saveas(frame_.get(), nullptr, session_.userData());
  EXPECT_EQ(messages.keys, std::vector<std::string>{"MsgBox_Fehler_beim_Speichern"});
  EXPECT_EQ(session_.window.openedFile, path);
  EXPECT_EQ(child("EB_text")->text(), utf8ToCp1252(path));  // widgets hold Windows-1252
  // A long path loses its start, so that the file name stays in sight.
  GtkWidget* line = child("EB_text")->widget();
  ASSERT_TRUE(GTK_IS_LABEL(line));
  EXPECT_EQ(gtk_label_get_ellipsize(GTK_LABEL(line)), PANGO_ELLIPSIZE_START);
  EXPECT_EQ(frame_->text(), "plate.dxf - DXF Viewer");
  EXPECT_FALSE(std::filesystem::exists(target));
}

TEST_F(FileCommandsTest, PathTooLongForTheOpenedFileIsNotWritten) {
  openDrawing("plate.dxf", drawingText({"0"}, lineRecord("0", 0, 0, 100, 50)));
  // A folder that exists, so that only the length stands in the way.
  const std::filesystem::path deep =
      folder_.path() / std::string(100, 'a') / std::string(100, 'b') / std::string(100, 'c');
  std::filesystem::create_directories(deep);
  const std::string target = (deep / "copy.dxf").string();
  choose(target);
  CB_saveas(frame_.get(), nullptr, session_.userData());
  EXPECT_EQ(messages.keys, std::vector<std::string>{"MsgBox_Fehler_beim_Speichern"});
  EXPECT_FALSE(std::filesystem::exists(target));
}

TEST_F(FileCommandsTest, OpeningInMeasuringModeReturnsToZoomMode) {
  openDrawing("plate.dxf", drawingText({"0"}, lineRecord("0", 0, 0, 100, 50)));
  CB_zoom(frame_.get(), nullptr, session_.userData());
  ASSERT_EQ(session_.view.mouseMode, MouseMode::Measuring);
  openDrawing("plate.dxf", drawingText({"0"}, lineRecord("0", 0, 0, 100, 50)));
  EXPECT_EQ(session_.view.mouseMode, MouseMode::Zoom);
  EXPECT_FALSE(child("PB_zoom")->is_sensitive());
  EXPECT_TRUE(child("PB_mass")->is_sensitive());
  EXPECT_EQ(child("MI_zoom")->toggle_state(), 1);
}

// A launcher's request opens on the request timer; the drawing is read on the loading thread
// while the one shown before is painted again and again off the GUI thread.
TEST_F(FileCommandsTest, LauncherRequestLoadsWhileTheShownDrawingIsRepainted) {
  openDrawing("plate.dxf", drawingText({"0"}, lineRecord("0", 0, 0, 100, 50)));
  std::string lines;
  // Large enough that reading it outlasts a few turns of the repaint timer.
  for (int i = 0; i < 100000; ++i) {
    lines += lineRecord("0", i % 300, i / 300, i % 300 + 1, i / 300);
  }
  const std::string large = folder_.file("large.dxf").string();
  testsupport::writeFile(large, drawingText({"0"}, lines));
  struct Repainter {
    const ViewerSession& session;
    GwDrawnButton* area;
    int whileLoading = 0;
    static gboolean tick(gpointer data) {
      auto* self = static_cast<Repainter*>(data);
      if (self->session.window.loading) {
        self->area->clear_window();
        ++self->whileLoading;
      }
      return G_SOURCE_CONTINUE;
    }
  } repainter{session_, dynamic_cast<GwDrawnButton*>(child("DA_draw"))};
  const guint timer = g_timeout_add(2, Repainter::tick, &repainter);
  testsupport::writeFile(folder_.file(kOpenRequestFile), large + "\n");
  EXPECT_TRUE(testsupport::waitUntil([&] { return session_.window.openedFile == large; },
                                     std::chrono::seconds(60)));
  g_source_remove(timer);
  EXPECT_GT(repainter.whileLoading, 0);
  EXPECT_EQ(session_.view.drawingShown, 1);
  EXPECT_EQ(session_.documents.at(0)->entities().count(), 100000);
}

}  // namespace
