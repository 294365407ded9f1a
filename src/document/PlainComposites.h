// Composite kinds whose pieces follow directly from their own groups: tables, meshes and
// multi-lines.
#pragma once

#include "document/PieceRecords.h"

// A table (ACAD_TABLE): the anonymous block of its cells (group 2), inserted at its
// insertion point as an insert would place it.
void addTablePieces(const RecordPairs& record, const PieceSink& pieces);

// A mesh (MESH): every edge of its faces once, as a line between two of its vertices.
void addMeshPieces(const RecordPairs& record, const PieceSink& pieces);

// A multi-line (MLINE): one polyline per element, through the points its parameters place
// along each vertex's miter direction; without parameters, the two lines of the default
// style half the scale either side of the justification line.
void addMLinePieces(const RecordPairs& record, const PieceSink& pieces);
