// Toolkit start-up and clean-up on GTK.
#include "toolkit/GwApplication.h"

#include <gtk/gtk.h>

#include "toolkit/GwFrameWindow.h"

void (*inter_init)() = nullptr;
void (*gwsql_init)() = nullptr;
void (*gwsql_exit)() = nullptr;
void (*inter_exit)() = nullptr;

namespace {
bool ready = false;
}

int GwInitApplication(void* /*instance*/, void* /*previousInstance*/, int /*showState*/) {
  if (ready) return 1;
  g_set_prgname("dxfviewer");
  if (!gtk_init_check(nullptr, nullptr)) return 0;
  g_type_ensure(GW_TYPE_FRAME_WINDOW);
  ready = true;
  return 1;
}

void GwCleanupApplication(int /*flags*/) {
  if (!ready) return;
  GList* windows = gtk_window_list_toplevels();
  for (GList* item = windows; item; item = item->next) {
    if (gtk_widget_get_visible(GTK_WIDGET(item->data))) gtk_widget_hide(GTK_WIDGET(item->data));
  }
  g_list_free(windows);
  while (gtk_events_pending()) gtk_main_iteration_do(FALSE);
}
