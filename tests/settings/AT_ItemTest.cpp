// Tests of the value cell: setters, copies, renderings and conversions.
#include <climits>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <cmath>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "AT_Item.h"
#include "TestSupport.h"

namespace {

TEST(AT_ItemSetters, EverySetterReplacesTheTypeAndValue) {
  AT_Item item;
  EXPECT_EQ(item.typeCode(), AT_Empty);
  EXPECT_EQ(item.value(), nullptr);
  item.setText("abc");
  EXPECT_EQ(item.typeCode(), AT_Text);
  item.setInt(5);
  EXPECT_EQ(item.typeCode(), AT_Int);
  EXPECT_EQ(item.toInt(), 5);
  item.clear();
  EXPECT_EQ(item.typeCode(), AT_Empty);
  EXPECT_EQ(item.value(), nullptr);
}

TEST(AT_ItemSetters, NullTextLeavesNoValueButTextType) {
  AT_Item item;
  item.setText(nullptr);
  EXPECT_EQ(item.typeCode(), AT_Text);
  EXPECT_EQ(item.value(), nullptr);
  EXPECT_STREQ(item.text(), "");
}

TEST(AT_ItemSetters, RawWithoutLengthKeepsTheForeignPointer) {
  int object = 42;
  AT_Item item;
  item.setRaw(&object, 0);
  EXPECT_EQ(item.typeCode(), AT_Pointer);
  EXPECT_EQ(item.value(), &object);
  item.clear();  // must not free the caller's object (the sanitizer would catch it)
  EXPECT_EQ(object, 42);
}

TEST(AT_ItemSetters, RawWithLengthKeepsAnOwnedCopy) {
  char block[4] = {'a', 'b', 'c', 'd'};
  AT_Item item;
  item.setRaw(block, sizeof block);
  block[0] = 'z';
  EXPECT_EQ(item.typeCode(), AT_Bytes);
  EXPECT_NE(item.value(), static_cast<void*>(block));
  EXPECT_EQ(static_cast<const char*>(item.value())[0], 'a');
  EXPECT_EQ(item.byteLength(), 4U);
}

TEST(AT_ItemSetters, SettingTextFromItsOwnValueIsSafe) {
  AT_Item item;
  item.setText("self");
  item.setText(static_cast<const char*>(item.value()));
  EXPECT_STREQ(item.text(), "self");
}

TEST(AT_ItemSetters, ChainedSettersReturnTheItem) {
  AT_Item item;
  EXPECT_EQ(&item.setDouble(1.5), &item);
  EXPECT_EQ(item.setText("x").typeCode(), AT_Text);
}

TEST(AT_ItemCopy, CopiesOwnValuesFormatAndSharesForeignPointers) {
  int object = 1;
  AT_Item text;
  text.setText("abc");
  text.setFormat("<%s>");
  AT_Item textCopy(text);
  EXPECT_NE(textCopy.value(), text.value());
  EXPECT_STREQ(textCopy.text(), "<abc>");

  AT_Item pointer;
  pointer.setRaw(&object, 0);
  AT_Item pointerCopy(pointer);
  EXPECT_EQ(pointerCopy.value(), &object);

  AT_Item bytes;
  bytes.setRaw("xyz", 3);
  AT_Item bytesCopy;
  bytesCopy = bytes;
  EXPECT_EQ(bytesCopy.byteLength(), 3U);
  EXPECT_EQ(std::memcmp(bytesCopy.value(), "xyz", 3), 0);

  AT_Item number;
  number.setFloat(2.5F);
  AT_Item numberCopy(number);
  EXPECT_EQ(numberCopy.typeCode(), AT_Float);
  EXPECT_EQ(numberCopy.toFloat(), 2.5F);
}

TEST(AT_ItemRendering, NumbersWithoutFormat) {
  AT_Item item;
  EXPECT_STREQ(item.setInt(-17).text(), "-17");
  EXPECT_STREQ(item.setLong(123456).text(), "123456");
  EXPECT_STREQ(item.setFloat(1.5F).text(), "1.500000");
  EXPECT_STREQ(item.setDouble(0.25).text(), "0.25");
  EXPECT_STREQ(item.setChar('Q').text(), "Q");
  EXPECT_STREQ(item.setRaw("ab", 2).text(), "");
}

TEST(AT_ItemRendering, IntRenderingLandsInTheBufferAndIsOverwritten) {
  AT_Item item;
  const char* first = item.setInt(12).text();
  EXPECT_STREQ(first, "12");
  item.setInt(345);
  const char* second = item.text();
  EXPECT_EQ(first, second);
  EXPECT_STREQ(first, "345");
}

TEST(AT_ItemRendering, TextRendersAsItsOwnStorage) {
  AT_Item item;
  item.setText("abc");
  const char* held = item.text();
  EXPECT_EQ(held, item.value());
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
  EXPECT_STREQ(item.setDouble(3.14159).text(), "3.14");
  EXPECT_STREQ(item.setFloat(0.5F).text(), "0.50");
  item.setFormat("[%s]");
  EXPECT_STREQ(item.setText("name").text(), "[name]");
  item.setFormat("%c!");
  EXPECT_STREQ(item.setChar('a').text(), "a!");
  item.setFormat("100%% sure");
  EXPECT_STREQ(item.setInt(1).text(), "100% sure");
}

TEST(AT_ItemRendering, FormatNotFittingTheTypeIsIgnored) {
  AT_Item item;
  item.setFormat("%s");
  EXPECT_STREQ(item.setInt(9).text(), "9");
  item.setFormat("%d %d");
  EXPECT_STREQ(item.setInt(3).text(), "3");
  item.setFormat("%*d");
  EXPECT_STREQ(item.setInt(4).text(), "4");
  item.setFormat("%n");
  EXPECT_STREQ(item.setInt(5).text(), "5");
  item.setFormat("%d");
  EXPECT_STREQ(item.setDouble(2.5).text(), "2.5");
  item.setFormat("%");
  EXPECT_STREQ(item.setText("t").text(), "t");
}

TEST(AT_ItemRendering, LongFormattedTextIsCutToTheBuffer) {
  const std::string longText(1000, 'w');
  AT_Item item;
  item.setText(longText.c_str());
  item.setFormat("%s");
  EXPECT_EQ(std::strlen(item.text()), AT_Item::textBufferSize - 1);
}

TEST(AT_ItemRendering, ForeignPointerWithFormatCopiesItsText) {
  static const char name[] = "foreign";
  AT_Item item;
  item.setRaw(name, 0);
  EXPECT_EQ(item.text(), name);
  item.setFormat("%d");
  EXPECT_NE(item.text(), name);
  EXPECT_STREQ(item.text(), "foreign");
}

TEST(AT_ItemConversion, TextFollowsAtoiAndAtofRules) {
  AT_Item item;
  EXPECT_EQ(item.setText(" 12abc").toInt(), 12);
  EXPECT_EQ(item.setText("").toInt(), 0);
  EXPECT_EQ(item.setText("-7").toLong(), -7);
  EXPECT_DOUBLE_EQ(item.setText(" 2.5e1x").toDouble(), 25.0);
  EXPECT_FLOAT_EQ(item.setText("0.75").toFloat(), 0.75F);
  EXPECT_EQ(item.setText("xyz").toChar(), 'x');
  EXPECT_EQ(item.setText("").toChar(), '\0');
}

TEST(AT_ItemConversion, HugeTextNumbersSaturate) {
  AT_Item item;
  EXPECT_EQ(item.setText("99999999999999999999").toInt(), INT_MAX);
  EXPECT_EQ(item.setText("-99999999999").toInt(), INT_MIN);
  EXPECT_TRUE(std::isinf(item.setText("1e300").toFloat()));
}

TEST(AT_ItemConversion, NullValueGivesZeroOrTheDigitZero) {
  AT_Item item;
  EXPECT_EQ(item.toInt(), 0);
  EXPECT_EQ(item.toDouble(), 0.0);
  EXPECT_EQ(item.toChar(), '0');
  item.setText(nullptr);
  EXPECT_EQ(item.toLong(), 0);
  EXPECT_EQ(item.toFloat(), 0.0F);
}

TEST(AT_ItemConversion, NumbersConvertByValueWhateverTheirWidth) {
  AT_Item item;
  EXPECT_EQ(item.setChar('A').toInt(), 65);
  EXPECT_DOUBLE_EQ(item.setChar('A').toDouble(), 65.0);
  EXPECT_DOUBLE_EQ(item.setInt(7).toDouble(), 7.0);
  EXPECT_DOUBLE_EQ(item.setFloat(1.25F).toDouble(), 1.25);
  EXPECT_EQ(item.setDouble(-3.9).toInt(), -3);
  EXPECT_EQ(item.setDouble(1e12).toInt(), INT_MAX);
  EXPECT_EQ(item.setDouble(std::nan("")).toInt(), 0);
  EXPECT_EQ(item.setInt(66).toChar(), 'B');
}

TEST(AT_ItemConversion, ShortByteBlocksArePaddedWithZeros) {
  const unsigned char one = 0x2A;
  AT_Item item;
  item.setRaw(&one, 1);
  EXPECT_EQ(item.toInt(), 0x2A);
  EXPECT_EQ(item.toChar(), '*');
  // Eight bytes wanted, one held: the other seven are zero, giving a tiny positive double.
  EXPECT_GT(item.toDouble(), 0.0);
  EXPECT_LT(item.toDouble(), 1e-300);
}

// Makes a decimal-comma numeric locale current while it lives; builds one in a temporary
// folder when the system has none installed.
class DecimalCommaLocale {
 public:
  DecimalCommaLocale() {
    if (tryLocale()) return;
    const std::string command = "localedef -i de_DE -f UTF-8 '" + dir_.file("de_DE.UTF-8").string() +
                                "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0 && !std::filesystem::exists(dir_.file("de_DE.UTF-8")))
      return;
    setenv("LOCPATH", dir_.path().c_str(), 1);
    tryLocale();
  }
  ~DecimalCommaLocale() {
    std::setlocale(LC_NUMERIC, "C");
    unsetenv("LOCPATH");
  }
  bool active() const { return active_; }

 private:
  bool tryLocale() {
    active_ = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr &&
              std::localeconv()->decimal_point[0] == ',';
    return active_;
  }
  testsupport::TempDir dir_;
  bool active_ = false;
};

TEST(AT_ItemLocale, NumbersUseADecimalPointUnderADecimalCommaLocale) {
  DecimalCommaLocale locale;
  if (!locale.active()) GTEST_SKIP() << "no decimal-comma locale available";
  AT_Item item;
  EXPECT_DOUBLE_EQ(item.setText("2.5").toDouble(), 2.5);
  EXPECT_FLOAT_EQ(item.setText("0.25").toFloat(), 0.25F);
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
