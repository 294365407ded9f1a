// Inserts that close a cycle of blocks inserting each other.
#pragma once

#include <unordered_set>

#include "document/DocumentLists.h"

// The inserts inside blocks that lead back into a block on the way to them (a block that
// inserts itself, directly or through others). Drawing never follows them; a written file
// leaves them out, so that the blocks it defines form no cycle. Blocks are visited in list
// order and found by exact name, as drawing finds them.
std::unordered_set<const DXF_Insert*> cyclicInserts(const BlockList& blocks);
