// Argument parsing of dxftool: what is accepted, what is refused and why.
#include "dxftool/CommandLine.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

using dxftool::CommandLine;
using dxftool::Subcommand;
using dxftool::ToolRequest;

namespace {

struct Parsed {
  bool ok = false;
  ToolRequest request;
  std::string error;
};

Parsed parse(std::initializer_list<const char*> args) {
  std::vector<const char*> argv{"dxftool"};
  argv.insert(argv.end(), args);
  Parsed parsed;
  parsed.ok =
      CommandLine::parse(static_cast<int>(argv.size()), argv.data(), parsed.request, parsed.error);
  return parsed;
}

}  // namespace

TEST(CommandLineSubcommands, InfoTakesOneFile) {
  const Parsed p = parse({"info", "a.dxf"});
  ASSERT_TRUE(p.ok) << p.error;
  EXPECT_EQ(p.request.command, Subcommand::Info);
  EXPECT_EQ(p.request.input, "a.dxf");
}

TEST(CommandLineSubcommands, ConvertWithExplodeInAnyPosition) {
  for (const Parsed& p : {parse({"convert", "--explode", "in.dxf", "out.dxf"}),
                          parse({"convert", "in.dxf", "out.dxf", "--explode"})}) {
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.request.command, Subcommand::Convert);
    EXPECT_EQ(p.request.input, "in.dxf");
    EXPECT_EQ(p.request.output, "out.dxf");
    EXPECT_TRUE(p.request.explode);
  }
  EXPECT_FALSE(parse({"convert", "in.dxf", "out.dxf"}).request.explode);
}

TEST(CommandLineSubcommands, RenderDefaultsToViewerPictureSize) {
  const Parsed p = parse({"render", "in.dxf", "out.PNG"});
  ASSERT_TRUE(p.ok) << p.error;
  EXPECT_EQ(p.request.width, 1600);
  EXPECT_EQ(p.request.height, 1200);
}

TEST(CommandLineSubcommands, RenderSizeAsSeparateOrJoinedValue) {
  const Parsed p = parse({"render", "--width", "640", "in.dxf", "--height=480", "out.svg"});
  ASSERT_TRUE(p.ok) << p.error;
  EXPECT_EQ(p.request.width, 640);
  EXPECT_EQ(p.request.height, 480);
  EXPECT_EQ(p.request.output, "out.svg");
}

TEST(CommandLineSubcommands, DoubleDashAllowsFileNamesStartingWithDash) {
  const Parsed p = parse({"info", "--", "-odd.dxf"});
  ASSERT_TRUE(p.ok) << p.error;
  EXPECT_EQ(p.request.input, "-odd.dxf");
}

TEST(CommandLineHelp, HelpWinsOverOtherwiseBadArguments) {
  EXPECT_EQ(parse({"--help"}).request.command, Subcommand::Help);
  const Parsed p = parse({"render", "only-one.dxf", "-h"});
  EXPECT_TRUE(p.ok);
  EXPECT_EQ(p.request.command, Subcommand::Help);
}

TEST(CommandLineErrors, MissingOrUnknownCommand) {
  EXPECT_FALSE(parse({}).ok);
  const Parsed p = parse({"explode", "a.dxf"});
  EXPECT_FALSE(p.ok);
  EXPECT_NE(p.error.find("explode"), std::string::npos);
}

TEST(CommandLineErrors, WrongNumberOfFiles) {
  EXPECT_FALSE(parse({"info"}).ok);
  EXPECT_FALSE(parse({"info", "a.dxf", "b.dxf"}).ok);
  EXPECT_FALSE(parse({"convert", "a.dxf"}).ok);
  EXPECT_FALSE(parse({"render", "a.dxf", "b.png", "c.png"}).ok);
  EXPECT_FALSE(parse({"info", ""}).ok);
}

TEST(CommandLineErrors, OptionsBelongToTheirCommand) {
  EXPECT_FALSE(parse({"info", "a.dxf", "--explode"}).ok);
  EXPECT_FALSE(parse({"convert", "a.dxf", "b.dxf", "--width", "100"}).ok);
  EXPECT_FALSE(parse({"render", "a.dxf", "b.png", "--explode"}).ok);
  EXPECT_FALSE(parse({"convert", "a.dxf", "b.dxf", "--explode=yes"}).ok);
}

