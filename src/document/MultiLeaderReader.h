// A MULTILEADER record: its leader lines with their arrowheads and dog-legs, and its
// content, a multi-line text or an insert of a block.
#pragma once

#include "document/LeaderStyles.h"
#include "document/PieceRecords.h"

class MultiLeaderReader {
 public:
  explicit MultiLeaderReader(const LeaderStyles& styles) : styles_(styles) {}

  // Files the pieces the multi-leader of `record` is drawn as into `pieces`: a polyline
  // (a spline for a curved leader) per leader line, an arrowhead at its start, and an MTEXT
  // or INSERT of the content, framed when the record asks for a frame.
  void add(const RecordPairs& record, const PieceSink& pieces) const;

 private:
  const LeaderStyles& styles_;
};
