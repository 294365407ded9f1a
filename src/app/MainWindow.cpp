// Building and running the main window; its frame callbacks.
#include "app/MainWindow.h"

#include <memory>
#include <string>

#include "interface/DXF_Interface.h"
#include "app/FuncDescTable.h"
#include "dxf/CNumericLocale.h"
#include "toolkit/GwFrame.h"
#include "toolkit/GwPath.h"
#include "toolkit/GwRcMgr.h"
#include "toolkit/GwString.h"
#include "toolkit/GwUDStr.h"
#include "settings/IniFile.h"
#include "app/DesktopOpening.h"
#include "app/FileCommands.h"
#include "app/KeyCommands.h"
#include "app/MainFrameGeometry.h"
#include "viewer/Measuring.h"
#include "viewer/PointerPosition.h"
#include "viewer/Redraw.h"
#include "app/RecentMenu.h"
#include "app/ShellCallbacks.h"
#include "viewer/StandardViews.h"
#include "viewer/ViewZoom.h"
#include "viewer/ViewerSession.h"
#include "viewer/WindowUtilities.h"

namespace {

void forEachChild(GwCore* frame, std::initializer_list<const char*> names,
                  void (*action)(GwCore*)) {
  for (const char* name : names) {
    if (GwCore* child = frame->frame_child(name)) action(child);
  }
}

void hideChild(GwCore* widget) { widget->hide(); }
void disableChild(GwCore* widget) { widget->make_insensitive(); }

// A setting of [General] as a path: folder + separator + name (or name alone).
std::string generalPath(IniFile* settings, const char* folderKey, const std::string& name) {
  const std::string folder = settings ? settings->getString("General", folderKey) : "";
  return folder.empty() ? name : GwMakepath(nullptr, folder.c_str(), name.c_str(), nullptr);
}

// The stored content size decides the first layout, smaller than the resource file's
// default size too; without a stored size the default stays. Then the whole frame is
// placed on the screen, and maximized when it was.
void sizeAndPlace(GwCore& frame, const FrameGeometry& geometry) {
  GwCore* content = frame.frame_child("C_cont");
  auto* application = dynamic_cast<GwFrame*>(&frame);
  if (content && application && geometry.dimW > 0 && geometry.dimH > 0) {
    content->set_size(geometry.dimW, geometry.dimH);
    application->fit_to_content();
  }
  const GwPosition position =
      clampFramePosition({geometry.posX, geometry.posY}, frame.size(), GwCore::screen_size());
  frame.set_position(position.x, position.y);
  if (geometry.state != 0) frame.maximize();
}

// Moves the menu bar and the controls of the dialog frame into the application frame and
// gives it the dialog's title, size and frame callbacks.
void mergeFrames(GwFrame& application, GwFrame& dialog) {
  if (GwCore* menuBar = dialog.frame_child("MB_Menubar")) menuBar->reparent(&application);
  if (GwCore* controls = dialog.first_control()) controls->reparent(&application);
  application.set_text(dialog.text().c_str());
  const GwDimension size = dialog.size();
  application.set_size(size.width, size.height);
  for (const GwCallback& callback : dialog.callback_list()) {
    application.add_callback(callback.atom, callback.handler, callback.mask, callback.userData);
  }
}

}  // namespace

void buildMainWindow(ViewerSession& session, DXF_Interface* viewer, int viewType) {
  CNumericLocale numbersWithPoint;
  session.documents.clear();
  MainWindowState& window = session.window;
  ViewState& view = session.view;
  window.viewerInterface = viewer;
  view.startViewType = viewer->startViewType;
  view.startRotation = viewer->startRotation;
  window.hasComponentName = viewer->hasComponentName();
  window.frameSettings = viewer->settingsFile;
  IniFile* settings = window.frameSettings;
  if (settings) {
    viewer->workPath = settings->getString("General", "WorkPath");
    readFrameGeometry(*settings, viewer->frameGeometry);
  }
  window.drawingTitle = viewer->drawingTitle.c_str();
  view.viewType = viewType;
  view.rotation = 0;
  window.alternativeLayer = 1;
  const std::string logo = settings ? settings->getString("General", "Logo") : "";
  window.logoPath = generalPath(settings, "BmpPath", logo).c_str();
  session.mouse = MouseActions{zoomWindow, measureRelease, measureMotion};

  bool windowRan = false;
  if (gw_def_mgr.use("geo.cgw")) {
    gw_def_mgr.use_func_desc(FuncDescTable);
    std::unique_ptr<GwFrame> application(
        gw_def_mgr.load("Anwendungsfenster", nullptr, 1, &session));
    view.drawingShown = 0;
    if (application && application->class_id() == GwAPPLFRAME_CLASS) {
      std::unique_ptr<GwFrame> dialog(gw_def_mgr.load("DXFViewer_Dialog", nullptr, 1, &session));
      if (dialog && dialog->class_id() == GwDIALOGFRAME_CLASS) {
        mergeFrames(*application, *dialog);
        window.frame = application.get();
        application->run();
        windowRan = true;
        view.rubberBand.reset();
        window.layerDialog.reset();
        dialog.reset();
        application.reset();
        window.frame = nullptr;
      }
    }
  }
  view.busy.reset();

  if (settings) {
    storeFrameGeometry(*settings, viewer->frameGeometry);
    // The folder is known only when the window was shown; otherwise the stored one stays.
    if (windowRan) settings->setValue("DXFViewer", "ViewerPath", window.viewerPath.c_str());
    settings->write();
  }
  window.viewerInterface = nullptr;
  session.documents.clear();
}

