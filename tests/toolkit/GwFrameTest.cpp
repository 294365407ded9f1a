// Running frames: the order of frame callbacks, the event loop, modal dialogs, message
// frames, the interpreter's commands and the busy cursor.
#include "toolkit/GwFrame.h"

#include <memory>
#include <string>
#include <vector>

#include "toolkit/GwInterpreter.h"
#include "toolkit/GwRcMgr.h"
#include "toolkit/GwWaitObject.h"
#include "gui/GtkTestSupport.h"
#include "gui/ResourceTestSupport.h"

namespace {

using testsupport::TempDir;

std::vector<std::string> events;
GwFrame* closeOnStart = nullptr;

int note(GwCore*, GwEvent* event, GwUD) {
  events.push_back(event->type.name());
  return 1;
}

gboolean closeFrame(gpointer frame) {
  static_cast<GwFrame*>(frame)->popdown();
  return G_SOURCE_REMOVE;
}

int startAndClose(GwCore* frame, GwEvent* event, GwUD userData) {
  note(frame, event, userData);
  if (closeOnStart) g_idle_add(closeFrame, closeOnStart);
  return 1;
}

const GwFuncDesc kFrameHandlers[] = {{"note", note},
                                     {"startAndClose", startAndClose},
                                     {"interpreter", interpreter},
                                     {nullptr, nullptr}};

const char* const kFrameBody = R"(
  <object class="GwFrameWindow" id="Application">
    <property name="frame-class">application</property>
    <signal name="frame-hide" handler="note"/>
    <signal name="frame-start" handler="startAndClose"/>
    <signal name="frame-show" handler="note"/>
    <signal name="frame-create" handler="note"/>
    <child>
      <object class="GtkLabel" id="LB_text">
        <property name="visible">True</property>
        <property name="label">Main</property>
      </object>
    </child>
  </object>
  <object class="GwFrameWindow" id="Dialog">
    <property name="frame-class">dialog</property>
    <signal name="frame-create" handler="note"/>
    <signal name="frame-hide" handler="note"/>
    <child>
      <object class="GtkBox">
        <property name="visible">True</property>
        <child>
          <object class="GtkButton" id="PB_swap">
            <property name="visible">True</property>
            <property name="label">Swap</property>
            <signal name="clicked" handler="interpreter|hide PB_swap; show PB_hidden; bogus x"/>
          </object>
        </child>
        <child>
          <object class="GtkButton" id="PB_hidden">
            <property name="label">Hidden</property>
          </object>
        </child>
        <child>
          <object class="GtkButton" id="PB_close">
            <property name="visible">True</property>
            <property name="label">Close</property>
            <signal name="clicked" handler="interpreter|popdown"/>
          </object>
        </child>
      </object>
    </child>
  </object>
  <object class="GtkMessageDialog" id="MsgBox_zu_groß">
    <property name="buttons">ok</property>
    <property name="text">Something happened.</property>
  </object>
)";

class GwFrameTest : public testsupport::GtkTest {
 protected:
  void SetUp() override {
    GtkTest::SetUp();
    if (HasFatalFailure()) return;
    events.clear();
    closeOnStart = nullptr;
    ASSERT_TRUE(testsupport::useResource(folder_, kFrameBody, kFrameHandlers));
  }

  TempDir folder_;
};

TEST_F(GwFrameTest, ApplicationFrameRunsTheEventLoopWithFrameCallbacksInOrder) {
  std::unique_ptr<GwFrame> frame(gw_def_mgr.load("Application", nullptr, 1));
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->class_id(), GwAPPLFRAME_CLASS);
  closeOnStart = frame.get();

  EXPECT_EQ(frame->run(), 1);
  EXPECT_EQ(events,
            (std::vector<std::string>{"frame-create", "frame-show", "frame-start", "frame-hide"}));
  EXPECT_FALSE(frame->running());
  EXPECT_FALSE(frame->is_shown());

  // Created once per load or reset.
  events.clear();
  frame->run();
  EXPECT_EQ(events, (std::vector<std::string>{"frame-show", "frame-start", "frame-hide"}));
  events.clear();
  frame->reset();
  frame->run();
  EXPECT_EQ(events.front(), "frame-create");
}

