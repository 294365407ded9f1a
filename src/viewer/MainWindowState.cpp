// The process-wide main window state.
#include "MainWindowState.h"

MainWindowState& mainWindow() {
  static MainWindowState state;
  return state;
}
