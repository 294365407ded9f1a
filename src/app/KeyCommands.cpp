// Keyboard shortcuts.
#include "app/KeyCommands.h"

#include <gdk/gdk.h>

#include "app/FileCommands.h"
#include "toolkit/GwCore.h"
#include "viewer/ViewZoom.h"

KeyCommand keyCommand(unsigned key, unsigned state) {
  const bool control = (state & GDK_CONTROL_MASK) != 0;
  if ((state & GDK_MOD1_MASK) != 0) return KeyCommand::None;
  if (control) {
    switch (gdk_keyval_to_lower(key)) {
      case GDK_KEY_o: return KeyCommand::Open;
      case GDK_KEY_s: return KeyCommand::SaveAs;
      case GDK_KEY_q: return KeyCommand::Quit;
      default: return KeyCommand::None;
    }
  }
  switch (key) {
    case GDK_KEY_plus:
    case GDK_KEY_KP_Add: return KeyCommand::ZoomIn;
    case GDK_KEY_minus:
    case GDK_KEY_KP_Subtract: return KeyCommand::ZoomOut;
    case GDK_KEY_0:
    case GDK_KEY_KP_0:
    case GDK_KEY_Home:
    case GDK_KEY_KP_Home: return KeyCommand::ZoomBack;
    default: return KeyCommand::None;
  }
}

int keyPressHandler(GwCore* frame, GwEvent* event, GwUD userData) {
  if (!frame || !event) return 1;
  switch (keyCommand(event->key, event->state)) {
    case KeyCommand::Open: return CB_open(frame, event, userData);
    case KeyCommand::SaveAs: return CB_saveas(frame, event, userData);
    case KeyCommand::Quit: frame->frame()->popdown(); return 1;
    case KeyCommand::ZoomIn: return CB_zoomp(frame, event, userData);
    case KeyCommand::ZoomOut: return CB_zoomm(frame, event, userData);
    case KeyCommand::ZoomBack: return CB_zoom_back(frame, event, userData);
    case KeyCommand::None: return 1;
  }
  return 1;
}
