// The text of the drawing information: what the open drawing holds and what it passed over.
#pragma once

#include <string>

class DXF_Zeichnung;

// Counts of the drawing's objects by kind, and the kinds of objects the file held that the
// viewer does not show, each with its count; lines separated by newlines.
std::string drawingInformation(const DXF_Zeichnung& drawing);
