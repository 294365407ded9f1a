// Keyboard shortcuts.
#include "app/KeyCommands.h"

#include <gtk/gtk.h>

#include "app/FileCommands.h"
#include "app/PrintCommand.h"
#include "app/ShellCallbacks.h"
#include "toolkit/GwCore.h"
#include "viewer/ViewScroll.h"
#include "viewer/ViewZoom.h"
#include "viewer/ViewerSession.h"
#include "viewer/WindowUtilities.h"

const MenuAccelerator kMenuAccelerators[] = {
    {"MI_open", GDK_KEY_o, GDK_CONTROL_MASK},
    {"MI_saveas", GDK_KEY_s, GDK_CONTROL_MASK},
    {"MI_print", GDK_KEY_p, GDK_CONTROL_MASK},
    {"MI_quit", GDK_KEY_q, GDK_CONTROL_MASK},
    {"MI_zoomp", GDK_KEY_plus, GDK_CONTROL_MASK},
    {"MI_zoomm", GDK_KEY_minus, GDK_CONTROL_MASK},
    {"MI_zoomb", GDK_KEY_Home, 0},
    {"MI_hilfe", GDK_KEY_F1, 0},
};
const int kMenuAcceleratorCount = sizeof kMenuAccelerators / sizeof kMenuAccelerators[0];

namespace {

KeyCommand withControl(unsigned key) {
  switch (gdk_keyval_to_lower(key)) {
    case GDK_KEY_o: return KeyCommand::Open;
    case GDK_KEY_s: return KeyCommand::SaveAs;
    case GDK_KEY_p: return KeyCommand::Print;
    case GDK_KEY_q: return KeyCommand::Quit;
    case GDK_KEY_plus:
    case GDK_KEY_equal:
    case GDK_KEY_KP_Add: return KeyCommand::ZoomIn;
    case GDK_KEY_minus:
    case GDK_KEY_KP_Subtract: return KeyCommand::ZoomOut;
    default: return KeyCommand::None;
  }
}

KeyCommand plain(unsigned key) {
  switch (key) {
    case GDK_KEY_plus:
    case GDK_KEY_KP_Add: return KeyCommand::ZoomIn;
    case GDK_KEY_minus:
    case GDK_KEY_KP_Subtract: return KeyCommand::ZoomOut;
    case GDK_KEY_0:
    case GDK_KEY_KP_0:
    case GDK_KEY_Home:
    case GDK_KEY_KP_Home: return KeyCommand::ZoomBack;
    case GDK_KEY_Left:
    case GDK_KEY_KP_Left: return KeyCommand::ScrollLeft;
    case GDK_KEY_Right:
    case GDK_KEY_KP_Right: return KeyCommand::ScrollRight;
    case GDK_KEY_Up:
    case GDK_KEY_KP_Up: return KeyCommand::ScrollUp;
    case GDK_KEY_Down:
    case GDK_KEY_KP_Down: return KeyCommand::ScrollDown;
    case GDK_KEY_F1: return KeyCommand::Help;
    case GDK_KEY_Escape: return KeyCommand::Cancel;
    default: return KeyCommand::None;
  }
}

// Escape: a rectangle or measuring line being dragged goes, and so does its read-out.
void cancelDrag(ViewerSession& session) {
  ViewState& view = session.view;
  if (!view.rubberBand) return;
  view.rubberBand->hide();
  view.rubberBand.reset();
  statusSet(session, session.window.drawingTitle.c_str());
}

// Runs the command; false when the key has none and belongs to the window.
bool run(KeyCommand command, ViewerSession& session, GwCore& frame) {
  GwEvent event;
  const GwUD data = session.userData();
  switch (command) {
    case KeyCommand::Open: CB_open(&frame, &event, data); return true;
    case KeyCommand::SaveAs:
    case KeyCommand::Print: {
      // Like the menu entry, which is insensitive while nothing is shown.
      GwCore* item = session.child(command == KeyCommand::Print ? "MI_print" : "MI_saveas");
      if (item && !item->is_sensitive()) return true;
      if (command == KeyCommand::Print) {
        CB_print(&frame, &event, data);
      } else {
        CB_saveas(&frame, &event, data);
      }
      return true;
    }
    case KeyCommand::Quit: frame.frame()->popdown(); return true;
    case KeyCommand::Help: CB_hilfe(&frame, &event, data); return true;
    case KeyCommand::ZoomIn: CB_zoomp(&frame, &event, data); return true;
    case KeyCommand::ZoomOut: CB_zoomm(&frame, &event, data); return true;
    case KeyCommand::ZoomBack: CB_zoom_back(&frame, &event, data); return true;
    case KeyCommand::ScrollLeft:
    case KeyCommand::ScrollRight:
    case KeyCommand::ScrollUp:
    case KeyCommand::ScrollDown:
      // Without a drawing the arrow keys move the focus, as in any window.
      if (!session.view.drawingShown) return false;
      scrollBySteps(session,
                    (command == KeyCommand::ScrollRight) - (command == KeyCommand::ScrollLeft),
                    (command == KeyCommand::ScrollDown) - (command == KeyCommand::ScrollUp));
      return true;
    case KeyCommand::Cancel:
      if (!session.view.rubberBand) return false;
      cancelDrag(session);
      return true;
    case KeyCommand::None: return false;
  }
  return false;
}

struct KeyTarget {
  ViewerSession* session;
  GwCore* frame;
};

gboolean keyPressed(GtkWidget* /*window*/, GdkEventKey* event, gpointer data) {
  auto* target = static_cast<KeyTarget*>(data);
  const KeyCommand command = keyCommand(event->keyval, event->state);
  return run(command, *target->session, *target->frame) ? TRUE : FALSE;
}

void forgetTarget(gpointer data, GClosure* /*closure*/) { delete static_cast<KeyTarget*>(data); }

}  // namespace

KeyCommand keyCommand(unsigned key, unsigned state) {
  if ((state & GDK_MOD1_MASK) != 0) return KeyCommand::None;
  return (state & GDK_CONTROL_MASK) != 0 ? withControl(key) : plain(key);
}

void acceptKeyCommands(ViewerSession& session, GwCore& frame) {
  g_signal_connect_data(frame.widget(), "key-press-event", G_CALLBACK(keyPressed),
                        new KeyTarget{&session, &frame}, forgetTarget, GConnectFlags{});
}

void showMenuAccelerators(const ViewerSession& session) {
  for (const MenuAccelerator& accelerator : kMenuAccelerators) {
    GwCore* item = session.child(accelerator.item);
    if (!item || !GTK_IS_MENU_ITEM(item->widget())) continue;
    GtkWidget* label = gtk_bin_get_child(GTK_BIN(item->widget()));
    if (GTK_IS_ACCEL_LABEL(label)) {
      gtk_accel_label_set_accel(GTK_ACCEL_LABEL(label), accelerator.key,
                                static_cast<GdkModifierType>(accelerator.modifiers));
    }
  }
}
