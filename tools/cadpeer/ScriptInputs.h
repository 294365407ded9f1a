// A script as the CAD command line splits it into inputs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The inputs in order; a blank or a newline ends each one, so two of them in a row give
// an empty input (Enter). An input that begins with a double quote runs to the next
// double quote, blanks included, and its quotes are taken off. `fault` says why the
// command line cannot split the script: a quote left open at a newline or at the end, a
// quote inside an input or text right after a closing quote, an input that never ends.
struct ScriptInputs {
  std::vector<std::string> inputs;
  std::string fault;
};

ScriptInputs splitScriptInputs(std::string_view script);
