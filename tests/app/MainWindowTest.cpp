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
#include "viewer/ViewState.h"

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
    buildMainWindow(&viewer_, 0);
  }

  TempDir folder_;
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
              EXPECT_DOUBLE_EQ(viewState().zoomStep, 0.5);
              EXPECT_EQ(viewState().mouseMode, 1);
              EXPECT_EQ(viewState().activeButton, 1);
              EXPECT_EQ(frame.position().x, 0);
              EXPECT_EQ(frame.position().y, 0);
              EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
              EXPECT_NE(mainWindow().layerDialog, nullptr);
              EXPECT_EQ(mainWindow().viewerPath, std::string_view("/srv/drawings"));
              EXPECT_TRUE(frame.frame_child("DA_draw")->has_callback(GwCB_EXPOSE));
              EXPECT_EQ(frame.text(), "DXF Viewer");
            });
  EXPECT_TRUE(ran);
  EXPECT_EQ(mainWindow().frame, nullptr);
  EXPECT_EQ(mainWindow().layerDialog, nullptr);
  EXPECT_EQ(mainWindow().viewerInterface, nullptr);
  EXPECT_EQ(std::string(mainWindow().logoPath.c_str()), DXFV_RESOURCES "/dxflogo.svg");
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
  buildMainWindow(&viewer_, 0);
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
              init_picture(button, nullptr, GwUDStr("dxfinfo"));
              EXPECT_NE(gtk_button_get_image(GTK_BUTTON(button->widget())), nullptr);
              gtk_button_set_image(GTK_BUTTON(button->widget()), nullptr);
              init_picture(button, nullptr, GwUDStr("zoomm"));
              EXPECT_EQ(gtk_button_get_image(GTK_BUTTON(button->widget())), nullptr);
            });
}

}  // namespace
