// Open and save-as.
#include "app/FileCommands.h"

#include <cctype>
#include <memory>
#include <string>

#include "document/DXF_Zeichnung.h"
#include "document/IndexedDrawing.h"
#include "document/ReadResult.h"
#include "settings/Cp1252.h"
#include "viewer/FileNameLine.h"
#include "toolkit/GwDrawnButton.h"
#include "toolkit/GwFileSelector.h"
#include "toolkit/GwFrame.h"
#include "toolkit/GwPath.h"
#include "settings/IniFile.h"
#include "platform/BackgroundWork.h"
#include "platform/FreedMemory.h"
#include "app/MouseMode.h"
#include "app/OpenAdmission.h"
#include "app/RecentMenu.h"
#include "viewer/Redraw.h"
#include "app/SaveAsName.h"
#include "viewer/StandardViews.h"
#include "viewer/ViewZoom.h"
#include "viewer/ViewerSession.h"
#include "viewer/WindowUtilities.h"

namespace {

constexpr const char* kCannotRead = "MsgBox_Kann_nicht_anzeigen";
constexpr const char* kLayerMissing = "MsgBox_Layer_fehlt";
constexpr const char* kCannotSave = "MsgBox_Fehler_beim_Speichern";
constexpr const char* kLeftOut = "MsgBox_Zeichnung_gekuerzt";

void forEach(const ViewerSession& session, std::initializer_list<const char*> names,
             void (*action)(GwCore*)) {
  for (const char* name : names) {
    if (GwCore* widget = session.child(name)) action(widget);
  }
}
void hideWidget(GwCore* widget) { widget->hide(); }
void showWidget(GwCore* widget) { widget->show(); }
void makeSensitive(GwCore* widget) { widget->make_sensitive(); }
void makeInsensitive(GwCore* widget) { widget->make_insensitive(); }

const std::initializer_list<const char*> kZoomControls = {"PB_zoomp", "PB_zoomm", "PB_zoomb",
                                                          "MI_Optionen", "MI_Zoom"};

std::string labelText(const ViewerSession& session, const char* name) {
  const GwCore* label = session.child(name);
  return label ? label->text() : std::string();
}

// The file selector's start folder becomes the folder of the chosen file.
void rememberFolder(ViewerSession& session, const std::string& path) {
  std::string drive;
  std::string folder;
  GwSplitpath(path.c_str(), &drive, &folder, nullptr, nullptr);
  session.window.viewerPath = drive + folder;
}

// A layer name from the settings file, in the drawing's code page.
std::string layerSetting(const ViewerSession& session, const char* key) {
  IniFile* settings = session.window.frameSettings;
  const char* value = settings ? settings->getString("DXFViewer", key) : nullptr;
  return value ? utf8ToCp1252(value) : "";
}

void cannotShow(ViewerSession& session) {
  forEach(session, kZoomControls, makeInsensitive);
  forEach(session, {"MI_Ansicht"}, hideWidget);
  statusClear(session);
  showMessage(session, kLayerMissing);
}

void showCommands(ViewerSession& session) {
  forEach(session,
          {"PB_mass", "PB_zoom", "MI_zoom", "MI_zoom_sep", "PB_Layer", "PB_acad", "MI_Layer",
           "MI_Layer_sep", "MI_ACAD", "MI_ACAD_sep"},
          showWidget);
  // Shown again so that an open layer dialog is brought up to date with the new drawing.
  if (GwFrame* dialog = session.window.layerDialog.get(); dialog && dialog->is_shown()) {
    dialog->hide();
    dialog->show();
  }
  forEach(session, kZoomControls, makeSensitive);
  forEach(session, {"MI_Ansicht"}, hideWidget);
}

// Widens the drawing's extents and makes them the world window; a drawing without width
// or height gets a minimal one, so that it can be fitted.
void takeExtents(ViewerSession& session, DXF_Zeichnung& drawing) {
  const auto extents = [&drawing] {
    return WorldWindow{drawing.minX(), drawing.minY(), drawing.maxX(), drawing.maxY()};
  };
  const auto grow = [&drawing](const WorldWindow& box) {
    drawing.growExtents(box.minX, box.minY, box.maxX, box.maxY);
  };
  grow(ZoomGeometry::margins(extents()));
  grow(ZoomGeometry::withMinimalSize(extents()));
  session.view.setWindow(extents());
}

// Reads the chosen file and shows it when admitted; the steps after the file selector.
// False when the file could not be read: the user is told why, and the drawing open before
// stays as it was.
bool openChosen(ViewerSession& session, const std::string& path) {
  MainWindowState& window = session.window;
  ViewState& view = session.view;
  busyBegin(session);
  auto read = std::make_unique<DXF_Zeichnung>();
  int code = 0;
  std::shared_ptr<const IndexedDrawing> scene;
  // Read and index on a thread of their own: the window answers meanwhile, the status
  // line grows a bullet now and then, and the drawing shown before stays on screen.
  window.loading = true;
  statusClear(session);
  runWhileAnswering(
      [&] {
        code = read->readDXF(path);
        if (code >= 0) scene = std::make_shared<const IndexedDrawing>(*read);
      },
      [&session] { statusProgress(session); });
  window.loading = false;
  // Closed meanwhile: the drawing is neither shown nor remembered.
  if (window.frame && !window.frame->is_shown()) return true;
  if (code < 0) {
    statusClear(session);
    std::string reason = readResultMeaning(code);
    reason[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(reason[0])));
    // The system's words come in the locale's encoding, UTF-8.
    if (!read->readProblem().empty()) reason += ": " + utf8ToCp1252(read->readProblem());
    showMessage(session, kCannotRead, "This drawing cannot be shown. " + reason + ".");
    return false;
  }
  // Off the screen while loading: a repaint must not show a half-read drawing.
  GwCore* area = session.child("DA_draw");
  if (area && area->is_shown()) area->hide();
  forgetStandardViews(session);
  session.documents.replace(0, std::move(read));
  DXF_Zeichnung& drawing = *session.documents.at(0);
  session.scenes.adopt(std::move(scene));
  statusClear(session);
  window.openedFile = "";
  showOpenedFile(session);
  forEach(session, {"SB_vert",     "SB_hori",  "PB_left", "PB_right", "PB_top",       "PB_bottom",
                    "PB_front",    "PB_back",  "PB_all",  "PB_mass",  "PB_zoom",      "MI_zoom",
                    "MI_zoom_sep", "PB_Layer", "PB_acad", "MI_Layer", "MI_Layer_sep", "MI_ACAD",
                    "MI_ACAD_sep", "PB_info",  "MI_info"},
          hideWidget);
  showZoomMode(session);

