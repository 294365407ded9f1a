// Reading and storing the three settings keys of a layer's looks.
#include "viewer/LayerLooks.h"

#include <string_view>

#include "settings/Cp1252.h"
#include "settings/IniFile.h"
#include "settings/IniText.h"

namespace {

constexpr const char* kSection = "DXFViewer";
constexpr char kHiddenMark = '~';

struct LooksKeys {
  std::string name;
  std::string linetype;
  std::string colour;
};

// Layer names and linetypes are the drawing's Windows-1252; the settings file is UTF-8.
std::string storedText(std::string_view drawingText) {
  return escapeIniText(cp1252ToUtf8(drawingText));
}

std::string drawingText(std::string_view storedText) {
  return utf8ToCp1252(unescapeIniText(storedText));
}

LooksKeys keysOf(const char* layerKey) {
  const std::string escaped = storedText(layerKey ? layerKey : "");
  return {"Layer_" + escaped, "Ltype_" + escaped, "Color_" + escaped};
}

void setOrAdd(IniFile& settings, const std::string& key, const std::string& value) {
  if (settings.setValue(kSection, key.c_str(), value.c_str()) == IniFile::NoError) return;
  if (settings.addEntry(kSection, key.c_str(), value.c_str()) == IniFile::SectionMissing) {
    settings.addSection(kSection);
    settings.addEntry(kSection, key.c_str(), value.c_str());
  }
}

}  // namespace

std::optional<LayerLooks> readLayerLooks(IniFile& settings, const char* layerKey) {
  const LooksKeys keys = keysOf(layerKey);
  IniFile::clearError();
  // Each text is copied at once: a failed lookup overwrites the shared empty cell.
  const std::string name = settings.getString(kSection, keys.name.c_str());
  const std::string linetype = settings.getString(kSection, keys.linetype.c_str());
  std::string colour = settings.getString(kSection, keys.colour.c_str());
  const bool found = IniFile::lastError() == IniFile::NoError;
  IniFile::clearError();
  if (!found) return std::nullopt;
  LayerLooks looks;
  looks.hidden = !colour.empty() && colour.back() == kHiddenMark;
  if (looks.hidden) colour.pop_back();
  looks.name = drawingText(name);
  looks.linetype = drawingText(linetype);
  looks.colour = drawingText(colour);
  return looks;
}

void storeLayerLooks(IniFile& settings, const char* layerKey, const LayerLooks& looks) {
  const LooksKeys keys = keysOf(layerKey);
  std::string colour = storedText(looks.colour);
  if (looks.hidden) colour += kHiddenMark;
  setOrAdd(settings, keys.name, storedText(looks.name));
  setOrAdd(settings, keys.linetype, storedText(looks.linetype));
  setOrAdd(settings, keys.colour, colour);
  IniFile::clearError();
}
