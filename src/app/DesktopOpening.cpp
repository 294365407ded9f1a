// Opening files from the desktop: launcher requests and drops.
#include "app/DesktopOpening.h"

#include <gtk/gtk.h>

#include <deque>
#include <filesystem>

#include "app/FileCommands.h"
#include "app/OpenRequest.h"
#include "settings/IniFile.h"
#include "toolkit/GwCore.h"
#include "viewer/ViewerSession.h"

namespace {

constexpr guint kRequestIntervalMs = 250;
constexpr const char* kStateKey = "dxfv-desktop-opening";
const GtkTargetEntry kUriTarget = {const_cast<gchar*>("text/uri-list"), 0, 0};

// What the main frame keeps for the desktop's files; owned by the frame's widget.
struct DesktopOpening {
  ViewerSession* session = nullptr;
  GtkWidget* frame = nullptr;
  std::filesystem::path folder;     // where the launcher puts its requests
  std::deque<std::string> waiting;  // files not opened yet, first come first
  bool opening = false;             // a file is being opened (the open pumps events)
  guint timer = 0;
};

void stopLooking(DesktopOpening& state) {
  if (state.timer) g_source_remove(state.timer);
  state.timer = 0;
}

void forget(gpointer data) {
  auto* state = static_cast<DesktopOpening*>(data);
  stopLooking(*state);
  delete state;
}

void frameDestroyed(GtkWidget* /*frame*/, gpointer data) {
  stopLooking(*static_cast<DesktopOpening*>(data));
}

gboolean tick(gpointer data) {
  auto* state = static_cast<DesktopOpening*>(data);
  // A modal dialog, a menu or an open in progress: the files wait for the next tick.
  if (state->opening || state->session->window.loading || gtk_grab_get_current()) {
    return G_SOURCE_CONTINUE;
  }
  if (!state->folder.empty()) {
    const std::vector<std::string> requested = takeOpenRequest(state->folder);
    if (!requested.empty()) {
      state->waiting.insert(state->waiting.end(), requested.begin(), requested.end());
      gtk_window_present(GTK_WINDOW(state->frame));
    }
  }
  if (state->waiting.empty()) return G_SOURCE_CONTINUE;
  const std::string path = state->waiting.front();
  state->waiting.pop_front();
  state->opening = true;
  openDrawingFile(*state->session, path);
  state->opening = false;
  return G_SOURCE_CONTINUE;
}

void dropped(GtkWidget* /*widget*/, GdkDragContext* /*context*/, gint /*x*/, gint /*y*/,
             GtkSelectionData* data, guint /*info*/, guint /*time*/, gpointer user) {
  auto* state = static_cast<DesktopOpening*>(user);
  gchar** uris = gtk_selection_data_get_uris(data);
  if (!uris) return;
  std::vector<std::string> names;
  for (gchar** uri = uris; *uri; ++uri) names.emplace_back(*uri);
  g_strfreev(uris);
  for (std::string& path : localFiles(names)) state->waiting.push_back(std::move(path));
}

}  // namespace

std::vector<std::string> localFiles(const std::vector<std::string>& uris) {
  std::vector<std::string> files;
  for (const std::string& uri : uris) {
    gchar* host = nullptr;
    gchar* path = g_filename_from_uri(uri.c_str(), &host, nullptr);
    // A file on another host is not one this viewer can open.
    if (path && (!host || g_strcmp0(host, "localhost") == 0)) files.emplace_back(path);
    g_free(path);
    g_free(host);
  }
  return files;
}

void acceptDesktopOpening(ViewerSession& session, GwCore& frame) {
  if (!GTK_IS_WINDOW(frame.widget())) return;
  auto* state = new DesktopOpening;
  state->session = &session;
  state->frame = frame.widget();
  const IniFile* settings = session.window.frameSettings;
  if (settings && !settings->path().empty()) {
    state->folder = std::filesystem::path(settings->path()).parent_path();
  }
  g_object_set_data_full(G_OBJECT(state->frame), kStateKey, state, forget);
  gtk_drag_dest_set(state->frame, GTK_DEST_DEFAULT_ALL, &kUriTarget, 1, GDK_ACTION_COPY);
  g_signal_connect(state->frame, "drag-data-received", G_CALLBACK(dropped), state);
  g_signal_connect(state->frame, "destroy", G_CALLBACK(frameDestroyed), state);
  state->timer = g_timeout_add(kRequestIntervalMs, tick, state);
}
