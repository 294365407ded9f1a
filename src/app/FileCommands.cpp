// Open and save-as.
#include "app/FileCommands.h"

#include <memory>
#include <string>

#include "document/DXF_Zeichnung.h"
#include "viewer/FileNameLine.h"
#include "toolkit/GwDrawnButton.h"
#include "toolkit/GwFileSelector.h"
#include "toolkit/GwFrame.h"
#include "toolkit/GwPath.h"
#include "settings/IniFile.h"
#include "viewer/MainWindowState.h"
#include "app/MouseMode.h"
#include "app/OpenAdmission.h"
#include "viewer/Redraw.h"
#include "app/SaveAsName.h"
#include "viewer/StandardViews.h"
#include "viewer/ViewDocuments.h"
#include "viewer/ViewState.h"
#include "viewer/ViewZoom.h"
#include "viewer/WindowUtilities.h"

namespace {

constexpr const char* kCannotShow = "MsgBox_Kann_nicht_anzeigen";
constexpr const char* kCannotSave = "MsgBox_Fehler_beim_Speichern";

void forEach(std::initializer_list<const char*> names, void (*action)(GwCore*)) {
  for (const char* name : names) {
    if (GwCore* widget = mainChild(name)) action(widget);
  }
}
void hideWidget(GwCore* widget) { widget->hide(); }
void showWidget(GwCore* widget) { widget->show(); }
void makeSensitive(GwCore* widget) { widget->make_sensitive(); }
void makeInsensitive(GwCore* widget) { widget->make_insensitive(); }

const std::initializer_list<const char*> kZoomControls = {"PB_zoomp", "PB_zoomm", "PB_zoomb",
                                                          "MI_Optionen", "MI_Zoom"};

std::string labelText(const char* name) {
  const GwCore* label = mainChild(name);
  return label ? label->text() : std::string();
}

// The file selector's start folder becomes the folder of the chosen file.
void rememberFolder(const std::string& path) {
  std::string drive;
  std::string folder;
  GwSplitpath(path.c_str(), &drive, &folder, nullptr, nullptr);
  mainWindow().viewerPath = drive + folder;
}

std::string setting(const char* key) {
  IniFile* settings = mainWindow().frameSettings;
  const char* value = settings ? settings->getString("DXFViewer", key) : nullptr;
  return value ? value : "";
}

void cannotShow() {
  forEach(kZoomControls, makeInsensitive);
  forEach({"MI_Ansicht"}, hideWidget);
  statusClear();
  showMessage(kCannotShow);
}

void showCommands() {
  forEach({"PB_mass", "PB_zoom", "MI_zoom", "MI_zoom_sep", "PB_Layer", "PB_acad", "MI_Layer",
           "MI_Layer_sep", "MI_ACAD", "MI_ACAD_sep"},
          showWidget);
  // Shown again so that an open layer dialog is brought up to date with the new drawing.
  if (GwFrame* dialog = mainWindow().layerDialog.get(); dialog && dialog->is_shown()) {
    dialog->hide();
    dialog->show();
  }
  forEach(kZoomControls, makeSensitive);
  forEach({"MI_Ansicht"}, hideWidget);
}

// Widens the drawing's extents and makes them the world window; a drawing without width
// or height gets a minimal one, so that it can be fitted.
void takeExtents(DXF_Zeichnung& drawing) {
  const auto extents = [&drawing] {
    return WorldWindow{drawing.minX(), drawing.minY(), drawing.maxX(), drawing.maxY()};
  };
  const auto grow = [&drawing](const WorldWindow& box) {
    drawing.growExtents(box.minX, box.minY, box.maxX, box.maxY);
  };
  grow(ZoomGeometry::margins(extents()));
  grow(ZoomGeometry::withMinimalSize(extents()));
  viewState().setWindow(extents());
}

// Reads the chosen file and shows it when admitted; the steps after the file selector.
void openChosen(const std::string& path) {
  MainWindowState& window = mainWindow();
  ViewState& view = viewState();
  busyBegin();
  // Off the screen while loading: a repaint must not show a half-read drawing.
  GwCore* area = mainChild("DA_draw");
  if (area && area->is_shown()) area->hide();
  forgetStandardViews();
  viewDocuments().replace(0, std::make_unique<DXF_Zeichnung>());
  DXF_Zeichnung& drawing = *viewDocuments().at(0);
  statusClear();
  window.openedFile = "";
  showOpenedFile();
  forEach({"SB_vert", "SB_hori", "PB_left", "PB_right", "PB_top", "PB_bottom", "PB_front",
           "PB_back", "PB_all", "PB_mass", "PB_zoom", "MI_zoom", "MI_zoom_sep", "PB_Layer",
           "PB_acad", "MI_Layer", "MI_Layer_sep", "MI_ACAD", "MI_ACAD_sep", "PB_info",
           "MI_info"},
          hideWidget);
  showZoomMode();

  if (drawing.readDXF(path) < 0) {
    viewDocuments().replace(0, nullptr);
    cannotShow();
    return;
  }
  const Admission admission =
      admitDrawing(drawing, setting("SilLayer").c_str(), setting("MassblLayer").c_str(),
                   window.alternativeLayer != 0);
  if (admission == Admission::Refused) {
    cannotShow();
    return;
  }
  if (admission == Admission::WithCommands) showCommands();
  offerStandardViews();

  window.openedFile = path;
  showOpenedFile();
  takeExtents(drawing);
  view.drawingShown = 1;
  if (area) area->show();
  fitCurrentView();
  view.fitted = 1;
  window.drawingTitle = "";
}

}  // namespace

int CB_open(GwCore* frame, GwEvent* /*event*/, GwUD /*userData*/) {
  detachMouseHandlers();
  ViewState& view = viewState();
  view.drawingShown = 0;
  view.fitted = 0;
  MainWindowState& window = mainWindow();
  std::string path;
  if (GwFileSelector(path, frame, window.viewerPath.c_str(), "*.dxf", 0,
                     labelText("LB_Translate_Anzeigen").c_str())) {
    rememberFolder(path);
    openChosen(path);
  }
  busyEnd();
  if (auto* area = dynamic_cast<GwDrawnButton*>(mainChild("DA_draw"))) area->clear_window();
  return 1;
}

int CB_saveas(GwCore* frame, GwEvent* /*event*/, GwUD /*userData*/) {
  MainWindowState& window = mainWindow();
  const std::string proposed = proposedSaveName(window.drawingTitle.c_str());
  const DXF_Zeichnung* drawing = viewDocuments().current();
  if (!drawing) return 1;
  std::string path;
  if (!GwFileSelector(path, frame, window.viewerPath.c_str(), proposed.c_str(), 1,
                      labelText("LB_Translate_Speichern_unter").c_str())) {
    return 1;
  }
  rememberFolder(path);
  const std::string before = window.openedFile.str();
  window.openedFile = path;
  showOpenedFile();
  if (auto* area = dynamic_cast<GwDrawnButton*>(mainChild("DA_draw"))) area->clear_window();
  busyBegin();
  // A path longer than the opened-file field is refused rather than written under a name
  // the viewer could not show.
  const bool fits = path.size() <= decltype(window.openedFile)::capacity;
  const int code = fits ? drawing->writeDXF(path) : -50;
  busyEnd();
  if (code < 0) {
    window.openedFile = before;
    showOpenedFile();
    showMessage(kCannotSave);
  }
  return 1;
}
