// Splitting a script into the inputs of the command line.
#include "ScriptInputs.h"

namespace {

constexpr std::string_view kInputEnds = " \n";

ScriptInputs brokenAt(std::string_view script, std::size_t at, const std::string& why) {
  return {{}, why + " at byte " + std::to_string(at) + " of " + std::to_string(script.size())};
}

}  // namespace

ScriptInputs splitScriptInputs(std::string_view script) {
  ScriptInputs split;
  std::size_t at = 0;
  while (at < script.size()) {
    std::string_view input;
    std::size_t end = 0;
    if (script[at] == '"') {
      const std::size_t close = script.find('"', at + 1);
      if (close == std::string_view::npos || script.find('\n', at + 1) < close) {
        return brokenAt(script, at, "a quote left open");
      }
      input = script.substr(at + 1, close - at - 1);
      end = close + 1;
      if (end < script.size() && kInputEnds.find(script[end]) == std::string_view::npos) {
        return brokenAt(script, end, "text after a closing quote");
      }
    } else {
      end = script.find_first_of(kInputEnds, at);
      input = script.substr(at, end == std::string_view::npos ? end : end - at);
      if (input.find('"') != std::string_view::npos) {
        return brokenAt(script, at, "a quote inside an input");
      }
    }
    if (end >= script.size()) return brokenAt(script, at, "an input without its end");
    split.inputs.emplace_back(input);
    at = end + 1;
  }
  return split;
}
