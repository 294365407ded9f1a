// The process-wide main window state.
#include "viewer/MainWindowState.h"

MainWindowState& mainWindow() {
  static MainWindowState state;
  return state;
}
