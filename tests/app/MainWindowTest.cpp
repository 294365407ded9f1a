// The main window as the builder runs it: frame callbacks, controls, geometry, settings.
#include "app/MainWindow.h"

#include <clocale>
#include <memory>

#include "interface/DXF_Interface.h"
#include "toolkit/GwDrawnButton.h"
#include "toolkit/GwUDStr.h"
#include "settings/IniFile.h"
#include "MainWindowTestSupport.h"
#include "viewer/Redraw.h"

namespace {

using testsupport::InFolder;
using testsupport::readFile;
using testsupport::TempDir;
using testsupport::writeFile;

class MainWindowTest : public testsupport::GtkTest {
 protected:
  void SetUp() override {
    GtkTest::SetUp();
    if (HasFatalFailure()) return;
    IniFile::clearError();
  }

  // Builds and runs the main window on the settings text, inspecting it while it runs.
  void runWindow(const std::string& settingsText, std::function<void(GwFrame&)> inspect) {
    writeFile(folder_.file("orvel.ini"), settingsText);
    settings_ = std::make_unique<IniFile>(folder_.file("orvel.ini").c_str(), true);
    viewer_.settingsFile = settings_.get();
    testsupport::closeMainWindowWhenRunning(std::move(inspect));
    buildMainWindow(session_, &viewer_, 0);
  }

