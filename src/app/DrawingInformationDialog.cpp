// The drawing information frame.
#include "app/DrawingInformationDialog.h"

#include <gtk/gtk.h>

#include <memory>

#include "settings/Cp1252.h"
#include "toolkit/GwFrame.h"
#include "toolkit/GwRcMgr.h"
#include "viewer/ViewerSession.h"
#include "viewer/WindowUtilities.h"

namespace {

constexpr const char* kFrame = "MsgBox_Zeichnungsinformation";
constexpr int kCopyResponse = 1;  // the Copy button's answer; the frame stays open

struct Copyable {
  std::string text;  // UTF-8, the file name line first
};

void answered(GtkDialog* dialog, gint response, gpointer data) {
  if (response != kCopyResponse) return;
  const auto* copyable = static_cast<const Copyable*>(data);
  gtk_clipboard_set_text(gtk_widget_get_clipboard(GTK_WIDGET(dialog), GDK_SELECTION_CLIPBOARD),
                         copyable->text.c_str(), -1);
  // Copying is no answer that ends the frame.
  g_signal_stop_emission_by_name(dialog, "response");
}

void makeSelectable(GtkWidget* widget, gpointer /*data*/) {
  if (GTK_IS_LABEL(widget)) gtk_label_set_selectable(GTK_LABEL(widget), TRUE);
}

}  // namespace

void showDrawingInformation(ViewerSession& session, const std::string& information) {
  busyEnd(session);
  std::unique_ptr<GwFrame> message(gw_def_mgr.load(kFrame, session.window.frame, 1));
  if (!message || !GTK_IS_MESSAGE_DIALOG(message->widget())) return;
  GtkWidget* dialog = message->widget();
  // The standard views show no file name; the frame's own title stays then.
  const char* path = session.window.openedFile.c_str();
  gchar* shown = *path ? g_filename_display_basename(path) : nullptr;
  const std::string name = shown ? shown : message->text();
  g_free(shown);
  const std::string details = cp1252ToUtf8(information);
  const Copyable copyable{name + "\n" + details};
  g_object_set(dialog, "text", name.c_str(), "secondary-text", details.c_str(), nullptr);
  gtk_container_foreach(
      GTK_CONTAINER(gtk_message_dialog_get_message_area(GTK_MESSAGE_DIALOG(dialog))),
      makeSelectable, nullptr);
  gtk_dialog_add_button(GTK_DIALOG(dialog), "_Copy", kCopyResponse);
  g_signal_connect(dialog, "response", G_CALLBACK(answered), const_cast<Copyable*>(&copyable));
  message->run();
}
