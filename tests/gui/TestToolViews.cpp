// The views scenario of the TestTool module: opens the drawing DXFV_TestViews (a part with
// its six views as "_VIEW_n" blocks, each view in a colour of its own) through the file
// selector's test hook, turns to the front view, steps left, top, back and front with the
// view buttons, then shows all views. After each step, once the drawing area shows a new
// picture that holds still, it reports per view colour the number of pixels and their
// bounding box, and a checksum of the picture.
#include <gtk/gtk.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <string>

#include "toolkit/GwFileSelector.h"
#include "TestToolSupport.h"

using testtool::click;
using testtool::findByName;
using testtool::report;
using testtool::screenshot;

namespace {

// The colours the views sample gives its six views.
struct ViewColour {
  const char* name;
  int r, g, b;
};
constexpr ViewColour kColours[] = {
    {"green", 0x14, 0x9E, 0x0A}, {"magenta", 0xFF, 0x00, 0xFF}, {"cyan", 0x00, 0xFF, 0xFF},
    {"red", 0xFF, 0x00, 0x00},   {"blue", 0x00, 0x00, 0xFF},    {"orange", 0xFF, 0xBE, 0x00},
};
constexpr int kColourCount = sizeof kColours / sizeof kColours[0];
// Lines are smoothed towards the white ground at their edges: a pixel counts as drawn in
// a colour when it is a blend of white and that colour (within this squared RGB distance)
// with at least kCoverage of the colour in it.
constexpr double kNear = 40.0 * 40.0;
constexpr double kCoverage = 0.3;

bool drawnIn(const guchar* p, const ViewColour& colour) {
  const double d[] = {colour.r - 255.0, colour.g - 255.0, colour.b - 255.0};
  const double q[] = {p[0] - 255.0, p[1] - 255.0, p[2] - 255.0};
  const double share =
      (q[0] * d[0] + q[1] * d[1] + q[2] * d[2]) / (d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
  if (share < kCoverage) return false;
  double off = 0.0;
  for (int i = 0; i < 3; ++i) off += (q[i] - share * d[i]) * (q[i] - share * d[i]);
  return off <= kNear;
}

enum class Step { FindWindow, Opened, Pictures, Close, Done };
Step step = Step::FindWindow;
int ticks = 0;

// The pictures taken, in order, each with the button pressed after it.
struct Picture {
  const char* label;
  const char* nextButton;
};
constexpr Picture kPictures[] = {{"front", "PB_left"}, {"left", "PB_top"},  {"top", "PB_back"},
                                 {"back", "PB_front"}, {"again", "PB_all"}, {"all", nullptr}};
std::size_t picture = 0;
// Checksums of the picture last reported and of the one seen at the tick before.
unsigned long reported = 0;
unsigned long seenBefore = 0;
// Ticks to wait at most for a new picture (under load a repaint can take seconds).
constexpr int kPatience = 100;

void next(Step following) {
  step = following;
  ticks = 0;
}

// A checksum of every pixel of the drawing area; 0 when it cannot be read.
unsigned long checksumOf(GtkWidget* main) {
  GdkPixbuf* shown = testtool::pictureOf(findByName(main, "DA_draw"));
  if (!shown) return 0;
  const int width = gdk_pixbuf_get_width(shown);
  const int height = gdk_pixbuf_get_height(shown);
  const int stride = gdk_pixbuf_get_rowstride(shown);
  const int channels = gdk_pixbuf_get_n_channels(shown);
  const guchar* pixels = gdk_pixbuf_read_pixels(shown);
  unsigned long sum = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const guchar* p = pixels + y * stride + x * channels;
      sum = sum * 1000003u + (p[0] << 16 | p[1] << 8 | p[2]);
    }
  }
  g_object_unref(shown);
  return sum;
}

