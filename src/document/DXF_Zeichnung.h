// The drawing document: every object of one DXF drawing, in seven lists, and its extents.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "document/DXF_Bemassung.h"
#include "document/DXF_Block.h"
#include "document/DXF_Insert.h"
#include "document/DocumentLists.h"
#include "document/DxfWriter.h"
#include "dxf/Linientyp.h"
#include "document/PlacementBudget.h"
#include "entities/LinePatterns.h"
#include "document/Polylinie.h"
#include "document/SkippedKinds.h"
#include "document/TextStyles.h"

class BinaryDxfStream;

// One DXF drawing held in memory. The document owns every object in its lists; lists keep
// the order of reading or adding, and lookups by name search from the last element to the
// first, so the most recently added one wins. Extents are in drawing units; a new document
// has the inverted (empty) box minX 10000, maxX 0, minY 10000, maxY 0.
class DXF_Zeichnung {
 public:
  DXF_Zeichnung();
  // Deletes the objects list by list: entities, blocks, inserts, dimensions, layers,
  // polylines, linetypes.
  ~DXF_Zeichnung();
  DXF_Zeichnung(const DXF_Zeichnung&) = delete;
  DXF_Zeichnung& operator=(const DXF_Zeichnung&) = delete;

  // Reads an ASCII or binary DXF file, appending to the lists; 0 or a negative result code
  // (-50 when the file cannot be opened, -51 when it is empty, -30 to -39 and -52 to -55
  // when it ends inside an object or a section, -56 when it is no DXF file, -57 for a
  // binary DXF that cannot be read). When the header gives no plausible extents that hold
  // the drawing, they are computed from what is drawn.
  // Only regular files are read (a folder, device, pipe or socket gives -50 at once); a
  // file that cannot be opened or read gives -50 and readProblem() the system's reason.
  int readDXF(const std::filesystem::path& path);
  // Why the last readDXF gave -50, in the system's words; empty otherwise.
  const std::string& readProblem() const { return readProblem_; }
  // The same from bytes in memory (kept alive by the caller during the call).
  int readDXFFromMemory(std::string_view bytes);
  // Writes the drawing as a DXF release 12 file; 0, or -50 when the file cannot be written
  // completely, in which case a previous file of that name is left as it was. `report`,
  // when given, learns the objects left out (a real that is not finite) and the system's
  // reason of a failure.
  int writeDXF(const std::filesystem::path& path, WriteReport* report = nullptr) const;

  // Lookups; none transfers ownership, each gives null when nothing is found.
  DXF_Block* findBlock(const char* name) const;
  Layer* layerAt(int index) const { return layers_.at(index); }
  Linientyp* linetypeAt(int index) const { return linetypes_.at(index); }
  Layer* findLayer(const char* name) const;
  Layer* findLayerByShownName(const char* name) const;

  double minX() const { return minX_; }
  double maxX() const { return maxX_; }
  double minY() const { return minY_; }
  double maxY() const { return maxY_; }
  // $LTSCALE of the header.
  double linetypeScale() const { return linetypeScale_; }
  // The dash patterns of the linetype table (group 49 values) with $LTSCALE, and the
  // default line weight ($LWDEFAULT), as drawAll hands them to the entities.
  LinePatterns linePatterns() const;
  // Non-zero only while a print caption or sheet decoration is drawn.
  double printMargin() const { return printMargin_; }
  void setPrintMargin(double margin) { printMargin_ = margin; }

  // Appends a new empty block of that name.
  void addBlock(const char* name);
  // Appends a new insert of block `blockName` (rotation in degrees).
  void addInsert(const char* blockName, const char* layerName, double x, double y, double z,
                 double rotation, double scale);
  // Takes the linetype unless one of the same name exists (then it is deleted); null is
  // ignored. Returns 0.
  int addLinetype(std::unique_ptr<Linientyp> linetype);
  // Copies of the other document's layers (linetypes), from its last to its first, for
  // names not yet present here.
  void mergeLayers(const DXF_Zeichnung& other);
  void mergeLinetypes(const DXF_Zeichnung& other);
  // Appends a copy of the other document's block `name`, then of the blocks its inserts
  // use, each at most once per call and never following an insert back into a block on
  // the way there. Nothing happens when the other document has no such block.
  void copyBlockFrom(const DXF_Zeichnung& other, const char* name);
  // Widens the extents to take in the box (x1, y1) to (x2, y2).
  void growExtents(double x1, double y1, double x2, double y2);
  // Makes the box (x1, y1) to (x2, y2) the extents, whatever they were.
  void setExtents(double x1, double y1, double x2, double y2);

