// The print command: the current view's drawing on one sheet, through the print dialog.
#include "app/PrintCommand.h"

#include "document/PrintSheet.h"
#include "document/SheetGeometry.h"
#include "settings/Cp1252.h"
#include "interface/DXF_Interface.h"
#include "toolkit/GwPrinterDC.h"
#include "toolkit/paint/PrintPage.h"
#include "viewer/MainWindowState.h"
#include "viewer/ViewDocuments.h"
#include "viewer/ViewState.h"
#include "viewer/ViewerSession.h"
#include "viewer/WindowUtilities.h"

namespace {

constexpr const char* kCannotPrint = "MsgBox_Fehler_beim_Drucken";

SheetTexts sheetTexts(const ViewerSession& session) {
  const MainWindowState& window = session.window;
  const DXF_Interface* viewer = window.viewerInterface;
  SheetTexts texts;
  texts.drawingTitle = window.drawingTitle.c_str();
  // The path is the file system's bytes; printed texts are Windows-1252.
  texts.openedFile = utf8ToCp1252(window.openedFile.c_str());
  if (viewer && viewer->infoText) texts.infoText = *viewer->infoText;
  texts.hasComponentName = window.hasComponentName != 0;
  texts.logoPath = window.logoPath.c_str();
  return texts;
}

}  // namespace

int CB_print(GwCore* frame, GwEvent* /*event*/, GwUD userData) {
  ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 1;
  DXF_Zeichnung* drawing = session->currentDocument();
  const SheetExtents window = drawing
                                  ? SheetGeometry::printWindow({drawing->minX(), drawing->minY(),
                                                                drawing->maxX(), drawing->maxY()})
                                  : SheetExtents{};
  const double width = window.maxX - window.minX;
  const double height = window.maxY - window.minY;
  GwPrinterDC printer;
  printer.lock(0);
  printer.propose_orientation(PrintPage::orientationFor(width, height));
  if (session->view.drawingShown && printer.dialog(frame)) {
    busyBegin(*session);
    int printed = 1;
    if (drawing) {
      const SheetTexts texts = sheetTexts(*session);
      printed = printer.print_one_page("Screen", width, height,
                                       [&](DeviceContext& dc) { printSheet(*drawing, dc, texts); });
    }
    busyEnd(*session);
    if (!printed) showMessage(*session, kCannotPrint);
  }
  printer.unlock();
  return 1;
}
