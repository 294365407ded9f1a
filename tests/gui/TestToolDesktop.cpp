// The desktop scenarios of the TestTool module, for a viewer started by the installed
// launcher dxfviewer-open.
//
// DXFV_TestDesktop=session: waits for the drawing the launcher asked for, starts the
// launcher again with DXFV_TestSecond and waits for that drawing in the same window, drags
// DXFV_TestDrop from a window of its own onto the viewer with xdotool (a real drag and
// drop through the X server) and waits for it, then moves the pointer over the dropped
// drawing (a rectangle 200 x 100 with its lower left corner at the origin) and checks the
// position the status line shows against where the rectangle is drawn. Then it closes.
// DXFV_TestDesktop=recent: reports the entries of File > Open recent and closes.
#include <gtk/gtk.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "TestToolSupport.h"

using testtool::fieldText;
using testtool::findByName;
using testtool::report;
using testtool::screenshot;

namespace {

enum class Step {
  FindWindow,
  First,
  Second,
  Drop,
  Dropped,
  Pointer,
  PointerPicture,
  Close,
  Recent,
  Done
};
Step step = Step::FindWindow;
int ticks = 0;
constexpr int kPatience = 300;  // ticks of 100 ms to wait for a drawing
GtkWidget* source = nullptr;    // the window the drop is dragged from

// The rectangle of the dropped drawing, in drawing units.
constexpr double kRectangleWidth = 200.0;
constexpr double kRectangleHeight = 100.0;

void next(Step following) {
  step = following;
  ticks = 0;
}

// The number of pixels of the drawing area that are not the white ground.
long drawnPixels(GtkWidget* main) {
  GdkPixbuf* picture = testtool::pictureOf(findByName(main, "DA_draw"));
  if (!picture) return 0;
  const int stride = gdk_pixbuf_get_rowstride(picture);
  const int channels = gdk_pixbuf_get_n_channels(picture);
  const guchar* pixels = gdk_pixbuf_read_pixels(picture);
  long drawn = 0;
  for (int y = 0; y < gdk_pixbuf_get_height(picture); ++y) {
    for (int x = 0; x < gdk_pixbuf_get_width(picture); ++x) {
      const guchar* p = pixels + y * stride + x * channels;
      if (p[0] < 200 || p[1] < 200 || p[2] < 200) ++drawn;
    }
  }
  g_object_unref(picture);
  return drawn;
}

// Waits for the file-name line to show a path ending in `file`, then reports it.
void waitForFile(GtkWidget* main, const char* file, const char* label, Step following) {
  const std::string shown = fieldText(main, "EB_text");
  const std::string wanted = file ? file : "";
  if (!wanted.empty() && shown.size() >= wanted.size() &&
      shown.compare(shown.size() - wanted.size(), wanted.size(), wanted) == 0) {
    if (ticks < 5) return;  // the repaint settles
    report(std::string(label) + " " + shown + " drawn " + std::to_string(drawnPixels(main)));
    screenshot(main, (std::string("desktop_") + label + ".png").c_str());
    next(following);
  } else if (ticks > kPatience) {
    report(std::string("FAIL ") + label + " not shown: " + shown);
    next(Step::Close);
  }
}

void launcherEnded(GPid pid, gint status, gpointer) {
  report("launcher exit " + std::to_string(g_spawn_check_wait_status(status, nullptr) ? 0 : 1));
  g_spawn_close_pid(pid);
}

void runLauncher(const char* file) {
  const char* launcher = std::getenv("DXFV_TestLauncher");
  if (!launcher || !file) {
    report("FAIL no launcher or file");
    return;
  }
  gchar* argv[] = {const_cast<gchar*>(launcher), const_cast<gchar*>(file), nullptr};
  GPid pid = 0;
  if (!g_spawn_async(nullptr, argv, nullptr, G_SPAWN_DO_NOT_REAP_CHILD, nullptr, nullptr, &pid,
                     nullptr)) {
    report("FAIL launcher did not start");
    return;
  }
  g_child_watch_add(pid, launcherEnded, nullptr);
}

void giveUris(GtkWidget*, GdkDragContext*, GtkSelectionData* data, guint, guint, gpointer) {
  gchar* uri = g_filename_to_uri(std::getenv("DXFV_TestDrop"), nullptr, nullptr);
  gchar* uris[] = {uri, nullptr};
  gtk_selection_data_set_uris(data, uris);
  g_free(uri);
}

// A small window at the right of the screen to drag the file from.
void showSource() {
  source = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gtk_window_set_title(GTK_WINDOW(source), "drop source");
  GtkWidget* box = gtk_event_box_new();
  gtk_container_add(GTK_CONTAINER(box), gtk_label_new("drag me"));
  gtk_container_add(GTK_CONTAINER(source), box);
  gtk_window_set_default_size(GTK_WINDOW(source), 160, 120);
  gtk_window_move(GTK_WINDOW(source), 1300, 80);
  static const GtkTargetEntry uriList = {const_cast<gchar*>("text/uri-list"), 0, 0};
  gtk_drag_source_set(box, GDK_BUTTON1_MASK, &uriList, 1, GDK_ACTION_COPY);
  g_signal_connect(box, "drag-data-get", G_CALLBACK(giveUris), nullptr);
  gtk_widget_show_all(source);
}

// The root position of the centre of a widget.
void centreOnScreen(GtkWidget* widget, int& x, int& y) {
  gdk_window_get_origin(gtk_widget_get_window(widget), &x, &y);
  GtkAllocation allocation;
  gtk_widget_get_allocation(widget, &allocation);
  if (!gtk_widget_get_has_window(widget)) {
    x += allocation.x;
    y += allocation.y;
  }
  x += allocation.width / 2;
  y += allocation.height / 2;
}

// Presses the button on the source, moves over the viewer's drawing area in steps (so that
// both ends see the drag) and lets go there.
void dragSourceToViewer(GtkWidget* main) {
  int sx = 0, sy = 0, tx = 0, ty = 0;
  centreOnScreen(source, sx, sy);
  centreOnScreen(findByName(main, "DA_draw"), tx, ty);
  std::string command = "xdotool mousemove " + std::to_string(sx) + " " + std::to_string(sy) +
                        " sleep 0.3 mousedown 1";
  for (int i = 1; i <= 8; ++i) {
    command += " sleep 0.1 mousemove " + std::to_string(sx + (tx - sx) * i / 8) + " " +
               std::to_string(sy + (ty - sy) * i / 8);
  }
  command += " sleep 0.5 mouseup 1";
  GError* error = nullptr;
  if (!g_spawn_command_line_async(command.c_str(), &error)) {
    report(std::string("FAIL xdotool: ") + (error ? error->message : ""));
    g_clear_error(&error);
  }
}

struct Box {
  int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
};

// The box of the drawn (not white) pixels of the drawing area.
Box drawnBox(GtkWidget* area) {
  Box box;
  GdkPixbuf* picture = testtool::pictureOf(area);
  if (!picture) return box;
  const int stride = gdk_pixbuf_get_rowstride(picture);
  const int channels = gdk_pixbuf_get_n_channels(picture);
  const guchar* pixels = gdk_pixbuf_read_pixels(picture);
  for (int y = 0; y < gdk_pixbuf_get_height(picture); ++y) {
    for (int x = 0; x < gdk_pixbuf_get_width(picture); ++x) {
      const guchar* p = pixels + y * stride + x * channels;
      if (p[0] >= 128 && p[1] >= 128 && p[2] >= 128) continue;
      box.left = std::min(box.left, x);
      box.right = std::max(box.right, x);
      box.top = std::min(box.top, y);
      box.bottom = std::max(box.bottom, y);
    }
  }
  g_object_unref(picture);
  return box;
}

// Moves the pointer to a quarter of the drawn rectangle from its upper left corner and to
// its middle, and compares the shown position with the point drawn there.
void checkPointer(GtkWidget* main) {
  GtkWidget* area = findByName(main, "DA_draw");
  const Box box = drawnBox(area);
  if (box.right <= box.left || box.bottom <= box.top) {
    report("FAIL no rectangle drawn");
    return;
  }
  // Units per pixel along each axis; the lines are a pixel wide, so a pixel is the error.
  const double unitsX = kRectangleWidth / (box.right - box.left);
  const double unitsY = kRectangleHeight / (box.bottom - box.top);
  for (const double share : {0.25, 0.5}) {
    const int px = box.left + static_cast<int>((box.right - box.left) * share);
    const int py = box.top + static_cast<int>((box.bottom - box.top) * share);
    testtool::mouse(area, GDK_MOTION_NOTIFY, px, py, 0);
    const std::string shown = fieldText(main, "EB_position");
    double x = NAN;
    double y = NAN;
    const bool read = std::sscanf(shown.c_str(), "x %lf y %lf mm", &x, &y) == 2 &&
                      shown.size() > 3 && shown.compare(shown.size() - 3, 3, " mm") == 0;
    const double expectedX = (px + 0.5 - box.left) * unitsX;
    const double expectedY = kRectangleHeight - (py + 0.5 - box.top) * unitsY;
    const bool near = read && std::fabs(x - expectedX) <= 1.5 * unitsX + 0.05 &&
                      std::fabs(y - expectedY) <= 1.5 * unitsY + 0.05;
    char line[200];
    std::snprintf(line, sizeof line, "%s %s at %d %d: \"%s\", drawn there %.1f %.1f",
                  near ? "pointer ok" : "FAIL pointer", share < 0.3 ? "quarter" : "middle", px, py,
                  shown.c_str(), expectedX, expectedY);
    report(line);
  }
}

void reportRecent(GtkWidget* main) {
  GtkWidget* recent = findByName(main, "MI_recent");
  GtkWidget* menu = recent ? gtk_menu_item_get_submenu(GTK_MENU_ITEM(recent)) : nullptr;
  if (!menu) {
    report("FAIL no recent menu");
    return;
  }
  report(std::string("recent sensitive ") + (gtk_widget_get_sensitive(recent) ? "1" : "0"));
  GList* items = gtk_container_get_children(GTK_CONTAINER(menu));
  for (GList* item = items; item; item = item->next) {
    const gchar* label = gtk_menu_item_get_label(GTK_MENU_ITEM(item->data));
    gchar* tip = gtk_widget_get_tooltip_text(GTK_WIDGET(item->data));
    report(std::string("recent ") + (label ? label : "") + " | " + (tip ? tip : ""));
    g_free(tip);
  }
  g_list_free(items);
}

}  // namespace