// Reports "<label> <colour> <pixels> <minX> <minY> <maxX> <maxY>" for every colour seen
// and "<label> checksum <n>" for the whole picture; saves it as views_<label>.png.
void reportPicture(GtkWidget* main, const char* label) {
  GdkPixbuf* picture = testtool::pictureOf(findByName(main, "DA_draw"));
  if (!picture) {
    report(std::string("FAIL no picture ") + label);
    return;
  }
  const int width = gdk_pixbuf_get_width(picture);
  const int height = gdk_pixbuf_get_height(picture);
  const int stride = gdk_pixbuf_get_rowstride(picture);
  const int channels = gdk_pixbuf_get_n_channels(picture);
  const guchar* pixels = gdk_pixbuf_read_pixels(picture);
  long count[kColourCount] = {};
  int box[kColourCount][4];
  for (auto& b : box) {
    b[0] = b[1] = INT_MAX;
    b[2] = b[3] = -1;
  }
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const guchar* p = pixels + y * stride + x * channels;
      for (int c = 0; c < kColourCount; ++c) {
        if (!drawnIn(p, kColours[c])) continue;
        ++count[c];
        box[c][0] = std::min(box[c][0], x);
        box[c][1] = std::min(box[c][1], y);
        box[c][2] = std::max(box[c][2], x);
        box[c][3] = std::max(box[c][3], y);
      }
    }
  }
  g_object_unref(picture);
  for (int c = 0; c < kColourCount; ++c) {
    if (count[c] == 0) continue;
    report(std::string(label) + " " + kColours[c].name + " " + std::to_string(count[c]) + " " +
           std::to_string(box[c][0]) + " " + std::to_string(box[c][1]) + " " +
           std::to_string(box[c][2]) + " " + std::to_string(box[c][3]));
  }
  report(std::string(label) + " checksum " + std::to_string(checksumOf(main)));
  screenshot(main, (std::string("views_") + label + ".png").c_str());
}

int visible(GtkWidget* main, const char* name) {
  GtkWidget* widget = findByName(main, name);
  return widget && gtk_widget_get_visible(widget) ? 1 : 0;
}

// Reports the next picture once it differs from the one before and held still for a
// tick, then presses the button that leads to the picture after it.
void takePicture(GtkWidget* main) {
  const unsigned long now = checksumOf(main);
  const bool settled =
      now != 0 && now != reported && now == seenBefore && !testtool::picturePending(main);
  seenBefore = now;
  if (!settled && ticks < kPatience) return;
  const Picture& taken = kPictures[picture];
  if (picture == 0) {
    report("buttons left " + std::to_string(visible(main, "PB_left")) + " all " +
           std::to_string(visible(main, "PB_all")) + " cut " +
           std::to_string(visible(main, "PB_cut")));
  }
  reportPicture(main, taken.label);
  reported = now;
  ++picture;
  if (taken.nextButton) click(main, taken.nextButton);
  next(taken.nextButton ? Step::Pictures : Step::Close);
}

}  // namespace

gboolean viewsTick(gpointer) {
  ++ticks;
  GtkWidget* main = testtool::visibleWindow("Anwendungsfenster");
  if (GtkWidget* message = testtool::visibleWindow(nullptr, true)) {
    report("message");
    gtk_dialog_response(GTK_DIALOG(message), GTK_RESPONSE_OK);
    return G_SOURCE_CONTINUE;
  }
  if (!main) {
    if (step != Step::FindWindow) report("FAIL main window gone");
    return step == Step::FindWindow ? G_SOURCE_CONTINUE : G_SOURCE_REMOVE;
  }
  if (ticks < 5) return G_SOURCE_CONTINUE;
  switch (step) {
    case Step::FindWindow:
      GwSetFileSelectorHook([](const GwFileRequest&, std::string& chosen) {
        const char* path = std::getenv("DXFV_TestViews");
        chosen = path ? path : "";
        return !chosen.empty();
      });
      click(main, "PB_open");
      next(Step::Opened);
      break;
    case Step::Opened:
      report("offered front " + std::to_string(visible(main, "PB_front")) + " left " +
             std::to_string(visible(main, "PB_left")) + " all " +
             std::to_string(visible(main, "PB_all")));
      reported = checksumOf(main);
      click(main, "PB_front");
      next(Step::Pictures);
      break;
    case Step::Pictures: takePicture(main); break;
    case Step::Close:
      report("closing");
      gtk_window_close(GTK_WINDOW(main));
      next(Step::Done);
      return G_SOURCE_REMOVE;
    case Step::Done: return G_SOURCE_REMOVE;
  }
  return G_SOURCE_CONTINUE;
}
