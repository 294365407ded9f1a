// The "TestTool" module the end-to-end tests load into the real viewer: it drives the main
// window from GTK timers, writes what it saw into a report file and screenshots into the
// artifact folder, and closes the window again.
//
// Environment: DXFV_TestReport (report file), DXFV_TestArtifacts (folder for pictures),
// DXFV_TestMove ("x y": where to move the frame before closing it), DXFV_TestOpen (a
// drawing: run the drawing scenario of TestToolDrawing.cpp instead of the start scenario),
// DXFV_TestViews (a drawing with views: run the views scenario of TestToolViews.cpp),
// DXFV_TestLayers (a drawing: run the layer dialog scenario of TestToolLayers.cpp),
// DXFV_TestTransfer (with DXFV_TestOpen: the transfer scenario of TestToolTransfer.cpp),
// DXFV_TestPrint (with DXFV_TestOpen, a PDF file: the printing scenario of
// TestToolPrinting.cpp), DXFV_TestDesktop ("session" or "recent": the desktop scenarios of
// TestToolDesktop.cpp, for a viewer the launcher started), DXFV_TestLoadKey (a large drawing:
// the loading scenario of TestToolLoading.cpp).
#include <gtk/gtk.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "TestToolSupport.h"
#include "toolkit/GObjectHandle.h"

gboolean drawingTick(gpointer);
gboolean viewsTick(gpointer);
gboolean printingTick(gpointer);
gboolean transferTick(gpointer);
gboolean layerTick(gpointer);
gboolean desktopTick(gpointer);
gboolean loadingTick(gpointer);

namespace {

using testtool::findByName;
using testtool::report;
using testtool::screenshot;
using testtool::visibleWindow;

// Controls that need a drawing: hidden while none is shown.
const char* const kHidden[] = {"SB_vert",    "SB_hori",  "PB_left",  "PB_right",    "PB_top",
                               "PB_bottom",  "PB_back",  "PB_front", "PB_all",      "PB_cut",
                               "PB_acad",    "PB_Layer", "PB_mass",  "PB_zoom",     "PB_info",
                               "MI_zoom",    "MI_ACAD",  "DA_zoom",  "PB_Position", "PB_Zurueck",
                               "MI_Ansicht", "MI_?"};
// Controls a start without a drawing shows.
const char* const kShown[] = {"MB_Menubar", "PB_open", "PB_hilfe", "DA_draw",
                              "EB_status",  "EB_text", "C_cont"};

enum class Step { FindWindow, Settle, Check, OpenInfo, CloseInfo, Move, Close, Done };
Step step = Step::FindWindow;
int ticks = 0;

void checkMainWindow(GtkWidget* window) {
  for (const char* name : kHidden) {
    GtkWidget* widget = findByName(window, name);
    report(std::string(widget && !gtk_widget_get_visible(widget) ? "hidden " : "FAIL hidden ") +
           name);
  }
  for (const char* name : kShown) {
    GtkWidget* widget = findByName(window, name);
    report(std::string(widget && gtk_widget_is_visible(widget) ? "shown " : "FAIL shown ") + name);
  }
  if (GtkWidget* help = findByName(window, "PB_hilfe")) {
    const GStringPtr tip(gtk_widget_get_tooltip_text(help));
    report(std::string("help tooltip ") + (tip ? tip.get() : ""));
  }
}

gboolean tick(gpointer) {
  ++ticks;
  // A message box of the start-up: note it and confirm it.
  if (GtkWidget* message = visibleWindow(nullptr, true)) {
    gchar* text = nullptr;
    g_object_get(message, "text", &text, nullptr);
    report(std::string("message ") + (text ? text : ""));
    g_free(text);
    gtk_dialog_response(GTK_DIALOG(message), GTK_RESPONSE_OK);
    return G_SOURCE_CONTINUE;
  }
  GtkWidget* main = visibleWindow("Anwendungsfenster");
  if (!main && step != Step::FindWindow) {
    report("FAIL main window gone");
    return G_SOURCE_REMOVE;
  }
  switch (step) {
    case Step::FindWindow:
      if (main) {
        step = Step::Settle;
        ticks = 0;
      }
      break;
    case Step::Settle:
      if (ticks >= 5) step = Step::Check;
      break;
    case Step::Check:
      checkMainWindow(main);
      screenshot(main, "main_window.png");
      step = Step::OpenInfo;
      break;
    case Step::OpenInfo:
      step = Step::CloseInfo;
      ticks = 0;
      // The info frame runs modally. Clicked from a source of its own, so that this timer,
      // not being inside its own dispatch, keeps ticking inside the modal loop.
      testtool::click(main, "PB_hilfe");
      break;
    case Step::CloseInfo:
      if (GtkWidget* info = visibleWindow("DF_Info")) {
        if (ticks < 3) break;
        report("info shown");
        screenshot(info, "info_frame.png");
        gtk_window_close(GTK_WINDOW(info));
        step = Step::Move;
      } else if (ticks > 50) {
        report("FAIL info not shown");
        step = Step::Move;
      }
      break;
    case Step::Move:
      if (const char* move = std::getenv("DXFV_TestMove")) {
        int x = 0;
        int y = 0;
        if (std::sscanf(move, "%d %d", &x, &y) == 2) gtk_window_move(GTK_WINDOW(main), x, y);
      }
      step = Step::Close;
      ticks = 0;
      break;
    case Step::Close:
      if (ticks < 3) break;
      if (GtkWidget* content = findByName(main, "C_cont")) {
        report("content " + std::to_string(gtk_widget_get_allocated_width(content)) + " " +
               std::to_string(gtk_widget_get_allocated_height(content)));
      }
      {
        int x = 0;
        int y = 0;
        gtk_window_get_position(GTK_WINDOW(main), &x, &y);
        report("position " + std::to_string(x) + " " + std::to_string(y));
      }
      report("closing");
      gtk_window_close(GTK_WINDOW(main));
      step = Step::Done;
      return G_SOURCE_REMOVE;
    case Step::Done: return G_SOURCE_REMOVE;
  }
  return G_SOURCE_CONTINUE;
}

}  // namespace

extern "C" int init_test_func() {
  report("loaded");
  GSourceFunc scenario = tick;
  if (std::getenv("DXFV_TestOpen")) scenario = drawingTick;
  if (std::getenv("DXFV_TestViews")) scenario = viewsTick;
  if (std::getenv("DXFV_TestPrint")) scenario = printingTick;
  if (std::getenv("DXFV_TestLayers")) scenario = layerTick;
  if (std::getenv("DXFV_TestTransfer")) scenario = transferTick;
  if (std::getenv("DXFV_TestDesktop")) scenario = desktopTick;
  if (std::getenv("DXFV_TestLoadKey")) scenario = loadingTick;
  g_timeout_add(100, scenario, nullptr);
  return 1;  // stay loaded: the timer lives in this module
}
