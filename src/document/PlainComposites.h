// Composite kinds whose pieces follow directly from their own groups (and dimension style):
// tables, meshes, multi-lines, wipeouts and tolerances.
#pragma once

#include "document/LeaderStyles.h"
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

// A wipeout (WIPEOUT): its clipping boundary filled with the white of the background, a
// solid HATCH that hides what was drawn before it.
void addWipeoutPieces(const RecordPairs& record, const PieceSink& pieces);

// A tolerance (TOLERANCE): its text as an MTEXT whose first line's capitals are centred on
// the insertion point, sized by the dimension style's text height and scale; the frame
// separators become gaps, its line breaks new lines.
void addTolerancePieces(const RecordPairs& record, const LeaderStyle& style,
                        const PieceSink& pieces);

// The name of the dimension style a tolerance record names (group 3).
std::string styleNameOf(const RecordPairs& record);
