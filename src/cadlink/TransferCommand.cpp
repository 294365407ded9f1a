// The insert command of the transfer dialog: the drawing on screen goes to a temporary
// DXF file (or stays the opened file in the CAD program's own format) and a script over
// the session bus brings it into the CAD program.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

#include "cadlink/CadScripts.h"
#include "cadlink/CadVersions.h"
#include "cadlink/DdeClient.h"
#include "cadlink/TransferDialog.h"
#include "cadlink/TransferFile.h"
#include "cadlink/TransferNames.h"
#include "interface/DXF_Interface.h"
#include "toolkit/GwCore.h"
#include "viewer/ViewerSession.h"
#include "viewer/WindowUtilities.h"

namespace {

constexpr const char* kCannotPrepare = "MsgBox_DDE_initialize";
constexpr const char* kNoAnswer = "MsgBox_DDE_connect";
constexpr const char* kDrawingCut = "MsgBox_Zeichnung_gekuerzt";
constexpr const char* kUnusableName = "MsgBox_DDE_Blockname";
constexpr const char* kUnusablePath = "MsgBox_DDE_Pfad";
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
std::string baseName(const ViewerSession& session, GwCore* dialog) {
  std::string base = fieldText(dialog, "EB_DDE_Blockname");
  if (!base.empty()) return base;
  if (GwCore* label = session.child("LB_DDE_Transfer"); label && !label->text().empty()) {
    return label->text();
  }
  return kDefaultBaseName;
}

// A drawing in the CAD program's own format: told by the file's extension alone, in any
// case, since folders and the rest of the name may hold ".dwg" too.
bool isOwnFormat(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".dwg";
}

bool failWith(ViewerSession& session, const char* message) {
  showMessage(session, message);
  return false;
}

// Sends the current view document; false (reported) when the dialog is to stay open.
bool transferCurrentDrawing(ViewerSession& session, DdeClient& dde, int versionCode) {
  const DXF_Zeichnung* current = session.currentDocument();
  if (!current) return true;
  // What the command line could not read is refused before any file is written.
  if (!isCadBlockName(dde.blockName.str())) return failWith(session, kUnusableName);
  MainWindowState& window = session.window;
  const std::string opened = window.openedFile.str();
  if (isOwnFormat(opened)) {
    if (!isQuotablePath(opened)) return failWith(session, kUnusablePath);
    return dde.sendDirectInsertScript(opened.c_str()) ? true : failWith(session, kNoAnswer);
  }
  const DXF_Interface* viewer = window.viewerInterface;
  const auto folder = transferFolder(viewer ? std::string(viewer->workPath) : "");
  if (!folder) return failWith(session, kCannotPrepare);
  if (!isQuotablePath(*folder)) return failWith(session, kUnusablePath);
  const std::string file =
      transferFilePath(*folder, nextTransferNumber(window.transferFileCounter));
  PlacementCut cut;
  if (auto document =
          transferDocument(*current, ViewDocuments::viewName(session.view.viewType), &cut)) {
    if (document->writeDXF(file) < 0) return failWith(session, kCannotPrepare);
    // The CAD program still gets what fitted; the user learns what it lacks.
    if (cut.cut()) showMessage(session, kDrawingCut, cut.sentence());
  } else if (!copyTransferFile(opened, file)) {
    // Without its file the script would only make the CAD program complain.
    return failWith(session, kCannotPrepare);
  }
  const WorldWindow view = session.view.window();
  return dde.sendInsertScript(file.c_str(), view.minX, view.minY, view.maxX, view.maxY, versionCode)
             ? true
             : failWith(session, kNoAnswer);
}

}  // namespace

int CB_insert(GwCore* widget, GwEvent* /*event*/, GwUD userData) {
  ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 1;
  DdeClient* dde = transferClient();
  if (!dde) {
    showMessage(*session, kCannotPrepare);
    return 1;
  }
  GwCore* dialog = widget->frame();
  const CadVersion& version = chosenCadVersion([dialog](const char* toggle) {
    GwCore* button = dialog ? dialog->frame_child(toggle) : nullptr;
    return button && button->toggle_state() == 1;
  });
  if (DXF_Interface* viewer = session->window.viewerInterface) viewer->cadVersion = version.name;
  if (!dde->initialize(version.service)) {
    showMessage(*session, kCannotPrepare);
    dde->release();
    return 1;
  }
  dde->timeStamp = transferTimeStamp(std::time(nullptr));
  dde->blockName = transferBlockName(baseName(*session, dialog), dde->timeStamp);
  dde->insertX = fieldNumber(dialog, "EB_DDE_x");
  dde->insertY = fieldNumber(dialog, "EB_DDE_y");
  dde->insertAngle = fieldNumber(dialog, "EB_DDE_w");

  busyBegin(*session);
  const bool transferred = transferCurrentDrawing(*session, *dde, version.code);
  busyEnd(*session);
  dde->release();
  if (transferred) {
    if (dialog) dialog->popdown();
    endTransferClient();
  }
  return 1;
}
