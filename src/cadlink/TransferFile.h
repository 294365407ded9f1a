// The file the CAD program reads: the view's block alone as a drawing of its own, or a
// copy of the opened file.
#pragma once

#include <memory>
#include <string>

#include "document/DXF_Zeichnung.h"

// A drawing of the block named viewName of current, inserted once on layer "0" where and
// as turned as current's last insert of it places it (at the origin when none does) and
// exploded, with current's layers, linetypes and extents; null when current has no such
// block. What the explode had to leave out goes to `cut` when given.
std::unique_ptr<DXF_Zeichnung> transferDocument(const DXF_Zeichnung& current, const char* viewName,
                                                PlacementCut* cut = nullptr);

// Copies the source file over target and makes the copy writable by its owner (the
// source may be read-only). False when the copy failed.
bool copyTransferFile(const std::string& source, const std::string& target);
