// The insert command in the program: the dialog loaded from the shipped resource file over
// the test main frame, cadpeer on the private session bus as the CAD program.
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/CommandFrameTestSupport.h"
#include "cadlink/DdeClient.h"
#include "cadlink/TransferDialog.h"
#include "interface/DXF_Interface.h"
#include "platform/MessageBox.h"
#include "support/CadPeerProcess.h"

namespace {

namespace fs = std::filesystem;
using testsupport::drawingText;
using testsupport::lineRecord;

class TransferCommand : public testsupport::CommandFrameTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(testsupport::gtkReady()) << "needs an X display";
    CommandFrameTest::SetUp();
    if (HasFatalFailure()) return;
    viewer.workPath = folder_.path().string().c_str();
    session_.window.viewerInterface = &viewer;
    session_.window.transferFileCounter = 0;
    setMessageBoxHook(
        [this](const std::string& text, const std::string&) { boxes.push_back(text); });
  }
  void TearDown() override {
    dialog.reset();
    endTransferClient();
    setMessageBoxHook({});
    session_.window.viewerInterface = nullptr;
    CommandFrameTest::TearDown();
  }

  // Loads and fills the dialog as its opening would; the toggle given is switched on.
  void openDialog(const char* toggle = nullptr) {
    dialog.reset(gw_def_mgr.load("AutoCAD_Dialog", frame_.get(), 1, &session_));
    ASSERT_NE(dialog, nullptr) << gw_def_mgr.last_error();
    CB_DDE_create(dialog.get(), nullptr, session_.userData());
    if (toggle) dialog->frame_child(toggle)->set_toggle_state(1);
  }
  void insert() { CB_insert(dialog->frame_child("PB_DDE_insert"), nullptr, session_.userData()); }

  std::string plainDrawing() {
    return drawingText({"0"}, lineRecord("0", 0, 0, 40, 20) + lineRecord("0", 5, 5, 6, 6));
  }

  DXF_Interface viewer;
  std::unique_ptr<GwFrame> dialog;
  std::vector<std::string> boxes;
};

TEST_F(TransferCommand, WithoutADrawingNothingIsSentAndTheDialogIsDone) {
  CadPeerProcess peer("AutoCAD.r14.DDE", folder_.file("peer"));
  ASSERT_TRUE(peer.waitReady());
  openDialog();
  insert();
  EXPECT_EQ(transferClient(), nullptr);
  EXPECT_TRUE(messages.keys.empty());
  EXPECT_TRUE(peer.scripts().empty());
  EXPECT_STREQ(viewer.cadVersion.c_str(), "ACAD14");
}

TEST_F(TransferCommand, InsertWithoutAClientOnlyReports) {
  openDrawing("plate.dxf", plainDrawing());
  openDialog();
  endTransferClient();
  insert();
  EXPECT_EQ(messages.keys, std::vector<std::string>{"MsgBox_DDE_initialize"});
  EXPECT_FALSE(fs::exists(folder_.file("dde_0.dxf")));
}

TEST_F(TransferCommand, WithoutASessionBusTheTransferCannotBePrepared) {
  openDrawing("plate.dxf", plainDrawing());
  openDialog("TB_ACAD_LT_97");
  const std::string address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
  setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + folder_.file("none").string()).c_str(), 1);
  insert();
  setenv("DBUS_SESSION_BUS_ADDRESS", address.c_str(), 1);
  EXPECT_EQ(messages.keys, std::vector<std::string>{"MsgBox_DDE_initialize"});
  EXPECT_NE(transferClient(), nullptr);  // the dialog stays for another try
  EXPECT_STREQ(viewer.cadVersion.c_str(), "ACAD_LT_97");
  EXPECT_FALSE(fs::exists(folder_.file("dde_0.dxf")));
}

TEST_F(TransferCommand, OpenedFileIsCopiedAndNamedInTheScript) {
  CadPeerProcess peer("AutoCAD LT.DDE", folder_.file("peer"));
  ASSERT_TRUE(peer.waitReady());
  const std::string opened = openDrawing("plate.dxf", plainDrawing());
  openDialog("TB_ACAD_LT");
  dialog->frame_child("EB_DDE_Blockname")->set_text("");
  insert();
  EXPECT_TRUE(messages.keys.empty());
  EXPECT_EQ(transferClient(), nullptr);
  const std::string copy = folder_.file("dde_0.dxf").string();
  EXPECT_EQ(testsupport::readFile(copy), testsupport::readFile(opened));
  const std::vector<std::string> scripts = peer.scripts();
  ASSERT_EQ(scripts.size(), 1u);
  // The DXFIN road; the empty block name field gives the base name "DUMMY".
  EXPECT_EQ(scripts[0].rfind("_.filedia 0 _.zoom _w ", 0), 0u) << scripts[0];
  EXPECT_NE(scripts[0].find("_.dxfin \"" + copy + "\"\n_filedia 1 "), std::string::npos)
      << scripts[0];
  EXPECT_NE(scripts[0].find("_.block \"DUMMY_"), std::string::npos) << scripts[0];
  EXPECT_EQ(session_.window.openedFile.str(), opened);
  EXPECT_EQ(session_.window.transferFileCounter, 1);
}

