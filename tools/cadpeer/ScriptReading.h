// What the CAD command line makes of a transfer script: the commands it runs with their
// inputs, and the drawing file the script brings in.
#pragma once

#include <string>
#include <string_view>

struct ScriptReading {
  std::string file;   // the file after "_.dxfin", or of the first file insert; "" for none
  std::string fault;  // why the command line cannot run the script; "" when it can
};

// Reads the script's inputs (ScriptInputs.h) as the commands the viewer sends ask for
// them: "_.filedia"/"_filedia" 0|1, "_.zoom" _w point point | _prev, "_.select" and
// "_.erase" with _all/_rem/_prev up to an empty input, "_.dxfin" file, "_.block" name _y
// point and a selection, "_.-insert"/"_.insert" name=file | *file | [*]block, then _scale
// and _rot with their numbers, the point and, exploded, scale and rotation. An insert may
// stop anywhere, as the user completes it in the CAD program; every other command must be
// complete. Block names must be names the CAD program takes.
ScriptReading readScript(std::string_view script);
