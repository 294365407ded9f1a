// The transfer scripts, byte for byte, on every road and with every option.
#include <clocale>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cadlink/CadScripts.h"
#include "support/DecimalCommaLocale.h"

namespace {

const char* const kBlock = "DUMMY_Dec_06_10-05-14";
const char* const kFile = "C:\\w\\dde_3.dxf";
const WorldWindow kZoom{0.0, 0.0, 100.0, 50.0};
const std::string kZoomText = "_.zoom _w 0.000000,0.000000 100.000000,50.000000 ";

ScriptOptions options(bool explode, bool mouse, double angle = 0.0) {
  ScriptOptions chosen;
  chosen.blockName = kBlock;
  chosen.insertX = 10.0;
  chosen.insertY = 20.0;
  chosen.insertAngle = angle;
  chosen.explode = explode;
  chosen.mouseInsert = mouse;
  return chosen;
}

struct ScriptCase {
  const char* name;
  int versionCode;
  bool explode;
  bool mouse;
  std::string expected;
};

const std::string kInsertLine = std::string("_.-insert \"") + kBlock + "=" + kFile + "\"\n";
const std::string kScale = "_scale 1.0 _rot 0.000000\n";
const std::string kPoint = "10.000000,20.000000\n";
const std::string kExplodedAgain =
    kPoint + "_.select _all _rem _prev  _.erase _prev  _.-insert \"*" + kBlock + "\"\n";
const std::string kDxfinHead = "_.filedia 0 " + kZoomText + "_.select _all  _.dxfin \"" + kFile +
                               "\"\n_filedia 1 _.select _all _rem _prev  _.block \"" + kBlock +
                               "\" _y 0.0,0.0 _prev  _.zoom _prev _.insert ";
const std::string kQuotedBlock = std::string("\"") + kBlock + "\"";

const std::vector<ScriptCase> kInsertCases = {
    // The three lines: zoom and insert, scale and rotation, the point.
    {"point typed", 15, false, false, kZoomText + kInsertLine + kScale + kPoint},
    {"point picked", 15, false, true, kZoomText + kInsertLine + kScale},
    // Exploding inserts the block once to explode it: the point is sent there even when
    // the user picks the exploded block's place.
    {"exploded, picked", 15, true, true,
     kZoomText + "_.select _all  " + kInsertLine + kScale + kExplodedAgain},
    {"exploded, typed", 15, true, false,
     kZoomText + "_.select _all  " + kInsertLine + kScale + kExplodedAgain + kPoint +
         "1.0 0.000000\n"},
    {"2002", 16, false, false, kZoomText + kInsertLine + kScale + kPoint},
    {"LT 2000", 2000, false, true, kZoomText + kInsertLine + kScale},
    {"LT 2002", 2002, false, false, kZoomText + kInsertLine + kScale + kPoint},
    // Older versions read the file with DXFIN and make the block themselves.
    {"DXFIN typed", 14, false, false, kDxfinHead + kQuotedBlock + "\n" + kScale + kPoint},
    {"DXFIN picked", 12, false, true, kDxfinHead + kQuotedBlock + "\n" + kScale},
    {"DXFIN exploded, typed", 1, true, false,
     kDxfinHead + "\"*" + kBlock + "\"\n" + kPoint + "1.0 0.000000\n"},
    {"DXFIN exploded, picked", 97, true, true, kDxfinHead + "\"*" + kBlock + "\"\n"},
};

TEST(CadScripts, InsertScriptsByteForByte) {
  for (const ScriptCase& c : kInsertCases) {
    EXPECT_EQ(insertScript(options(c.explode, c.mouse), kFile, kZoom, c.versionCode), c.expected)
        << c.name;
  }
}

TEST(CadScripts, DirectInsertScriptsByteForByte) {
  const std::string head = "_.filedia 0 _.insert ";
  const std::string file = "C:\\w\\part.dwg";
  const struct {
    bool explode;
    bool mouse;
    std::string expected;
  } cases[] = {
      {false, false, head + "\"" + kBlock + "=" + file + "\"\n" + kScale + kPoint},
      {false, true, head + "\"" + kBlock + "=" + file + "\"\n" + kScale},
      {true, false, head + "\"*" + file + "\"\n" + kPoint + "1.0 0.000000\n"},
      {true, true, head + "\"*" + file + "\"\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(directInsertScript(options(c.explode, c.mouse), file), c.expected)
        << c.explode << c.mouse;
  }
}

TEST(CadScripts, OnlyTheDirectVersionsInsertDxfFilesThemselves) {
  for (int code : {15, 16, 2000, 2002}) EXPECT_TRUE(insertsDxfDirectly(code)) << code;
  for (int code : {1, 2, 12, 13, 14, 95, 97, 0}) EXPECT_FALSE(insertsDxfDirectly(code)) << code;
}

TEST(CadScripts, NumbersKeepSixDecimalsAndTheirSign) {
  ScriptOptions chosen = options(false, false, -22.5);
  chosen.insertX = -1.25;
  chosen.insertY = 1234567.125;
  const auto script = insertScript(chosen, "/w/a.dxf", WorldWindow{-5.5, -0.25, 1e6, 3.0}, 15);
  EXPECT_EQ(script, "_.zoom _w -5.500000,-0.250000 1000000.000000,3.000000 _.-insert \"" +
                        std::string(kBlock) +
                        "=/w/a.dxf\"\n_scale 1.0 _rot -22.500000\n"
                        "-1.250000,1234567.125000\n");
}

// What the command line cannot read even in double quotes gives no script at all.
TEST(CadScripts, UnquotableNamesAndPathsGiveNoScript) {
  for (const auto& [block, file] : {std::pair{"B", "/w/a\n_.erase _all \n/dde_0.dxf"},
                                    {"B", "/w/q\"uote dir/dde_0.dxf"},
                                    {"Odd:Block", "/w/a.dxf"}}) {
    ScriptOptions chosen = options(false, true);
    chosen.blockName = block;
    EXPECT_EQ(insertScript(chosen, file, kZoom, 14), std::nullopt) << block << file;
    EXPECT_EQ(directInsertScript(chosen, file), std::nullopt) << block << file;
  }
}

TEST(CadScripts, DecimalCommaLocaleStillWritesPointsAndIsRestored) {
  testsupport::DecimalCommaLocale comma;
  ASSERT_TRUE(comma.active()) << testsupport::kNoDecimalCommaLocale;
  ScriptOptions chosen = options(false, false, 12.5);
  chosen.insertX = 0.5;
  EXPECT_EQ(insertScript(chosen, kFile, kZoom, 15),
            kZoomText + kInsertLine + "_scale 1.0 _rot 12.500000\n0.500000,20.000000\n");
  EXPECT_EQ(directInsertScript(chosen, "/d.dwg"),
            std::string("_.filedia 0 _.insert \"") + kBlock +
                "=/d.dwg\"\n_scale 1.0 _rot 12.500000\n0.500000,20.000000\n");
  EXPECT_EQ(std::localeconv()->decimal_point[0], ',');
}

}  // namespace