TEST_F(TransferCommand, ViewBlockIsWrittenAloneAndExploded) {
  CadPeerProcess peer("AutoCAD.r15.DDE", folder_.file("peer"));
  ASSERT_TRUE(peer.waitReady());
  std::string text = drawingText({"0"}, lineRecord("0", 50, 50, 60, 60));
  const std::string blocks =
      "  0\nBLOCK\n  8\n0\n  2\nNO_VIEW\n 70\n0\n 10\n0.0\n 20\n0.0\n 30\n0.0\n" +
      lineRecord("0", 0, 0, 10, 0) + lineRecord("0", 0, 0, 0, 10) + "  0\nENDBLK\n  8\n0\n";
  text.replace(text.find("BLOCKS\n") + 7, 0, blocks);
  const std::string opened = openDrawing("views.dxf", text);
  openDialog("TB_ACAD_2002");
  insert();
  EXPECT_TRUE(messages.keys.empty());
  DXF_Zeichnung sent;
  ASSERT_EQ(sent.readDXF(folder_.file("dde_0.dxf")), 0);
  EXPECT_EQ(sent.entities().count(), 2);  // the block's lines, not the drawing's own
  EXPECT_EQ(sent.blocks().count(), 0);
  EXPECT_EQ(peer.scripts().size(), 1u);
  EXPECT_EQ(session_.window.openedFile.str(), opened);
}

TEST_F(TransferCommand, OnlyTheExtensionSendsADrawingFileOfTheCadProgramDirectly) {
  CadPeerProcess peer("AutoCAD.r14.DDE", folder_.file("peer"));
  ASSERT_TRUE(peer.waitReady());
  fs::create_directories(folder_.file("old.dwg files"));
  const struct {
    const char* name;
    bool direct;
  } cases[] = {{"part.DWG", true}, {"old.dwg files/part.dxf", false}, {"part.DWG.dxf", false}};
  for (std::size_t k = 0; k < std::size(cases); ++k) {
    const std::string opened = openDrawing(cases[k].name, plainDrawing());
    openDialog();
    dialog->frame_child("EB_DDE_Blockname")->set_text("BRACKET");
    insert();
    const std::vector<std::string> scripts = peer.scripts();
    ASSERT_EQ(scripts.size(), k + 1) << cases[k].name;
    // The direct insert names the opened file in one input, "BRACKET_<time>=<path>".
    const std::string expected =
        cases[k].direct ? "_.filedia 0 _.insert \"BRACKET_" : "_.filedia 0 _.zoom _w ";
    EXPECT_EQ(scripts[k].rfind(expected, 0), 0u) << scripts[k];
    EXPECT_EQ(scripts[k].find("=" + opened + "\"\n") != std::string::npos, cases[k].direct)
        << scripts[k];
  }
  EXPECT_EQ(peer.replies().find(" false "), std::string::npos) << peer.replies();
}

TEST_F(TransferCommand, NamesAndPathsReachThePeerWholeOrAreRefused) {
  CadPeerProcess peer("AutoCAD.r14.DDE", folder_.file("peer"));
  ASSERT_TRUE(peer.waitReady());
  openDrawing("plate.dxf", plainDrawing());
  const struct {
    const char* baseName;
    const char* workFolder;
    const char* refusal;  // the message, or none when the peer runs the script
  } cases[] = {
      {"Odd Block", "work dir", nullptr},
      {"Odd:Block", "work", "MsgBox_DDE_Blockname"},
      {"B", "a\n_.erase _all \nb", "MsgBox_DDE_Pfad"},
      {"B", "q\"uote dir", "MsgBox_DDE_Pfad"},
  };
  for (const auto& c : cases) {
    fs::create_directories(folder_.file(c.workFolder));
    viewer.workPath = folder_.file(c.workFolder).string().c_str();
    messages.keys.clear();
    openDialog();
    dialog->frame_child("EB_DDE_Blockname")->set_text(c.baseName);
    insert();
    EXPECT_EQ(messages.keys,
              c.refusal ? std::vector<std::string>{c.refusal} : std::vector<std::string>{})
        << c.baseName << c.workFolder;
    EXPECT_EQ(fs::is_empty(folder_.file(c.workFolder)), c.refusal != nullptr) << c.workFolder;
  }
  // Only the first case was sent, and it ran.
  EXPECT_EQ(peer.replies().substr(0, 9), "001 true ") << peer.replies();
  EXPECT_EQ(peer.scripts().size(), 1u);
}

TEST_F(TransferCommand, FailedCopyIsReportedAndNothingIsSent) {
  CadPeerProcess peer("AutoCAD.r14.DDE", folder_.file("peer"));
  ASSERT_TRUE(peer.waitReady());
  const std::string opened = openDrawing("plate.dxf", plainDrawing());
  fs::remove(opened);
  openDialog();
  insert();
  EXPECT_EQ(messages.keys, std::vector<std::string>{"MsgBox_DDE_initialize"});
  EXPECT_TRUE(peer.scripts().empty());
  EXPECT_NE(transferClient(), nullptr);
}

TEST_F(TransferCommand, RefusedScriptKeepsTheDialogAndItsClientForAnotherTry) {
  CadPeerProcess peer("AutoCAD.r13.DDE", folder_.file("peer"), "refuse");
  ASSERT_TRUE(peer.waitReady());
  openDrawing("plate.dxf", plainDrawing());
  openDialog("TB_ACAD13");
  insert();
  EXPECT_EQ(messages.keys, std::vector<std::string>{"MsgBox_DDE_connect"});
  ASSERT_NE(transferClient(), nullptr);
  EXPECT_EQ(transferClient()->serviceName, "");  // released
  insert();
  EXPECT_EQ(peer.scripts().size(), 2u);
  EXPECT_EQ(session_.window.transferFileCounter, 2);
  EXPECT_TRUE(boxes.empty());
}

}  // namespace
