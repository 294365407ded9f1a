// DXF_Bauteil: one registered component drawing with its key and placement matrix.
#pragma once

#include <array>
#include <string>
#include <string_view>

/// A component of the viewer interface's registry: the drawing of one catalogue component
/// in one view type.
class DXF_Bauteil {
 public:
  /// 4 x 4 placement matrix, row by row.
  using Matrix = std::array<double, 16>;
  static constexpr Matrix identity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

  /// `fileName`: the DXF file's base name, without folder and without ".dxf".
  DXF_Bauteil(int key, std::string_view fileName, const Matrix& matrix = identity)
      : key(key), fileName(fileName), matrix(matrix) {}
  virtual ~DXF_Bauteil() = default;

  /// The component's number within its view type; several components may share one.
  int key;
  std::string fileName;
  Matrix matrix;
};
