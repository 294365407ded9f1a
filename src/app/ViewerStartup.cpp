// runViewer: the life of the settings file and the viewer interface around the main window.
#include "app/ViewerStartup.h"

#include <memory>
#include <string>

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
}

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
    messageBox("Ini-File-Error !!", "Error");
  } else {
    gw_def_mgr.set_language(settings->getInt("General", "GwLanguage"));
    ViewerSession session;
    buildMainWindow(session, viewer.get(), 0);
  }
  settings->write();
  return 0;
}
