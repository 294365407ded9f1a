// The printed page: paper sizes, the printer's device pixel, and where the sheet sits.
#pragma once

#include <optional>
#include <string_view>

#include "entities/DeviceContext.h"

enum class PaperSize { A4, A3, Letter };
enum class PageOrientation { Portrait, Landscape };

// A width and height in millimetres.
struct PageSize {
  double width = 0.0;
  double height = 0.0;
};

namespace PrintPage {

// The printer's device pixel is a tenth of a millimetre: one-pixel pens print as fine
// lines, and text heights, whole pixels, come out within a tenth of a millimetre.
constexpr double kPixelsPerMm = 10.0;
constexpr double kPointsPerMm = 72.0 / 25.4;
// The unprinted border of a sheet written straight to a file, on every side.
constexpr double kFileMarginMm = 10.0;

// The paper of that name ("A4", "A3", "Letter"; exact spelling); none for others.
std::optional<PaperSize> paperNamed(std::string_view name);
// The paper's size in millimetres, turned for landscape.
PageSize paper(PaperSize size, PageOrientation orientation);
// Landscape for a window wider than high, else portrait.
PageOrientation orientationFor(double windowWidth, double windowHeight);
// The offset, in device pixels, that centres a window fitted onto the printable area
// (keeping its proportions) on the other axis. (0, 0) for an empty window.
DevicePoint centring(double deviceWidth, double deviceHeight, double windowWidth,
                     double windowHeight);

}  // namespace PrintPage
