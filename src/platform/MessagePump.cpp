// Pending-event pump on the GTK main context.
#include "platform/MessagePump.h"

#include <gtk/gtk.h>

int pumpMessages() {
  if (!gdk_display_get_default()) return 0;
  if (gtk_main_level() == 0) {
    // No event loop runs, so none can be ending: just work off what is pending.
    while (g_main_context_iteration(nullptr, FALSE)) {
    }
    return 0;
  }
  while (gtk_events_pending()) {
    if (gtk_main_iteration_do(FALSE)) return 1;
  }
  return 0;
}
