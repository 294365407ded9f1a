// The document's blocks, found by name in constant time.
#include "document/BlockList.h"

#include <cctype>

#include "document/DXF_Block.h"

namespace {

// The name as sameNameIgnoringCase compares it: each byte in capitals.
std::string inCapitals(const char* name) {
  std::string capitals(name);
  for (char& c : capitals) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return capitals;
}

}  // namespace

BlockList::BlockList(int growBy) : PointerList(growBy) {}

BlockList::~BlockList() = default;

int BlockList::append(std::unique_ptr<DXF_Block> block) {
  if (!block) return -1;
  const char* name = block->name();
  const int index = PointerList::append(std::move(block));
  byName_[name] = index;
  byCapitals_[inCapitals(name)] = index;
  return index;
}

void BlockList::reset(int growBy) {
  clearIndex();
  PointerList::reset(growBy);
}

std::vector<std::unique_ptr<DXF_Block>> BlockList::releaseAll(int growBy) {
  clearIndex();
  return PointerList::releaseAll(growBy);
}

int BlockList::indexOf(const char* name, bool ignoreCase) const {
  const auto& index = ignoreCase ? byCapitals_ : byName_;
  const auto found = ignoreCase ? index.find(inCapitals(name)) : index.find(name);
  return found == index.end() ? -1 : found->second;
}

void BlockList::clearIndex() {
  byName_.clear();
  byCapitals_.clear();
}
