// The conversation on a private session bus (the tests run under dbus-run-session) with
// cadpeer playing the CAD program.
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "cadlink/CadScripts.h"
#include "cadlink/DdeClient.h"
#include "platform/MessageBox.h"
#include "support/CadPeerProcess.h"
#include "TestSupport.h"

namespace {

using testsupport::dataPath;
using testsupport::TempDir;

constexpr const char* kService = "AutoCAD LT.DDE";
const char* const kDrawing = "samples/respiraworks/driver_mounting_plate.dxf";

class DdeClientBus : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(std::getenv("DBUS_SESSION_BUS_ADDRESS"), nullptr)
        << "run the tests under dbus-run-session";
    setMessageBoxHook([this](const std::string& text, const std::string& caption) {
      messages.emplace_back(caption + ": " + text);
    });
    client.blockName = "PLATE_Dec_06_10-05-14";
    client.mouseInsert = 0;
    client.insertX = 10.0;
    client.insertY = 20.0;
  }
  void TearDown() override { setMessageBoxHook({}); }

  // The script the client must have sent for the file on the version code's road.
  std::string expectedScript(const std::string& file, int versionCode) const {
    ScriptOptions options;
    options.blockName = client.blockName;
    options.insertX = 10.0;
    options.insertY = 20.0;
    options.mouseInsert = false;
    return insertScript(options, file, WorldWindow{0, 0, 100, 50}, versionCode).value_or("");
  }

  int sendDrawing(const std::string& file, int versionCode = 2000) {
    return client.sendInsertScript(file.c_str(), 0, 0, 100, 50, versionCode);
  }

  TempDir folder;
  DdeClient client;
  std::vector<std::string> messages;
};

TEST_F(DdeClientBus, PeerReceivesTheExactScriptAndReadsTheFile) {
  CadPeerProcess peer(kService, folder.file("log"));
  ASSERT_TRUE(peer.waitReady());
  const std::string file = dataPath(kDrawing).string();
  ASSERT_EQ(client.initialize(kService), 1);
  EXPECT_EQ(sendDrawing(file, 2000), 1);
  EXPECT_EQ(sendDrawing(file, 14), 1);  // a second conversation on the same connection
  EXPECT_EQ(client.release(), 1);

  const std::vector<std::string> scripts = peer.scripts();
  ASSERT_EQ(scripts.size(), 2u);
  EXPECT_EQ(scripts[0], expectedScript(file, 2000));
  EXPECT_EQ(scripts[1], expectedScript(file, 14));
  EXPECT_EQ(peer.replies(), "001 true read " + file + "\n002 true read " + file + "\n");
  EXPECT_TRUE(messages.empty());
}

TEST_F(DdeClientBus, RestartedPeerNumbersOnAfterTheScriptsInItsLog) {
  const std::string file = dataPath(kDrawing).string();
  ASSERT_EQ(client.initialize(kService), 1);
  std::vector<std::string> sent;
  for (const int versionCode : {14, 15}) {
    CadPeerProcess peer(kService, folder.file("log"));
    ASSERT_TRUE(peer.waitReady());
    EXPECT_EQ(sendDrawing(file, versionCode), 1);
    sent.push_back(expectedScript(file, versionCode));
    EXPECT_EQ(peer.scripts(), sent);
  }
}

TEST_F(DdeClientBus, PeerAnswersFalseForAMissingOrUnreadableFile) {
  CadPeerProcess peer(kService, folder.file("log"));
  ASSERT_TRUE(peer.waitReady());
  testsupport::writeFile(folder.file("empty.dxf"), "");
  ASSERT_EQ(client.initialize(kService), 1);
  EXPECT_EQ(sendDrawing(folder.file("gone.dxf").string()), 0);
  EXPECT_EQ(sendDrawing(folder.file("empty.dxf").string()), 0);
  EXPECT_EQ(peer.scripts().size(), 2u);
}

TEST_F(DdeClientBus, RefusedScriptFails) {
  CadPeerProcess peer(kService, folder.file("log"), "refuse");
  ASSERT_TRUE(peer.waitReady());
  ASSERT_EQ(client.initialize(kService), 1);
  EXPECT_EQ(sendDrawing(dataPath(kDrawing).string()), 0);
  EXPECT_EQ(peer.replies(), "001 false refused\n");
}