gboolean desktopTick(gpointer) {
  const testtool::TickStart start = testtool::startTick(ticks, step == Step::FindWindow);
  GtkWidget* main = start.main;
  if (!main) return start.source;
  const bool recent = std::string(std::getenv("DXFV_TestDesktop")) == "recent";
  switch (step) {
    case Step::FindWindow: next(recent ? Step::Recent : Step::First); break;
    case Step::First: {
      const char* first = std::getenv("DXFV_TestFirst");
      waitForFile(main, first, "first", Step::Second);
      if (step == Step::Second) runLauncher(std::getenv("DXFV_TestSecond"));
      break;
    }
    case Step::Second:
      waitForFile(main, std::getenv("DXFV_TestSecond"), "second", Step::Drop);
      if (step == Step::Drop) showSource();
      break;
    case Step::Drop:
      if (ticks < 10) break;  // the source window is mapped and placed
      dragSourceToViewer(main);
      next(Step::Dropped);
      break;
    case Step::Dropped:
      waitForFile(main, std::getenv("DXFV_TestDrop"), "dropped", Step::Pointer);
      break;
    case Step::Pointer:
      checkPointer(main);
      next(Step::PointerPicture);
      break;
    case Step::PointerPicture:
      // The status line shows the last position once it has been repainted.
      if (ticks < 2) break;
      screenshot(main, "desktop_pointer.png");
      next(Step::Close);
      break;
    case Step::Recent:
      reportRecent(main);
      screenshot(main, "desktop_recent.png");
      next(Step::Close);
      break;
    case Step::Close:
      if (source) gtk_widget_destroy(source);
      source = nullptr;
      report("closing");
      gtk_window_close(GTK_WINDOW(main));
      next(Step::Done);
      return G_SOURCE_REMOVE;
    case Step::Done: return G_SOURCE_REMOVE;
  }
  return G_SOURCE_CONTINUE;
}