TEST(CommandLineErrors, PictureSizeMustBeAWholeNumberWithinLimits) {
  EXPECT_FALSE(parse({"render", "a.dxf", "b.png", "--width"}).ok);
  EXPECT_FALSE(parse({"render", "a.dxf", "b.png", "--width", "12px"}).ok);
  EXPECT_FALSE(parse({"render", "a.dxf", "b.png", "--width", "-5"}).ok);
  EXPECT_FALSE(parse({"render", "a.dxf", "b.png", "--height", "9"}).ok);
  EXPECT_FALSE(parse({"render", "a.dxf", "b.png", "--height", "32001"}).ok);
  EXPECT_FALSE(parse({"render", "a.dxf", "b.png", "--width", "99999999999"}).ok);
  EXPECT_TRUE(parse({"render", "a.dxf", "b.png", "--width", "10", "--height", "32000"}).ok);
}

TEST(CommandLineErrors, RenderNeedsAKnownPictureType) {
  EXPECT_FALSE(parse({"render", "a.dxf", "b.jpg"}).ok);
  EXPECT_FALSE(parse({"render", "a.dxf", "png"}).ok);
  EXPECT_FALSE(parse({"render", "a.dxf", "dir.png/picture"}).ok);
  EXPECT_TRUE(parse({"render", "a.dxf", "dir.v2/picture.Pdf"}).ok);
}

TEST(CommandLinePrint, PaperOrientationAndTitle) {
  const Parsed defaults = parse({"print", "a.dxf", "b.pdf"});
  ASSERT_TRUE(defaults.ok) << defaults.error;
  EXPECT_EQ(defaults.request.command, Subcommand::Print);
  EXPECT_EQ(defaults.request.paper, "A4");
  EXPECT_EQ(defaults.request.orientation, "");
  const Parsed chosen =
      parse({"print", "a.dxf", "b.PDF", "--paper=Letter", "--landscape", "--title", "Ø 12"});
  ASSERT_TRUE(chosen.ok) << chosen.error;
  EXPECT_EQ(chosen.request.paper, "Letter");
  EXPECT_EQ(chosen.request.orientation, "landscape");
  EXPECT_EQ(chosen.request.title, "Ø 12");
}

TEST(CommandLinePrint, RefusesOtherPapersFilesAndOptions) {
  for (auto args : {std::initializer_list<const char*>{"print", "a.dxf", "b.pdf", "--paper", "A5"},
                    {"print", "a.dxf", "b.png"},
                    {"print", "a.dxf", "b.pdf", "--paper"},
                    {"print", "a.dxf", "b.pdf", "--width", "100"},
                    {"render", "a.dxf", "b.pdf", "--landscape"}}) {
    const Parsed parsed = parse(args);
    EXPECT_FALSE(parsed.ok);
    EXPECT_FALSE(parsed.error.empty());
  }
}

TEST(CommandLineSubcommands, RenderWindowIsFourNumbersWithAnArea) {
  const Parsed p = parse({"render", "in.dxf", "out.png", "--window", "-10,2.5,30,1e2"});
  ASSERT_TRUE(p.ok) << p.error;
  ASSERT_TRUE(p.request.window.has_value());
  EXPECT_DOUBLE_EQ((*p.request.window)[0], -10.0);
  EXPECT_DOUBLE_EQ((*p.request.window)[1], 2.5);
  EXPECT_DOUBLE_EQ((*p.request.window)[2], 30.0);
  EXPECT_DOUBLE_EQ((*p.request.window)[3], 100.0);
  EXPECT_FALSE(parse({"render", "in.dxf", "out.png"}).request.window.has_value());
  for (const char* bad :
       {"1,2,3", "0,0,1,1,1", "0,0,0,1", "0,1,1,0", "0,0,inf,1", "a,b,c,d", "0,0,1,1,"}) {
    EXPECT_FALSE(parse({"render", "in.dxf", "out.png", "--window", bad}).ok) << bad;
  }
  EXPECT_FALSE(parse({"convert", "in.dxf", "out.dxf", "--window=0,0,1,1"}).ok);
}