TEST_F(DdeClientBus, NobodyOwningTheServiceFailsTheConnect) {
  CadPeerProcess other("AutoCAD.r14.DDE", folder.file("log"));
  ASSERT_TRUE(other.waitReady());
  ASSERT_EQ(client.initialize(kService), 1);
  EXPECT_EQ(sendDrawing(dataPath(kDrawing).string()), 0);
  EXPECT_EQ(client.sendDirectInsertScript("/w/a.dwg"), 0);
  EXPECT_TRUE(other.scripts().empty());
  EXPECT_TRUE(messages.empty());
}

TEST_F(DdeClientBus, PeerLeavingMidConversationForcesTheDisconnection) {
  CadPeerProcess peer(kService, folder.file("log"), "drop");
  ASSERT_TRUE(peer.waitReady());
  ASSERT_EQ(client.initialize(kService), 1);
  EXPECT_EQ(sendDrawing(dataPath(kDrawing).string()), 0);
  EXPECT_TRUE(peer.waitExit());
  EXPECT_EQ(messages, std::vector<std::string>{"Message: Disconnection forced"});
  // Gone between conversations: no notice, only the failed connect.
  EXPECT_EQ(sendDrawing(dataPath(kDrawing).string()), 0);
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_EQ(peer.scripts().size(), 1u);
}

// The time-out is shortened so the test waits a fraction of a second, not ten.
TEST_F(DdeClientBus, StalledPeerTimesOutAfterTheExecuteTimeOut) {
  CadPeerProcess peer(kService, folder.file("log"), "stall", 30);
  ASSERT_TRUE(peer.waitReady());
  ASSERT_EQ(client.initialize(kService), 1);
  client.executeTimeoutMs = 400;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(sendDrawing(dataPath(kDrawing).string()), 0);
  const auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_GE(waited, std::chrono::milliseconds(client.executeTimeoutMs));
  EXPECT_LT(waited, std::chrono::milliseconds(kExecuteTimeoutMs));
  EXPECT_EQ(peer.scripts().size(), 1u);
  EXPECT_TRUE(messages.empty());
}

TEST_F(DdeClientBus, ScriptThatDoesNotFitTheBlockIsNotSent) {
  CadPeerProcess peer(kService, folder.file("log"));
  ASSERT_TRUE(peer.waitReady());
  ASSERT_EQ(client.initialize(kService), 1);
  // A path one byte longer than the longest whose script fits is refused before sending.
  const std::string base = "/" + std::string(400, 'd') + "/";
  const std::string fits = expectedScript(base + "x.dxf", 2000);
  const std::size_t room = kScriptBlockSize - 1 - fits.size();
  const std::string longest = base + std::string(room, 'y') + "x.dxf";
  ASSERT_EQ(expectedScript(longest, 2000).size(), kScriptBlockSize - 1);
  EXPECT_EQ(sendDrawing(longest + "z"), 0);
  EXPECT_TRUE(peer.scripts().empty());
  // The longest that fits is sent whole (the peer refuses it: there is no such file).
  EXPECT_EQ(sendDrawing(longest), 0);
  const std::vector<std::string> scripts = peer.scripts();
  ASSERT_EQ(scripts.size(), 1u);
  EXPECT_EQ(scripts[0], expectedScript(longest, 2000));
}

TEST_F(DdeClientBus, InitializeFailsWithoutASessionBusOrForABadServiceName) {
  EXPECT_EQ(client.initialize("1"), 0);
  EXPECT_EQ(client.serviceName, "1");
  const std::string address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
  setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + folder.file("no-bus").string()).c_str(), 1);
  EXPECT_EQ(client.initialize(kService), 0);
  setenv("DBUS_SESSION_BUS_ADDRESS", address.c_str(), 1);
  EXPECT_EQ(client.release(), 0);
  EXPECT_EQ(client.initialize(kService), 1);
}

TEST_F(DdeClientBus, ReleaseResetsTheClient) {
  ASSERT_EQ(client.initialize(kService), 1);
  client.format = 7;
  EXPECT_EQ(client.release(), 1);
  EXPECT_EQ(client.format, 1);
  EXPECT_EQ(client.serviceName, "");
  EXPECT_EQ(client.release(), 0);
  EXPECT_EQ(sendDrawing(dataPath(kDrawing).string()), 0);
}

}  // namespace
