// A LEADER record: its path, drawn as a polyline, and what its dimension style adds: the
// hook line under its text and the arrowhead at its first vertex.
#pragma once

#include "document/DocumentLists.h"
#include "document/LayerIndex.h"
#include "document/LeaderStyles.h"
#include "dxf/GroupLines.h"

class LeaderReader {
 public:
  LeaderReader(const LeaderStyles& styles, const LayerIndex& layers)
      : styles_(styles), layers_(layers) {}

  // Reads the groups after the "LEADER" line up to the group code 0 that ends them, as
  // the object readers do, and files the path into the polylines and the hook line and
  // arrowhead (a SOLID, or an INSERT of the arrow's block) into `lists`. 0, or the
  // polyline reader's end-of-file code (nothing is filed then).
  int read(DxfLineReader& in, ObjectLists& lists) const;

 private:
  const LeaderStyles& styles_;
  const LayerIndex& layers_;
};
