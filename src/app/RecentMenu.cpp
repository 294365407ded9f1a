// Recent files in the File menu and in GTK's recent-files list.
#include "app/RecentMenu.h"

#include <gtk/gtk.h>

#include "app/FileCommands.h"
#include "app/RecentFiles.h"
#include "settings/IniFile.h"
#include "toolkit/GwCore.h"
#include "viewer/ViewerSession.h"

namespace {

constexpr const char* kPathKey = "dxfv-recent-path";
constexpr const char* kDxfMimeType = "image/vnd.dxf";

void chosen(GtkMenuItem* item, gpointer data) {
  const auto* path = static_cast<const char*>(g_object_get_data(G_OBJECT(item), kPathKey));
  // The path is copied: opening fills the menu again, which destroys this item.
  if (path) openDrawingFile(*static_cast<ViewerSession*>(data), std::string(path));
}

// "_1  name.dxf": numbered for the keyboard, underscores of the name kept as they are.
std::string labelOf(int number, const std::string& path) {
  gchar* shown = g_filename_display_basename(path.c_str());
  std::string name;
  for (const char* c = shown; *c; ++c) name += *c == '_' ? std::string("__") : std::string(1, *c);
  g_free(shown);
  const std::string mnemonic = number < 10 ? "_" + std::to_string(number) : std::to_string(number);
  return mnemonic + "  " + name;
}

void tellDesktop(const std::string& path) {
  gchar* uri = g_filename_to_uri(path.c_str(), nullptr, nullptr);
  if (!uri) return;
  GtkRecentData data{};
  data.mime_type = const_cast<gchar*>(kDxfMimeType);
  data.app_name = const_cast<gchar*>("dxfviewer");
  data.app_exec = const_cast<gchar*>("dxfviewer-open %f");
  gtk_recent_manager_add_full(gtk_recent_manager_get_default(), uri, &data);
  g_free(uri);
}

}  // namespace

void showRecentFiles(ViewerSession& session) {
  GwCore* entry = session.child("MI_recent");
  IniFile* settings = session.window.frameSettings;
  if (!entry || !settings || !GTK_IS_MENU_ITEM(entry->widget())) return;
  GtkWidget* menu = gtk_menu_item_get_submenu(GTK_MENU_ITEM(entry->widget()));
  if (!menu) {
    menu = gtk_menu_new();
    gtk_menu_item_set_submenu(GTK_MENU_ITEM(entry->widget()), menu);
  }
  GList* old = gtk_container_get_children(GTK_CONTAINER(menu));
  for (GList* child = old; child; child = child->next) gtk_widget_destroy(GTK_WIDGET(child->data));
  g_list_free(old);

  const std::vector<std::string> files = recentFiles(*settings);
  int number = 0;
  for (const std::string& path : files) {
    GtkWidget* item = gtk_menu_item_new_with_mnemonic(labelOf(++number, path).c_str());
    gchar* shown = g_filename_display_name(path.c_str());
    gtk_widget_set_tooltip_text(item, shown);
    g_free(shown);
    g_object_set_data_full(G_OBJECT(item), kPathKey, g_strdup(path.c_str()), g_free);
    g_signal_connect(item, "activate", G_CALLBACK(chosen), &session);
    gtk_widget_show(item);
    gtk_menu_shell_append(GTK_MENU_SHELL(menu), item);
  }
  gtk_widget_set_sensitive(entry->widget(), !files.empty());
}

void rememberOpenedFile(ViewerSession& session, const std::string& path) {
  if (IniFile* settings = session.window.frameSettings) {
    addRecentFile(*settings, path);
    settings->write();
  }
  showRecentFiles(session);
  tellDesktop(path);
}
