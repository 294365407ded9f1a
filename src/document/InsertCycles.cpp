// Inserts that close a cycle of blocks inserting each other.
#include "document/InsertCycles.h"

#include <unordered_map>
#include <utility>
#include <vector>

#include "document/DXF_Block.h"

std::unordered_set<const DXF_Insert*> cyclicInserts(const BlockList& blocks) {
  enum class State { Unseen, OnPath, Done };
  std::unordered_map<const DXF_Block*, State> states;
  std::unordered_set<const DXF_Insert*> cyclic;
  // Depth-first walk with an explicit stack of (block, next insert index), so deep nesting
  // needs no deep recursion.
  for (int start = 0; start < blocks.count(); ++start) {
    const DXF_Block* root = blocks.at(start);
    if (states[root] != State::Unseen) continue;
    std::vector<std::pair<const DXF_Block*, int>> path{{root, 0}};
    states[root] = State::OnPath;
    while (!path.empty()) {
      auto& [block, next] = path.back();
      if (next >= block->inserts().count()) {
        states[block] = State::Done;
        path.pop_back();
        continue;
      }
      const DXF_Insert* insert = block->inserts().at(next++);
      const int index = blocks.indexOf(insert->blockName(), false);
      if (index < 0) continue;
      const DXF_Block* target = blocks.at(index);
      State& state = states[target];
      if (state == State::OnPath) {
        cyclic.insert(insert);
      } else if (state == State::Unseen) {
        state = State::OnPath;
        path.emplace_back(target, 0);
      }
    }
  }
  return cyclic;
}
