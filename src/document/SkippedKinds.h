// How many objects of each kind the viewer does not know a drawing held.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Kinds in the order they were first met, each with its count.
class SkippedKinds {
 public:
  void add(std::string_view kind) {
    for (auto& [name, count] : kinds_) {
      if (name == kind) {
        ++count;
        return;
      }
    }
    kinds_.emplace_back(std::string(kind), 1);
  }
  const std::vector<std::pair<std::string, long>>& kinds() const { return kinds_; }
  bool empty() const { return kinds_.empty(); }

 private:
  std::vector<std::pair<std::string, long>> kinds_;
};
