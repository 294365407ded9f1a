// The dispatch of DXF type names to the readers of the drawing objects.
#pragma once

#include "document/DocumentLists.h"
#include "document/LayerIndex.h"

// Creates the object a type name line stands for, lets it read its groups and files it in
// the matching list, as the ENTITIES section and block bodies both do.
class ObjectReader {
 public:
  struct Outcome {
    // False when the line names no object kind read here; nothing was read then.
    bool recognised = false;
    // The object reader's result: 0, or its negative end-of-file code.
    int result = 0;
    // An insert or a dimension (a failing one ends a block quietly).
    bool insertOrDimension = false;
  };

  // Reads the object named by `typeName` from `in` (positioned after that line) into
  // `lists`. Entities and polylines take the first layer of their name from `layers`;
  // texts are converted from UTF-8 when `utf8Texts`; a failed object is discarded.
  static Outcome read(const char* typeName, DxfLineReader& in, ObjectLists& lists,
                      const LayerIndex& layers, bool utf8Texts);
};
