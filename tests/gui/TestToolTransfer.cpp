// The transfer scenario of the TestTool module (DXFV_TestTransfer): opens DXFV_TestOpen,
// transfers it eleven times through the dialog to the peer of "AutoCAD.r15.DDE", then
// tries the services of release 12 (nobody), 13 (a peer that drops off) and the light
// version (a stalled peer) with the dialog left open, cancels, and checks that the window
// still zooms.
#include <gtk/gtk.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "toolkit/GwFileSelector.h"
#include "TestToolSupport.h"

using testtool::click;
using testtool::fieldText;
using testtool::findByName;
using testtool::report;

namespace {

struct Transfer {
  const char* toggle;
  bool closes;  // the dialog closes: the transfer succeeded
};

std::vector<Transfer> plan() {
  std::vector<Transfer> transfers(11, Transfer{"TB_ACAD_2000", true});
  transfers.push_back({"TB_ACAD12", false});
  transfers.push_back({"TB_ACAD13", false});
  transfers.push_back({"TB_ACAD_LT_2000", false});
  return transfers;
}

const char* const kVersionToggles[] = {"TB_ACAD12",       "TB_ACAD13",      "TB_ACAD14",
                                       "TB_ACAD_2000",    "TB_ACAD_2002",   "TB_ACAD_LT",
                                       "TB_ACAD_LT_2",    "TB_ACAD_LT_95",  "TB_ACAD_LT_97",
                                       "TB_ACAD_LT_2000", "TB_ACAD_LT_2002"};

enum class Step { FindWindow, Open, Opened, OpenDialog, Fill, Inserted, Cancel, Zoom, Close, Done };
Step step = Step::FindWindow;
int ticks = 0;
std::size_t transfer = 0;  // index into the plan
int messagesSinceInsert = 0;
gint64 insertedAt = 0;

void next(Step following) {
  step = following;
  ticks = 0;
}

std::string label() { return "transfer " + std::to_string(transfer + 1) + " "; }

bool answerMessage() {
  GtkWidget* message = testtool::visibleWindow(nullptr, true);
  if (!message) return false;
  gchar* text = nullptr;
  g_object_get(message, "text", &text, nullptr);
  if (step == Step::Inserted) {
    if (messagesSinceInsert++ == 0) {
      report(label() + "waited " + std::to_string((g_get_monotonic_time() - insertedAt) / 1000000));
    }
    report(label() + "message " + (text ? text : ""));
  } else {
    report(std::string("message ") + (text ? text : ""));
  }
  g_free(text);
  gtk_dialog_response(GTK_DIALOG(message), GTK_RESPONSE_OK);
  return true;
}

bool active(GtkWidget* dialog, const char* name) {
  GtkWidget* toggle = findByName(dialog, name);
  return toggle && gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(toggle));
}

void setActive(GtkWidget* dialog, const char* name, bool on) {
  if (GtkWidget* toggle = findByName(dialog, name)) {
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(toggle), on);
  } else {
    report(std::string("FAIL no toggle ") + name);
  }
}

std::string entryText(GtkWidget* dialog, const char* name) {
  GtkWidget* entry = findByName(dialog, name);
  return entry ? gtk_entry_get_text(GTK_ENTRY(entry)) : "";
}

void setEntry(GtkWidget* dialog, const char* name, const char* text) {
  if (GtkWidget* entry = findByName(dialog, name)) gtk_entry_set_text(GTK_ENTRY(entry), text);
}

int sensitive(GtkWidget* dialog, const char* name) {
  GtkWidget* widget = findByName(dialog, name);
  return widget && gtk_widget_get_sensitive(widget) ? 1 : 0;
}

void reportSensitivity(GtkWidget* dialog, const char* when) {
  report(std::string("sensitive ") + when +
         " point=" + std::to_string(sensitive(dialog, "C_DDE_Koordinaten")) +
         " angle=" + std::to_string(sensitive(dialog, "C_DDE_Winkel")));
}

int visible(GtkWidget* root, const char* name) {
  GtkWidget* widget = findByName(root, name);
  return widget && gtk_widget_get_visible(widget) ? 1 : 0;
}

