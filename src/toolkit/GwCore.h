// A widget of the toolkit: the program's handle on one GTK widget of a loaded frame.
#pragma once

#include <gtk/gtk.h>

#include <string>
#include <vector>

#include "toolkit/GwCallback.h"
#include "toolkit/GwDimension.h"
#include "toolkit/GwEvent.h"
#include "toolkit/GwPosition.h"

// Kinds of widgets the program tells apart.
enum GwClass {
  GwWIDGET_CLASS,        // any other widget
  GwAPPLFRAME_CLASS,     // the application frame: its run is the event loop
  GwDIALOGFRAME_CLASS,   // a dialog frame: its run is modal
  GwMESSAGEFRAME_CLASS,  // a message frame (a GTK dialog with its own buttons): modal
  GwDRAWINGAREA_CLASS,   // a drawing area (GwDrawnButton)
};

enum GwCursor { GwCURSOR_ARROW, GwCURSOR_WAIT, GwCURSOR_CROSS };

// What a button shows: its text, its picture beside the text, or the picture alone (the
// text stays the button's text and becomes its help text).
enum GwPictureMode { GwPICTURE_TEXT = 0, GwPICTURE_AND_TEXT = 1, GwPICTURE_ONLY = 2 };

// The state of the frame holding a widget.
enum GwWindowState { GwWINDOW_NORMAL = 1, GwWINDOW_ICONIFIED = 2, GwWINDOW_MAXIMIZED = 3 };

// Every GTK widget gets at most one GwCore, made on first use and deleted with the widget;
// frames made by GwRcMgr::load are the exception: the caller owns and deletes them, which
// destroys their windows. Widgets are found by their id in the resource file.
//
// Texts handed in and out are Windows-1252, converted to and from UTF-8 here.
class GwCore {
 public:
  // The GwCore of a widget (or of a frame's window), made on first use.
  static GwCore* of(GtkWidget* widget);
  // The GwCore of a widget if it has one already, else null.
  static GwCore* find(GtkWidget* widget);
  virtual ~GwCore();
  GwCore(const GwCore&) = delete;
  GwCore& operator=(const GwCore&) = delete;

  GtkWidget* widget() const { return widget_; }
  // The widget's id in the resource file ("" when it has none).
  std::string name() const;
  virtual GwClass class_id() const { return GwWIDGET_CLASS; }

  // Widget tree. frame_child finds a widget by id anywhere in the frame that holds this
  // widget, menus included; null when there is none.
  GwCore* frame_child(const char* name);
  GwCore* frame();
  // The first child of a frame or container, or null.
  GwCore* first_control();
  // Moves this widget into target (into the box that fills target when it is a frame).
  void reparent(GwCore* target);
  // Size of the screen (the work area of the primary monitor) in pixels.
  static GwDimension screen_size();

  virtual void show();
  virtual void hide();
  bool is_shown() const;
  void make_sensitive();
  void make_insensitive();
  bool is_sensitive() const;

  // The widget's text: label, entry text, button or menu label, frame title.
  std::string text() const;
  void set_text(const char* text);
  // Width in pixels of a text (Windows-1252) in the widget's font.
  int text_width(const char* text) const;
  // The help text shown when the pointer rests on the widget.
  std::string help_text() const;
  void set_help_text(const char* text);

  // Size and position in pixels. Size is the allocated size; setting it asks for that size
  // for the first layout, after which the user may resize freely.
  virtual GwDimension size() const;
  virtual void set_size(int width, int height);
  virtual GwPosition position() const;
  virtual void set_position(int x, int y);

  // Toggle buttons, check and radio menu items: 1 on, 0 off. Setting notifies no handler.
  int toggle_state() const;
  void set_toggle_state(int state);
  // Scroll bars: 0 to 100. Setting notifies no handler.
  double scroll_value() const;
  void set_scroll_value(double value);
  // Scroll bars: the thumb covers this share (0 to 1) of the trough, as the view shows
  // that share of what there is to scroll; the values stay 0 to 100.
  void set_scroll_thumb(double visibleShare);

  // Buttons: what they show (GwPictureMode). The picture is a file path; a path without
  // extension finds "path.svg" or "path.png". False if none was found.
  void set_picture_mode(GwPictureMode mode) { pictureMode_ = mode; }
  bool set_picture(const char* path);

  // Callbacks by atom. Adding a registration equal in atom, handler and user data to one
  // already there only updates its mask, so a handler fires once per event.
  void add_callback(GwAtom atom, GwFunc handler, unsigned mask, const GwUD& userData);
  // Removes the registrations of the atom (only those of handler when it is given).
  void remove_callback(GwAtom atom, GwFunc handler = nullptr);
  bool has_callback(GwAtom atom) const;
  const std::vector<GwCallback>& callback_list() const { return callbacks_; }
  // Calls the handlers of the atom whose mask admits kind (0 admits every handler);
  // returns the last handler's result, 0 when none ran.
  int fire(GwAtom atom, GwEvent& event, unsigned kind = 0);

  // Frames: run shows the frame (application frame: runs the event loop until it closes;
  // dialog and message frames: modal). On other widgets these act on nothing.
  virtual int run() { return 0; }
  virtual void popdown() {}
  // Maximizes the frame holding this widget; window_state tells whether it is.
  void maximize();
  GwWindowState window_state() const;
  void set_cursor(GwCursor cursor);
  GwCursor cursor() const { return cursor_; }

 protected:
  explicit GwCore(GtkWidget* widget);
  // Makes the wrapper the widget's own: it is deleted with the widget.
  void attachToWidget();
  // A new registration of the atom was added. By default this connects the GTK signal of
  // that name (once), so that its handlers fire; toolkit events need no connection.
  virtual void callbackAdded(GwAtom atom);

  GtkWidget* widget_;
  int notifyBlocked_ = 0;  // >0 while the toolkit changes a state itself

 private:
  friend struct GwSignalClosure;
  friend class GwWaitObject;
  // Shows the frame's own cursor, or the wait cursor while a GwWaitObject exists.
  void applyCursor();

  std::vector<GwCallback> callbacks_;
  std::vector<std::string> connectedSignals_;
  GwPictureMode pictureMode_ = GwPICTURE_TEXT;
  std::string pictureText_;  // the text of a picture-only button
  GwCursor cursor_ = GwCURSOR_ARROW;
};
