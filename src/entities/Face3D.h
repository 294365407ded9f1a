// A three- or four-sided face in space: the DXF entity 3DFACE, seen from above.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "entities/DXFGeometrie.h"

// Four corners (groups 10/20/30 to 13/23/33; a triangle repeats its third corner as the
// fourth) joined in order 1-2-3-4-1. Seen from above, a face is its outline: the edges the
// flags (group 70) leave visible. The reader keeps a face as those edges, LINEs, so
// drawing, exploding and saving all see the same lines.
class Face3D : public DXFGeometrie {
 public:
  static constexpr int kEndOfFile = -40;
  static constexpr int kCorners = 4;

  // Group 70 bits: edge i (from corner i to corner i + 1, the fourth back to the first)
  // is hidden when bit i is set.
  enum HiddenEdge : int {
    kFirstEdgeHidden = 1,
    kSecondEdgeHidden = 2,
    kThirdEdgeHidden = 4,
    kFourthEdgeHidden = 8,
  };

  Face3D() = default;

  // Corner i (0 to 3); out-of-range indices give 0.
  double cornerX(int i) const;
  double cornerY(int i) const;
  int hiddenEdges() const { return hiddenEdges_; }

  // The visible edges of non-zero length, each a LINE like this entity.
  std::vector<std::unique_ptr<DXFGeometrie>> edges() const;

  const char* typeName() const override;
  int readGroups(DxfLineReader& in) override;
  int writeGroups(std::ostream& out) const override;

 private:
  // The group table, in the order written: each corner's 10, 20, 30 to 13, 23, 33.
  template <class Self>
  static std::array<RealGroupOf<Self>, 3 * kCorners> groupTable(Self& face);

  double x_[kCorners] = {};
  double y_[kCorners] = {};
  double z_[kCorners] = {};
  int hiddenEdges_ = 0;
};
