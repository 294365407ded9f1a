// Parses the arguments of dxftool into one request, or explains why they are wrong.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace dxftool {

enum class Subcommand { Help, Info, Convert, Render, Print };

// What the user asked for. Paths are taken as given (bytes of the command line).
struct ToolRequest {
  Subcommand command = Subcommand::Help;
  std::string input;
  std::string output;    // convert and render only
  bool explode = false;  // convert --explode
  int width = 1600;      // render picture size in pixels
  int height = 1200;
  // render --window: the world rectangle (min x, min y, max x, max y) shown instead of the
  // widened extents, grown about its centre to the picture's shape and filling it whole.
  std::optional<std::array<double, 4>> window;
  std::string paper = "A4";  // print: "A4", "A3" or "Letter"
  std::string orientation;   // print: "landscape", "portrait", or empty (by the drawing)
  std::string title;         // print: the sheet's title instead of the file name
};

// Exit statuses shared by every subcommand.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;  // the drawing could not be read, written or rendered
constexpr int kExitUsage = 2;   // wrong arguments, or (info) a path that cannot be read
constexpr int kExitCut = 3;     // written or rendered, but block content was left out

class CommandLine {
 public:
  // Picture sizes accepted by render: the viewer's own limits for its drawing area.
  static constexpr int kMinPixels = 10;
  static constexpr int kMaxPixels = 32000;

  // Reads argv[1..argc-1]. Returns true and fills `request`, or false with a one-sentence
  // reason in `error`. "--help" or "-h" anywhere asks for help and wins over every error.
  static bool parse(int argc, const char* const* argv, ToolRequest& request, std::string& error);

  // The text printed for --help and after a usage error.
  static std::string usage();
};

}  // namespace dxftool
