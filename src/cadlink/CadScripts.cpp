// Command scripts for the CAD program's command line. Every word is sent with its own
// spaces, since a blank or a newline ends one input there; numbers always carry a point.
// An input holding the block name or a path is always in double quotes, so that a blank
// in it is read as part of it whatever the name or path.
#include "cadlink/CadScripts.h"

#include <algorithm>
#include <cstdio>

#include "dxf/CNumericLocale.h"

namespace {

// "%f" of the number, however long it is.
std::string number(double value) {
  const int length = std::snprintf(nullptr, 0, "%f", value);
  std::string text(static_cast<std::size_t>(length), '\0');
  std::snprintf(text.data(), text.size() + 1, "%f", value);
  return text;
}

std::string point(double x, double y) { return number(x) + "," + number(y); }

bool isControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }

// One input of the command line, read whole up to its closing quote.
std::string quoted(std::string_view input) { return "\"" + std::string(input) + "\""; }

// The block reference: "*" before the name inserts it exploded.
std::string blockReference(const ScriptOptions& options) {
  return quoted((options.explode ? "*" : "") + std::string(options.blockName));
}

std::string scaleAndRotation(const std::string& angle) { return "_scale 1.0 _rot " + angle + "\n"; }

// The insertion point unless the user picks it; an exploded insert asks for scale and
// rotation after the point.
std::string placement(const ScriptOptions& options, const std::string& pointText,
                      const std::string& angle) {
  if (options.mouseInsert) return "";
  std::string text = pointText + "\n";
  if (options.explode) text += "1.0 " + angle + "\n";
  return text;
}

std::string zoomTo(const WorldWindow& window) {
  return "_.zoom _w " + point(window.minX, window.minY) + " " + point(window.maxX, window.maxY) +
         " ";
}

}  // namespace

bool insertsDxfDirectly(int versionCode) {
  return versionCode == 15 || versionCode == 16 || versionCode == 2000 || versionCode == 2002;
}

bool isCadBlockName(std::string_view name) {
  constexpr std::string_view kReserved = "<>/\\\":;?*|,=`";
  return !name.empty() && std::none_of(name.begin(), name.end(), [&](char c) {
    return isControl(c) || kReserved.find(c) != std::string_view::npos;
  });
}

bool isQuotablePath(std::string_view path) {
  return std::none_of(path.begin(), path.end(), [](char c) { return isControl(c) || c == '"'; });
}

std::optional<std::string> insertScript(const ScriptOptions& options, std::string_view file,
                                        const WorldWindow& zoomWindow, int versionCode) {
  if (!isCadBlockName(options.blockName) || !isQuotablePath(file)) return std::nullopt;
  CNumericLocale numbersWithPoint;
  const std::string angle = number(options.insertAngle);
  const std::string pointText = point(options.insertX, options.insertY);
  const std::string block(options.blockName);
  std::string script;
  if (insertsDxfDirectly(versionCode)) {
    script += zoomTo(zoomWindow);
    if (options.explode) script += "_.select _all  ";
    script += "_.-insert " + quoted(block + "=" + std::string(file)) + "\n";
    script += scaleAndRotation(angle);
    if (options.explode) {
      // The block came in whole; replace it by an exploded insert of itself.
      script += pointText + "\n" + "_.select _all _rem _prev  _.erase _prev  _.-insert " +
                blockReference(options) + "\n";
    }
  } else {
    script += "_.filedia 0 ";
    script += zoomTo(zoomWindow);
    script += "_.select _all  ";
    script += "_.dxfin " + quoted(file) + "\n_filedia 1 ";
    script += "_.select _all _rem _prev  ";
    script += "_.block " + quoted(block) + " _y 0.0,0.0 _prev  ";
    script += "_.zoom _prev _.insert " + blockReference(options) + "\n";
    if (!options.explode) script += scaleAndRotation(angle);
  }
  return script + placement(options, pointText, angle);
}

std::optional<std::string> directInsertScript(const ScriptOptions& options, std::string_view file) {
  if (!isCadBlockName(options.blockName) || !isQuotablePath(file)) return std::nullopt;
  CNumericLocale numbersWithPoint;
  const std::string angle = number(options.insertAngle);
  const std::string fileText(file);
  const std::string block =
      options.explode ? "*" + fileText : std::string(options.blockName) + "=" + fileText;
  std::string script = "_.filedia 0 _.insert " + quoted(block) + "\n";
  if (!options.explode) script += scaleAndRotation(angle);
  return script + placement(options, point(options.insertX, options.insertY), angle);
}
