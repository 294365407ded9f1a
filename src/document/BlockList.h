// The document's blocks, found by name in constant time.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "document/PointerList.h"

class DXF_Block;

// Every insert and dimension looks its block up by name each time it is placed, so a
// drawing of thousands of blocks and a fan-out of placements would otherwise walk the whole
// list for every copy. The list keeps an index by exact name and by name in capitals; a
// block's name never changes once it is in the list. As before, of several blocks with one
// name the last one appended is found.
class BlockList : public PointerList<DXF_Block> {
 public:
  explicit BlockList(int growBy);
  ~BlockList();

  int append(std::unique_ptr<DXF_Block> block);
  void reset(int growBy);
  std::vector<std::unique_ptr<DXF_Block>> releaseAll(int growBy);

  // Index of the last block named `name` (ASCII letters in any case when `ignoreCase`);
  // -1 when there is none.
  int indexOf(const char* name, bool ignoreCase) const;

 private:
  void clearIndex();

  std::unordered_map<std::string, int> byName_;
  std::unordered_map<std::string, int> byCapitals_;
};
