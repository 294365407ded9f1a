// The toolkit's small value types: atoms, colours, user data and number texts.
#include <gtest/gtest.h>

#include <string>

#include "toolkit/GwAtom.h"
#include "toolkit/GwPixel.h"
#include "toolkit/GwString.h"
#include "toolkit/GwUDStr.h"
#include "support/DecimalCommaLocale.h"

namespace {

TEST(GwAtom, AtomsOfEqualNamesAreEqualWhereverTheirTextLives) {
  std::string runtimeName = "CBButton";
  const GwAtom interned = GwAtom::intern(runtimeName);
  runtimeName = "changed";
  EXPECT_EQ(interned, GwCB_BUTTON);
  EXPECT_STREQ(interned.name(), "CBButton");
  EXPECT_FALSE(GwCB_BUTTON == GwCB_MOUSEMOVE);
  EXPECT_EQ(GwAtom::intern("clicked").name(), GwAtom::intern(std::string("clicked")).name());
}

TEST(GwPixel, ReadsColourTableTextsAndPaintsAnythingElseBlack) {
  const GwPixel green("#149E0A");
  EXPECT_DOUBLE_EQ(green.red(), 0x14 / 255.0);
  EXPECT_DOUBLE_EQ(green.green(), 0x9E / 255.0);
  EXPECT_DOUBLE_EQ(green.blue(), 0x0A / 255.0);
  for (const char* other : {"BYLAYER", "#12345", "", "#GG0000"}) {
    const GwPixel black(other);
    EXPECT_EQ(black.red() + black.green() + black.blue(), 0.0) << other;
  }
}

TEST(GwUD, UserDataComparesByTextAndPointer) {
  int marker = 0;
  EXPECT_EQ(GwUDStr("0.5"), GwUDStr("0.5"));
  EXPECT_FALSE(GwUDStr("0.5") == GwUDStr("0.25"));
  EXPECT_FALSE(GwUD(&marker) == GwUD());
  EXPECT_STREQ(GwUDStr(nullptr).str(), "");
  EXPECT_FALSE(GwUD().has_text());
}

TEST(GwString, NumbersFollowTheStringTypeAndAlwaysUseADecimalPoint) {
  testsupport::DecimalCommaLocale comma;
  ASSERT_TRUE(comma.active()) << testsupport::kNoDecimalCommaLocale;
  const GwStringType saved = GwString::string_type();
  GwString::set_string_type(GwSTRING_SHORTEST);
  EXPECT_STREQ(GwString(12.5).c_str(), "12.5");
  GwString::set_string_type(GwSTRING_TWO_DECIMALS);
  EXPECT_STREQ(GwString(12.5).c_str(), "12.50");
  EXPECT_STREQ(GwString(-0.125).c_str(), "-0.12");
  GwString::set_string_type(saved);
}

}  // namespace
