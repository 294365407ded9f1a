// Helpers of the TestTool module: the report file, widgets by id, screenshots, clicks and
// synthetic mouse events, all on GTK alone (the module does not link the program).
#pragma once

#include <gtk/gtk.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

namespace testtool {

// Appends a line to the report file named by DXFV_TestReport.
inline void report(const std::string& line) {
  const char* path = std::getenv("DXFV_TestReport");
  if (!path) return;
  if (FILE* out = std::fopen(path, "a")) {
    std::fprintf(out, "%s\n", line.c_str());
    std::fclose(out);
  }
}

inline const char* idOf(GtkWidget* widget) {
  return GTK_IS_BUILDABLE(widget) ? gtk_buildable_get_name(GTK_BUILDABLE(widget)) : nullptr;
}

GtkWidget* findByName(GtkWidget* root, const char* name);

inline void searchChild(GtkWidget* child, gpointer data) {
  auto* search = static_cast<std::pair<const char*, GtkWidget*>*>(data);
  if (!search->second) search->second = findByName(child, search->first);
}

// The widget with that id anywhere below root, menus included; null when there is none.
inline GtkWidget* findByName(GtkWidget* root, const char* name) {
  const char* id = idOf(root);
  if (id && std::strcmp(id, name) == 0) return root;
  std::pair<const char*, GtkWidget*> search{name, nullptr};
  if (GTK_IS_CONTAINER(root)) gtk_container_forall(GTK_CONTAINER(root), searchChild, &search);
  if (!search.second && GTK_IS_MENU_ITEM(root)) {
    if (GtkWidget* submenu = gtk_menu_item_get_submenu(GTK_MENU_ITEM(root))) {
      search.second = findByName(submenu, name);
    }
  }
  return search.second;
}

// The text of the entry or label with that id below root; "" when there is none.
inline std::string fieldText(GtkWidget* root, const char* name) {
  GtkWidget* field = findByName(root, name);
  if (field && GTK_IS_ENTRY(field)) return gtk_entry_get_text(GTK_ENTRY(field));
  if (field && GTK_IS_LABEL(field)) return gtk_label_get_text(GTK_LABEL(field));
  return "";
}

// The first visible toplevel whose id is name, or (messageDialog) any visible message box.
inline GtkWidget* visibleWindow(const char* name, bool messageDialog = false) {
  GList* windows = gtk_window_list_toplevels();
  GtkWidget* found = nullptr;
  for (GList* item = windows; item && !found; item = item->next) {
    GtkWidget* window = GTK_WIDGET(item->data);
    if (!gtk_widget_get_mapped(window)) continue;
    const char* id = idOf(window);
    if (messageDialog ? GTK_IS_MESSAGE_DIALOG(window) : (id && std::strcmp(id, name) == 0)) {
      found = window;
    }
  }
  g_list_free(windows);
  return found;
}

// The picture of a widget as it is on the screen now (a new reference, or null).
inline GdkPixbuf* pictureOf(GtkWidget* widget) {
  GtkWidget* top = gtk_widget_get_toplevel(widget);
  GdkWindow* window = gtk_widget_get_window(top);
  int x = 0;
  int y = 0;
  if (!window || !gtk_widget_translate_coordinates(widget, top, 0, 0, &x, &y)) return nullptr;
  return gdk_pixbuf_get_from_window(window, x, y, gtk_widget_get_allocated_width(widget),
                                    gtk_widget_get_allocated_height(widget));
}

// Saves the picture of a window into the folder DXFV_TestArtifacts and reports it.
inline void screenshot(GtkWidget* window, const char* file) {
  const char* folder = std::getenv("DXFV_TestArtifacts");
  GdkPixbuf* picture = folder ? pictureOf(window) : nullptr;
  if (!picture) return;
  const std::string path = std::string(folder) + "/" + file;
  report(std::string(gdk_pixbuf_save(picture, path.c_str(), "png", nullptr, nullptr)
                         ? "screenshot "
                         : "FAIL screenshot ") +
         file);
  g_object_unref(picture);
}

// Clicks a button from an idle source of its own, so that a modal loop the click starts
// does not stop the timer that drives the test.
inline gboolean clickNow(gpointer button) {
  gtk_button_clicked(GTK_BUTTON(button));
  return G_SOURCE_REMOVE;
}
inline void click(GtkWidget* window, const char* name) {
  if (GtkWidget* button = findByName(window, name)) {
    g_idle_add(clickNow, button);
  } else {
    report(std::string("FAIL no button ") + name);
  }
}

// A mouse button press or release, or a motion with the button held, at (x, y) of the
// widget's own window.
inline void mouse(GtkWidget* widget, GdkEventType type, double x, double y, guint button) {
  GdkEvent* event = gdk_event_new(type);
  GdkWindow* window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(widget)));
  GdkDevice* pointer =
      gdk_seat_get_pointer(gdk_display_get_default_seat(gdk_display_get_default()));
  if (type == GDK_MOTION_NOTIFY) {
    event->motion.window = window;
    event->motion.x = x;
    event->motion.y = y;
    event->motion.state = button == 1 ? GDK_BUTTON1_MASK : 0;
  } else {
    event->button.window = window;
    event->button.x = x;
    event->button.y = y;
    event->button.button = button;
  }
  gdk_event_set_device(event, pointer);
  gtk_widget_event(widget, event);
  gdk_event_free(event);
}