// The first filling: what the dialog shows, the option toggles and the details button.
void checkFirstFilling(GtkWidget* dialog) {
  report("fields " + entryText(dialog, "EB_DDE_x") + " " + entryText(dialog, "EB_DDE_y") + " " +
         entryText(dialog, "EB_DDE_w") + " " + entryText(dialog, "EB_DDE_Blockname"));
  report("mouse " + std::to_string(active(dialog, "TB_DDE_Mouse")) + " explode " +
         std::to_string(active(dialog, "TB_DDE_Explode")));
  reportSensitivity(dialog, "filled");
  setActive(dialog, "TB_DDE_Explode", true);
  reportSensitivity(dialog, "mouse+explode");
  setActive(dialog, "TB_DDE_Mouse", false);
  reportSensitivity(dialog, "explode");
  setActive(dialog, "TB_DDE_Explode", false);
  reportSensitivity(dialog, "typed");
  setActive(dialog, "TB_DDE_Mouse", true);
  reportSensitivity(dialog, "mouse");
  report("call " + std::to_string(visible(dialog, "C_DDE_Call")));
  gtk_button_clicked(GTK_BUTTON(findByName(dialog, "PB_DDE_call")));
  report("call " + std::to_string(visible(dialog, "C_DDE_Call")));
  gtk_button_clicked(GTK_BUTTON(findByName(dialog, "PB_DDE_call")));
  report("call " + std::to_string(visible(dialog, "C_DDE_Call")));
}

// Chooses the version and a typed point (10, 20), names the block and inserts.
void fillAndInsert(GtkWidget* dialog, const Transfer& planned) {
  std::string preselected = "none";
  for (const char* toggle : kVersionToggles) {
    if (active(dialog, toggle)) preselected = toggle;
  }
  report(label() + "preselected " + preselected);
  if (transfer == 0) checkFirstFilling(dialog);
  setActive(dialog, planned.toggle, true);
  if (active(dialog, "TB_DDE_Mouse")) setActive(dialog, "TB_DDE_Mouse", false);
  setEntry(dialog, "EB_DDE_x", "10");
  setEntry(dialog, "EB_DDE_y", "20");
  setEntry(dialog, "EB_DDE_Blockname", "PLATE");
  messagesSinceInsert = 0;
  insertedAt = g_get_monotonic_time();
  click(dialog, "PB_DDE_insert");
}

}  // namespace

gboolean transferTick(gpointer) {
  const testtool::TickStart start =
      testtool::startTick(ticks, step == Step::FindWindow, answerMessage);
  if (!start.main) return start.source;
  GtkWidget* main = start.main;
  GtkWidget* dialog = testtool::visibleWindow("AutoCAD_Dialog");
  static const std::vector<Transfer> transfers = plan();
  switch (step) {
    case Step::FindWindow:
      GwSetFileSelectorHook([](const GwFileRequest&, std::string& chosen) {
        const char* drawing = std::getenv("DXFV_TestOpen");
        chosen = drawing ? drawing : "";
        return !chosen.empty();
      });
      next(Step::Open);
      break;
    case Step::Open:
      click(main, "PB_open");
      next(Step::Opened);
      break;
    case Step::Opened: {
      report("opened " + fieldText(main, "EB_text"));
      next(Step::OpenDialog);
      break;
    }
    case Step::OpenDialog:
      if (dialog) {
        next(Step::Fill);
      } else if (ticks == 4) {
        click(main, "PB_acad");
      } else if (ticks > 80) {
        report("FAIL dialog not shown");
        next(Step::Close);
      }
      break;
    case Step::Fill:
      if (!dialog) {
        report("FAIL dialog gone");
        next(Step::Close);
        break;
      }
      if (transfer == 0) testtool::screenshot(dialog, "transfer_dialog.png");
      fillAndInsert(dialog, transfers[transfer]);
      next(Step::Inserted);
      break;
    case Step::Inserted: {
      const Transfer& planned = transfers[transfer];
      const bool done = planned.closes ? !dialog : (messagesSinceInsert > 0 && ticks > 8);
      if (!done) {
        if (ticks > 300) {
          report(label() + "FAIL no outcome");
          next(Step::Close);
        }
        break;
      }
      report(label() + (dialog ? "open" : "closed"));
      ++transfer;
      if (transfer == transfers.size()) {
        next(Step::Cancel);
      } else {
        next(dialog ? Step::Fill : Step::OpenDialog);
      }
      break;
    }
    case Step::Cancel:
      if (dialog && ticks == 4) {
        click(dialog, "PB_DDE_cancel");
      } else if (!dialog) {
        report("cancelled");
        click(main, "PB_zoomp");
        next(Step::Zoom);
      }
      break;
    case Step::Zoom:
      report("bars after " + std::to_string(visible(main, "SB_hori")) + " " +
             std::to_string(visible(main, "SB_vert")));
      testtool::screenshot(main, "transfer_after.png");
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
