// The dispatch of the composite kinds: records drawn as pieces of the plain kinds.
#include "document/CompositeReader.h"

#include <optional>
#include <string_view>

#include "document/MultiLeaderReader.h"
#include "document/PieceRecords.h"
#include "document/PlainComposites.h"

namespace {

enum class Composite { Leader, MultiLeader, Table, Mesh, MLine, Wipeout, Tolerance };

std::optional<Composite> compositeOf(std::string_view name) {
  if (name == "LEADER") return Composite::Leader;
  if (name == "MULTILEADER" || name == "MLEADER") return Composite::MultiLeader;
  if (name == "ACAD_TABLE") return Composite::Table;
  if (name == "MESH") return Composite::Mesh;
  if (name == "MLINE") return Composite::MLine;
  if (name == "WIPEOUT") return Composite::Wipeout;
  if (name == "TOLERANCE") return Composite::Tolerance;
  return std::nullopt;
}

}  // namespace

CompositeReader::Outcome CompositeReader::read(const char* kind, DxfLineReader& in,
                                               ObjectLists& lists) const {
  Outcome outcome;
  const std::optional<Composite> composite = compositeOf(kind);
  if (!composite) return outcome;
  outcome.recognised = true;
  if (*composite == Composite::Leader) {
    outcome.result = leaders_.read(in, lists);
    return outcome;
  }
  const RecordPairs record = RecordPairs::read(in);
  // A record the file ends inside is not drawn; the reader reports the end.
  if (!record.ended) {
    outcome.result = kEndOfFile;
    return outcome;
  }
  const PieceSink pieces(lists, layers_, utf8Texts_);
  switch (*composite) {
    case Composite::MultiLeader: MultiLeaderReader(styles_).add(record, pieces); break;
    case Composite::Table: addTablePieces(record, pieces); break;
    case Composite::Mesh: addMeshPieces(record, pieces); break;
    case Composite::MLine: addMLinePieces(record, pieces); break;
    case Composite::Wipeout: addWipeoutPieces(record, pieces); break;
    case Composite::Tolerance:
      addTolerancePieces(record, styles_.find(styleNameOf(record)), pieces);
      break;
    case Composite::Leader: break;
  }
  return outcome;
}
