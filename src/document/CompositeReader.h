// The dispatch of the composite kinds: records drawn as pieces of the plain kinds.
#pragma once

#include "document/DocumentLists.h"
#include "document/LayerIndex.h"
#include "document/LeaderReader.h"
#include "document/LeaderStyles.h"
#include "dxf/GroupLines.h"

// Leaders, multi-leaders, tables, multi-lines, meshes, tolerances and wipeouts have no
// kind of their own in the drawing: each is read as the lines, polylines, solids, texts
// and inserts it is drawn as, so that drawing, extents, exploding and saving as release
// 12 all see the same pieces.
class CompositeReader {
 public:
  // The file ends inside a composite record.
  static constexpr int kEndOfFile = -30;

  struct Outcome {
    // False when the line names no composite kind; nothing was read then.
    bool recognised = false;
    // 0, or a negative end-of-file code.
    int result = 0;
  };

  CompositeReader(const LeaderStyles& styles, const LayerIndex& layers, bool utf8Texts)
      : styles_(styles), layers_(layers), utf8Texts_(utf8Texts), leaders_(styles, layers) {}

  // Reads the record named by `kind` (positioned after its type line) up to the group code
  // 0 that ends it and files its pieces into `lists`.
  Outcome read(const char* kind, DxfLineReader& in, ObjectLists& lists) const;

 private:
  const LeaderStyles& styles_;
  const LayerIndex& layers_;
  bool utf8Texts_;
  LeaderReader leaders_;
};
