// Widget operations on frames loaded from a resource file: lookup, texts, states, callbacks.
#include "toolkit/GwCore.h"

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/GwFrame.h"
#include "toolkit/GwRcMgr.h"
#include "toolkit/GwUDStr.h"
#include "support/GtkFrameTest.h"

namespace {

std::vector<std::string> calls;
std::vector<void*> pointers;

int record(GwCore* widget, GwEvent* event, GwUD userData) {
  calls.push_back(widget->name() + " " + event->type.name() + " " + userData.str());
  pointers.push_back(userData.pointer());
  return 7;
}

const GwFuncDesc kCoreHandlers[] = {{"record", record}, {nullptr, nullptr}};

const char* const kCoreBody = R"(
  <object class="GtkAdjustment" id="SB_adjustment">
    <property name="upper">110</property>
    <property name="page-size">10</property>
  </object>
  <object class="GwFrameWindow" id="Frame">
    <property name="frame-class">dialog</property>
    <property name="title" translatable="yes">Parts</property>
    <child>
      <object class="GtkBox" id="C_box">
        <property name="visible">True</property>
        <property name="orientation">vertical</property>
        <child>
          <object class="GtkMenuBar" id="MB_bar">
            <property name="visible">True</property>
            <child>
              <object class="GtkMenuItem" id="MI_file">
                <property name="visible">True</property>
                <property name="label">File</property>
                <child type="submenu">
                  <object class="GtkMenu">
                    <child>
                      <object class="GtkCheckMenuItem" id="MI_check">
                        <property name="visible">True</property>
                        <property name="label">Check</property>
                        <signal name="toggled" handler="record|menu"/>
                      </object>
                    </child>
                  </object>
                </child>
              </object>
            </child>
          </object>
        </child>
        <child>
          <object class="GtkButton" id="PB_go">
            <property name="visible">True</property>
            <property name="label" translatable="yes">Go</property>
            <signal name="clicked" handler="record|0.5"/>
          </object>
        </child>
        <child>
          <object class="GtkEntry" id="EB_text">
            <property name="visible">True</property>
          </object>
        </child>
        <child>
          <object class="GtkToggleButton" id="TB_toggle">
            <property name="visible">True</property>
            <property name="label">Toggle</property>
            <signal name="toggled" handler="record"/>
          </object>
        </child>
        <child>
          <object class="GtkScrollbar" id="SB_bar">
            <property name="visible">True</property>
            <property name="adjustment">SB_adjustment</property>
            <signal name="value-changed" handler="record"/>
          </object>
        </child>
      </object>
    </child>
  </object>
  <object class="GwFrameWindow" id="Target">
    <property name="frame-class">application</property>
    <child>
      <object class="GtkBox" id="C_target">
        <property name="visible">True</property>
      </object>
    </child>
  </object>
  <object class="GwFrameWindow" id="Broken">
    <signal name="frame-show" handler="CB_nowhere"/>
  </object>
)";

class GwCoreTest : public testsupport::GtkFrameTest {
 protected:
  void SetUp() override {
    GtkTest::SetUp();
    if (HasFatalFailure()) return;
    calls.clear();
    pointers.clear();
    gw_def_mgr.set_language(1);
    loadFrame(kCoreBody, "Frame", kCoreHandlers,
              "<texts language=\"0\"><text en=\"Go\">Los</text></texts>");
  }
};

TEST_F(GwCoreTest, FindsWidgetsByNameAlsoInsideMenusAndFromAnyWidgetOfTheFrame) {
  GwCore* check = frame_->frame_child("MI_check");
  ASSERT_NE(check, nullptr);
  EXPECT_EQ(check->name(), "MI_check");
  EXPECT_EQ(check->frame(), frame_.get());
  EXPECT_EQ(check->frame_child("PB_go"), frame_->frame_child("PB_go"));
  EXPECT_EQ(frame_->frame_child("PB_missing"), nullptr);
  EXPECT_EQ(frame_->frame_child(nullptr), nullptr);
  EXPECT_EQ(frame_->first_control(), frame_->frame_child("C_box"));
}

