// The DXF writer: a drawing document as an ASCII DXF file of release 12 ("AC1009").
#include "document/DxfWriter.h"

#include <clocale>
#include <iomanip>
#include <locale>
#include <ostream>
#include <string>

#include "document/DXF_Zeichnung.h"
#include "document/DrawingExtents.h"
#include "entities/ConstructionLine.h"
#include "document/InsertCycles.h"
#include "document/FiniteRecords.h"
#include "document/LinetypeTexts.h"
#include "document/ObjectRecords.h"
#include "dxf/CNumericLocale.h"
#include "dxf/RoundTripNumbers.h"
#include "settings/ReplacingFile.h"

namespace {

// A linetype whose group 73 names more pattern elements than were read is written with the
// count of the elements it holds (given as the group 73 pair the count is read from), so
// that its pattern stays as read instead of gaining zero-length elements.
void writeLinetype(std::ostream& out, const Linientyp& linetype) {
  if (linetype.elementCount() <= linetype.storedElements()) {
    linetype.write(out);
    return;
  }
  Linientyp complete(linetype);
  std::string countGroup(" 73\n");
  countGroup += std::to_string(linetype.storedElements());
  countGroup += "\n  0\n";
  auto count = DxfLineReader::fromString(std::move(countGroup));
  complete.read(count);
  complete.write(out);
}

void writeHeaderReal(std::ostream& out, double value) {
  out << std::setprecision(6) << value << std::setprecision(4) << '\n';
}

}  // namespace

DxfWriter::DxfWriter(const DXF_Zeichnung& document) : document_(document) {}

int DxfWriter::write(const std::filesystem::path& path) {
  CNumericLocale locale;
  ReplacingFile file(path);
  if (file.open()) {
    ReplacingFileBuffer buffer(file);
    std::ostream out(&buffer);
    writeTo(out);
    out.flush();
    if (out) file.commit();
  }
  reason_ = file.reason();
  return file.error() == 0 ? 0 : kCannotWrite;
}

void DxfWriter::writeTo(std::ostream& out) {
  out.imbue(withRoundTripNumbers(std::locale::classic()));
  out << std::fixed << std::setprecision(4);
  FiniteRecords records(out);
  const DrawingExtents::Box box = savedExtents();
  writeHeader(out, box);
  writeTables(out);
  // Lines without an end are saved as the stretch of them that the extents hold.
  const ConstructionLine::SavingWindow window({box.minX, box.minY, box.maxX, box.maxY});
  // Release 12 has no complex linetypes: their texts are written as TEXT entities.
  const LinetypeTexts texts(document_.linePatterns());
  writeBlocks(out, records, texts);
  writeEntities(out, records, texts);
  leftOut_ = records.leftOut();
}

DrawingExtents::Box DxfWriter::savedExtents() const {
  // The box of what is drawn, not the window the viewer widened around it; a drawing with
  // nothing drawn keeps the document's extents.
  DrawingExtents::Box box = DrawingExtents(document_).compute();
  if (box.empty) {
    box = {document_.minX(), document_.minY(), document_.maxX(), document_.maxY(), false};
  }
  return box;
}

void DxfWriter::writeHeader(std::ostream& out, const DrawingExtents::Box& box) const {
  out << "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1009\n";
  out << "  9\n$EXTMIN\n 10\n";
  writeHeaderReal(out, box.minX);
  out << " 20\n";
  writeHeaderReal(out, box.minY);
  out << " 30\n0.0\n  9\n$EXTMAX\n 10\n";
  writeHeaderReal(out, box.maxX);
  out << " 20\n";
  writeHeaderReal(out, box.maxY);
  out << " 30\n0.0\n  9\n$LTSCALE\n 40\n";
  writeHeaderReal(out, document_.linetypeScale());
  out << "  0\nENDSEC\n";
}

void DxfWriter::writeTables(std::ostream& out) const {
  const LinetypeList& linetypes = document_.linetypes();
  out << "  0\nSECTION\n  2\nTABLES\n  0\nTABLE\n  2\nLTYPE\n 70\n"
      << linetypes.count() - 1 << "\n  0\n";
  for (int i = linetypes.count() - 1; i >= 0; --i) writeLinetype(out, *linetypes.at(i));
  const LayerList& layers = document_.layers();
  out << "ENDTAB\n  0\nTABLE\n  2\nLAYER\n 70\n" << layers.count() - 1 << "\n  0\n";
  for (int i = layers.count() - 1; i >= 0; --i) layers.at(i)->write(out);
  out << "ENDTAB\n";
  const TextStyles& styles = document_.textStyles();
  if (!styles.styles().empty()) {
    // The styles' font flags are extended data of the application "ACAD".
    out << "  0\nTABLE\n  2\nAPPID\n 70\n1\n  0\nAPPID\n  2\nACAD\n 70\n0\n  0\nENDTAB\n";
    styles.writeTable(out);
  }
  out << "  0\nENDSEC\n";
}

void DxfWriter::writeBlocks(std::ostream& out, FiniteRecords& records,
                            const LinetypeTexts& texts) const {
  const BlockList& blocks = document_.blocks();
  out << "  0\nSECTION\n  2\nBLOCKS\n  0\n";
  const std::unordered_set<const DXF_Insert*> cyclic = cyclicInserts(blocks);
  for (int i = blocks.count() - 1; i >= 0; --i) blocks.at(i)->write(out, records, texts, &cyclic);
  out << "ENDSEC\n";
}

void DxfWriter::writeEntities(std::ostream& out, FiniteRecords& records,
                              const LinetypeTexts& texts) const {
  out << "  0\nSECTION\n  2\nENTITIES\n  0\n";
  writeObjectRecords(document_.drawOrder(), document_.entities(), document_.polylines(),
                     document_.inserts(), document_.dimensions(), texts, nullptr, records);
  out << "ENDSEC\n  0\nEOF\n";
}
