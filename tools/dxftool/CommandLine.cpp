// Parses the arguments of dxftool into one request, or explains why they are wrong.
#include "dxftool/CommandLine.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>
#include <vector>

namespace dxftool {

namespace {

bool isHelp(std::string_view arg) { return arg == "--help" || arg == "-h"; }

std::string lowerExtension(const std::string& path) {
  const auto dot = path.find_last_of('.');
  const auto slash = path.find_last_of('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  std::string ext = path.substr(dot);
  for (char& c : ext) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return ext;
}

// A whole decimal number within the picture limits, nothing before or after it.
bool parsePixels(std::string_view text, int& value) {
  int parsed = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (ec != std::errc() || end != text.data() + text.size()) return false;
  if (parsed < CommandLine::kMinPixels || parsed > CommandLine::kMaxPixels) return false;
  value = parsed;
  return true;
}

// "X1,Y1,X2,Y2": four finite numbers, the second corner above and right of the first.
bool parseWindow(std::string_view text, std::array<double, 4>& window) {
  const char* next = text.data();
  const char* const end = text.data() + text.size();
  for (std::size_t i = 0; i < window.size(); ++i) {
    if (i > 0) {
      if (next == end || *next != ',') return false;
      ++next;
    }
    const auto [stop, ec] = std::from_chars(next, end, window[i]);
    if (ec != std::errc() || !std::isfinite(window[i])) return false;
    next = stop;
  }
  return next == end && window[2] > window[0] && window[3] > window[1];
}

bool subcommandByName(std::string_view name, Subcommand& command) {
  if (name == "info")
    command = Subcommand::Info;
  else if (name == "convert")
    command = Subcommand::Convert;
  else if (name == "render")
    command = Subcommand::Render;
  else if (name == "print")
    command = Subcommand::Print;
  else
    return false;
  return true;
}

// Options of the chosen subcommand; positionals are collected in order.
bool parseArguments(const std::vector<std::string_view>& args, ToolRequest& request,
                    std::vector<std::string>& positionals, std::string& error) {
  bool onlyPositionals = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string_view arg = args[i];
    if (onlyPositionals || arg.size() < 2 || arg[0] != '-') {
      positionals.emplace_back(arg);
      continue;
    }
    if (arg == "--") {
      onlyPositionals = true;
      continue;
    }
    std::string_view name = arg;
    std::string_view value;
    bool hasValue = false;
    if (const auto eq = arg.find('='); eq != std::string_view::npos) {
      name = arg.substr(0, eq);
      value = arg.substr(eq + 1);
      hasValue = true;
    }
    if (name == "--explode" && request.command == Subcommand::Convert && !hasValue) {
      request.explode = true;
    } else if ((name == "--width" || name == "--height") && request.command == Subcommand::Render) {
      if (!hasValue) {
        if (i + 1 >= args.size()) {
          error = "The option " + std::string(name) + " needs a number of pixels.";
          return false;
        }
        value = args[++i];
      }
      int& target = name == "--width" ? request.width : request.height;
      if (!parsePixels(value, target)) {
        error = "The option " + std::string(name) + " takes a whole number of pixels from " +
                std::to_string(CommandLine::kMinPixels) + " to " +
                std::to_string(CommandLine::kMaxPixels) + ", not \"" + std::string(value) + "\".";
        return false;
      }
    } else if (name == "--window" && request.command == Subcommand::Render) {
      if (!hasValue) {
        if (i + 1 >= args.size()) {
          error = "The option --window needs a rectangle X1,Y1,X2,Y2.";
          return false;
        }
        value = args[++i];
      }
      std::array<double, 4> window{};
      if (!parseWindow(value, window)) {
        error = "The option --window takes X1,Y1,X2,Y2 with X2 > X1 and Y2 > Y1, not \"" +
                std::string(value) + "\".";
        return false;
      }
      request.window = window;
    } else if ((name == "--landscape" || name == "--portrait") &&
               request.command == Subcommand::Print && !hasValue) {
      request.orientation = name.substr(2);
    } else if ((name == "--paper" || name == "--title") && request.command == Subcommand::Print) {
      if (!hasValue) {
        if (i + 1 >= args.size()) {
          error = "The option " + std::string(name) + " needs a value.";
          return false;
        }
        value = args[++i];
      }
      if (name == "--paper" && value != "A4" && value != "A3" && value != "Letter") {
        error = "The paper must be A4, A3 or Letter, not \"" + std::string(value) + "\".";
        return false;
      }
      (name == "--paper" ? request.paper : request.title) = std::string(value);
    } else {
      error = "Unknown option \"" + std::string(arg) + "\" for this command.";
      return false;
    }
  }
  return true;
}

}  // namespace

bool CommandLine::parse(int argc, const char* const* argv, ToolRequest& request,
                        std::string& error) {
  request = ToolRequest{};
  std::vector<std::string_view> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  if (std::any_of(args.begin(), args.end(), isHelp)) {
    request.command = Subcommand::Help;
    return true;
  }
  if (args.empty()) {
    error = "No command given.";
    return false;
  }
  if (!subcommandByName(args.front(), request.command)) {
    error = "Unknown command \"" + std::string(args.front()) + "\".";
    return false;
  }
  args.erase(args.begin());

  std::vector<std::string> positionals;
  if (!parseArguments(args, request, positionals, error)) return false;

  const std::size_t wanted = request.command == Subcommand::Info ? 1 : 2;
  if (positionals.size() != wanted) {
    error = wanted == 1 ? "The info command takes exactly one file."
                        : "This command takes an input file and an output file.";
    return false;
  }
  request.input = positionals[0];
  if (wanted == 2) request.output = positionals[1];
  if (request.input.empty() || (wanted == 2 && request.output.empty())) {
    error = "A file name is empty.";
    return false;
  }
  if (request.command == Subcommand::Print && lowerExtension(request.output) != ".pdf") {
    error = "The printed sheet is written as PDF: the file must end in .pdf.";
    return false;
  }
  if (request.command == Subcommand::Render) {
    const std::string ext = lowerExtension(request.output);
    if (ext != ".png" && ext != ".svg" && ext != ".pdf") {
      error = "The picture file must end in .png, .svg or .pdf.";
      return false;
    }
  }
  return true;
}

std::string CommandLine::usage() {
  return "Usage:\n"
         "  dxftool info FILE\n"
         "      Print a JSON summary of FILE: extents, linetype scale, object counts,\n"
         "      layers and blocks.\n"
         "  dxftool convert IN OUT [--explode]\n"
         "      Read IN and write it to OUT as a DXF release 12 file; --explode first\n"
         "      replaces inserts, polylines and dimensions by plain entities.\n"
         "  dxftool render IN OUT [--width PX] [--height PX] [--window X1,Y1,X2,Y2]\n"
         "      Paint IN as the viewer shows it when fitted, on white, into OUT\n"
         "      (.png, .svg or .pdf; default 1600 x 1200 pixels). --window shows that\n"
         "      world rectangle instead, grown to the picture's shape, filling it.\n"
         "  dxftool print IN OUT.pdf [--paper A4|A3|Letter] [--landscape|--portrait]\n"
         "                [--title TEXT]\n"
         "      Print IN on one sheet into OUT.pdf as the viewer's print command does:\n"
         "      frame, title (the file name, or TEXT with a scale bar), caption, logo.\n"
         "      Default A4, landscape when the drawing is wider than high.\n"
         "  dxftool --help\n"
         "\n"
         "Exit status: 0 success, 1 the drawing could not be read, written or painted,\n"
         "2 wrong arguments or (info) a file that cannot be opened.\n";
}

}  // namespace dxftool
