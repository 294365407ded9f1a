// The start-up paths of runViewer: missing or broken settings, and a normal run.
#include "app/ViewerStartup.h"

#include <filesystem>
#include <optional>

#include "settings/Cp1252.h"
#include "settings/IniFile.h"
#include "MainWindowTestSupport.h"

namespace {

using testsupport::InFolder;
using testsupport::readFile;
using testsupport::TempDir;
using testsupport::writeFile;

// Missing, empty or lacking a window key: the message names the file, which stays as it was.
TEST(ViewerStartup, UnusableSettingsFileIsNamedAndLeftAsItWas) {
  const std::optional<std::string> files[] = {
      std::nullopt, "",
      "; comment\n[DXFViewer]\nState=0\nDimH=480\nDimW=640\nPosX=10\nSilLayer=0\n"};
  for (const auto& text : files) {
    TempDir folder;
    const auto path = folder.file("orvel.ini");
    if (text) writeFile(path, *text);
    InFolder in(folder);
    EXPECT_EQ(runViewer(), 0);
    const std::string named = (std::filesystem::current_path() / "orvel.ini").string();
    EXPECT_EQ(in.messages.rfind("Error: Ini-File-Error !!\n\n" + utf8ToCp1252(named) + " could", 0),
              0u)
        << in.messages;
    EXPECT_EQ(std::filesystem::exists(path), text.has_value());
    if (text) {
      EXPECT_EQ(readFile(path), *text);
    }
  }
}

class ViewerStartupWindow : public testsupport::GtkTest {};

TEST_F(ViewerStartupWindow, NonNumericGeometryStillBuildsTheWindowAndIsReplacedOnClose) {
  TempDir folder;
  writeFile(folder.file("orvel.ini"),
            testsupport::normalSettings("State=no\nDimH=300px\nDimW=wide\nPosX=-7\nPosY=\n"));
  InFolder in(folder);
  bool ran = false;
  testsupport::closeMainWindowWhenRunning([&](GwFrame& frame) {
    ran = true;
    ViewerSession* session = testsupport::sessionOf(frame);
    ASSERT_NE(session, nullptr);
    session->window.viewerPath = "/home/anna/parts/";
  });
  EXPECT_EQ(runViewer(), 0);
  EXPECT_TRUE(ran);
  EXPECT_EQ(in.messages, "");
  IniFile settings(folder.file("orvel.ini").c_str(), true);
  IniFile::clearError();
  EXPECT_EQ(std::string(settings.getString("DXFViewer", "State")), "0");
  EXPECT_GT(settings.getInt("DXFViewer", "DimW"), 0);
  EXPECT_GE(settings.getInt("DXFViewer", "DimH"), 300);
  EXPECT_EQ(std::string(settings.getString("DXFViewer", "ViewerPath")), "/home/anna/parts/");
  EXPECT_EQ(readFile(folder.file("orvel.ini")).find("; viewer settings"), std::string::npos);
  EXPECT_EQ(IniFile::lastError(), 0);
}

}  // namespace
