// Running frames: frame callbacks, the main loop for the application frame, modal dialogs.
#include "toolkit/GwFrame.h"

#include <algorithm>
#include <cstring>

#include "toolkit/GwFrameWindow.h"

namespace {
constexpr const char* kCoreKey = "gw-core";
}

GwFrame::GwFrame(GtkWidget* window) : GwCore(window) { connectWindowEvents(); }

GwFrame::GwFrame(GtkWidget* window, GwCore* parent) : GwCore(window), owned_(true) {
  g_object_set_data(G_OBJECT(window), kCoreKey, this);
  if (parent && GTK_IS_WINDOW(parent->frame()->widget())) {
    gtk_window_set_transient_for(GTK_WINDOW(window), GTK_WINDOW(parent->frame()->widget()));
  }
  connectWindowEvents();
}

GwFrame::~GwFrame() {
  if (!owned_) return;  // the window is going: GTK deletes its wrapper
  if (running_) popdown();
  g_object_set_data(G_OBJECT(widget_), kCoreKey, nullptr);
  gtk_widget_destroy(widget_);
}

void GwFrame::connectWindowEvents() {
  if (GTK_IS_DIALOG(widget_)) return;  // message frames close through their buttons
  g_signal_connect(widget_, "delete-event", G_CALLBACK(onDelete), this);
  g_signal_connect(widget_, "configure-event", G_CALLBACK(onConfigure), this);
}

void GwFrame::callbackAdded(GwAtom atom) {
  for (const GwAtom& frameEvent :
       {GwCB_FRAME_CREATE, GwCB_FRAME_SHOW, GwCB_FRAME_START, GwCB_FRAME_HIDE, GwCB_FRAME_RESIZE}) {
    if (atom == frameEvent) return;
  }
  GwCore::callbackAdded(atom);
}

GwClass GwFrame::class_id() const {
  if (GW_IS_FRAME_WINDOW(widget_)) {
    const char* kind = gw_frame_window_get_frame_class(GW_FRAME_WINDOW(widget_));
    return std::strcmp(kind, "application") == 0 ? GwAPPLFRAME_CLASS : GwDIALOGFRAME_CLASS;
  }
  return GwMESSAGEFRAME_CLASS;
}

int GwFrame::run() {
  if (running_) return 0;
  if (GTK_IS_DIALOG(widget_)) {
    const int response = gtk_dialog_run(GTK_DIALOG(widget_));
    gtk_widget_hide(widget_);
    return response;
  }
  GwEvent event;
  if (!created_) {
    created_ = true;
    fire(GwCB_FRAME_CREATE, event);
  }
  fire(GwCB_FRAME_SHOW, event);
  const bool modal = class_id() == GwDIALOGFRAME_CLASS;
  gtk_window_set_modal(GTK_WINDOW(widget_), modal);
  gtk_widget_show(widget_);
  fire(GwCB_FRAME_START, event);
  // A start callback may already have closed the frame.
  if (!gtk_widget_get_visible(widget_)) return 1;
  running_ = true;
  gtk_main();
  return 1;
}

void GwFrame::popdown() {
  if (GTK_IS_DIALOG(widget_)) {
    gtk_dialog_response(GTK_DIALOG(widget_), GTK_RESPONSE_CLOSE);
    return;
  }
  if (gtk_widget_get_visible(widget_)) {
    GwEvent event;
    fire(GwCB_FRAME_HIDE, event);
    gtk_widget_hide(widget_);
  }
  if (running_) {
    running_ = false;
    gtk_main_quit();
  }
}

gboolean GwFrame::onDelete(GtkWidget*, GdkEvent*, gpointer self) {
  static_cast<GwFrame*>(self)->popdown();
  return TRUE;  // the window stays until its owner deletes the frame
}

gboolean GwFrame::onConfigure(GtkWidget*, GdkEventConfigure* configure, gpointer self) {
  auto* frame = static_cast<GwFrame*>(self);
  if (configure->width != frame->lastSize_.width || configure->height != frame->lastSize_.height) {
    frame->lastSize_ = {configure->width, configure->height};
    GwEvent event;
    event.area = {configure->x, configure->y, configure->width, configure->height};
    frame->fire(GwCB_FRAME_RESIZE, event);
  }
  return FALSE;
}

GwDimension GwFrame::size() const {
  int width = 0;
  int height = 0;
  gtk_window_get_size(GTK_WINDOW(widget_), &width, &height);
  return {width, height};
}

void GwFrame::set_size(int width, int height) {
  gtk_window_resize(GTK_WINDOW(widget_), std::max(width, 1), std::max(height, 1));
}

void GwFrame::fit_to_content() {
  GtkRequisition least{};
  gtk_widget_get_preferred_size(widget_, &least, nullptr);
  set_size(least.width, least.height);
}

GwPosition GwFrame::position() const {
  int x = 0;
  int y = 0;
  gtk_window_get_position(GTK_WINDOW(widget_), &x, &y);
  return {x, y};
}

void GwFrame::set_position(int x, int y) { gtk_window_move(GTK_WINDOW(widget_), x, y); }
