// The insert command of the transfer dialog: the drawing on screen goes to a temporary
// DXF file (or stays the opened file in the CAD program's own format) and a script over
// the session bus brings it into the CAD program.
#include <cstdlib>
#include <ctime>
#include <string>

#include "cadlink/CadVersions.h"
#include "cadlink/DdeClient.h"
#include "cadlink/TransferDialog.h"
#include "cadlink/TransferFile.h"
#include "cadlink/TransferNames.h"
#include "interface/DXF_Interface.h"
#include "toolkit/GwCore.h"
#include "viewer/MainWindowState.h"
#include "viewer/ViewDocuments.h"
#include "viewer/ViewState.h"
#include "viewer/WindowUtilities.h"

namespace {

constexpr const char* kCannotPrepare = "MsgBox_DDE_initialize";
constexpr const char* kNoAnswer = "MsgBox_DDE_connect";
constexpr const char* kDefaultBaseName = "DUMMY";

std::string fieldText(GwCore* dialog, const char* name) {
  GwCore* field = dialog ? dialog->frame_child(name) : nullptr;
  return field ? field->text() : "";
}

// An edit box's number; one without text gives 0.0.
double fieldNumber(GwCore* dialog, const char* name) {
  return std::atof(fieldText(dialog, name).c_str());
}

// The block name's base: the dialog's field, else the main window's transfer label.
std::string baseName(GwCore* dialog) {
  std::string base = fieldText(dialog, "EB_DDE_Blockname");
  if (!base.empty()) return base;
  if (GwCore* label = mainChild("LB_DDE_Transfer"); label && !label->text().empty()) {
    return label->text();
  }
  return kDefaultBaseName;
}

bool isOwnFormat(const std::string& path) {
  return path.find(".dwg") != std::string::npos || path.find(".DWG") != std::string::npos;
}

bool failWith(const char* message) {
  showMessage(message);
  return false;
}

// Sends the current view document; false (reported) when the dialog is to stay open.
bool transferCurrentDrawing(DdeClient& dde, int versionCode) {
  const DXF_Zeichnung* current = viewDocuments().current();
  if (!current) return true;
  MainWindowState& window = mainWindow();
  const std::string opened = window.openedFile.str();
  if (isOwnFormat(opened)) {
    return dde.sendDirectInsertScript(opened.c_str()) ? true : failWith(kNoAnswer);
  }
  const DXF_Interface* viewer = window.viewerInterface;
  const auto folder = transferFolder(viewer ? std::string(viewer->workPath) : "");
  if (!folder) return failWith(kCannotPrepare);
  const std::string file = transferFilePath(*folder, nextTransferNumber(window.transferFileCounter));
  if (auto document = transferDocument(*current, ViewDocuments::viewName(viewState().viewType))) {
    if (document->writeDXF(file) < 0) return failWith(kCannotPrepare);
  } else if (!copyTransferFile(opened, file)) {
    // Without its file the script would only make the CAD program complain.
    return failWith(kCannotPrepare);
  }
  const WorldWindow view = viewState().window();
  return dde.sendInsertScript(file.c_str(), view.minX, view.minY, view.maxX, view.maxY,
                              versionCode)
             ? true
             : failWith(kNoAnswer);
}

}  // namespace

int CB_insert(GwCore* widget, GwEvent* /*event*/, GwUD /*userData*/) {
  DdeClient* dde = transferClient();
  if (!dde) {
    showMessage(kCannotPrepare);
    return 1;
  }
  GwCore* dialog = widget->frame();
  const CadVersion& version = chosenCadVersion([dialog](const char* toggle) {
    GwCore* button = dialog ? dialog->frame_child(toggle) : nullptr;
    return button && button->toggle_state() == 1;
  });
  if (DXF_Interface* viewer = mainWindow().viewerInterface) viewer->cadVersion = version.name;
  if (!dde->initialize(version.service)) {
    showMessage(kCannotPrepare);
    dde->release();
    return 1;
  }
  dde->timeStamp = transferTimeStamp(std::time(nullptr));
  dde->blockName = transferBlockName(baseName(dialog), dde->timeStamp);
  dde->insertX = fieldNumber(dialog, "EB_DDE_x");
  dde->insertY = fieldNumber(dialog, "EB_DDE_y");
  dde->insertAngle = fieldNumber(dialog, "EB_DDE_w");

  busyBegin();
  const bool transferred = transferCurrentDrawing(*dde, version.code);
  busyEnd();
  dde->release();
  if (transferred) {
    if (dialog) dialog->popdown();
    endTransferClient();
  }
  return 1;
}
