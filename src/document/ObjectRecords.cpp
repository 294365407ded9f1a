// Writes the drawing objects of a document or a block as DXF records, in the file's order.
#include "document/ObjectRecords.h"

#include <ostream>

#include "document/DXF_Bemassung.h"
#include "document/DXF_Insert.h"
#include "document/FiniteRecords.h"
#include "document/LinetypeTexts.h"
#include "document/Polylinie.h"

namespace {

void writeTexts(const std::vector<DXFText>& texts, FiniteRecords& records) {
  for (const DXFText& text : texts) {
    records.write([&](std::ostream& to) { text.writeGroups(to); });
  }
}

}  // namespace

void writeObjectRecords(const DrawOrder& order, const EntityList& entities,
                        const PolylineList& polylines, const InsertList& inserts,
                        const DimensionList& dimensions, const LinetypeTexts& texts,
                        const std::unordered_set<const DXF_Insert*>* leftOut,
                        FiniteRecords& records) {
  forEachInDrawOrder(
      order, entities, polylines, inserts, dimensions,
      [&](const DXFGeometrie& entity, int) {
        records.write([&](std::ostream& to) { entity.writeGroups(to); });
        writeTexts(texts.along(entity), records);
      },
      [&](const Polylinie& polyline, int) {
        records.write([&](std::ostream& to) { polyline.write(to); });
        writeTexts(texts.along(polyline), records);
      },
      [&](const DXF_Insert& insert, int) {
        if (leftOut && leftOut->contains(&insert)) return;
        records.write([&](std::ostream& to) { insert.write(to); });
      },
      [&](const DXF_Bemassung& dimension, int) {
        records.write([&](std::ostream& to) { dimension.write(to); });
      });
}