  TempDir folder_;
  ViewerSession session_;
  DXF_Interface viewer_;
  std::unique_ptr<IniFile> settings_;
};

TEST_F(MainWindowTest, StartsWithTheControlsThatNeedADrawingHiddenAndZoomModeOn) {
  InFolder in(folder_);
  bool ran = false;
  runWindow(testsupport::normalSettings("State=0\nDimW=700\nDimH=400\nPosX=-50\nPosY=-20\n"),
            [&](GwFrame& frame) {
              ran = true;
              for (const char* name : {"SB_vert", "SB_hori", "PB_mass", "PB_zoom", "PB_Layer",
                                       "PB_acad", "PB_front", "PB_info", "MI_ACAD", "DA_zoom",
                                       "PB_Position", "PB_Zurueck", "MI_?", "MI_hilfe"}) {
                EXPECT_FALSE(frame.frame_child(name)->is_shown()) << name;
              }
              EXPECT_FALSE(frame.frame_child("PB_zoom")->is_sensitive());
              EXPECT_EQ(frame.frame_child("MI_radio50")->toggle_state(), 1);
              GwCore* help = frame.frame_child("PB_hilfe");
              EXPECT_TRUE(help->is_shown());
              EXPECT_EQ(help->text(), "Info");
              EXPECT_EQ(help->help_text(), "Info");
              EXPECT_DOUBLE_EQ(session_.view.zoomStep, 0.5);
              EXPECT_EQ(session_.view.mouseMode, MouseMode::Zoom);
              EXPECT_EQ(session_.view.activeButton, 1);
              EXPECT_EQ(frame.position().x, 0);
              EXPECT_EQ(frame.position().y, 0);
              EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
              EXPECT_NE(session_.window.layerDialog, nullptr);
              EXPECT_EQ(session_.window.viewerPath, std::string_view("/srv/drawings"));
              EXPECT_TRUE(frame.frame_child("DA_draw")->has_callback(GwCB_EXPOSE));
              EXPECT_EQ(frame.text(), "DXF Viewer");
            });
  EXPECT_TRUE(ran);
  EXPECT_EQ(session_.window.frame, nullptr);
  EXPECT_EQ(session_.window.layerDialog, nullptr);
  EXPECT_EQ(session_.window.viewerInterface, nullptr);
  EXPECT_EQ(std::string(session_.window.logoPath.c_str()), DXFV_RESOURCES "/dxflogo.svg");
}

TEST_F(MainWindowTest, WithoutAWindowTheStoredFolderIsKept) {
  InFolder in(folder_);
  // A frame that is no application frame: nothing runs.
  writeFile(folder_.file("geo.cgw"),
            "<cgw><interface><object class=\"GwFrameWindow\" id=\"Anwendungsfenster\"/>"
            "</interface></cgw>");
  writeFile(folder_.file("orvel.ini"),
            testsupport::normalSettings("State=0\nDimW=640\nDimH=360\nPosX=30\nPosY=40\n"));
  IniFile settings(folder_.file("orvel.ini").c_str(), true);
  viewer_.settingsFile = &settings;
  buildMainWindow(session_, &viewer_, 0);
  const std::string stored = readFile(folder_.file("orvel.ini"));
  EXPECT_NE(stored.find("ViewerPath=/srv/drawings\n"), std::string::npos) << stored;
  EXPECT_NE(stored.find("PosX=30\n"), std::string::npos);
}

TEST_F(MainWindowTest, PicturesComeFromThePictureFolderOrTheCurrentFolder) {
  InFolder in(folder_);
  std::filesystem::copy_file(DXFV_RESOURCES "/dxfinfo.svg", folder_.file("dxfinfo.svg"));
  runWindow(testsupport::normalSettings("State=0\nDimW=640\nDimH=360\nPosX=0\nPosY=0\n"),
            [&](GwFrame& frame) {
              GwCore* button = frame.frame_child("PB_zoomp");
              settings_->setValue("General", "BmpPath", "");
              gtk_button_set_image(GTK_BUTTON(button->widget()), nullptr);
              init_picture(button, nullptr, GwUDStr("dxfinfo", &session_));
              EXPECT_NE(gtk_button_get_image(GTK_BUTTON(button->widget())), nullptr);
              gtk_button_set_image(GTK_BUTTON(button->widget()), nullptr);
              init_picture(button, nullptr, GwUDStr("zoomm", &session_));
              EXPECT_EQ(gtk_button_get_image(GTK_BUTTON(button->widget())), nullptr);
            });
}

TEST_F(MainWindowTest, StoredSizeSmallerThanTheResourceDefaultDecidesTheFirstLayout) {
  InFolder in(folder_);
  GwDimension content;
  runWindow(testsupport::normalSettings("State=0\nDimW=920\nDimH=300\nPosX=20\nPosY=20\n"),
            [&](GwFrame& frame) { content = frame.frame_child("C_cont")->size(); });
  EXPECT_EQ(content.width, 920);
  EXPECT_EQ(content.height, 300);
  // Closed unchanged, it keeps that size for the next start.
  const std::string stored = readFile(folder_.file("orvel.ini"));
  EXPECT_NE(stored.find("DimW=920\n"), std::string::npos) << stored;
  EXPECT_NE(stored.find("DimH=300\n"), std::string::npos) << stored;
}

TEST_F(MainWindowTest, WithoutAStoredSizeTheResourceDefaultApplies) {
  InFolder in(folder_);
  GwDimension size;
  runWindow(testsupport::normalSettings("State=0\nDimW=0\nDimH=0\nPosX=20\nPosY=20\n"),
            [&](GwFrame& frame) { size = frame.size(); });
  EXPECT_GE(size.width, 960);
  EXPECT_GE(size.height, 680);
}

TEST_F(MainWindowTest, PlacementKeepsTheWholeFrameWithMenuAndStatusLineOnTheScreen) {
  InFolder in(folder_);
  const GwDimension screen = GwCore::screen_size();
  const std::string near = "PosX=" + std::to_string(screen.width - 100) +
                           "\nPosY=" + std::to_string(screen.height - 100) + "\n";
  GwPosition position;
  GwDimension size;
  runWindow(testsupport::normalSettings("State=0\nDimW=640\nDimH=360\n" + near),
            [&](GwFrame& frame) {
              position = frame.position();
              size = frame.size();
            });
  EXPECT_GT(size.height, 360);  // menu, tool bar and status line above and below
  EXPECT_LE(position.x + size.width, screen.width);
  EXPECT_LE(position.y + size.height + 40, screen.height);
}

}  // namespace
