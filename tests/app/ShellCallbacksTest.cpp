// Small callbacks: the zoom step from a menu item's text, and the placeholder message.
#include "app/ShellCallbacks.h"

#include "toolkit/GwUDStr.h"
#include "TestSupport.h"
#include "support/DecimalCommaLocale.h"
#include "viewer/ViewState.h"

namespace {

// The menu items call it while the main window runs, under the numeric locale "C".
double stepFrom(const char* text) {
  testsupport::NumericLocaleC numbersWithPoint;
  viewState().zoomStep = 0.0;
  EXPECT_EQ(CB_get_factor(nullptr, nullptr, GwUDStr(text)), 1);
  return viewState().zoomStep;
}

TEST(CB_get_factor, TakesTheFactorOfTheMenuItem) {
  EXPECT_DOUBLE_EQ(stepFrom("0.25"), 0.25);
  EXPECT_DOUBLE_EQ(stepFrom("0.75"), 0.75);
}

TEST(CB_get_factor, TextThatIsNoPositiveNumberGivesHalfSteps) {
  for (const char* text : {"0", "abc", "", "-2", "nan", "inf"}) {
    EXPECT_DOUBLE_EQ(stepFrom(text), 0.5) << text;
  }
}

TEST(ShellCallbacks, DoNothingCallbacksAnswerOne) {
  EXPECT_EQ(CB_Translate(nullptr, nullptr, GwUD()), 1);
  EXPECT_EQ(CB_info(nullptr, nullptr, GwUD()), 1);
  EXPECT_EQ(CB_zoom_navigator(nullptr, nullptr, GwUD()), 1);
}

}  // namespace
