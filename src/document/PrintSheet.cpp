// One printed sheet of a drawing in the order the print command draws it.
#include "document/PrintSheet.h"

namespace {
constexpr double kFactor = 1.0;
constexpr int kCaptionCorner = 1;
constexpr int kScaleBarCorner = 2;
constexpr int kLogoCorner = 3;
}  // namespace

void printSheet(DXF_Zeichnung& drawing, DeviceContext& dc, const SheetTexts& texts) {
  if (!texts.drawingTitle.empty()) {
    drawing.drawSheetFrame(dc, kFactor, texts.drawingTitle.c_str());
    drawing.drawPrintCaption(dc, kFactor, texts.infoText.c_str(), kCaptionCorner);
    if (!texts.hasComponentName) drawing.drawScaleBar(dc, kFactor, kScaleBarCorner);
  } else {
    drawing.drawSheetFrame(dc, kFactor, texts.openedFile.c_str());
    drawing.drawPrintCaption(dc, kFactor, texts.infoText.c_str(), kCaptionCorner);
  }
  drawing.printAll(dc, kFactor);
  drawing.drawLogo(dc, kFactor, texts.logoPath.c_str(), kLogoCorner);
}