// A key press and release of keyval sent to the window of widget; the window hands it to
// its accelerators and to the widget that has the focus.
inline void key(GtkWidget* widget, guint keyval) {
  GtkWidget* top = gtk_widget_get_toplevel(widget);
  GdkDisplay* display = gdk_display_get_default();
  GdkKeymapKey* keys = nullptr;
  gint count = 0;
  gdk_keymap_get_entries_for_keyval(gdk_keymap_get_for_display(display), keyval, &keys, &count);
  for (const GdkEventType type : {GDK_KEY_PRESS, GDK_KEY_RELEASE}) {
    GdkEvent* event = gdk_event_new(type);
    event->key.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(top)));
    event->key.keyval = keyval;
    event->key.hardware_keycode = count > 0 ? static_cast<guint16>(keys[0].keycode) : 0;
    event->key.time = GDK_CURRENT_TIME;
    gdk_event_set_device(event, gdk_seat_get_keyboard(gdk_display_get_default_seat(display)));
    gtk_widget_event(top, event);
    gdk_event_free(event);
  }
  g_free(keys);
}

// A message box on the screen: reports its text and confirms it. False when there is none.
inline bool answerMessage() {
  GtkWidget* message = visibleWindow(nullptr, true);
  if (!message) return false;
  gchar* text = nullptr;
  g_object_get(message, "text", &text, nullptr);
  report(std::string("message ") + (text ? text : ""));
  g_free(text);
  gtk_dialog_response(GTK_DIALOG(message), GTK_RESPONSE_OK);
  return true;
}

// What a scenario's tick does before its own step: counts the tick, answers a message box
// (with the scenario's own answerer where it reports more),
// waits for the main window and lets the last step's repaint settle (four ticks). `main` is
// set when the step may run; otherwise `source` says whether the tick keeps running.
struct TickStart {
  GtkWidget* main = nullptr;
  gboolean source = G_SOURCE_CONTINUE;
};

// True while the viewer paints the drawing's next picture off the GUI thread.
inline bool picturePending(GtkWidget* main) {
  GtkWidget* area = findByName(main, "DA_draw");
  return area && g_object_get_data(G_OBJECT(area), "dxfv-picture-pending") != nullptr;
}

inline TickStart startTick(int& ticks, bool findingWindow, bool (*answer)() = answerMessage) {
  ++ticks;
  if (answer()) return {};
  GtkWidget* main = visibleWindow("Anwendungsfenster");
  if (!main) {
    if (!findingWindow) report("FAIL main window gone");
    return {nullptr, findingWindow ? G_SOURCE_CONTINUE : G_SOURCE_REMOVE};
  }
  // The drawing's picture is painted off the GUI thread: the settling starts once it is
  // on the screen.
  if (picturePending(main)) ticks = 0;
  if (ticks < 4) return {};
  return {main, G_SOURCE_CONTINUE};
}

// Drags with the left button from (x0, y0) to (x1, y1) of the widget.
inline void drag(GtkWidget* widget, double x0, double y0, double x1, double y1) {
  mouse(widget, GDK_BUTTON_PRESS, x0, y0, 1);
  mouse(widget, GDK_MOTION_NOTIFY, (x0 + x1) / 2, (y0 + y1) / 2, 1);
  mouse(widget, GDK_MOTION_NOTIFY, x1, y1, 1);
  mouse(widget, GDK_BUTTON_RELEASE, x1, y1, 1);
}

}  // namespace testtool
