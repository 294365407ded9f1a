// The file-name line's texts.
#include "FileNameLine.h"

#include "GwCore.h"
#include "MainWindowState.h"
#include "WindowUtilities.h"

int CB_move(GwCore* /*widget*/, GwEvent* /*event*/, GwUD /*userData*/) {
  if (GwCore* line = mainChild("EB_text")) line->set_text(mainWindow().openedFile.c_str());
  return 1;
}

int CB_move_out(GwCore* widget, GwEvent* /*event*/, GwUD /*userData*/) {
  GwCore* line = mainChild("EB_text");
  if (line && widget) line->set_text(widget->text().c_str());
  return 1;
}
