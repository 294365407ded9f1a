// The layer dialog scenario of the TestTool module. DXFV_TestLayers names the drawing,
// DXFV_TestLayerRun the run: "edit" opens it, edits three layers in the dialog and cancels
// with Escape (nothing may change), edits them again and confirms with OK; "reopen" opens
// it in a new start and only looks at the picture.
//
// Pictures of the drawing area are compared pixel by pixel: "dark" is a line in the
// drawing's black, "red" one in colour 1 (#FF0000), "white" the background. Screenshots of
// the windows go to the artifact folder for people to look at.
#include <gtk/gtk.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "toolkit/GwFileSelector.h"
#include "TestToolSupport.h"

using testtool::click;
using testtool::findByName;
using testtool::report;
using testtool::screenshot;

namespace {

enum class Step {
  FindWindow,
  Open,
  Opened,
  CancelDialog,
  CancelEdited,
  CancelReturned,
  Cancelled,
  OkDialog,
  OkEdited,
  OkSettled,
  Applied,
  Close,
  Done
};
Step step = Step::FindWindow;
int ticks = 0;
GdkPixbuf* opened = nullptr;  // the drawing area just after opening
std::string settingsAtOpen;   // orvel.ini just after opening

std::string env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string fileText(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void next(Step following) {
  step = following;
  ticks = 0;
}

enum class Tone { White, Dark, Red, Other };

Tone toneOf(const guchar* p) {
  if (p[0] > 245 && p[1] > 245 && p[2] > 245) return Tone::White;
  if (p[0] < 100 && p[1] < 100 && p[2] < 100) return Tone::Dark;
  if (p[0] > 200 && p[1] < 80 && p[2] < 80) return Tone::Red;
  return Tone::Other;
}

const guchar* pixelAt(GdkPixbuf* picture, int x, int y) {
  return gdk_pixbuf_read_pixels(picture) + y * gdk_pixbuf_get_rowstride(picture) +
         x * gdk_pixbuf_get_n_channels(picture);
}

// The drawing area as its own draw handler paints it: windows of other programs on the
// display cannot cover this picture, as they can a capture of the screen.
GdkPixbuf* areaPicture(GtkWidget* main) {
  GtkWidget* area = findByName(main, "DA_draw");
  const int width = area ? gtk_widget_get_allocated_width(area) : 0;
  const int height = area ? gtk_widget_get_allocated_height(area) : 0;
  if (width <= 0 || height <= 0) return nullptr;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  cairo_t* cr = cairo_create(surface);
  gtk_widget_draw(area, cr);
  cairo_destroy(cr);
  GdkPixbuf* picture = gdk_pixbuf_get_from_surface(surface, 0, 0, width, height);
  cairo_surface_destroy(surface);
  return picture;
}

bool samePicture(GdkPixbuf* a, GdkPixbuf* b) {
  if (!a || !b || gdk_pixbuf_get_width(a) != gdk_pixbuf_get_width(b) ||
      gdk_pixbuf_get_height(a) != gdk_pixbuf_get_height(b)) {
    return false;
  }
  const int rowBytes = gdk_pixbuf_get_width(a) * gdk_pixbuf_get_n_channels(a);
  for (int y = 0; y < gdk_pixbuf_get_height(a); ++y) {
    if (std::memcmp(pixelAt(a, 0, y), pixelAt(b, 0, y), static_cast<std::size_t>(rowBytes)) != 0) {
      return false;
    }
  }
  return true;
}

// "colours <when> red=R dark=D" of the picture.
void reportTones(GdkPixbuf* picture, const char* when) {
  long red = 0;
  long dark = 0;
  for (int y = 0; y < gdk_pixbuf_get_height(picture); ++y) {
    for (int x = 0; x < gdk_pixbuf_get_width(picture); ++x) {
      const Tone tone = toneOf(pixelAt(picture, x, y));
      red += tone == Tone::Red ? 1 : 0;
      dark += tone == Tone::Dark ? 1 : 0;
    }
  }
  report(std::string("colours ") + when + " red=" + std::to_string(red) +
         " dark=" + std::to_string(dark));
}

// How the pixels that were dark after opening look now: "changes red=R white=W dark=D".
void reportChanges(GdkPixbuf* now) {
  if (!opened || !now || gdk_pixbuf_get_width(opened) != gdk_pixbuf_get_width(now) ||
      gdk_pixbuf_get_height(opened) != gdk_pixbuf_get_height(now)) {
    report("FAIL pictures differ in size");
    return;
  }
  long red = 0;
  long white = 0;
  long dark = 0;
  for (int y = 0; y < gdk_pixbuf_get_height(now); ++y) {
    for (int x = 0; x < gdk_pixbuf_get_width(now); ++x) {
      // Only what was inked when the drawing opened.
      if (toneOf(pixelAt(opened, x, y)) == Tone::White) continue;
      const Tone tone = toneOf(pixelAt(now, x, y));
      red += tone == Tone::Red ? 1 : 0;
      white += tone == Tone::White ? 1 : 0;
      dark += tone == Tone::Dark ? 1 : 0;
    }
  }
  report("changes red=" + std::to_string(red) + " white=" + std::to_string(white) +
         " dark=" + std::to_string(dark));
}

GtkTreeView* layerTable(GtkWidget* dialog) {
  GtkWidget* table = findByName(dialog, "ST_Layer");
  return table ? GTK_TREE_VIEW(table) : nullptr;
}

// Every row of the table as "row name|colour|linetype|visible".
void reportRows(GtkWidget* dialog, const char* when) {
  GtkTreeModel* model = gtk_tree_view_get_model(layerTable(dialog));
  GtkTreeIter iter;
  for (gboolean more = gtk_tree_model_get_iter_first(model, &iter); more;
       more = gtk_tree_model_iter_next(model, &iter)) {
    std::string line = std::string("row ") + when;
    for (int column = 0; column < 4; ++column) {
      gchar* text = nullptr;
      gtk_tree_model_get(model, &iter, column, &text, -1);
      line += (column == 0 ? " " : "|") + std::string(text ? text : "");
      g_free(text);
    }
    report(line);
  }
}

// Selects the row of that name as a click would (the table reports the new cursor).
bool selectRow(GtkWidget* dialog, const char* name) {
  GtkTreeView* view = layerTable(dialog);
  GtkTreeModel* model = gtk_tree_view_get_model(view);
  GtkTreeIter iter;
  for (gboolean more = gtk_tree_model_get_iter_first(model, &iter); more;
       more = gtk_tree_model_iter_next(model, &iter)) {
    gchar* text = nullptr;
    gtk_tree_model_get(model, &iter, 0, &text, -1);
    const bool found = text && std::strcmp(text, name) == 0;
    g_free(text);
    if (found) {
      GtkTreePath* path = gtk_tree_model_get_path(model, &iter);
      gtk_tree_view_set_cursor(view, path, nullptr, FALSE);
      gtk_tree_path_free(path);
      return true;
    }
  }
  report(std::string("FAIL no row ") + name);
  return false;
}

// Recolours "topography" red, hides "nivel", renames "wall high" to "Wand hoch", the way
// a user does it in the dialog's fields.
void editLayers(GtkWidget* dialog) {
  if (selectRow(dialog, "topography")) {
    gtk_combo_box_set_active(GTK_COMBO_BOX(findByName(dialog, "CB_Layerfarbe")), 0);
  }
  if (selectRow(dialog, "nivel")) {
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(findByName(dialog, "TB_Layer_sichtbar")), FALSE);
  }
  if (selectRow(dialog, "wall high")) {
    GtkWidget* name = findByName(dialog, "EB_Layername");
    gtk_widget_grab_focus(name);
    gtk_entry_set_text(GTK_ENTRY(name), "Wand hoch");
  }
}

void answerFileSelector() {
  GwSetFileSelectorHook([](const GwFileRequest& request, std::string& chosen) {
    chosen = request.mode == 0 ? env("DXFV_TestLayers") : "";
    return !chosen.empty();
  });
}

GtkWidget* layerDialog() { return testtool::visibleWindow("Layerdefinition_Dialog"); }

// The "reopen" run: the stored looks are there without the dialog.
void lookAtReopened(GtkWidget* main) {
  GdkPixbuf* picture = areaPicture(main);
  if (!picture) {
    report("FAIL no picture");
    return;
  }
  reportTones(picture, "reopened");
  screenshot(main, "layers_reopened.png");
  g_object_unref(picture);
}

}  // namespace

