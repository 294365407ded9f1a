// Geometry of the main frame between settings, screen and window.
#include "app/MainFrameGeometry.h"

#include <algorithm>
#include <string>

#include "settings/IniFile.h"

namespace {
constexpr const char* kSection = "DXFViewer";
constexpr int kBottomReserve = 40;  // pixels left free below the frame (task bar)
}  // namespace

void readFrameGeometry(IniFile& settings, FrameGeometry& geometry) {
  geometry.state = settings.getInt(kSection, "State");
  geometry.dimH = settings.getInt(kSection, "DimH");
  geometry.dimW = settings.getInt(kSection, "DimW");
  geometry.posX = settings.getInt(kSection, "PosX");
  geometry.posY = settings.getInt(kSection, "PosY");
}

GwPosition clampFramePosition(GwPosition position, GwDimension frameSize, GwDimension screen) {
  int x = std::max(position.x, 0);
  int y = std::max(position.y, 0);
  if (y + frameSize.height + kBottomReserve > screen.height) {
    y = screen.height - frameSize.height - kBottomReserve;
  }
  if (x + frameSize.width > screen.width) x = screen.width - frameSize.width;
  // A frame larger than the screen keeps its title bar reachable.
  return {std::max(x, 0), std::max(y, 0)};
}

void geometryOnHide(FrameGeometry& geometry, GwWindowState windowState, GwDimension contentSize,
                    GwPosition framePosition) {
  if (windowState == GwWINDOW_MAXIMIZED) {
    geometry.state = kStoredMaximized;
    return;
  }
  geometry.state = kStoredNormal;
  geometry.dimW = contentSize.width;
  geometry.dimH = contentSize.height;
  geometry.posX = framePosition.x;
  geometry.posY = framePosition.y;
}

void storeFrameGeometry(IniFile& settings, const FrameGeometry& geometry) {
  const std::pair<const char*, int> values[] = {{"PosX", geometry.posX},
                                                {"PosY", geometry.posY},
                                                {"DimW", geometry.dimW},
                                                {"DimH", geometry.dimH},
                                                {"State", geometry.state}};
  for (const auto& [key, value] : values) {
    settings.setValue(kSection, key, std::to_string(value).c_str());
  }
}
