// The conversation with the CAD program on the session bus.
//
// A conversation is a watch on the owner of the service name: the bus tells when the owner
// leaves, which is the notice "Disconnection forced". The watch's notices are queued in a
// main context of the client's own, handled only when the conversation ends, so that no
// window event runs while a script is on its way.
#include "cadlink/DdeClient.h"

#include <gio/gio.h>

#include <array>

#include "cadlink/BusNames.h"
#include "cadlink/CadScripts.h"
#include "platform/MessageBox.h"

namespace {

constexpr const char* kBus = "org.freedesktop.DBus";
constexpr const char* kBusPath = "/org/freedesktop/DBus";

// A reply of the bus, freed on every way out.
class Reply {
 public:
  explicit Reply(GVariant* value) : value_(value) {}
  ~Reply() {
    if (value_) g_variant_unref(value_);
  }
  Reply(const Reply&) = delete;
  Reply& operator=(const Reply&) = delete;
  GVariant* get() const { return value_; }

 private:
  GVariant* value_;
};

GVariant* callBus(GDBusConnection* connection, const char* method, GVariant* parameters,
                  const char* replyType) {
  return g_dbus_connection_call_sync(connection, kBus, kBusPath, kBus, method, parameters,
                                     G_VARIANT_TYPE(replyType), G_DBUS_CALL_FLAGS_NONE,
                                     kExecuteTimeoutMs, nullptr, nullptr);
}

ScriptOptions optionsOf(const DdeClient& client) {
  ScriptOptions options;
  options.blockName = client.blockName;
  options.insertX = client.insertX;
  options.insertY = client.insertY;
  options.insertAngle = client.insertAngle;
  options.explode = client.explode != 0;
  options.mouseInsert = client.mouseInsert != 0;
  return options;
}

}  // namespace

DdeClient::~DdeClient() { release(); }

int DdeClient::initialize(const char* service) {
  release();
  serviceName = service ? service : "";
  serviceHandle_ = busNameForService(serviceName);
  if (!isValidBusName(serviceHandle_)) return 0;
  gchar* address = g_dbus_address_get_for_bus_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
  if (!address) return 0;
  instance_ = g_dbus_connection_new_for_address_sync(
      address,
      static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                        G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
      nullptr, nullptr, nullptr);
  g_free(address);
  if (!instance_) return 0;
  topicHandle_ = kTopicPath;
  notices_ = g_main_context_new();
  return 1;
}

int DdeClient::release() {
  disconnect();
  const int closed = instance_ ? 1 : 0;
  if (instance_) {
    g_dbus_connection_close_sync(instance_, nullptr, nullptr);
    g_object_unref(instance_);
    instance_ = nullptr;
  }
  if (notices_) {
    g_main_context_unref(notices_);
    notices_ = nullptr;
  }
  serviceName.clear();
  serviceHandle_.clear();
  topicHandle_.clear();
  format = 1;
  return closed;
}

int DdeClient::sendInsertScript(const char* file, double x1, double y1, double x2, double y2,
                                int versionCode) {
  return send(
      insertScript(optionsOf(*this), file ? file : "", WorldWindow{x1, y1, x2, y2}, versionCode));
}

int DdeClient::sendDirectInsertScript(const char* file) {
  return send(directInsertScript(optionsOf(*this), file ? file : ""));
}

int DdeClient::send(const std::optional<std::string>& script) {
  // The block must keep its terminating zero byte.
  if (!script || script->size() >= kScriptBlockSize) return 0;
  if (!connect()) return 0;
  const bool executed = execute(*script);
  disconnect();
  return executed ? 1 : 0;
}

bool DdeClient::connect() {
  if (!instance_ || conversation_ != 0) return false;
  // Watch first: an owner that leaves right after the question below is still noticed.
  g_main_context_push_thread_default(notices_);
  conversation_ = g_dbus_connection_signal_subscribe(
      instance_, kBus, kBus, "NameOwnerChanged", kBusPath, serviceHandle_.c_str(),
      G_DBUS_SIGNAL_FLAGS_NONE, onOwnerChanged, this,
      [](gpointer self) { static_cast<DdeClient*>(self)->watchGone_ = true; });
  g_main_context_pop_thread_default(notices_);
  watchGone_ = false;

  const Reply owner(
      callBus(instance_, "GetNameOwner", g_variant_new("(s)", serviceHandle_.c_str()), "(s)"));
  if (!owner.get()) {
    partner_.clear();
    disconnect();
    return false;
  }
  const gchar* unique = nullptr;
  g_variant_get(owner.get(), "(&s)", &unique);
  partner_ = unique;
  return true;
}

bool DdeClient::execute(const std::string& script) {
  std::array<char, kScriptBlockSize> block{};
  script.copy(block.data(), script.size());
  GVariant* data = g_variant_new_fixed_array(G_VARIANT_TYPE_BYTE, block.data(), block.size(), 1);
  // Sent to the owner found when connecting, as a conversation stays with its partner.
  const Reply reply(g_dbus_connection_call_sync(
      instance_, partner_.c_str(), topicHandle_.c_str(), kExecuteInterface, kExecuteMethod,
      g_variant_new("(@ay)", data), G_VARIANT_TYPE("(b)"), G_DBUS_CALL_FLAGS_NO_AUTO_START,
      executeTimeoutMs, nullptr, nullptr));
  gboolean executed = FALSE;
  if (reply.get()) g_variant_get(reply.get(), "(b)", &executed);
  return executed;
}

void DdeClient::disconnect() {
  if (conversation_ == 0) return;
  // One more round trip to the bus: every notice it sent before the answer is then queued.
  if (!partner_.empty()) {
    const Reply roundTrip(callBus(instance_, "GetId", nullptr, "(s)"));
  }
  while (g_main_context_iteration(notices_, FALSE)) {
  }
  g_dbus_connection_signal_unsubscribe(instance_, conversation_);
  conversation_ = 0;
  partner_.clear();
  // The watch is let go in the notices' context; wait for it, so `this` is no longer used.
  while (!watchGone_) g_main_context_iteration(notices_, TRUE);
}

void DdeClient::onOwnerChanged(GDBusConnection* /*connection*/, const char* /*sender*/,
                               const char* /*objectPath*/, const char* /*interfaceName*/,
                               const char* /*signalName*/, GVariant* parameters, void* self) {
  auto* client = static_cast<DdeClient*>(self);
  const gchar* oldOwner = nullptr;
  g_variant_get(parameters, "(&s&s&s)", nullptr, &oldOwner, nullptr);
  if (client->partner_.empty() || client->partner_ != oldOwner) return;
  // Shown once: the partner is gone, later notices are about others.
  client->partner_.clear();
  messageBox("Disconnection forced", "Message");
}
