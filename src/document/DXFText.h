// The single-line text entity, read from TEXT and MTEXT and always written as TEXT.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "document/MTextColumns.h"
#include "dxf/MTextRuns.h"
#include "entities/DXFGeometrie.h"

// A text drawn with an "Arial" font whose capitals are as high as the text's height at the
// current zoom, stretched by its width factor. The string is kept in Windows-1252 with the
// special characters Ø, ° and ± and the escapes of other code page characters decoded
// (escapes of characters beyond the code page stay, to be drawn and written back as they
// are); it is cut to kMaxTextLength characters. An MTEXT is read into one of these and then
// laid out into its lines (document/MTextLines.h); an ATTRIB is read as a text of its own.
class DXFText : public DXFGeometrie {
 public:
  static constexpr int kEndOfFile = -35;
  // Longest string kept (the text field holds 200 bytes with its terminator).
  static constexpr std::size_t kMaxTextLength = 199;
  // The flag of an attribute (group 70) that hides it.
  static constexpr int kAttributeHidden = 1;

  // Horizontal alignment codes (group 72). Aligned and fit fill the span from the
  // insertion point to the alignment point (aligned scales the whole text, fit stretches
  // it along the baseline); middle centres the text both ways on the alignment point.
  enum HAlignCode : int {
    kHAlignLeft = 0,
    kHAlignCentre = 1,
    kHAlignRight = 2,
    kHAlignAligned = 3,
    kHAlignMiddle = 4,
    kHAlignFit = 5,
  };
  // Text generation flags (group 71 of a TEXT or ATTRIB): the text drawn backwards
  // (mirrored along its baseline) and upside down (mirrored across it).
  enum GenerationFlag : int {
    kBackward = 2,
    kUpsideDown = 4,
  };
  // Vertical alignment codes (group 73). A middle text's anchor lies half its height above
  // its baseline.
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
  // What an MTEXT read from a file lays out into lines.
  struct MTextFrame {
    // The paragraphs in Windows-1252, special-character codes decoded.
    std::vector<MTextParagraph> paragraphs;
    double referenceWidth = 0.0;     // group 41: wrapping width, 0 for none
    double lineSpacingFactor = 1.0;  // group 44
    int attachment = 1;              // group 71: 1 top left to 9 bottom right
    MTextColumns columns;
    // Seen from below (its extrusion direction points down): a mirror image, whose lines
    // follow each other on the left of its direction rather than on the right.
    bool mirrored = false;
  };
  // The frame of a text read from an MTEXT record; null for any other text and for copies.
  const MTextFrame* mtextFrame() const { return frame_.get(); }
  // A run of this MTEXT as a text of its own: `text` in `format` with its baseline at
  // (x, y), anchored there as `anchor` says, running in the MTEXT's direction; its letters
  // stand on their heads when the MTEXT is seen from below.
  std::unique_ptr<DXFText> mtextPiece(std::string text, double x, double y, HAlignCode anchor,
                                      const MTextFormat& format) const;
  // Drawn in bold letters (an MTEXT run in a bold font).
  bool bold() const { return bold_; }

  // Marks the text as read from an ATTRIB record before readGroups: group 70 then holds
  // its flags, 74 its vertical alignment, and 2 and 73 (tag, field length) are dropped.
  void markAsAttribute() { attribute_ = true; }
  // An attribute whose flags (group 70, bit 1) hide it.
  bool isHiddenAttribute() const { return attribute_ && (attributeFlags_ & kAttributeHidden); }
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
  // Height of the capitals in drawing units (group 40).
  double height() const { return height_; }
  // Width factor (group 41): the glyphs are stretched along the baseline by it.
  double widthFactor() const { return widthFactor_; }
  // Degrees counter-clockwise (group 50).
  double rotation() const { return rotation_; }
  // GenerationFlag bits (group 71).
  int generationFlags() const { return generation_; }
  // The direction the letters run in, degrees counter-clockwise: the rotation, turned half
  // round for a backward text.
  double drawnDirection() const;
  // True when the letters are a mirror image: backward or upside down, not both (which is
  // a half turn).
  bool isMirrored() const;
  // The text style's name (group 7); "" when the text names none.
  const std::string& styleName() const { return styleName_; }
  // Slant of the letters in degrees (group 51, or the style's).
  double obliqueDegrees() const { return oblique_; }
  // Takes the font and, unless the text gives its own, the oblique angle of its style.
  void takeStyle(bool bold, bool italic, double obliqueDegrees);
  const std::string& text() const { return text_; }
  // An HAlignCode (group 72).
  int hAlign() const { return hAlign_; }
  // A VAlignCode (group 73).
  int vAlign() const { return vAlign_; }
  // 1 when the text carries an alignment (groups 72/73 given and not both 0).
  int hasAlignment() const { return hasAlignment_; }
  // Aligned or fit: the text fills the span between its two points.
  bool fillsItsSpan() const;
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
  // y values multiplied by k > 0 with the letters following them, as an insert whose y
  // scale is k times its x scale places its block's texts: the baseline turns as its
  // direction is stretched, capitals grow by the stretch across the baseline and the width
  // factor takes the rest, so the text covers the stretched outline of the original.
  void scaleAcrossY(double k);
  // Points placed (mirrored top to bottom for a negative s), rotation grows by a (and is
  // mirrored with the points, the letters turning upside down); the height scales with |s|.
  void transform(double s, double a, double dx, double dy, double dz) override;
  void draw(DrawingArea& area, double s, double dx, double dy, double a) const override;
  // Printed in bold and always black.
  void drawOnDevice(DeviceContext& dc, double s, double minX, double minY, double maxX, double maxY,
                    double dx, double dy, double a) const override;
  int readGroups(DxfLineReader& in) override;
  int writeGroups(std::ostream& out) const override;
  // One unit more for each character: laying out and drawing a text's letters costs about
  // as much per letter as drawing one line.
  long placementCost() const override { return 1 + static_cast<long>(text_.size()); }

  // The anchor of a text on its device point for the alignment codes; codes outside
  // their enumerations are taken as left and baseline. Aligned and fit texts are anchored
  // left on the baseline at their insertion point.
  static TextHAlign anchorHAlign(int hAlign);
  static TextVAlign anchorVAlign(int hAlign, int vAlign);

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
  // Splits the MTEXT value into its lines and keeps them with the layout groups.
  void takeMTextValue(std::string value, MTextFrame frame);
  void setText(std::string text);
  TextStyle styleFor(double pixelHeight, int weight) const;
  // The point the text is drawn from: the alignment point, moved down onto the baseline by
  // half the height for a middle text (group 73 = 2), since a capital is as high as the
  // height says.
  WorldPoint drawnAnchor() const;
  // Outputs the text given its insertion and alignment points on the device.
  void output(DeviceContext& dc, DevicePoint first, DevicePoint second, TextStyle style) const;

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
  int generation_ = 0;
  std::string styleName_;
  double oblique_ = 0.0;
  bool obliqueOwn_ = false;
  bool bold_ = false;
  bool italic_ = false;
  bool mtext_ = false;
  std::shared_ptr<const MTextFrame> frame_;
  bool attribute_ = false;
  int attributeFlags_ = 0;
  bool utf8_ = false;
};
