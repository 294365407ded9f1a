// cadpeer: plays the CAD program on the session bus for trying and testing the transfer.
//
//   cadpeer --service NAME --log FOLDER [--mode accept|refuse|stall|drop] [--stall SECONDS]
//
// Owns the bus name of the service name NAME (the viewer's rule) and serves Execute on
// the topic object. Every script received is written to FOLDER/script-NNN.txt with its
// exact bytes, and a line "NNN true|false reason" is added to FOLDER/replies.txt; a peer
// started again on the same folder numbers on after the scripts already there. Modes:
//   accept  answers true when the CAD command line could run the script (ScriptReading.h)
//           and the file it names exists and reads as DXF (default)
//   refuse  answers false
//   stall   answers false only after SECONDS (default 15), past the viewer's time-out
//   drop    leaves the bus without answering
// FOLDER/ready appears once this run owns the name. SIGTERM or SIGINT end the program.
#include <gio/gio.h>
#include <glib-unix.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "ScriptReading.h"
#include "cadlink/BusNames.h"
#include "document/DXF_Zeichnung.h"

namespace {

enum class Mode { Accept, Refuse, Stall, Drop };

struct Peer {
  std::string service;
  std::filesystem::path log;
  Mode mode = Mode::Accept;
  int stallSeconds = 15;
  int scripts = 0;
  GMainLoop* loop = nullptr;
};

// The topic object's interface as the viewer calls it.
std::string introspection() {
  return std::string("<node><interface name='") + kExecuteInterface + "'><method name='" +
         kExecuteMethod +
         "'><arg type='ay' name='script' direction='in'/>"
         "<arg type='b' name='executed' direction='out'/></method></interface></node>";
}

// The highest number of the scripts in the folder, 0 for none.
int lastScriptNumber(const std::filesystem::path& log) {
  int last = 0;
  for (const auto& entry : std::filesystem::directory_iterator(log)) {
    int number = 0;
    if (std::sscanf(entry.path().filename().c_str(), "script-%d.txt", &number) == 1) {
      last = std::max(last, number);
    }
  }
  return last;
}

void appendLine(const std::filesystem::path& file, const std::string& line) {
  std::ofstream out(file, std::ios::app);
  out << line << '\n';
}

// Whether the CAD program could run the script and bring its file in: the script reads
// as the command line reads it, and the file exists and reads as DXF.
std::string checkScript(const std::string& script, bool& readable) {
  readable = false;
  const ScriptReading reading = readScript(script);
  if (!reading.fault.empty()) return "broken " + reading.fault;
  const std::string& path = reading.file;
  if (path.empty()) return "no file named";
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return "missing " + path;
  DXF_Zeichnung drawing;
  const int result = drawing.readDXF(path);
  if (result < 0) return "unreadable " + path + " " + std::to_string(result);
  readable = true;
  return "read " + path;
}

struct LateReply {
  GDBusMethodInvocation* invocation;
  std::string number;
  Peer* peer;
};

gboolean replyLate(gpointer data) {
  auto* late = static_cast<LateReply*>(data);
  appendLine(late->peer->log / "replies.txt", late->number + " false stalled");
  g_dbus_method_invocation_return_value(late->invocation, g_variant_new("(b)", FALSE));
  delete late;
  return G_SOURCE_REMOVE;
}

void onMethodCall(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar* method,
                  GVariant* parameters, GDBusMethodInvocation* invocation, gpointer data) {
  auto* peer = static_cast<Peer*>(data);
  if (std::strcmp(method, kExecuteMethod) != 0) return;
  GVariant* block = g_variant_get_child_value(parameters, 0);
  gsize size = 0;
  const auto* bytes = static_cast<const char*>(g_variant_get_fixed_array(block, &size, 1));
  // The script is the text before the block's first zero byte.
  const std::string script(bytes, strnlen(bytes, size));
  g_variant_unref(block);

  char number[16];
  std::snprintf(number, sizeof number, "%03d", ++peer->scripts);
  {
    std::ofstream out(peer->log / ("script-" + std::string(number) + ".txt"), std::ios::binary);
    out << script;
  }
  bool executed = false;
  std::string reason;
  switch (peer->mode) {
    case Mode::Accept: reason = checkScript(script, executed); break;
    case Mode::Refuse: reason = "refused"; break;
    case Mode::Stall:
      g_timeout_add_seconds(peer->stallSeconds, replyLate, new LateReply{invocation, number, peer});
      return;
    case Mode::Drop:
      appendLine(peer->log / "replies.txt", std::string(number) + " none dropped");
      std::fflush(nullptr);
      _exit(0);
  }
  appendLine(peer->log / "replies.txt",
             std::string(number) + (executed ? " true " : " false ") + reason);
  g_dbus_method_invocation_return_value(invocation, g_variant_new("(b)", executed));
}

void onNameAcquired(GDBusConnection*, const gchar*, gpointer data) {
  auto* peer = static_cast<Peer*>(data);
  std::ofstream(peer->log / "ready") << busNameForService(peer->service) << '\n';
}

void onNameLost(GDBusConnection*, const gchar* name, gpointer data) {
  std::fprintf(stderr, "cadpeer: cannot own %s on the session bus\n", name);
  g_main_loop_quit(static_cast<Peer*>(data)->loop);
}

void onBusAcquired(GDBusConnection* connection, const gchar*, gpointer data) {
  static GDBusNodeInfo* info = g_dbus_node_info_new_for_xml(introspection().c_str(), nullptr);
  static const GDBusInterfaceVTable vtable = {onMethodCall, nullptr, nullptr, {}};
  g_dbus_connection_register_object(connection, kTopicPath, info->interfaces[0], &vtable, data,
                                    nullptr, nullptr);
}

gboolean quit(gpointer loop) {
  g_main_loop_quit(static_cast<GMainLoop*>(loop));
  return G_SOURCE_REMOVE;
}

bool parseMode(const std::string& text, Mode& mode) {
  if (text == "accept")
    mode = Mode::Accept;
  else if (text == "refuse")
    mode = Mode::Refuse;
  else if (text == "stall")
    mode = Mode::Stall;
  else if (text == "drop")
    mode = Mode::Drop;
  else
    return false;
  return true;
}

int usage() {
  std::fprintf(stderr,
               "usage: cadpeer --service NAME --log FOLDER [--mode accept|refuse|stall|drop] "
               "[--stall SECONDS]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  Peer peer;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    const std::string value = argv[i + 1];
    if (option == "--service")
      peer.service = value;
    else if (option == "--log")
      peer.log = value;
    else if (option == "--mode" && parseMode(value, peer.mode))
      continue;
    else if (option == "--stall")
      peer.stallSeconds = std::atoi(value.c_str());
    else
      return usage();
  }
  if (argc % 2 == 0 || peer.service.empty() || peer.log.empty()) return usage();
  const std::string busName = busNameForService(peer.service);
  if (!isValidBusName(busName)) {
    std::fprintf(stderr, "cadpeer: \"%s\" gives no valid bus name\n", peer.service.c_str());
    return 2;
  }
  std::filesystem::create_directories(peer.log);
  std::filesystem::remove(peer.log / "ready");
  peer.scripts = lastScriptNumber(peer.log);

  peer.loop = g_main_loop_new(nullptr, FALSE);
  g_unix_signal_add(SIGTERM, quit, peer.loop);
  g_unix_signal_add(SIGINT, quit, peer.loop);
  const guint owner =
      g_bus_own_name(G_BUS_TYPE_SESSION, busName.c_str(), G_BUS_NAME_OWNER_FLAGS_DO_NOT_QUEUE,
                     onBusAcquired, onNameAcquired, onNameLost, &peer, nullptr);
  g_main_loop_run(peer.loop);
  g_bus_unown_name(owner);
  g_main_loop_unref(peer.loop);
  return 0;
}
