// Loading frames from the resource file and binding their handler names.
#include "toolkit/GwRcMgr.h"

#include <gtk/gtk.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "settings/Cp1252.h"
#include "toolkit/GwFrame.h"
#include "toolkit/GwFrameWindow.h"
#include "toolkit/GObjectHandle.h"
#include "toolkit/GwInstallLayout.h"
#include "toolkit/GwUDStr.h"

GwRcMgr gw_def_mgr;

namespace {

bool isFile(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

// What one load needs while GtkBuilder hands over the signals of the new objects.
struct Binding {
  GwRcMgr* manager;
  void* programData;    // the pointer every bound handler gets with its user data
  std::string missing;  // first handler name without a function, or a signal on a non-widget
};

void bindSignal(GtkBuilder*, GObject* object, const gchar* signal, const gchar* handlerText,
                GObject*, GConnectFlags, gpointer data) {
  auto* binding = static_cast<Binding*>(data);
  const std::string text = handlerText;
  const std::size_t bar = text.find('|');
  const std::string name = text.substr(0, bar);
  const std::string userData = bar == std::string::npos ? std::string() : text.substr(bar + 1);
  const GwFunc handler = binding->manager->handler(name);
  if (!handler || !GTK_IS_WIDGET(object)) {
    if (binding->missing.empty()) binding->missing = name;
    return;
  }
  const GwUDStr handlerData(utf8ToCp1252(userData).c_str(), binding->programData);
  GwCore::of(GTK_WIDGET(object))->add_callback(GwAtom::intern(signal), handler, 0, handlerData);
}

}  // namespace

void GwRcMgr::fail(const std::string& message) {
  error_ = message;
  std::fprintf(stderr, "dxfviewer: %s\n", message.c_str());
}

bool GwRcMgr::use(const char* file) {
  used_ = false;
  cachedLanguage_ = -1;
  const std::filesystem::path name = file ? file : "";
  std::vector<std::filesystem::path> candidates{name};
  if (!name.has_parent_path()) {
    const std::string configured = database_value("ResourcePath");
    if (!configured.empty()) candidates.push_back(std::filesystem::path(configured) / name);
#if defined(DXFV_INSTALL_BINDIR) && defined(DXFV_INSTALL_DATADIR)
    const std::filesystem::path installed =
        GwInstalledDataFolder(GwRunningProgram(), DXFV_INSTALL_BINDIR, DXFV_INSTALL_DATADIR);
    if (!installed.empty()) candidates.push_back(installed / name);
#endif
#ifdef DXFV_RESOURCE_DIR
    candidates.push_back(std::filesystem::path(DXFV_RESOURCE_DIR) / name);
#endif
  }
  for (const auto& candidate : candidates) {
    if (!isFile(candidate)) continue;
    if (!file_.read(candidate.string())) {
      fail(candidate.string() + ": " + file_.error());
      return false;
    }
    folder_ = std::filesystem::absolute(candidate).parent_path().string();
    used_ = true;
    error_.clear();
    return true;
  }
  fail("resource file " + name.string() + " not found");
  return false;
}

void GwRcMgr::use_func_desc(const GwFuncDesc* table) {
  if (!table) return;
  std::erase(tables_, table);
  tables_.insert(tables_.begin(), table);
}

GwFunc GwRcMgr::handler(const std::string& name) const {
  for (const GwFuncDesc* table : tables_) {
    for (const GwFuncDesc* row = table; row->name; ++row) {
      if (name == row->name) return row->handler;
    }
  }
  return nullptr;
}

std::string GwRcMgr::database_value(const char* atom) const {
  if (!atom || !*atom) return {};
  const char* value = std::getenv((std::string("DXFV_") + atom).c_str());
  return value ? value : "";
}

const std::string& GwRcMgr::interfaceText() {
  if (cachedLanguage_ != language_) {
    cachedInterface_ = file_.interfaceFor(language_);
    cachedLanguage_ = language_;
  }
  return cachedInterface_;
}

GwFrame* GwRcMgr::load(const char* name, GwCore* parent, int /*flags*/, void* programData) {
  if (!used_ || !name) return nullptr;
  const std::string id = cp1252ToUtf8(name);
  if (!file_.frameIds().count(id)) {
    error_ = "no frame " + id + " in the resource file";
    return nullptr;
  }
  g_type_ensure(GW_TYPE_FRAME_WINDOW);
  const GObjectPtr<GtkBuilder> owner(gtk_builder_new());
  GtkBuilder* builder = owner.get();
  const std::string& text = interfaceText();
  std::vector<gchar*> ids{const_cast<gchar*>(id.c_str())};
  for (const std::string& helper : file_.helperIds())
    ids.push_back(const_cast<gchar*>(helper.c_str()));
  ids.push_back(nullptr);
  GError* failure = nullptr;
  GwFrame* frame = nullptr;
  if (!gtk_builder_add_objects_from_string(builder, text.c_str(), text.size(), ids.data(),
                                           &failure)) {
    fail("frame " + id + ": " + (failure ? failure->message : "cannot be built"));
    g_clear_error(&failure);
  } else if (GObject* object = gtk_builder_get_object(builder, id.c_str());
             !GTK_IS_WINDOW(object)) {
    fail("frame " + id + " is no window");
  } else {
    frame = new GwFrame(GTK_WIDGET(object), parent);
    Binding binding{this, programData, {}};
    gtk_builder_connect_signals_full(builder, bindSignal, &binding);
    if (!binding.missing.empty()) {
      fail("frame " + id + ": handler " + binding.missing + " is not bound to a function");
      delete frame;
      frame = nullptr;
    }
  }
  return frame;
}