TEST_F(GwCoreTest, EachLoadIsAFreshInstanceInTheChosenLanguage) {
  gw_def_mgr.set_language(0);
  std::unique_ptr<GwFrame> german(gw_def_mgr.load("Frame", nullptr, 1));
  ASSERT_NE(german, nullptr);
  EXPECT_NE(german->frame_child("PB_go"), frame_->frame_child("PB_go"));
  EXPECT_EQ(german->frame_child("PB_go")->text(), "Los");
  EXPECT_EQ(frame_->frame_child("PB_go")->text(), "Go");
}

TEST_F(GwCoreTest, HandlerNameWithoutFunctionFailsTheLoad) {
  EXPECT_EQ(gw_def_mgr.load("Broken", nullptr, 1), nullptr);
  EXPECT_NE(gw_def_mgr.last_error().find("CB_nowhere"), std::string::npos);
  EXPECT_EQ(gw_def_mgr.load("NoSuchFrame", nullptr, 1), nullptr);
}

TEST_F(GwCoreTest, SignalsReachTheHandlerWithTheUserDataOfTheResourceFile) {
  gtk_button_clicked(GTK_BUTTON(frame_->frame_child("PB_go")->widget()));
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0], "PB_go clicked 0.5");
  EXPECT_EQ(pointers[0], nullptr);
}

TEST_F(GwCoreTest, HandlersOfAFrameLoadedWithProgramDataGetItBesideTheirText) {
  int program = 0;
  std::unique_ptr<GwFrame> frame(gw_def_mgr.load("Frame", nullptr, 1, &program));
  ASSERT_NE(frame, nullptr);
  gtk_button_clicked(GTK_BUTTON(frame->frame_child("PB_go")->widget()));
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0], "PB_go clicked 0.5");
  EXPECT_EQ(pointers[0], &program);
}

TEST_F(GwCoreTest, TextsCrossTheBoundaryAsWindows1252) {
  GwCore* entry = frame_->frame_child("EB_text");
  entry->set_text("Ma\xDF 12 \x80");  // "Maß 12 €" in Windows-1252
  EXPECT_STREQ(gtk_entry_get_text(GTK_ENTRY(entry->widget())), "Ma\xC3\x9F 12 \xE2\x82\xAC");
  EXPECT_EQ(entry->text(), "Ma\xDF 12 \x80");
  frame_->set_text("Teile");
  EXPECT_EQ(frame_->text(), "Teile");
  entry->set_help_text("Hilfe");
  EXPECT_EQ(entry->help_text(), "Hilfe");
}

TEST_F(GwCoreTest, SettingTogglesAndScrollValuesNotifiesNoHandler) {
  GwCore* toggle = frame_->frame_child("TB_toggle");
  GwCore* check = frame_->frame_child("MI_check");
  GwCore* bar = frame_->frame_child("SB_bar");
  toggle->set_toggle_state(1);
  check->set_toggle_state(1);
  bar->set_scroll_value(40.0);
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(toggle->toggle_state(), 1);
  EXPECT_EQ(check->toggle_state(), 1);
  EXPECT_DOUBLE_EQ(bar->scroll_value(), 40.0);

  // The user's change does reach the handler.
  gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(toggle->widget()), FALSE);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0], "TB_toggle toggled ");
}

TEST_F(GwCoreTest, ScrollValuesStayWithinZeroToHundred) {
  GwCore* bar = frame_->frame_child("SB_bar");
  bar->set_scroll_value(250.0);
  EXPECT_DOUBLE_EQ(bar->scroll_value(), 100.0);
  bar->set_scroll_value(-3.0);
  EXPECT_DOUBLE_EQ(bar->scroll_value(), 0.0);
  bar->set_scroll_value(std::nan(""));
  EXPECT_DOUBLE_EQ(bar->scroll_value(), 0.0);
}

