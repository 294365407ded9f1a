// View documents: the drawing of one standard view made into the document the views show.
#pragma once

#include <memory>

#include "document/DXF_Zeichnung.h"

// A view document holds its drawing as one block named like the view ("_VIEW_1" ...), one
// insert of it on layer "0" at the origin, the layers and linetypes the drawing came with,
// and as extents the box of what it shows widened by 5 % on each side (a minimal box when
// it shows nothing), so that neighbouring views keep some room between them on the
// all-views sheet.

// The view document of block `viewName` of `source`, with copies of the blocks that block
// inserts; null when `source` has no block of that name.
std::unique_ptr<DXF_Zeichnung> viewFromBlock(const DXF_Zeichnung& source, const char* viewName);

// The view document of a drawing read for one view: from its block `viewName` when it has
// one, otherwise with everything it shows (entities, polylines, inserts, dimensions)
// gathered into a new block of that name beside copies of its own blocks.
std::unique_ptr<DXF_Zeichnung> viewFromDrawing(const DXF_Zeichnung& drawing, const char* viewName);