gboolean layerTick(gpointer) {
  const testtool::TickStart start = testtool::startTick(ticks, step == Step::FindWindow);
  if (!start.main) return start.source;
  GtkWidget* main = start.main;
  const bool editRun = env("DXFV_TestLayerRun") == "edit";
  if (!editRun && layerDialog()) report("FAIL dialog shown");
  GtkWidget* dialog = layerDialog();
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
      if (!editRun) {
        lookAtReopened(main);
        next(Step::Close);
        break;
      }
      opened = areaPicture(main);
      if (!opened) report("FAIL no picture");
      if (opened) reportTones(opened, "opened");
      settingsAtOpen = fileText("orvel.ini");
      screenshot(main, "layers_opened.png");
      click(main, "PB_Layer");
      next(Step::CancelDialog);
      break;
    case Step::CancelDialog:
      if (!dialog) break;
      reportRows(dialog, "first");
      screenshot(dialog, "layer_dialog.png");
      editLayers(dialog);
      reportRows(dialog, "edited");
      testtool::key(findByName(dialog, "EB_Layername"), GDK_KEY_Return);
      next(Step::CancelEdited);
      break;
    case Step::CancelEdited:
      report(dialog ? "dialog stays after Return" : "dialog closed by Return");
      if (!dialog) break;
      screenshot(dialog, "layer_dialog_edited.png");
      testtool::key(dialog, GDK_KEY_Escape);
      next(Step::CancelReturned);
      break;
    case Step::CancelReturned:
      if (dialog) {
        report("FAIL dialog stays after Escape");
        break;
      }
      {
        GdkPixbuf* now = areaPicture(main);
        report(std::string("cancel picture ") + (samePicture(opened, now) ? "same" : "changed"));
        if (now) g_object_unref(now);
      }
      report(std::string("cancel settings ") +
             (fileText("orvel.ini") == settingsAtOpen ? "same" : "changed"));
      next(Step::Cancelled);
      break;
    case Step::Cancelled:
      click(main, "PB_Layer");
      next(Step::OkDialog);
      break;
    case Step::OkDialog:
      if (!dialog) break;
      reportRows(dialog, "again");
      editLayers(dialog);
      click(dialog, "PB_Layer_ok");
      next(Step::OkEdited);
      break;
    case Step::OkEdited:
      // The picture of the new looks is painted off the GUI thread once the dialog is gone.
      if (!dialog) next(Step::OkSettled);
      break;
    case Step::OkSettled: {
      GdkPixbuf* now = areaPicture(main);
      if (now) {
        reportTones(now, "applied");
        reportChanges(now);
        g_object_unref(now);
      }
    }
      screenshot(main, "layers_applied.png");
      next(Step::Applied);
      break;
    case Step::Applied: next(Step::Close); break;
    case Step::Close:
      report("closing");
      if (opened) g_object_unref(opened);
      opened = nullptr;
      gtk_window_close(GTK_WINDOW(main));
      next(Step::Done);
      return G_SOURCE_REMOVE;
    case Step::Done: return G_SOURCE_REMOVE;
  }
  return G_SOURCE_CONTINUE;
}
