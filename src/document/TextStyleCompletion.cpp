// Texts take what their style gives them once the whole file is read.
#include "document/TextStyleCompletion.h"

#include <cstring>

#include "document/DXFText.h"
#include "document/DXF_Zeichnung.h"

namespace {

void applyTo(EntityList& entities, const TextStyles& styles) {
  for (int i = 0; i < entities.count(); ++i) {
    DXFGeometrie& entity = *entities.at(i);
    if (std::strcmp(entity.typeName(), "TEXT") != 0) continue;
    auto& text = static_cast<DXFText&>(entity);
    const std::string& name = text.styleName();
    if (const TextStyles::Style* style = styles.find(name.empty() ? "STANDARD" : name)) {
      text.takeStyle(style->bold, style->italic, style->obliqueDegrees);
    }
  }
}

}  // namespace

void applyTextStyles(DXF_Zeichnung& document) {
  const TextStyles& styles = document.textStyles();
  if (styles.styles().empty()) return;
  applyTo(document.entities(), styles);
  for (int i = 0; i < document.blocks().count(); ++i) {
    applyTo(document.blocks().at(i)->entities(), styles);
  }
}
