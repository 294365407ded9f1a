// The file selector as tests drive it: through the hook that answers instead of the dialog.
#include "toolkit/GwFileSelector.h"

#include <gtest/gtest.h>

namespace {

class GwFileSelectorTest : public ::testing::Test {
 protected:
  void TearDown() override { GwSetFileSelectorHook({}); }
};

TEST_F(GwFileSelectorTest, ConfirmedChoiceComesBackWithTheRequestAsAsked) {
  GwFileRequest seen;
  GwSetFileSelectorHook([&](const GwFileRequest& request, std::string& chosen) {
    seen = request;
    chosen = "/data/Flansch.dxf";
    return true;
  });
  std::string result;
  EXPECT_EQ(GwFileSelector(result, nullptr, "/data", "*.dxf", GwFILE_OPEN, "Open drawing"), 1);
  EXPECT_EQ(result, "/data/Flansch.dxf");
  EXPECT_EQ(seen.startDirectory, "/data");
  EXPECT_EQ(seen.pattern, "*.dxf");
  EXPECT_EQ(seen.mode, GwFILE_OPEN);
  EXPECT_EQ(seen.title, "Open drawing");
}

TEST_F(GwFileSelectorTest, CancelLeavesTheResultAlone) {
  GwSetFileSelectorHook([](const GwFileRequest&, std::string& chosen) {
    chosen = "/ignored";
    return false;
  });
  std::string result = "before";
  EXPECT_EQ(GwFileSelector(result, nullptr, nullptr, "Teil.dxf", GwFILE_SAVE, nullptr), 0);
  EXPECT_EQ(result, "before");
}

}  // namespace