TEST_F(GwCoreTest, EqualRegistrationIsKeptOnceAndMasksFilterEvents) {
  GwCore* button = frame_->frame_child("PB_go");
  button->add_callback(GwCB_BUTTON, record, GwEVENT_PRESS, GwUD());
  button->add_callback(GwCB_BUTTON, record, GwEVENT_PRESS | GwEVENT_RELEASE, GwUD());
  button->add_callback(GwCB_BUTTON, record, GwEVENT_RELEASE, GwUDStr("other"));
  GwEvent event;
  EXPECT_EQ(button->fire(GwCB_BUTTON, event, GwEVENT_PRESS), 7);
  EXPECT_EQ(calls, (std::vector<std::string>{"PB_go CBButton "}));
  calls.clear();
  button->fire(GwCB_BUTTON, event, GwEVENT_RELEASE);
  EXPECT_EQ(calls, (std::vector<std::string>{"PB_go CBButton ", "PB_go CBButton other"}));

  button->remove_callback(GwCB_BUTTON, record);
  EXPECT_FALSE(button->has_callback(GwCB_BUTTON));
  EXPECT_EQ(button->fire(GwCB_BUTTON, event), 0);
}

TEST_F(GwCoreTest, HandlersMayRemoveThemselvesWhileTheyRun) {
  GwCore* button = frame_->frame_child("PB_go");
  static GwCore* self = nullptr;
  self = button;
  auto removeSelf = [](GwCore* widget, GwEvent*, GwUD) {
    widget->remove_callback(GwCB_EXPOSE);
    calls.push_back("removed");
    return 1;
  };
  button->add_callback(GwCB_EXPOSE, removeSelf, 0, GwUD());
  button->add_callback(GwCB_EXPOSE, record, 0, GwUD());
  GwEvent event;
  button->fire(GwCB_EXPOSE, event);
  EXPECT_EQ(calls, (std::vector<std::string>{"removed", "PB_go CBExpose "}));
  EXPECT_FALSE(self->has_callback(GwCB_EXPOSE));
}

TEST_F(GwCoreTest, ReparentMovesAWidgetIntoTheBoxOfAnotherFrame) {
  std::unique_ptr<GwFrame> target(gw_def_mgr.load("Target", nullptr, 1));
  ASSERT_NE(target, nullptr);
  GwCore* menuBar = frame_->frame_child("MB_bar");
  menuBar->reparent(target.get());
  EXPECT_EQ(frame_->frame_child("MB_bar"), nullptr);
  EXPECT_EQ(target->frame_child("MB_bar"), menuBar);
  EXPECT_EQ(target->frame_child("MI_check")->frame(), target.get());
}

TEST_F(GwCoreTest, PicturesAreFoundWithOrWithoutTheirExtension) {
  GwCore* button = frame_->frame_child("PB_go");
  button->set_picture_mode(GwPICTURE_ONLY);
  EXPECT_TRUE(button->set_picture(DXFV_RESOURCES "/zoomp"));
  EXPECT_TRUE(GTK_IS_IMAGE(gtk_button_get_image(GTK_BUTTON(button->widget()))));
  // A picture-only button keeps its text as its text and help text.
  EXPECT_EQ(button->text(), "Go");
  EXPECT_EQ(button->help_text(), "Go");
  EXPECT_EQ(gtk_button_get_label(GTK_BUTTON(button->widget())), nullptr);
  EXPECT_TRUE(button->set_picture(DXFV_RESOURCES "/zoomm.svg"));
  EXPECT_FALSE(button->set_picture(DXFV_RESOURCES "/no_such_picture"));
}

TEST_F(GwCoreTest, SizeRequestIsDroppedAfterTheFirstLayoutSoTheUserMayShrinkTheWindow) {
  GwCore* entry = frame_->frame_child("EB_text");
  entry->set_size(400, 90);
  showFrame(entry);
  // The request is dropped once the frame has been laid out with it.
  int width = 0;
  int height = 0;
  EXPECT_TRUE(testsupport::waitUntil([&] {
    gtk_widget_get_size_request(entry->widget(), &width, &height);
    return width == -1 && height == -1;
  })) << width
      << " x " << height;
  // The window keeps the room it made for the asked size.
  EXPECT_GE(frame_->size().width, 400);
  EXPECT_GE(frame_->size().height, 90);
}

}  // namespace
