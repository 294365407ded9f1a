// DXF_Interface_Basis: what a host hands the viewer — paths, texts, frame geometry, start
// view, and the registry of component drawings by view type.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "settings/AT_Array.h"
#include "interface/DXF_Bauteil.h"
#include "settings/FixedText.h"

class IniFile;

/// Main-frame geometry kept in [DXFViewer] State, DimW, DimH, PosX, PosY (pixels).
struct FrameGeometry {
  int dimW = 640;  ///< content width
  int dimH = 480;  ///< content height
  int posX = 0;
  int posY = 0;
  int state = 0;  ///< 1 when the frame is maximized
};

/// The viewer interface's data and registry. View numbers 1 to 6 and 8 each have a registry
/// row of `slotsPerRow` slots, filled from slot 0 without gaps (nothing removes a component),
/// so the first empty slot ends a row. Registry scans share one cursor (`registryCursor`).
///
/// Owns every registered component, the owned texts and the attribute table; the settings
/// file is not owned.
class DXF_Interface_Basis {
 public:
  static constexpr int registryRows = 7;
  static constexpr int slotsPerRow = 156;

  DXF_Interface_Basis() = default;
  virtual ~DXF_Interface_Basis() = default;
  DXF_Interface_Basis(const DXF_Interface_Basis&) = delete;
  DXF_Interface_Basis& operator=(const DXF_Interface_Basis&) = delete;

  /// Registry row of a view number (1..6 -> 0..5, 8 -> 6), or -1 (7 and all others).
  static int registryRow(int viewType);

  /// The n-th (from 0) component of the row with `key`, or null.
  virtual DXF_Bauteil* findComponent(int viewType, int key, int n) const;
  /// The component in the first slot of the view number's row, or null (the registry
  /// cursor is left alone).
  DXF_Bauteil* firstComponent(int viewType) const;
  /// Key of the component in slot `registryCursor`, advancing the cursor; at an empty slot,
  /// past the last slot or for a view number without row: 0, and the cursor goes back to 0.
  virtual int nextComponentKey(int viewType);
  /// Key of the first component whose file name equals the base name of `path` (folder and
  /// extension removed, either slash), ignoring ASCII case; 0 when none. Meeting the end of
  /// the row's contents sets `registryCursor` to 0.
  virtual int keyOfFile(int viewType, std::string_view path);
  /// Writes the DXF path of the n-th component with `key` into `path`: `drawingDir`, the
  /// folder separator, the file name and ".dxf", or only file name and ".dxf" without
  /// `drawingDir`. View numbers other than 1, 2, 3, 4, 6, 8 look in the row of 5. Returns
  /// `registryCursor`, incremented after a path was written; when the row's contents end
  /// without a match the cursor is set to 0 and 0 returned (`path` is left unchanged).
  virtual int componentFile(int viewType, int key, std::string& path, int n);
  /// Copies the matrix of the first component with `key` into `out`; returns the incremented
  /// `registryCursor`. Without a match the cursor is set to 0 and 0 returned; a view number
  /// without row returns 0 and leaves the cursor alone.
  virtual int componentMatrix(int viewType, int key, DXF_Bauteil::Matrix& out);
  /// Stores `component` in the first empty slot and returns null; when it cannot be stored
  /// (no row for the view number, full row, null) it is handed back to the caller.
  /// Every registration first records `value` as `registrationValue`.
  virtual std::unique_ptr<DXF_Bauteil> addComponentObject(int viewType,
                                                          std::unique_ptr<DXF_Bauteil> component,
                                                          int value);
  /// Creates and stores a component with a copy of the name and matrix; false when not stored.
  virtual bool addComponentWithMatrix(int viewType, int key, std::string_view fileName,
                                      const DXF_Bauteil::Matrix& matrix, int value);
  /// As `addComponentWithMatrix` with the identity matrix.
  virtual bool addComponent(int viewType, int key, std::string_view fileName, int value);
  /// 1 when a component name is set, else 0.
  virtual int hasComponentName() const;
  /// The component name, or null.
  virtual const char* componentName() const;
  /// The value of the first attribute pair with `key`, or `key` itself when there is none.
  virtual const char* attributeValue(const char* key) const;
  /// Replaces the component name (null: none) and deletes all attributes.
  virtual void resetComponentName(const char* name);
  /// Appends a key/value pair (copies); equal keys may repeat, lookups see the first.
  virtual void addAttribute(const char* key, const char* value);

  int registryCursor() const { return registryCursor_; }
  int registrationValue() const { return registrationValue_; }

  /// Settings file, set by the start-up and used by the main window; not owned.
  IniFile* settingsFile = nullptr;
  /// Work folder: the start folder, later [General] WorkPath.
  FixedText<260> workPath;
  /// Folder of the component DXF files, used by `componentFile`.
  FixedText<260> drawingDir;
  /// Version name of the CAD program the transfer talks to.
  FixedText<30> cadVersion;
  /// Designation of the component: status line, save-as name and printed sheet.
  FixedText<200> drawingTitle;
  /// Printed in the upper left corner of the sheet.
  std::optional<std::string> infoText;
  /// Component description.
  std::optional<std::string> description;
  /// Rotation of the start view, degrees.
  int startRotation = 0;
  /// View type the standard views start from.
  int startViewType = 5;
  FrameGeometry frameGeometry;

 protected:
  void setName(const char* name);
  /// The attribute table, or null before the first `addAttribute`.
  AT_Array* attributes() const { return attributes_.get(); }
  void dropAttributes() { attributes_.reset(); }

 private:
  using Row = std::array<std::unique_ptr<DXF_Bauteil>, slotsPerRow>;
  /// The first empty slot of a row, or null when it is full.
  static std::unique_ptr<DXF_Bauteil>* firstEmptySlot(Row& row);

  std::array<Row, registryRows> registry_;
  int registryCursor_ = 0;
  int registrationValue_ = 0;
  std::optional<std::string> componentName_;
  std::unique_ptr<AT_Array> attributes_;  ///< columns: key, value
};
