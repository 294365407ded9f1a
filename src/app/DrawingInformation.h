// The text of the drawing information: what the open drawing holds and what it passed over.
#pragma once

#include <string>

class DXF_Zeichnung;

// The file's DXF release, the extents of what is drawn, the counts of the drawing's
// objects by kind, each layer with the number of objects on it, and the kinds of objects
// the file held that the viewer does not show, each with its count; lines separated by
// newlines, layer names as the file has them (Windows-1252).
std::string drawingInformation(const DXF_Zeichnung& drawing);

// The release a $ACADVER name stands for ("AC1009" → "R11/R12"); empty for an unknown one.
std::string dxfReleaseName(const std::string& version);
