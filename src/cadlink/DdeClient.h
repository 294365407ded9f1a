// The client side of the conversation with the CAD program on the session bus: one
// script per conversation, sent in one synchronous execute call.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "settings/FixedText.h"

typedef struct _GDBusConnection GDBusConnection;
typedef struct _GMainContext GMainContext;

// Script data travels in a block of this many bytes, the text ended by a zero byte.
inline constexpr std::size_t kScriptBlockSize = 700;
// How long one execute call may take before the transfer counts as failed.
inline constexpr int kExecuteTimeoutMs = 10000;

// One object at a time, owned by the transfer dialog from its filling to cancel or to a
// successful insert. The bus is used only between initialize and release.
class DdeClient {
 public:
  DdeClient() = default;
  // Releases the bus if that was not done.
  ~DdeClient();
  DdeClient(const DdeClient&) = delete;
  DdeClient& operator=(const DdeClient&) = delete;

  // Keeps the service name and opens a connection of its own to the session bus. 1 when
  // ready; 0 without a session bus or for a service name that gives no valid bus name.
  int initialize(const char* service);
  // Closes the connection and forgets the service; 1 when a connection was closed, else 0.
  int release();

  // Sends the insert script for the DXF file (zoom corners (x1, y1) and (x2, y2), version
  // code of the CAD program); 1 when the CAD program executed it. 0 when the block name or
  // the path cannot be quoted, the script does not fit the block, nobody owns the service
  // name, or the call failed or timed out; then nothing or nothing more is sent.
  int sendInsertScript(const char* file, double x1, double y1, double x2, double y2,
                       int versionCode);
  // The same with the direct-insert script for a drawing in the CAD program's own format.
  int sendDirectInsertScript(const char* file);

  int format = 1;           // the script is plain text
  std::string serviceName;  // service of the CAD program
  FixedText<46> blockName = "DUMMY";
  FixedText<24> timeStamp;
  int mouseInsert = 1;   // 1: the user picks the insertion point in the CAD program
  int explode = 0;       // 1: the block is inserted exploded
  double insertX = 0.0;  // insertion point, drawing units
  double insertY = 0.0;
  double insertAngle = 0.0;                  // rotation, degrees
  int executeTimeoutMs = kExecuteTimeoutMs;  // how long one execute call may take

 private:
  // Runs one script: connect to the owner of the service name, execute, disconnect.
  int send(const std::optional<std::string>& script);
  // Watches the service name and asks the bus for its owner; false when it has none.
  bool connect();
  // Ends the watch; a notice that the owner left during the conversation is shown first.
  void disconnect();
  // Calls Execute on the owner with the script in its block; true when it answered true.
  bool execute(const std::string& script);
  static void onOwnerChanged(GDBusConnection* connection, const char* sender,
                             const char* objectPath, const char* interfaceName,
                             const char* signalName, struct _GVariant* parameters, void* self);

  GDBusConnection* instance_ = nullptr;  // the connection to the session bus
  std::string serviceHandle_;            // bus name of the service
  std::string topicHandle_;              // object path of the topic
  std::string partner_;                  // unique bus name of the service's owner
  unsigned conversation_ = 0;            // watch on the service name while connected
  GMainContext* notices_ = nullptr;      // where the watch's notices wait to be handled
  bool watchGone_ = true;                // the bus dropped the finished watch
};
