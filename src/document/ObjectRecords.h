// Writes the drawing objects of a document or a block as DXF records, in the file's order.
#pragma once

#include <unordered_set>

#include "document/DocumentLists.h"

class DrawOrder;
class FiniteRecords;
class LinetypeTexts;

// The objects of the four lists, in the order they were added (the order they are painted
// in, so the saved file paints the same), each through `records`. Every line, circle, arc
// and polyline is followed by the texts of its complex linetype (`texts`) as TEXT records;
// inserts in `leftOut` (null: none) are left out.
void writeObjectRecords(const DrawOrder& order, const EntityList& entities,
                        const PolylineList& polylines, const InsertList& inserts,
                        const DimensionList& dimensions, const LinetypeTexts& texts,
                        const std::unordered_set<const DXF_Insert*>* leftOut,
                        FiniteRecords& records);
