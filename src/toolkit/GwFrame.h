// A frame of the resource file: the application frame, a dialog frame or a message frame.
#pragma once

#include "toolkit/GwCore.h"

// Running a frame fires its frame callbacks in this order: GwCB_FRAME_CREATE (first run
// after a load or reset), GwCB_FRAME_SHOW, then the window appears, GwCB_FRAME_START.
// Closing it (window manager or popdown) fires GwCB_FRAME_HIDE and ends the run.
//
// The application frame's run is the GTK main loop; dialog frames run modally over their
// parent in a nested loop; message frames are GTK dialogs run with their own buttons.
class GwFrame : public GwCore {
 public:
  // Takes the window; the caller owns the frame, and deleting it destroys the window.
  // parent (may be null) is the frame the window stays above.
  GwFrame(GtkWidget* window, GwCore* parent);
  ~GwFrame() override;

  GwClass class_id() const override;

  int run() override;
  void popdown() override;
  // Makes the next run fire GwCB_FRAME_CREATE again, so the frame is filled afresh.
  void reset() { created_ = false; }
  bool running() const { return running_; }

  // Frames: size of the window's content and position on the screen.
  GwDimension size() const override;
  void set_size(int width, int height) override;
  // Sizes the frame to the least its content asks for now (the sizes set on its widgets),
  // whatever default size the resource file gives it.
  void fit_to_content();
  GwPosition position() const override;
  void set_position(int x, int y) override;

 protected:
  // Frame events are fired by run and popdown, not through GTK signals.
  void callbackAdded(GwAtom atom) override;

 private:
  friend class GwCore;  // GwCore::of wraps frames that no load made
  explicit GwFrame(GtkWidget* window);
  void connectWindowEvents();
  static gboolean onDelete(GtkWidget* widget, GdkEvent* event, gpointer self);
  static gboolean onConfigure(GtkWidget* widget, GdkEventConfigure* event, gpointer self);

  bool owned_ = false;    // made by a load: the caller deletes it
  bool created_ = false;  // GwCB_FRAME_CREATE has fired since the load or reset
  bool running_ = false;  // inside run
  GwDimension lastSize_;
};
