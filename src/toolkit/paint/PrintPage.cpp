// The printed page: paper sizes, the printer's device pixel, and where the sheet sits.
#include "toolkit/paint/PrintPage.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace PrintPage {

std::optional<PaperSize> paperNamed(std::string_view name) {
  if (name == "A4") return PaperSize::A4;
  if (name == "A3") return PaperSize::A3;
  if (name == "Letter") return PaperSize::Letter;
  return std::nullopt;
}

PageSize paper(PaperSize size, PageOrientation orientation) {
  PageSize page;
  switch (size) {
    case PaperSize::A4: page = {210.0, 297.0}; break;
    case PaperSize::A3: page = {297.0, 420.0}; break;
    case PaperSize::Letter: page = {215.9, 279.4}; break;
  }
  if (orientation == PageOrientation::Landscape) std::swap(page.width, page.height);
  return page;
}

PageOrientation orientationFor(double windowWidth, double windowHeight) {
  return windowWidth > windowHeight ? PageOrientation::Landscape : PageOrientation::Portrait;
}

DevicePoint centring(double deviceWidth, double deviceHeight, double windowWidth,
                     double windowHeight) {
  const double k = std::min(deviceWidth / windowWidth, deviceHeight / windowHeight);
  if (!std::isfinite(k) || k <= 0.0) return {};
  return {(deviceWidth - k * windowWidth) / 2.0, (deviceHeight - k * windowHeight) / 2.0};
}

}  // namespace PrintPage
