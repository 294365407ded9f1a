// Small callbacks: the zoom step from a menu item's text, and the placeholder message.
#include "app/ShellCallbacks.h"

#include "toolkit/GwUDStr.h"
#include "TestSupport.h"
#include "support/DecimalCommaLocale.h"
#include "viewer/ViewerSession.h"

namespace {

// The menu items call it while the main window runs, under the numeric locale "C".
double stepFrom(const char* text) {
  testsupport::NumericLocaleC numbersWithPoint;
  ViewerSession session;
  EXPECT_EQ(CB_get_factor(nullptr, nullptr, GwUDStr(text, &session)), 1);
  return session.view.zoomStep;
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

TEST(CB_get_factor, ChangesOnlyTheSessionItIsBoundWith) {
  testsupport::NumericLocaleC numbersWithPoint;  // as while the main window runs
  ViewerSession bound;
  ViewerSession other;
  other.view.zoomStep = 0.75;
  CB_get_factor(nullptr, nullptr, GwUDStr("0.25", &bound));
  EXPECT_DOUBLE_EQ(bound.view.zoomStep, 0.25);
  EXPECT_DOUBLE_EQ(other.view.zoomStep, 0.75);
  // Without a session in its user data the callback has nothing to change.
  EXPECT_EQ(CB_get_factor(nullptr, nullptr, GwUDStr("0.25")), 1);
}

TEST(ShellCallbacks, DoNothingCallbacksAnswerOne) {
  EXPECT_EQ(CB_Translate(nullptr, nullptr, GwUD()), 1);
  EXPECT_EQ(CB_info(nullptr, nullptr, GwUD()), 1);
  EXPECT_EQ(CB_zoom_navigator(nullptr, nullptr, GwUD()), 1);
}

}  // namespace