  const Admission admission =
      admitDrawing(drawing, layerSetting(session, "SilLayer").c_str(),
                   layerSetting(session, "MassblLayer").c_str(), window.alternativeLayer != 0);
  window.withoutCommands = admission == Admission::WithoutCommands;
  if (admission == Admission::Refused) {
    cannotShow(session);
    return true;
  }
  if (admission == Admission::WithCommands) showCommands(session);
  forEach(session, {"PB_info", "MI_info"}, showWidget);
  offerStandardViews(session);

  window.openedFile = path;
  showOpenedFile(session);
  takeExtents(session, drawing);
  view.drawingShown = 1;
  if (area) area->show();
  fitCurrentView(session);
  view.fitted = 1;
  window.drawingTitle = "";
  rememberOpenedFile(session, path);
  return true;
}

// The open road shared by the open command, the launcher's requests, dropped files and the
// recent files: the mouse handlers go, the file is read and shown when admitted. An empty
// path (the file selector was cancelled) reads nothing, and a drawing shown before is
// shown as it was, like after a failed read.
template <typename ChoosePath>
void openDrawing(ViewerSession& session, ChoosePath choosePath) {
  // The window answers while a drawing loads; a second open must wait until it is shown.
  // The progress marks follow the note.
  if (session.window.loading) {
    statusSet(session, labelText(session, "LB_Translate_Laedt").c_str());
    return;
  }
  detachMouseHandlers(session);
  ViewState& view = session.view;
  const int wasShown = view.drawingShown;
  view.drawingShown = 0;
  view.fitted = 0;
  const std::string path = choosePath();
  if (!path.empty()) rememberFolder(session, path);
  if ((path.empty() || !openChosen(session, path)) && wasShown) {
    // The drawing shown before is shown again, fitted, with its mouse handlers.
    view.drawingShown = 1;
    view.fitted = 1;
  }
  // Whatever the open read or replaced is freed by now.
  if (!path.empty()) giveBackFreedMemory();
  busyEnd(session);
  showFileCommands(session);
  if (auto* area = dynamic_cast<GwDrawnButton*>(session.child("DA_draw"))) area->clear_window();
}

}  // namespace

int CB_open(GwCore* frame, GwEvent* /*event*/, GwUD userData) {
  ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 1;
  std::string path;
  openDrawing(*session, [&] {
    return GwFileSelector(path, frame, session->window.viewerPath.c_str(), "*.dxf", GwFILE_OPEN,
                          labelText(*session, "LB_Translate_Anzeigen").c_str())
               ? path
               : std::string();
  });
  return 1;
}

void showFileCommands(const ViewerSession& session) {
  const bool shown = session.currentDocument() &&
                     (session.view.drawingShown || !session.window.openedFile.empty());
  forEach(session, {"MI_saveas", "MI_print", "PB_saveas", "PB_print"},
          shown ? makeSensitive : makeInsensitive);
}

void openDrawingFile(ViewerSession& session, const std::string& path) {
  openDrawing(session, [&path] { return path; });
}

int CB_saveas(GwCore* frame, GwEvent* /*event*/, GwUD userData) {
  ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 1;
  MainWindowState& window = session->window;
  const std::string proposed =
      proposedSaveName(window.drawingTitle.c_str(), window.openedFile.str());
  const DXF_Zeichnung* drawing = session->currentDocument();
  if (!drawing) return 1;
  std::string path;
  if (!GwFileSelector(path, frame, window.viewerPath.c_str(), proposed.c_str(), GwFILE_SAVE,
                      labelText(*session, "LB_Translate_Speichern_unter").c_str())) {
    return 1;
  }
  path = withDxfExtension(path);
  rememberFolder(*session, path);
  const std::string before = window.openedFile.str();
  window.openedFile = path;
  showOpenedFile(*session);
  if (auto* area = dynamic_cast<GwDrawnButton*>(session->child("DA_draw"))) area->clear_window();
  busyBegin(*session);
  // A path longer than the opened-file field is refused rather than written under a name
  // the viewer could not show.
  const bool fits = path.size() <= decltype(window.openedFile)::capacity;
  WriteReport report;
  const int code = fits ? drawing->writeDXF(path, &report) : -50;
  busyEnd(*session);
  if (code < 0) {
    window.openedFile = before;
    showOpenedFile(*session);
    if (report.reason.empty()) {
      showMessage(*session, kCannotSave);
    } else {
      showMessage(*session, kCannotSave,
                  "The drawing could not be saved: " + utf8ToCp1252(report.reason) + ".");
    }
  } else if (report.leftOut > 0) {
    showMessage(*session, kLeftOut,
                std::to_string(report.leftOut) +
                    " object(s) with a value that is not a number were left out of the "
                    "saved file.");
  }
  return 1;
}
