// A three- or four-sided face in space: the DXF entity 3DFACE, seen from above.
#include "entities/Face3D.h"

#include <ostream>

#include "entities/Linie.h"

double Face3D::cornerX(int i) const { return i >= 0 && i < kCorners ? x_[i] : 0.0; }
double Face3D::cornerY(int i) const { return i >= 0 && i < kCorners ? y_[i] : 0.0; }

std::vector<std::unique_ptr<DXFGeometrie>> Face3D::edges() const {
  std::vector<std::unique_ptr<DXFGeometrie>> lines;
  for (int i = 0; i < kCorners; ++i) {
    if (hiddenEdges_ & (1 << i)) continue;
    const int next = (i + 1) % kCorners;
    if (x_[i] == x_[next] && y_[i] == y_[next]) continue;
    auto line = std::make_unique<Linie>(x_[i], y_[i], x_[next], y_[next]);
    line->takeAttributesOf(*this);
    lines.push_back(std::move(line));
  }
  return lines;
}

const char* Face3D::typeName() const { return "3DFACE"; }

template <class Self>
std::array<RealGroupOf<Self>, 3 * Face3D::kCorners> Face3D::groupTable(Self& face) {
  return {{{10, &face.x_[0]},
           {20, &face.y_[0]},
           {30, &face.z_[0]},
           {11, &face.x_[1]},
           {21, &face.y_[1]},
           {31, &face.z_[1]},
           {12, &face.x_[2]},
           {22, &face.y_[2]},
           {32, &face.z_[2]},
           {13, &face.x_[3]},
           {23, &face.y_[3]},
           {33, &face.z_[3]}}};
}

int Face3D::readGroups(DxfLineReader& in) {
  setColourNumber("256");
  const auto corners = groupTable(*this);
  bool fourthCornerRead = false;
  const int result = readGroupLoop(in, kEndOfFile, true, [&](int code, DxfLineReader& line) {
    if (code == 13 || code == 23) fourthCornerRead = true;
    if (code == 70) {
      hiddenEdges_ = readInt(line);
      return true;
    }
    return readListedGroup(line, code, corners);
  });
  if (result != 0) return result;
  if (!fourthCornerRead) {
    x_[3] = x_[2];
    y_[3] = y_[2];
    z_[3] = z_[2];
  }
  deriveColour();
  return 0;
}

int Face3D::writeGroups(std::ostream& out) const {
  writeHead(out, true);
  writeListedGroups(out, groupTable(*this));
  if (hiddenEdges_ != 0) out << " 70\n" << hiddenEdges_ << '\n';
  writeEnd(out);
  return 0;
}
