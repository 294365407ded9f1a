// Reading a transfer script command by command, as the CAD command line would.
#include "ScriptReading.h"

#include <charconv>
#include <functional>
#include <set>
#include <vector>

#include "ScriptInputs.h"
#include "cadlink/CadScripts.h"

namespace {

bool isNumber(std::string_view text) {
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

bool isPoint(std::string_view text) {
  const std::size_t comma = text.find(',');
  return comma != std::string_view::npos && isNumber(text.substr(0, comma)) &&
         isNumber(text.substr(comma + 1));
}

bool isSelectionWord(std::string_view text) {
  return text == "_all" || text == "_rem" || text == "_prev";
}

class CommandLine {
 public:
  explicit CommandLine(std::vector<std::string> inputs) : inputs_(std::move(inputs)) {}

  ScriptReading run() {
    while (reading_.fault.empty() && more()) {
      command_ = inputs_[at_++];
      if (command_.empty()) {
        reading_.fault = "an empty input repeats the last command";
      } else if (command_ == "_.filedia" || command_ == "_filedia") {
        take([](std::string_view t) { return t == "0" || t == "1"; }, "0 or 1");
      } else if (command_ == "_.zoom") {
        zoom();
      } else if (command_ == "_.select" || command_ == "_.erase") {
        selection();
      } else if (command_ == "_.dxfin") {
        if (const std::string* file = take(nonEmpty, "a file")) noteFile(*file);
      } else if (command_ == "_.block") {
        block();
      } else if (command_ == "_.-insert" || command_ == "_.insert") {
        insert();
      } else {
        reading_.fault = "unknown command \"" + command_ + "\"";
      }
    }
    return reading_;
  }

 private:
  static bool nonEmpty(std::string_view text) { return !text.empty(); }

  bool more() const { return at_ < inputs_.size(); }
  bool nextIs(std::string_view word) const { return more() && inputs_[at_] == word; }

  // The next input when it fits; null, with the fault, when it does not or the script
  // ends before it.
  const std::string* take(const std::function<bool(std::string_view)>& fits, const char* what) {
    if (!reading_.fault.empty()) return nullptr;
    if (!more()) {
      reading_.fault = "the script ends inside " + command_ + ", which asks for " + what;
      return nullptr;
    }
    const std::string& input = inputs_[at_++];
    if (fits(input)) return &input;
    reading_.fault = command_ + " asks for " + what + ", not \"" + input + "\"";
    return nullptr;
  }
  void takeWord(std::string_view word) {
    take([word](std::string_view t) { return t == word; }, word.data());
  }

  void noteFile(const std::string& file) {
    if (reading_.file.empty()) reading_.file = file;
  }

  void zoom() {
    const std::string* how =
        take([](std::string_view t) { return t == "_w" || t == "_prev"; }, "_w or _prev");
    if (how && *how == "_w") {
      take(isPoint, "a corner");
      take(isPoint, "a corner");
    }
  }

  // Selection words up to the empty input that ends the selection.
  void selection() {
    while (const std::string* word =
               take([](std::string_view t) { return t.empty() || isSelectionWord(t); },
                    "_all, _rem, _prev or the end of the selection")) {
      if (word->empty()) return;
    }
  }

  void block() {
    if (const std::string* name = take(isCadBlockName, "a block name")) blocks_.insert(*name);
    takeWord("_y");
    take(isPoint, "a base point");
    selection();
  }

  void insert() {
    const std::string* input = take(nonEmpty, "a block or a file");
    if (!input) return;
    const bool exploded = input->front() == '*';
    const std::string reference = input->substr(exploded ? 1 : 0);
    const std::size_t equals = reference.find('=');
    if (!exploded && equals != std::string::npos) {
      const std::string name = reference.substr(0, equals);
      if (!isCadBlockName(name)) {
        reading_.fault = command_ + " cannot name a block \"" + name + "\"";
        return;
      }
      blocks_.insert(name);
      noteFile(reference.substr(equals + 1));
    } else if (!blocks_.count(reference)) {
      noteFile(reference);
    }
    while (nextIs("_scale") || nextIs("_rot")) {
      ++at_;
      take(isNumber, "a number");
    }
    // The user places what the script leaves open.
    if (!more()) return;
    take(isPoint, "an insertion point or _scale or _rot");
    if (exploded && more()) {
      take(isNumber, "a scale");
      if (more()) take(isNumber, "a rotation");
    }
  }

  std::vector<std::string> inputs_;
  std::size_t at_ = 0;
  std::string command_;
  std::set<std::string> blocks_;  // the blocks the script has made so far
  ScriptReading reading_;
};

}  // namespace

ScriptReading readScript(std::string_view script) {
  ScriptInputs split = splitScriptInputs(script);
  if (!split.fault.empty()) return {"", split.fault};
  return CommandLine(std::move(split.inputs)).run();
}
