// Open and save-as at the limits: folders, pipes and devices are refused with the system's
// reason, a failed save names its reason, and values that are not numbers are left out of
// the saved file with a word to the user.
#include <sys/stat.h>

#include <cmath>
#include <cstring>
#include <filesystem>

#include "CommandFrameTestSupport.h"
#include "app/FileCommands.h"
#include "document/DXF_Zeichnung.h"
#include "settings/Cp1252.h"
#include "toolkit/GwDrawnButton.h"
#include "viewer/Redraw.h"
#include "support/RecordingCanvas.h"

namespace {

using testsupport::drawingText;
using testsupport::lineRecord;

class FileCommandsLimitsTest : public testsupport::CommandFrameTest {
 protected:
  // Opens `path` and returns the one message text it gave.
  std::string refusalOf(const std::string& path) {
    messages.keys.clear();
    messages.texts.clear();
    choose(path);
    CB_open(frame_.get(), nullptr, session_.userData());
    EXPECT_EQ(messages.keys, std::vector<std::string>{"MsgBox_Kann_nicht_anzeigen"});
    EXPECT_EQ(session_.documents.at(0), nullptr);
    return messages.texts.empty() ? "" : messages.texts[0];
  }
};

TEST_F(FileCommandsLimitsTest, FolderPipeAndDeviceAreRefusedWithTheReason) {
  const std::filesystem::path folder = folder_.file("drawings.dxf");
  std::filesystem::create_directory(folder);
  // The system's words come in the user's language, converted for the window.
  EXPECT_NE(refusalOf(folder.string()).find(utf8ToCp1252(std::strerror(EISDIR))),
            std::string::npos);
  const std::string fifo = folder_.file("pipe.dxf").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_NE(refusalOf(fifo).find("regular file"), std::string::npos);
  EXPECT_NE(refusalOf("/dev/zero").find("regular file"), std::string::npos);
}

TEST_F(FileCommandsLimitsTest, FailedSaveNamesTheSystemsReason) {
  openDrawing("plate.dxf", drawingText({"0"}, lineRecord("0", 0, 0, 100, 50)));
  messages.texts.clear();
  choose(folder_.file("no/such/folder/copy.dxf").string());
  CB_saveas(frame_.get(), nullptr, session_.userData());
  EXPECT_EQ(messages.keys, std::vector<std::string>{"MsgBox_Fehler_beim_Speichern"});
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_NE(messages.texts[0].find(utf8ToCp1252(std::strerror(ENOENT))), std::string::npos)
      << messages.texts[0];
}

TEST_F(FileCommandsLimitsTest, ValuesThatAreNotNumbersAreLeftOutAndCounted) {
  const std::string lines = lineRecord("0", 0, 0, 100, 50) + lineRecord("0", 0, 0, NAN, 1) +
                            lineRecord("0", 0, 0, 1, INFINITY);
  openDrawing("plate.dxf", drawingText({"0"}, lines));
  messages.keys.clear();
  messages.texts.clear();
  const std::string target = folder_.file("copy.dxf").string();
  choose(target);
  CB_saveas(frame_.get(), nullptr, session_.userData());
  EXPECT_EQ(messages.keys, std::vector<std::string>{"MsgBox_Zeichnung_gekuerzt"});
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0].find("2 object(s)"), 0u) << messages.texts[0];
  DXF_Zeichnung saved;
  ASSERT_EQ(saved.readDXF(target), 0);
  EXPECT_EQ(saved.entities().count(), 1);
}

TEST_F(FileCommandsLimitsTest, PaintingAFanOutSaysInTheStatusLineThatItWasCut) {
  // Six levels of blocks, each inserting the next ten times: a million copies of a line.
  std::string blocks = "  0\nBLOCK\n  8\n0\n  2\nB0\n 70\n0\n 10\n0\n 20\n0\n" +
                       lineRecord("0", 0, 0, 1, 1) + "  0\nENDBLK\n";
  for (int level = 1; level <= 6; ++level) {
    blocks += "  0\nBLOCK\n  8\n0\n  2\nB" + std::to_string(level) + "\n 70\n0\n 10\n0\n 20\n0\n";
    for (int i = 0; i < 10; ++i) {
      blocks += "  0\nINSERT\n  8\n0\n  2\nB" + std::to_string(level - 1) + "\n 10\n" +
                std::to_string(i) + "\n 20\n0\n";
    }
    blocks += "  0\nENDBLK\n";
  }
  std::string text = drawingText({"0"}, "  0\nINSERT\n  8\n0\n  2\nB6\n 10\n0\n 20\n0\n");
  text.insert(text.find("  0\nENDSEC\n  0\nSECTION\n  2\nENTITIES"), blocks);
  openDrawing("fan.dxf", text);
  ASSERT_NE(session_.documents.at(0), nullptr);
  // The handler paints at the next expose; here it paints on a recording canvas at once.
  redrawHandler(child("DA_draw"), nullptr, session_.userData());
  testsupport::RecordingDrawingArea canvas;
  dynamic_cast<GwDrawnButton*>(child("DA_draw"))->paint_with(canvas);
  EXPECT_NE(child("EB_status")->text().find("The drawing was cut"), std::string::npos)
      << child("EB_status")->text();
}

}  // namespace
