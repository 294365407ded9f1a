// Finding the file in a transfer script.
#include "ScriptFile.h"

namespace {

// The input that starts after word: up to the newline, double quotes taken off.
std::string inputAfter(std::string_view script, std::size_t wordEnd) {
  const std::size_t end = script.find('\n', wordEnd);
  std::string_view input =
      script.substr(wordEnd, end == std::string_view::npos ? end : end - wordEnd);
  if (input.size() >= 2 && input.front() == '"' && input.back() == '"') {
    input = input.substr(1, input.size() - 2);
  }
  return std::string(input);
}

}  // namespace

std::string scriptFilePath(std::string_view script) {
  constexpr std::string_view kDxfin = "_.dxfin ";
  if (const std::size_t at = script.find(kDxfin); at != std::string_view::npos) {
    return inputAfter(script, at + kDxfin.size());
  }
  std::size_t first = std::string_view::npos;
  std::size_t wordEnd = 0;
  for (const std::string_view word :
       {std::string_view("_.-insert "), std::string_view("_.insert ")}) {
    const std::size_t at = script.find(word);
    if (at < first) {
      first = at;
      wordEnd = at + word.size();
    }
  }
  if (first == std::string_view::npos) return "";
  const std::string input = inputAfter(script, wordEnd);
  if (!input.empty() && input.front() == '*') return input.substr(1);
  const std::size_t equals = input.find('=');
  return equals == std::string::npos ? "" : input.substr(equals + 1);
}
