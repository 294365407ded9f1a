// Files dropped on the window: which URIs name local files.
#include "app/DesktopOpening.h"

#include <gtest/gtest.h>

namespace {

TEST(DesktopOpening, DroppedUrisGiveTheirLocalFilesInOrderAndPassOverTheRest) {
  const std::vector<std::string> uris = {
      "file:///home/anna/drawings/plate.dxf",
      "https://example.org/plate.dxf",
      "file:///home/anna/with%20space/B%C3%BCgel.DXF",
      "not a uri",
      "file://otherhost/share/x.dxf",
      "file:///tmp/last.dxf",
  };
  EXPECT_EQ(localFiles(uris),
            (std::vector<std::string>{"/home/anna/drawings/plate.dxf",
                                      "/home/anna/with space/Bügel.DXF", "/tmp/last.dxf"}));
  EXPECT_TRUE(localFiles({}).empty());
}

}  // namespace
