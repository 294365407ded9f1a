// runViewer: the life of the settings file and the viewer interface around the main window.
#include "app/ViewerStartup.h"

#include <memory>
#include <string>

#include "settings/Cp1252.h"
#include "platform/CurrentDirectory.h"
#include "interface/DXF_Interface.h"
#include "toolkit/GwRcMgr.h"
#include "settings/IniFile.h"
#include "app/MainFrameGeometry.h"
#include "app/MainWindow.h"
#include "platform/MessageBox.h"
#include "viewer/ViewerSession.h"

namespace {
constexpr std::size_t kInfoTextBytes = 100;

// Shown before the language is known (it is kept in the very file that failed), so in both
// languages of the resource file.
std::string settingsErrorText(const std::string& path) {
  return utf8ToCp1252(
      "Ini-File-Error !!\n\n" + path +
      " could not be read or lacks the window settings (State, DimW, DimH, PosX, PosY in "
      "[DXFViewer]). It was left as it is: repair it, or rename or delete it to start with "
      "the default settings.\n\n" +
      path +
      " ist nicht lesbar, oder ihr fehlen die Fenstereinstellungen (State, DimW, DimH, PosX, "
      "PosY in [DXFViewer]). Sie wurde nicht verändert: reparieren Sie sie, oder benennen "
      "Sie sie um oder löschen Sie sie, um mit den Standardeinstellungen zu starten.");
}
}  // namespace

int runViewer() {
  const std::string current = currentDirectory();
  auto viewer = std::make_unique<DXF_Interface>();
  viewer->infoText = std::string("For information only").substr(0, kInfoTextBytes - 1);
  const std::string settingsPath = current.empty() ? "orvel.ini" : current + "/orvel.ini";
  auto settings = std::make_unique<IniFile>(settingsPath.c_str(), true);

  // Whatever went wrong while the file was read shows up in the lookups below.
  IniFile::clearError();
  viewer->settingsFile = settings.get();
  viewer->workPath = current;
  readFrameGeometry(*settings, viewer->frameGeometry);
  if (IniFile::lastError() != 0) {
    // Writing back what was read would replace the user's file by what little was
    // understood of it.
    messageBox(settingsErrorText(settingsPath).c_str(), "Error");
    return 0;
  }
  gw_def_mgr.set_language(settings->getInt("General", "GwLanguage"));
  ViewerSession session;
  buildMainWindow(session, viewer.get(), 0);
  settings->write();
  return 0;
}