int CB_create_frame(GwCore* frame, GwEvent* /*event*/, GwUD userData) {
  ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 1;
  busyBegin(*session);
  session->window.transferFileCounter = 0;
  if (GwCore* radio = frame->frame_child("MI_radio50")) radio->set_toggle_state(1);
  session->view.zoomStep = 0.5;
  session->view.mouseMode = MouseMode::Zoom;
  forEachChild(
      frame,
      {"SB_vert", "SB_hori", "PB_left", "PB_right", "PB_top", "PB_bottom", "PB_back", "PB_front",
       "PB_all", "PB_cut", "PB_acad", "PB_Layer", "PB_mass", "PB_zoom", "PB_info", "PB_hilfe"},
      hideChild);
  forEachChild(frame, {"PB_Zurueck", "PB_zoom"}, disableChild);
  forEachChild(frame, {"MI_zoom", "MI_zoom_sep", "MI_ACAD", "MI_ACAD_sep", "DA_zoom"}, hideChild);
  statusClear(*session);
  busyEnd(*session);
  frame->set_cursor(GwCURSOR_ARROW);
  return 1;
}

int CB_show_frame(GwCore* frame, GwEvent* event, GwUD userData) {
  CB_Translate(frame, event, userData);
  ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 1;
  MainWindowState& window = session->window;
  if (window.frameSettings) {
    window.viewerPath = window.frameSettings->getString("DXFViewer", "ViewerPath");
  }
  session->view.activeButton = GwBUTTON_LEFT;
  if (const DXF_Interface* viewer = window.viewerInterface) {
    sizeAndPlace(*frame, viewer->frameGeometry);
  }
  forEachChild(frame, {"MI_?", "MI_info", "MI_hilfe", "MI_zoom", "MI_zoom_sep"}, hideChild);

  const GwStringType stringType = GwString::string_type();
  GwString::set_string_type(GwSTRING_TWO_DECIMALS);
  {
    CNumericLocale numbersWithPoint;
    window.layerDialog.reset(gw_def_mgr.load("Layerdefinition_Dialog", frame, 1, session));
  }
  if (stringType != GwSTRING_TWO_DECIMALS) GwString::set_string_type(stringType);
  return 1;
}

int CB_hide_frame(GwCore* frame, GwEvent* /*event*/, GwUD userData) {
  const ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 1;
  const MainWindowState& window = session->window;
  DXF_Interface* viewer = window.viewerInterface;
  if (!viewer) return 1;
  GwCore* content = frame->frame_child("C_cont");
  geometryOnHide(viewer->frameGeometry, frame->window_state(),
                 content ? content->size() : GwDimension{}, frame->position());
  if (window.frameSettings) {
    storeFrameGeometry(*window.frameSettings, viewer->frameGeometry);
    window.frameSettings->write();
  }
  return 1;
}

int CB_resize_frame(GwCore* /*frame*/, GwEvent* /*event*/, GwUD /*userData*/) { return 1; }

int CB_start(GwCore* frame, GwEvent* event, GwUD userData) {
  ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 1;
  session->view.fitted = 0;
  session->window.openedFile = "";
  session->window.frameTitle = frame->text();
  forEachChild(frame, {"PB_Position"}, hideChild);
  if (GwCore* help = frame->frame_child("PB_hilfe")) {
    init_picture(help, event, GwUDStr("dxfinfo", session));
    help->set_text("Info");
    help->set_help_text("Info");
    help->show();
  }
  forEachChild(frame, {"PB_Zurueck"}, hideChild);
  if (GwCore* area = frame->frame_child("DA_draw")) {
    area->add_callback(GwCB_EXPOSE, redrawHandler, 0, session->userData());
    area->add_callback(GwCB_RESIZE, resizeHandler, 0, session->userData());
  }
  offerStandardViews(*session);
  // What the desktop expects of the window: keys shown in the menus, files dropped on it or
  // handed over by the launcher, the recent files, the pointer's place.
  acceptKeyCommands(*session, *frame);
  showMenuAccelerators(*session);
  showFileCommands(*session);
  showRecentFiles(*session);
  acceptDesktopOpening(*session, *frame);
  clearPositionOnLeave(*session);
  return 1;
}

int init_picture(GwCore* button, GwEvent* /*event*/, GwUD userData) {
  const ViewerSession* session = ViewerSession::of(userData);
  if (!button || !session) return 1;
  const std::string path = generalPath(session->window.frameSettings, "BmpPath", userData.str());
  button->set_picture_mode(GwPICTURE_ONLY);
  button->set_picture(path.c_str());
  return 1;
}
