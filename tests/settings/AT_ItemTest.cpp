// Tests of the value cell: ownership, renderings and conversions.
#include <climits>
#include <cmath>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "settings/AT_Item.h"
#include "TestSupport.h"
#include "support/DecimalCommaLocale.h"

namespace {

TEST(AT_ItemOwnership, ForeignPointerIsNeverFreedOwnedValuesAreCopied) {
  int object = 42;
  AT_Item item;
  item.setRaw(&object, 0);
  EXPECT_EQ(item.typeCode(), AT_Pointer);
  EXPECT_EQ(item.value(), &object);
  item.setText(nullptr);  // forgetting the pointer must not free it (ASan would report)
  EXPECT_EQ(item.typeCode(), AT_Text);
  EXPECT_EQ(item.value(), nullptr);

  char block[2] = {'a', 'b'};
  item.setRaw(block, sizeof block);
  block[0] = 'z';
  EXPECT_EQ(static_cast<const char*>(item.value())[0], 'a');
  AT_Item copy(item);
  EXPECT_NE(copy.value(), item.value());
  EXPECT_EQ(copy.byteLength(), 2U);
}

TEST(AT_ItemOwnership, SettingTextFromItsOwnValueIsSafe) {
  AT_Item item;
  item.setText("self");
  item.setText(static_cast<const char*>(item.value()));
  EXPECT_STREQ(item.text(), "self");
}

TEST(AT_ItemRendering, NumberRenderingLandsInTheBufferAndIsOverwritten) {
  AT_Item item;
  const char* first = item.setInt(12).text();
  EXPECT_STREQ(first, "12");
  item.setFloat(1.5F);
  EXPECT_EQ(item.text(), first);
  EXPECT_STREQ(first, "1.500000");
  EXPECT_STREQ(item.setDouble(0.25).text(), "0.25");
  EXPECT_STREQ(item.setChar('Q').text(), "Q");
  EXPECT_STREQ(item.setRaw("ab", 2).text(), "");
}

TEST(AT_ItemRendering, TextRendersAsItsOwnStorage) {
  AT_Item item;
  item.setText("abc");
  const char* held = item.text();
  static_cast<char*>(item.value())[0] = 'X';
  EXPECT_STREQ(held, "Xbc");
}

TEST(AT_ItemRendering, FormatsMatchingTheType) {
  AT_Item item;
  item.setFormat("%05d");
  EXPECT_STREQ(item.setInt(42).text(), "00042");
  item.setFormat("%ld mm");
  EXPECT_STREQ(item.setLong(7).text(), "7 mm");
  item.setFormat("%.2f");
  EXPECT_STREQ(item.setFloat(0.5F).text(), "0.50");
  item.setFormat("[%s]");
  EXPECT_STREQ(item.setText("name").text(), "[name]");
  item.setFormat("100%% sure");
  EXPECT_STREQ(item.setInt(1).text(), "100% sure");
}

TEST(AT_ItemRendering, FormatNotFittingTheTypeIsIgnored) {
  AT_Item item;
  item.setInt(9);
  for (const char* format : {"%s", "%d %d", "%*d", "%n", "%f", "%"}) {
    item.setFormat(format);
    EXPECT_STREQ(item.text(), "9") << format;
  }
}

TEST(AT_ItemRendering, LongFormattedTextIsCutToTheBuffer) {
  const std::string longText(1000, 'w');
  AT_Item item;
  item.setText(longText.c_str());
  item.setFormat("%s");
  EXPECT_EQ(std::strlen(item.text()), AT_Item::textBufferSize - 1);
}

TEST(AT_ItemConversion, TextFollowsAtoiAndAtofRulesAndSaturates) {
  AT_Item item;
  EXPECT_EQ(item.setText(" 12abc").toInt(), 12);
  EXPECT_EQ(item.setText("").toInt(), 0);
  EXPECT_DOUBLE_EQ(item.setText(" 2.5e1x").toDouble(), 25.0);
  EXPECT_EQ(item.setText("xyz").toChar(), 'x');
  EXPECT_EQ(item.setText("99999999999999999999").toInt(), INT_MAX);
  EXPECT_EQ(item.setText("-99999999999").toLong(), INT_MIN);
  EXPECT_TRUE(std::isinf(item.setText("1e300").toFloat()));
  item.setText(nullptr);
  EXPECT_EQ(item.toInt(), 0);
  EXPECT_EQ(item.toChar(), '0');
}

TEST(AT_ItemConversion, NumbersConvertByValueWhateverTheirWidth) {
  AT_Item item;
  EXPECT_EQ(item.setChar('A').toInt(), 65);
  EXPECT_DOUBLE_EQ(item.setInt(7).toDouble(), 7.0);
  EXPECT_DOUBLE_EQ(item.setFloat(1.25F).toDouble(), 1.25);
  EXPECT_EQ(item.setDouble(-3.9).toInt(), -3);
  EXPECT_EQ(item.setDouble(1e12).toInt(), INT_MAX);
  EXPECT_EQ(item.setDouble(std::nan("")).toInt(), 0);
}

TEST(AT_ItemConversion, ShortByteBlocksArePaddedWithZeros) {
  const unsigned char one = 0x2A;
  AT_Item item;
  item.setRaw(&one, 1);
  EXPECT_EQ(item.toInt(), 0x2A);
  // Eight bytes wanted, one held: the other seven are zero, giving a tiny positive double.
  EXPECT_GT(item.toDouble(), 0.0);
  EXPECT_LT(item.toDouble(), 1e-300);
}

TEST(AT_ItemLocale, NumbersUseADecimalPointUnderADecimalCommaLocale) {
  testsupport::DecimalCommaLocale comma;
  ASSERT_TRUE(comma.active()) << testsupport::kNoDecimalCommaLocale;
  AT_Item item;
  EXPECT_DOUBLE_EQ(item.setText("2.5").toDouble(), 2.5);
  EXPECT_STREQ(item.setDouble(1.5).text(), "1.5");
  EXPECT_STREQ(item.setFloat(0.5F).text(), "0.500000");
  item.setFormat("%.2f");
  EXPECT_STREQ(item.setDouble(3.25).text(), "3.25");
}

TEST(AT_ItemFallback, SharedEmptyIsEmptiedOnEveryHandOut) {
  AT_Item& first = AT_Item::sharedEmpty();
  first.setText("leak");
  first.setFormat("%s!");
  AT_Item& second = AT_Item::sharedEmpty();
  EXPECT_EQ(&first, &second);
  EXPECT_EQ(second.value(), nullptr);
  EXPECT_EQ(second.format(), nullptr);
}

}  // namespace
