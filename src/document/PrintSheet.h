// One printed sheet of a drawing in the order the print command draws it.
#pragma once

#include <string>

#include "document/DXF_Zeichnung.h"

// What the sheet shows besides the drawing.
struct SheetTexts {
  std::string drawingTitle;       // the component's designation; empty for a plain file
  std::string openedFile;         // the frame's title when there is no drawing title
  std::string infoText;           // the caption in the upper left corner
  bool hasComponentName = false;  // a named component gets no scale bar
  std::string logoPath;           // the picture in the lower left corner
};

// Frame with title, caption in corner 1, the scale bar in corner 2 (only for a drawing
// title without component name), the drawing, and the logo in corner 3 — on a device onto
// which the drawing's printed window is fitted.
void printSheet(DXF_Zeichnung& drawing, DeviceContext& dc, const SheetTexts& texts);
