// The view loader: brings the drawing of a standard view into the view document table and
// turns it the way the view is shown.
#include "viewer/ViewLoader.h"

#include <memory>
#include <string>

#include "document/DXF_Zeichnung.h"
#include "interface/DXF_Interface_Basis.h"
#include "viewer/ViewDocuments.h"
#include "viewer/ViewDrawings.h"
#include "viewer/ViewState.h"

namespace {

constexpr int kWholeTurn = 360;

// The path of the file the registry names for the view, or "" when it names none.
std::string registeredFile(DXF_Interface_Basis* registry, int viewType) {
  const DXF_Bauteil* component = registry ? registry->firstComponent(viewType) : nullptr;
  std::string path;
  if (component) registry->componentFile(viewType, component->key, path, 0);
  return path;
}

enum class Source { Loaded, Nothing, Unreadable };

// Fills the empty slot of a standard view from the first source that has its drawing.
Source fillSlot(const ViewWorkspace& workspace, int viewType, const char* viewName) {
  const std::string file = registeredFile(workspace.registry, viewType);
  if (!file.empty()) {
    DXF_Zeichnung drawing;
    if (drawing.readDXF(file) < 0) return Source::Unreadable;
    workspace.documents.replace(viewType, viewFromDrawing(drawing, viewName));
    return Source::Loaded;
  }
  const DXF_Zeichnung* opened = workspace.documents.at(kNoView);
  if (opened && opened->findBlock(viewName)) {
    workspace.documents.replace(viewType, viewFromBlock(*opened, viewName));
    return Source::Loaded;
  }
  return Source::Nothing;
}

}  // namespace

int loadView(const ViewWorkspace& workspace, int viewType, int rotation, const char* viewName) {
  if (!isStandardView(viewType)) return 0;
  if (!workspace.documents.at(viewType) &&
      fillSlot(workspace, viewType, viewName) == Source::Unreadable) {
    return 0;
  }
  turnDocument(workspace.documents.at(viewType), rotation);
  workspace.state.viewType = viewType;
  workspace.state.rotation = rotation;
  return 1;
}

bool hasViewDrawing(const ViewWorkspace& workspace, int viewType) {
  if (!isStandardView(viewType)) return false;
  if (workspace.documents.at(viewType)) return true;
  if (workspace.registry && workspace.registry->firstComponent(viewType)) return true;
  const DXF_Zeichnung* opened = workspace.documents.at(kNoView);
  return opened && opened->findBlock(ViewDocuments::viewName(viewType));
}

void turnDocument(DXF_Zeichnung* document, int degrees) {
  // A whole turn changes no coordinate; leaving it out also leaves the layers of block
  // contents as they are.
  if (document && degrees % kWholeTurn != 0) document->rotateAll(1.0, degrees, 0.0, 0.0, 0.0);
}

void turnBackCurrentView(const ViewWorkspace& workspace) {
  turnDocument(workspace.documents.at(workspace.state.viewType), -workspace.state.rotation);
}

void returnToView(const ViewWorkspace& workspace, ViewTurn view) {
  workspace.state.viewType = view.viewType;
  workspace.state.rotation = view.rotation;
  turnDocument(workspace.documents.at(view.viewType), view.rotation);
}

void forgetViews(const ViewWorkspace& workspace) {
  workspace.state.viewType = kNoView;
  workspace.state.rotation = 0;
  for (int viewType = kNoView + 1; viewType < ViewDocuments::kSlots; ++viewType) {
    workspace.documents.replace(viewType, nullptr);
  }
}
