// The single-line text entity, read from TEXT and MTEXT and always written as TEXT.
#pragma once

#include <array>
#include <string>

#include "entities/DXFGeometrie.h"

// A text drawn with an "Arial" font whose pixel height follows the zoom. The string is kept
// in Windows-1252 with the special characters Ø, ° and ± decoded; it is cut to
// kMaxTextLength characters.
class DXFText : public DXFGeometrie {
 public:
  static constexpr int kEndOfFile = -35;
  // Longest string kept (the text field holds 200 bytes with its terminator).
  static constexpr std::size_t kMaxTextLength = 199;

  // Horizontal alignment codes (group 72). Aligned, middle and fit are read only: they are
  // kept as right, centre and right.
  enum HAlignCode : int {
    kHAlignLeft = 0,
    kHAlignCentre = 1,
    kHAlignRight = 2,
    kHAlignAligned = 3,
    kHAlignMiddle = 4,
    kHAlignFit = 5,
  };
  // Vertical alignment codes (group 73). Middle is read only: the anchor moves to the
  // baseline instead.
  enum VAlignCode : int {
    kVAlignBaseline = 0,
    kVAlignBottom = 1,
    kVAlignMiddle = 2,
    kVAlignTop = 3,
  };

  // Layer name "0", visible, height 10, width factor 1, no alignment.
  DXFText();
  // A text at (x, y) with its alignment point there too, aligned left/top; newlines become
  // blanks. Height in drawing units, rotation in degrees. With a layer, its name, colour,
  // line style and visibility.
  DXFText(double x, double y, const char* text, double height, double rotation,
          const Layer* layer = nullptr);
  // All fields; newlines in the text become blanks; ownColour starts at 0.
  DXFText(const DXFText& other);
  DXFText& operator=(const DXFText& other) = default;

  // Marks the text as read from an MTEXT record before readGroups: its formatting codes and
  // continuation groups are then interpreted (as they are when a group 100 "AcDbMText"
  // says so).
  void markAsMText() { mtext_ = true; }
  // Marks the text as read from a file that stores texts in UTF-8 (release 2007 and
  // later), to be converted to Windows-1252 while reading.
  void markAsUtf8() { utf8_ = true; }

  double x() const { return x_; }
  double y() const { return y_; }
  double z() const { return z_; }
  // Alignment point (groups 11, 21, 31); the insertion point when there is no alignment.
  double x2() const { return x2_; }
  double y2() const { return y2_; }
  double z2() const { return z2_; }
  // Height in drawing units (group 40).
  double height() const { return height_; }
  // Width factor (group 41), kept and written, not drawn.
  double widthFactor() const { return widthFactor_; }
  // Degrees counter-clockwise (group 50).
  double rotation() const { return rotation_; }
  const std::string& text() const { return text_; }
  // An HAlignCode: left, centre or right after reading (group 72).
  int hAlign() const { return hAlign_; }
  // A VAlignCode: baseline, bottom or top after reading (group 73).
  int vAlign() const { return vAlign_; }
  // 1 when the text carries an alignment (groups 72/73 given and not both 0).
  int hasAlignment() const { return hasAlignment_; }
  // Alignment codes as the print captions set them.
  void setAlignment(HAlignCode hAlign, VAlignCode vAlign);

  const char* typeName() const override;
  void stretchX(double c, double d) override;
  void stretchY(double c, double d) override;
  void moveX(double d) override;
  void moveY(double d) override;
  void scaleX(double k, double b) override;
  void scaleY(double k, double b) override;
  void scaleXY(double k, double bx, double by) override;
  // Points placed (mirrored top to bottom for a negative s), rotation grows by a; the
  // height is not scaled.
  void transform(double s, double a, double dx, double dy, double dz) override;
  void draw(DrawingArea& area, double s, double dx, double dy, double a) const override;
  // Printed in bold and always black.
  void drawOnDevice(DeviceContext& dc, double s, double minX, double minY, double maxX,
                    double maxY, double dx, double dy, double a) const override;
  int readGroups(DxfLineReader& in) override;
  int writeGroups(std::ostream& out) const override;

  // The anchor of a text on its device point for the alignment codes; codes outside
  // their enumerations are taken as left and baseline.
  static TextHAlign anchorHAlign(int hAlign);
  static TextVAlign anchorVAlign(int vAlign);

 private:
  // The group tables of the reals, each in the order written: the insertion point 10, 20,
  // 30 and height 40 come before the string (group 1), rotation 50 and width factor 41
  // after it, and the alignment point 11, 21, 31 last, only with an alignment.
  template <class Self>
  static std::array<RealGroupOf<Self>, 4> placementGroups(Self& text);
  template <class Self>
  static std::array<RealGroupOf<Self>, 2> styleGroups(Self& text);
  template <class Self>
  static std::array<RealGroupOf<Self>, 3> alignmentGroups(Self& text);

  // Interprets the alignment codes, or an MTEXT's attachment point (group 71) and
  // direction, once all groups were read.
  void finishReading(int attachment);
  void setText(std::string text);
  TextStyle styleFor(int pixelHeight, int weight) const;

  double x_ = 0.0;
  double y_ = 0.0;
  double z_ = 0.0;
  double x2_ = 0.0;
  double y2_ = 0.0;
  double z2_ = 0.0;
  double height_ = 10.0;
  double widthFactor_ = 1.0;
  double rotation_ = 0.0;
  std::string text_;
  int vAlign_ = 0;
  int hAlign_ = 0;
  int hasAlignment_ = 0;
  bool mtext_ = false;
  bool utf8_ = false;
};
