// Keyboard shortcuts of the main window: the file commands, help, zooming, scrolling and
// cancelling a drag by keys.
#pragma once

struct ViewerSession;
class GwCore;

enum class KeyCommand {
  None,
  Open,
  SaveAs,
  Print,
  Quit,
  Help,
  ZoomIn,
  ZoomOut,
  ZoomBack,
  ScrollLeft,
  ScrollRight,
  ScrollUp,
  ScrollDown,
  Cancel,
};

// The command of a key (a GDK key value) with the modifier state of the event: Ctrl+O,
// Ctrl+S, Ctrl+P and Ctrl+Q in either case; Ctrl with plus (or =) and minus zoom; F1 help;
// without Ctrl: +, - and 0 or Home (main or number pad) zoom, the arrow keys scroll and
// Escape cancels. Nothing with Alt, which belongs to the menu mnemonics.
KeyCommand keyCommand(unsigned key, unsigned state);

// Runs the key commands on the application frame (the same callbacks as the menu and the
// buttons); other keys go on to the window as before.
void acceptKeyCommands(ViewerSession& session, GwCore& frame);

// The accelerators the menu entries show; the keys are those keyCommand knows.
struct MenuAccelerator {
  const char* item;  // the menu entry of the resource file
  unsigned key;      // GDK key value
  unsigned modifiers;
};
extern const MenuAccelerator kMenuAccelerators[];
extern const int kMenuAcceleratorCount;

// Shows the accelerators of kMenuAccelerators beside their menu entries.
void showMenuAccelerators(const ViewerSession& session);
