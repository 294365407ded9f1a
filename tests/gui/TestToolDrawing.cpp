// The drawing scenario of the TestTool module: opens the drawing DXFV_TestOpen through the
// file selector's test hook, looks at the painted picture, zooms in, drags a zoom
// rectangle, zooms back, measures, saves as DXFV_TestSaveAs and opens that file again.
#include <gtk/gtk.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "toolkit/GwFileSelector.h"
#include "TestToolSupport.h"

using testtool::click;
using testtool::fieldText;
using testtool::findByName;
using testtool::report;
using testtool::screenshot;

namespace {

enum class Step {
  FindWindow,
  Open,
  Opened,
  ZoomIn,
  ZoomedIn,
  Rectangle,
  Back,
  Measure,
  Measured,
  SaveAs,
  Reopen,
  Close,
  Done
};
Step step = Step::FindWindow;
int ticks = 0;
std::string openPath;  // the answer to the next open request

std::string env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

void answerFileSelector() {
  openPath = env("DXFV_TestOpen");
  GwSetFileSelectorHook([](const GwFileRequest& request, std::string& chosen) {
    report("selector " + std::to_string(request.mode) + " " + request.pattern);
    chosen = request.mode == GwFILE_OPEN ? openPath : env("DXFV_TestSaveAs");
    return !chosen.empty();
  });
}

int visible(GtkWidget* main, const char* name) {
  GtkWidget* widget = findByName(main, name);
  return widget && gtk_widget_get_visible(widget) ? 1 : 0;
}

void reportBars(GtkWidget* main, const char* when) {
  report(std::string("bars ") + when + " " + std::to_string(visible(main, "SB_hori")) + " " +
         std::to_string(visible(main, "SB_vert")));
}

// What the drawing area shows: the share of white pixels in thousandths, and the number of
// pixels in red (colour 1, #FF0000) and in green (colour 3, #149E0A).
void reportColours(GtkWidget* main, const char* when) {
  GdkPixbuf* picture = testtool::pictureOf(findByName(main, "DA_draw"));
  if (!picture) {
    report("FAIL no picture");
    return;
  }
  const int width = gdk_pixbuf_get_width(picture);
  const int height = gdk_pixbuf_get_height(picture);
  const int stride = gdk_pixbuf_get_rowstride(picture);
  const int channels = gdk_pixbuf_get_n_channels(picture);
  const guchar* pixels = gdk_pixbuf_read_pixels(picture);
  long white = 0;
  long red = 0;
  long green = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const guchar* p = pixels + y * stride + x * channels;
      if (p[0] > 245 && p[1] > 245 && p[2] > 245) ++white;
      if (p[0] > 200 && p[1] < 80 && p[2] < 80) ++red;
      if (p[0] < 80 && p[1] > 110 && p[1] < 190 && p[2] < 80) ++green;
    }
  }
  g_object_unref(picture);
  const long all = static_cast<long>(width) * height;
  report(std::string("colours ") + when + " white=" + std::to_string(all ? white * 1000 / all : 0) +
         " red=" + std::to_string(red) + " green=" + std::to_string(green));
}

void next(Step following) {
  step = following;
  ticks = 0;
}

void measure(GtkWidget* main) {
  GtkWidget* area = findByName(main, "DA_draw");
  GtkWidget* container = findByName(main, "DA_container");
  const int width = gtk_widget_get_allocated_width(container);
  const int height = gtk_widget_get_allocated_height(container);
  report("container " + std::to_string(width) + " " + std::to_string(height));
  const double x = width / 3.0;
  const double y = height / 2.0;
  testtool::mouse(area, GDK_BUTTON_PRESS, x, y, 1);
  testtool::mouse(area, GDK_MOTION_NOTIFY, x + 60, y + 4, 1);
  testtool::mouse(area, GDK_MOTION_NOTIFY, x + 100, y + 7, 1);
  report("measure live " + fieldText(main, "EB_status"));
  testtool::mouse(area, GDK_BUTTON_RELEASE, x + 100, y + 7, 1);
  report("measure final " + fieldText(main, "EB_status"));
}

}  // namespace

gboolean drawingTick(gpointer) {
  const testtool::TickStart start = testtool::startTick(ticks, step == Step::FindWindow);
  if (!start.main) return start.source;
  GtkWidget* main = start.main;
  GtkWidget* area = findByName(main, "DA_draw");
  switch (step) {
    case Step::FindWindow:
      answerFileSelector();
      next(Step::Open);
      break;
    case Step::Open:
      click(main, "PB_open");
      next(Step::Opened);
      break;
    case Step::Opened:
      report("opened " + fieldText(main, "EB_text"));
      report(std::string("title ") + gtk_window_get_title(GTK_WINDOW(main)));
      reportColours(main, "opened");
      reportBars(main, "opened");
      screenshot(main, "drawing_opened.png");
      next(Step::ZoomIn);
      break;
    case Step::ZoomIn:
      click(main, "PB_zoomp");
      next(Step::ZoomedIn);
      break;
    case Step::ZoomedIn:
      reportBars(main, "zoomed");
      screenshot(main, "drawing_zoomed_in.png");
      {
        // Across the right edge of the plate and its dimensions.
        const double width = gtk_widget_get_allocated_width(area);
        const double height = gtk_widget_get_allocated_height(area);
        testtool::drag(area, width * 0.45, height * 0.3, width * 0.8, height * 0.7);
      }
      next(Step::Rectangle);
      break;
    case Step::Rectangle:
      reportBars(main, "rectangle");
      reportColours(main, "rectangle");
      screenshot(main, "drawing_rectangle.png");
      click(main, "PB_zoomb");
      next(Step::Back);
      break;
    case Step::Back:
      reportBars(main, "back");
      screenshot(main, "drawing_back.png");
      click(main, "PB_mass");
      next(Step::Measure);
      break;
    case Step::Measure:
      measure(main);
      screenshot(main, "drawing_measured.png");
      click(main, "PB_zoom");
      next(Step::Measured);
      break;
    case Step::Measured:
      click(main, "PB_saveas");
      next(Step::SaveAs);
      break;
    case Step::SaveAs:
      report("saved " + fieldText(main, "EB_text"));
      openPath = env("DXFV_TestSaveAs");
      click(main, "PB_open");
      next(Step::Reopen);
      break;
    case Step::Reopen:
      report("reopened " + fieldText(main, "EB_text"));
      reportColours(main, "reopened");
      screenshot(main, "drawing_reopened.png");
      next(Step::Close);
      break;
    case Step::Close:
      report("closing");
      gtk_window_close(GTK_WINDOW(main));
      next(Step::Done);
      return G_SOURCE_REMOVE;
    case Step::Done: return G_SOURCE_REMOVE;
  }
  return G_SOURCE_CONTINUE;
}