TEST_F(GwFrameTest, ClosingTheWindowEndsTheRunAndKeepsTheFrameForItsOwner) {
  std::unique_ptr<GwFrame> frame(gw_def_mgr.load("Application", nullptr, 1));
  g_idle_add(
      [](gpointer window) {
        gtk_window_close(GTK_WINDOW(window));
        return G_SOURCE_REMOVE;
      },
      frame->widget());
  frame->run();
  EXPECT_EQ(events.back(), "frame-hide");
  EXPECT_TRUE(GTK_IS_WINDOW(frame->widget()));
  EXPECT_EQ(frame->frame_child("LB_text")->text(), "Main");
}

TEST_F(GwFrameTest, DialogRunsModallyAndTheInterpreterDrivesIt) {
  std::unique_ptr<GwFrame> parent(gw_def_mgr.load("Application", nullptr, 1));
  std::unique_ptr<GwFrame> dialog(gw_def_mgr.load("Dialog", parent.get(), 1));
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->class_id(), GwDIALOGFRAME_CLASS);
  EXPECT_EQ(gtk_window_get_transient_for(GTK_WINDOW(dialog->widget())),
            GTK_WINDOW(parent->widget()));
  g_idle_add(
      [](gpointer data) {
        auto* frame = static_cast<GwFrame*>(data);
        EXPECT_TRUE(gtk_window_get_modal(GTK_WINDOW(frame->widget())));
        gtk_button_clicked(GTK_BUTTON(frame->frame_child("PB_swap")->widget()));
        gtk_button_clicked(GTK_BUTTON(frame->frame_child("PB_close")->widget()));
        return G_SOURCE_REMOVE;
      },
      dialog.get());
  dialog->run();
  EXPECT_EQ(events, (std::vector<std::string>{"frame-create", "frame-hide"}));
  EXPECT_FALSE(dialog->frame_child("PB_swap")->is_shown());
  EXPECT_TRUE(dialog->frame_child("PB_hidden")->is_shown());
}

TEST_F(GwFrameTest, MessageFrameRunsUntilItsButtonIsPressed) {
  // The program names frames in Windows-1252: "groß" ends in byte 0xDF.
  std::unique_ptr<GwFrame> message(gw_def_mgr.load("MsgBox_zu_gro\xDF", nullptr, 1));
  ASSERT_NE(message, nullptr);
  EXPECT_EQ(message->class_id(), GwMESSAGEFRAME_CLASS);
  EXPECT_EQ(message->text(), "Something happened.");
  g_idle_add(
      [](gpointer dialog) {
        gtk_dialog_response(GTK_DIALOG(dialog), GTK_RESPONSE_OK);
        return G_SOURCE_REMOVE;
      },
      message->widget());
  EXPECT_EQ(message->run(), GTK_RESPONSE_OK);
  EXPECT_FALSE(message->is_shown());
}

TEST_F(GwFrameTest, WaitObjectsShowTheWaitCursorUntilTheLastOneGoes) {
  std::unique_ptr<GwFrame> frame(gw_def_mgr.load("Application", nullptr, 1));
  gtk_widget_show(frame->widget());
  testsupport::pumpEvents();
  GdkWindow* window = gtk_widget_get_window(frame->widget());
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(gdk_window_get_cursor(window), nullptr);
  {
    GwWaitObject outer(1);
    EXPECT_TRUE(GwWaitObject::active());
    EXPECT_NE(gdk_window_get_cursor(window), nullptr);
    {
      GwWaitObject inner(1);
      // An arrow asked for while busy waits until the work is done.
      frame->set_cursor(GwCURSOR_ARROW);
      EXPECT_NE(gdk_window_get_cursor(window), nullptr);
    }
    EXPECT_TRUE(GwWaitObject::active());
  }
  EXPECT_FALSE(GwWaitObject::active());
  EXPECT_EQ(gdk_window_get_cursor(window), nullptr);
  GwWaitObject silent(0);
  EXPECT_FALSE(GwWaitObject::active());
}

}  // namespace
