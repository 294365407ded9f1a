// The printing scenario of the TestTool module: opens DXFV_TestOpen, clicks the print
// button, reports the orientation the GTK print dialog proposes and answers it - with
// "Print to File" into DXFV_TestPrint (turned to the orientation DXFV_TestPrintOrientation
// names, "portrait" or "landscape", when set), or with cancel when DXFV_TestPrintCancel is
// set - then closes the window.
#include <gtk/gtk.h>
#include <gtk/gtkunixprint.h>

#include <cstdlib>
#include <string>

#include "toolkit/GwFileSelector.h"
#include "TestToolSupport.h"

using testtool::click;
using testtool::report;

namespace {

enum class Step { FindWindow, Open, Print, Dialog, PrinterChosen, Printed, Close, Done };
Step step = Step::FindWindow;
int ticks = 0;

std::string env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

void next(Step following) {
  step = following;
  ticks = 0;
}

GtkWidget* printDialog() {
  GList* windows = gtk_window_list_toplevels();
  GtkWidget* found = nullptr;
  for (GList* item = windows; item && !found; item = item->next) {
    GtkWidget* window = GTK_WIDGET(item->data);
    if (GTK_IS_PRINT_UNIX_DIALOG(window) && gtk_widget_get_mapped(window)) found = window;
  }
  g_list_free(windows);
  return found;
}

// The printer "Print to File", writing a PDF to DXFV_TestPrint.
void chooseFile(GtkWidget* dialog) {
  GtkPrintSettings* settings = gtk_print_settings_new();
  gtk_print_settings_set_printer(settings, "Print to File");
  gchar* uri = g_filename_to_uri(env("DXFV_TestPrint").c_str(), nullptr, nullptr);
  gtk_print_settings_set(settings, GTK_PRINT_SETTINGS_OUTPUT_URI, uri);
  gtk_print_settings_set(settings, GTK_PRINT_SETTINGS_OUTPUT_FILE_FORMAT, "pdf");
  gtk_print_unix_dialog_set_settings(GTK_PRINT_UNIX_DIALOG(dialog), settings);
  g_free(uri);
  g_object_unref(settings);
}

// The page setup's orientation, as the dialog's Page Setup offers it.
void reportOrientation(GtkWidget* dialog) {
  GtkPageSetup* setup = gtk_print_unix_dialog_get_page_setup(GTK_PRINT_UNIX_DIALOG(dialog));
  const bool landscape = gtk_page_setup_get_orientation(setup) == GTK_PAGE_ORIENTATION_LANDSCAPE;
  report(landscape ? "proposed landscape" : "proposed portrait");
}

// The orientation DXFV_TestPrintOrientation names, chosen in the dialog's Page Setup.
void chooseOrientation(GtkWidget* dialog) {
  const std::string wanted = env("DXFV_TestPrintOrientation");
  if (wanted.empty()) return;
  auto* print = GTK_PRINT_UNIX_DIALOG(dialog);
  GtkPageSetup* setup = gtk_page_setup_copy(gtk_print_unix_dialog_get_page_setup(print));
  gtk_page_setup_set_orientation(setup, wanted == "landscape" ? GTK_PAGE_ORIENTATION_LANDSCAPE
                                                              : GTK_PAGE_ORIENTATION_PORTRAIT);
  gtk_print_unix_dialog_set_page_setup(print, setup);
  g_object_unref(setup);
}

bool fileChosen(GtkWidget* dialog) {
  GtkPrinter* printer = gtk_print_unix_dialog_get_selected_printer(GTK_PRINT_UNIX_DIALOG(dialog));
  return printer && std::string(gtk_printer_get_name(printer)) == "Print to File";
}

}  // namespace

gboolean printingTick(gpointer) {
  const testtool::TickStart start = testtool::startTick(ticks, step == Step::FindWindow);
  if (!start.main) return start.source;
  GtkWidget* main = start.main;
  switch (step) {
    case Step::FindWindow:
      GwSetFileSelectorHook([](const GwFileRequest&, std::string& chosen) {
        chosen = env("DXFV_TestOpen");
        return true;
      });
      click(main, "PB_open");
      next(Step::Open);
      break;
    case Step::Open:
      click(main, "PB_print");
      next(Step::Print);
      break;
    case Step::Print:
      if (GtkWidget* dialog = printDialog()) {
        report("print dialog shown");
        reportOrientation(dialog);
        testtool::screenshot(dialog, "print_dialog.png");
        if (!env("DXFV_TestPrintCancel").empty()) {
          gtk_dialog_response(GTK_DIALOG(dialog), GTK_RESPONSE_CANCEL);
          next(Step::Printed);
        } else {
          chooseFile(dialog);
          chooseOrientation(dialog);
          next(Step::Dialog);
        }
      } else if (ticks > 100) {
        report("FAIL no print dialog");
        next(Step::Close);
      }
      break;
    case Step::Dialog:
      if (GtkWidget* dialog = printDialog(); dialog && fileChosen(dialog)) {
        report("printer Print to File");
        gtk_dialog_response(GTK_DIALOG(dialog), GTK_RESPONSE_OK);
        next(Step::Printed);
      } else if (ticks > 150) {
        report("FAIL printer not offered");
        next(Step::Close);
      }
      break;
    case Step::Printed:
      if (printDialog()) break;
      report("print done");
      next(Step::Close);
      break;
    case Step::Close:
      report("closing");
      gtk_window_close(GTK_WINDOW(main));
      next(Step::Done);
      return G_SOURCE_REMOVE;
    default: return G_SOURCE_REMOVE;
  }
  return G_SOURCE_CONTINUE;
}