  // Draws every entity, polyline, insert and dimension in the order they were read (later
  // objects cover earlier ones, as in the file). `factor` is the scale (callers pass 1.0). Returns
  // 0. Block content is drawn within one PlacementBudget for the whole call; lastCut() tells what
  // was left.
  int drawAll(DrawingArea& area, double factor) const;
  // The same on a device onto which the window (minX, minY) to (maxX, maxY) is fitted.
  int drawAllOnDevice(DeviceContext& dc, double factor, double minX, double minY, double maxX,
                      double maxY) const;
  // Gives `layer` to every object on the layer `name`; 1 when anything changed, else 0.
  // Adds the layer's linetype when it is missing. A name differing only in case reaches
  // objects without a layer or on this one, never those on another layer of a name of
  // their own ("WALL" and "Wall" are two layers).
  int applyLayer(const Layer* layer, const char* name);
  // Turns the drawing by `angle` degrees (scale and offsets as the entities' transform).
  // Dimensions keep their place.
  void rotateAll(double scale, double angle, double dx, double dy, double dz);
  // Corners of the extents that print captions stand beside (the numbers the print
  // layout names them by).
  enum CaptionCorner : int { kUpperLeft = 1, kUpperRight = 2, kLowerLeft = 3, kLowerRight = 4 };
  // Writes `text` (lines split at newlines) beside a CaptionCorner of the extents on a
  // printer device context; other corner numbers write nothing.
  void drawPrintCaption(DeviceContext& dc, double factor, const char* text, int corner);
  // The printed sheet, on a device onto which the extents widened by 2m (m = 5 % of the
  // width) are fitted; callers pass the factor 1.0, each returns 0. A frame 1.5m outside
  // the extents with the title (null: none) in its lower left corner:
  int drawSheetFrame(DeviceContext& dc, double factor, const char* title);
  // A scale bar with its length in "mm" in corner 1 to 4 (no other corner, and nothing for
  // a drawing without a finite, non-zero width):
  int drawScaleBar(DeviceContext& dc, double factor, int corner);
  // The picture file at `path` one margin unit high in corner 1 to 4 (nothing when the
  // device cannot open it):
  int drawLogo(DeviceContext& dc, double factor, const char* path, int corner);
  // Everything of the drawing, as drawAll does, within the printed window.
  int printAll(DeviceContext& dc, double factor);
  // Replaces every insert, polyline and dimension by plain entities and deletes the
  // blocks; afterwards the document holds only entities, layers and linetypes. Block
  // content is placed within one PlacementBudget; the result tells what was left out.
  PlacementCut explodeAll();
  // What the last drawAll, drawAllOnDevice or printAll left out of the blocks.
  const PlacementCut& lastCut() const { return lastCut_; }

  // Sets the extents to the box of what is drawn (visible entities, polyline segments,
  // inserts with their blocks, dimension blocks); false, extents unchanged, when nothing
  // is drawn.
  bool computeExtents();

  // A number that changes whenever the drawing may have changed (every non-const list
  // accessor counts as a change); no two documents of the run ever share one, so a
  // picture or index made for a revision belongs to exactly one state of one document.
  std::uint64_t revision() const { return revision_; }
  // Called, when set, on the thread that changes a document, before any change and before
  // the document goes away: a picture of it painted on other threads must stop first.
  using ChangeHook = void (*)(const DXF_Zeichnung& document);
  static void setChangeHook(ChangeHook hook);

  // Objects of kinds the viewer does not show, passed over while reading, by kind.
  const SkippedKinds& skippedKinds() const { return skipped_; }
  // The release the file's header names ($ACADVER, for instance "AC1009"); empty when it
  // names none.
  const std::string& dxfVersion() const { return dxfVersion_; }

  EntityList& entities() {
    touch();
    return entities_;
  }
  const EntityList& entities() const { return entities_; }
  BlockList& blocks() {
    touch();
    return blocks_;
  }
  const BlockList& blocks() const { return blocks_; }
  InsertList& inserts() {
    touch();
    return inserts_;
  }
  const InsertList& inserts() const { return inserts_; }
  DimensionList& dimensions() {
    touch();
    return dimensions_;
  }
  const DimensionList& dimensions() const { return dimensions_; }
  LayerList& layers() {
    touch();
    return layers_;
  }
  const LayerList& layers() const { return layers_; }
  PolylineList& polylines() {
    touch();
    return polylines_;
  }
  const PolylineList& polylines() const { return polylines_; }
  LinetypeList& linetypes() {
    touch();
    return linetypes_;
  }
  const LinetypeList& linetypes() const { return linetypes_; }
  // The order the drawing objects were added to their four lists in: the file's order,
  // which is painted, exploded and saved.
  const DrawOrder& drawOrder() const { return order_; }
  // The STYLE table as read, written back on saving.
  const TextStyles& textStyles() const { return textStyles_; }

 private:
  friend class DxfReader;

  // drawAll's lists, with the pen and patterns already set up.
  PlacementCut drawLists(DrawingArea& area, double factor) const;

  // Reads the groups of a binary DXF file as they are turned into text.
  int readBinary(BinaryDxfStream& groups);

  // Appends a copy of `source` and of the blocks it uses; `chain` holds the blocks on the
  // way there, `copied` those copied in this call.
  void copyBlockTree(const DXF_Zeichnung& other, const DXF_Block& source,
                     std::vector<const DXF_Block*>& chain,
                     std::unordered_set<const DXF_Block*>& copied);

  // Gives the document a new revision.
  void touch();

  // Declared before the lists, which note their objects in it.
  DrawOrder order_;
  EntityList entities_{200};
  BlockList blocks_{20};
  InsertList inserts_{20};
  DimensionList dimensions_{20};
  LayerList layers_{20};
  PolylineList polylines_{100};
  LinetypeList linetypes_{20};
  TextStyles textStyles_;
  std::string dxfVersion_;
  double minX_ = 10000.0;
  double maxX_ = 0.0;
  double minY_ = 10000.0;
  double maxY_ = 0.0;
  double linetypeScale_ = 1.0;
  // $LWDEFAULT: the weight of DEFAULT lines, the widest drawn thin.
  std::int16_t lineWeightDefault_ = LineWeight::kStandardDefault;
  double printMargin_ = 0.0;
  SkippedKinds skipped_;
  mutable PlacementCut lastCut_;
  std::string readProblem_;
  std::uint64_t revision_ = 0;
};
