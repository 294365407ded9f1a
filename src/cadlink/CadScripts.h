// The command scripts that bring a drawing file into the CAD program as a block: zoom to
// the drawing's area, read the file as a block, insert it with scale 1.0 and the chosen
// rotation and point, exploded or not.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "viewer/WorldWindow.h"

// What the user chose for one transfer.
struct ScriptOptions {
  std::string_view blockName;  // name of the block in the CAD drawing
  double insertX = 0.0;        // insertion point, drawing units
  double insertY = 0.0;
  double insertAngle = 0.0;  // rotation, degrees
  bool explode = false;      // insert the block exploded
  bool mouseInsert = true;   // the user picks the point (and maybe more) in the CAD program
};

// Version codes whose CAD program inserts a DXF file as a block directly; the others read
// it with DXFIN and make the block themselves.
bool insertsDxfDirectly(int versionCode);

// Whether the CAD program takes the text as a block name: not empty, no character it keeps
// for its own use (< > / \ " : ; ? * | , = `) and no control character.
bool isCadBlockName(std::string_view name);

// Whether the command line reads the path whole inside double quotes: it holds no double
// quote, which would end the quoting, and no control character (a line break would end
// the input and start a command line of its own).
bool isQuotablePath(std::string_view path);

// The script for a DXF file: zoom to zoomWindow, bring the file in as the block and insert
// it, by the road the version code takes. Every input holding the block name or the path
// is in double quotes. None when the block name or the path cannot be quoted.
std::optional<std::string> insertScript(const ScriptOptions& options, std::string_view file,
                                        const WorldWindow& zoomWindow, int versionCode);

// The script that inserts a drawing file in the CAD program's own format; quoted and
// refused the same way.
std::optional<std::string> directInsertScript(const ScriptOptions& options, std::string_view file);
