// Wait cursor on every toplevel window while wait objects exist (they may nest).
#include "toolkit/GwWaitObject.h"

#include <gtk/gtk.h>

#include "toolkit/GwCore.h"

namespace {

int depth = 0;

// Shows on every window the cursor its frame asked for, or the wait cursor while busy.
void refreshAllCursors() {
  GList* windows = gtk_window_list_toplevels();
  for (GList* item = windows; item; item = item->next) {
    GtkWidget* window = GTK_WIDGET(item->data);
    GdkWindow* gdkWindow = gtk_widget_get_window(window);
    if (!gdkWindow) continue;
    if (GwCore* core = GwCore::find(window)) {
      core->set_cursor(core->cursor());
    } else if (depth > 0) {
      GdkCursor* wait = gdk_cursor_new_from_name(gdk_window_get_display(gdkWindow), "wait");
      gdk_window_set_cursor(gdkWindow, wait);
      if (wait) g_object_unref(wait);
    } else {
      gdk_window_set_cursor(gdkWindow, nullptr);
    }
  }
  g_list_free(windows);
  if (GdkDisplay* display = gdk_display_get_default()) gdk_display_flush(display);
}

}  // namespace

GwWaitObject::GwWaitObject(int show) : shown_(show != 0) {
  if (!shown_) return;
  if (++depth == 1) refreshAllCursors();
}

GwWaitObject::~GwWaitObject() {
  if (!shown_) return;
  if (--depth == 0) refreshAllCursors();
}

bool GwWaitObject::active() { return depth > 0; }
