// Admission of a drawing by its layers.
#include "app/OpenAdmission.h"

#include "document/DXF_Zeichnung.h"
#include "settings/FixedText.h"
#include "dxf/Layer.h"

namespace {

bool hasLayer(const DXF_Zeichnung& drawing, const char* name) {
  const FixedText<Layer::kNameSize> layerName(name);
  return drawing.findLayer(layerName.c_str()) != nullptr;
}

}  // namespace

Admission admitDrawing(const DXF_Zeichnung& drawing, const char* silLayer, const char* massblLayer,
                       bool alternativeLayer) {
  const bool throughSil = hasLayer(drawing, silLayer);
  const bool carriesMassbl = alternativeLayer && hasLayer(drawing, massblLayer);
  if (!throughSil && !carriesMassbl) return Admission::Refused;
  return alternativeLayer && !carriesMassbl ? Admission::WithCommands : Admission::WithoutCommands;
}
