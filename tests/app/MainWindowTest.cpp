// The main window as the builder runs it: frame callbacks, controls, geometry, settings.
#include "app/MainWindow.h"

#include <clocale>
#include <memory>
#include <string>
#include <vector>

#include "interface/DXF_Interface.h"
#include "toolkit/GwDrawnButton.h"
#include "toolkit/GwEcho.h"
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

// Sends a key press with modifiers to the frame, as the keyboard would.
void pressKey(GwFrame& frame, guint keyval, guint state = 0) {
  GdkEvent* event = gdk_event_new(GDK_KEY_PRESS);
  event->key.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(frame.widget())));
  event->key.keyval = keyval;
  event->key.state = state;
  gdk_event_set_device(
      event, gdk_seat_get_keyboard(gdk_display_get_default_seat(gdk_display_get_default())));
  gtk_widget_event(frame.widget(), event);
  gdk_event_free(event);
}

std::string accelerator(GwFrame& frame, const char* item) {
  GtkWidget* label = gtk_bin_get_child(GTK_BIN(frame.frame_child(item)->widget()));
  guint key = 0;
  GdkModifierType modifiers{};
  gtk_accel_label_get_accel(GTK_ACCEL_LABEL(label), &key, &modifiers);
  gchar* shown = gtk_accelerator_get_label(key, modifiers);
  std::string text = shown;
  g_free(shown);
  return text;
}

TEST_F(MainWindowTest, DesktopStartRecentFilesAcceleratorsAndNothingToSaveOrPrint) {
  InFolder in(folder_);
  bool ran = false;
  runWindow(testsupport::normalSettings("State=0\nDimW=700\nDimH=400\nPosX=0\nPosY=0\n") +
                "\n[Recent]\nFile1=/d/newest.dxf\nFile2=\nFile3=/d/older_one.dxf\n",
            [&](GwFrame& frame) {
              ran = true;
              for (const char* name : {"MI_saveas", "MI_print", "PB_saveas", "PB_print"}) {
                EXPECT_FALSE(frame.frame_child(name)->is_sensitive()) << name;
              }
              EXPECT_EQ(accelerator(frame, "MI_open"), "Ctrl+O");
              EXPECT_EQ(accelerator(frame, "MI_print"), "Ctrl+P");
              EXPECT_EQ(accelerator(frame, "MI_hilfe"), "F1");
              GwCore* recent = frame.frame_child("MI_recent");
              ASSERT_NE(recent, nullptr);
              EXPECT_TRUE(recent->is_sensitive());
              GtkWidget* menu = gtk_menu_item_get_submenu(GTK_MENU_ITEM(recent->widget()));
              std::vector<std::string> labels;
              GList* items = gtk_container_get_children(GTK_CONTAINER(menu));
              for (GList* item = items; item; item = item->next) {
                labels.emplace_back(gtk_menu_item_get_label(GTK_MENU_ITEM(item->data)));
              }
              g_list_free(items);
              EXPECT_EQ(labels, (std::vector<std::string>{"_1  newest.dxf", "_2  older__one.dxf"}));

              // Escape drops a rectangle being dragged, and only then takes the key.
              session_.view.rubberBand =
                  std::make_unique<GwEcho>(frame.frame_child("DA_container"));
              pressKey(frame, GDK_KEY_Escape);
              EXPECT_EQ(session_.view.rubberBand, nullptr);
            });
  EXPECT_TRUE(ran);
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
