// What the main window keeps besides the view state: its frame, the viewer interface, the
// settings, the paths and texts the commands share.
#pragma once

#include <memory>
#include <string>

#include "settings/FixedText.h"
#include "toolkit/GwFrame.h"

class DXF_Interface;
class IniFile;

struct MainWindowState {
  GwFrame* frame = nullptr;                  // the application frame while it exists
  DXF_Interface* viewerInterface = nullptr;  // set while the main window is built and runs
  IniFile* frameSettings = nullptr;          // the interface's settings file
  FixedText<264> viewerPath;                 // folder the file selectors start in
  FixedText<100> drawingTitle;               // status line, save-as name, printed sheet
  FixedText<264> logoPath;                   // [General] BmpPath + separator + Logo
  int alternativeLayer = 0;                  // 1: "MassblLayer" also admits a drawing
  bool withoutCommands = false;              // shown through "MassblLayer": no CAD commands
  int hasComponentName = 0;                  // the interface has a component name
  std::unique_ptr<GwFrame> layerDialog;      // "Layerdefinition_Dialog", from frame show on
  FixedText<260> openedFile;                 // path of the drawing last opened or saved
  int transferFileCounter = 0;               // number of the next temporary transfer file
  std::string frameTitle;                    // the frame's own title, before any file name
  bool loading = false;                      // a drawing is being read: no other open meanwhile
};
