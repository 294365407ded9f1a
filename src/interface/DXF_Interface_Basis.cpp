// DXF_Interface_Basis: component registry scans, registrations, component name, attributes.
#include "interface/DXF_Interface_Basis.h"

#include <filesystem>

namespace {

// Base name of a path written with either slash, without its extension.
std::string_view baseName(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  if (slash != std::string_view::npos) path.remove_prefix(slash + 1);
  const std::size_t dot = path.rfind('.');
  return dot == std::string_view::npos ? path : path.substr(0, dot);
}

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
  }
  return true;
}

}  // namespace

int DXF_Interface_Basis::registryRow(int viewType) {
  if (viewType >= 1 && viewType <= 6) return viewType - 1;
  return viewType == 8 ? 6 : -1;
}

std::unique_ptr<DXF_Bauteil>* DXF_Interface_Basis::firstEmptySlot(Row& row) {
  for (auto& slot : row) {
    if (!slot) return &slot;
  }
  return nullptr;
}

DXF_Bauteil* DXF_Interface_Basis::findComponent(int viewType, int key, int n) const {
  const int r = registryRow(viewType);
  if (r < 0) return nullptr;
  for (const auto& slot : registry_[r]) {
    if (!slot) break;
    if (slot->key != key) continue;
    if (n == 0) return slot.get();
    --n;
  }
  return nullptr;
}

DXF_Bauteil* DXF_Interface_Basis::firstComponent(int viewType) const {
  const int r = registryRow(viewType);
  return r < 0 ? nullptr : registry_[r][0].get();
}

int DXF_Interface_Basis::nextComponentKey(int viewType) {
  const int r = registryRow(viewType);
  if (r < 0 || registryCursor_ < 0 || registryCursor_ >= slotsPerRow ||
      !registry_[r][registryCursor_]) {
    registryCursor_ = 0;
    return 0;
  }
  return registry_[r][registryCursor_++]->key;
}

int DXF_Interface_Basis::keyOfFile(int viewType, std::string_view path) {
  const int r = registryRow(viewType);
  if (r < 0) return 0;
  const std::string_view wanted = baseName(path);
  for (const auto& slot : registry_[r]) {
    if (!slot) {
      registryCursor_ = 0;
      return 0;
    }
    if (equalIgnoringCase(slot->fileName, wanted)) return slot->key;
  }
  return 0;
}

int DXF_Interface_Basis::componentFile(int viewType, int key, std::string& path, int n) {
  const int r = registryRow(viewType) >= 0 ? registryRow(viewType) : registryRow(5);
  for (const auto& slot : registry_[r]) {
    if (!slot) break;
    if (slot->key != key) continue;
    if (n-- != 0) continue;
    path = drawingDir.empty() ? slot->fileName + ".dxf"
                              : drawingDir.str() + std::filesystem::path::preferred_separator +
                                    slot->fileName + ".dxf";
    return ++registryCursor_;
  }
  registryCursor_ = 0;
  return 0;
}

int DXF_Interface_Basis::componentMatrix(int viewType, int key, DXF_Bauteil::Matrix& out) {
  const int r = registryRow(viewType);
  if (r < 0) return 0;
  for (const auto& slot : registry_[r]) {
    if (!slot) break;
    if (slot->key != key) continue;
    out = slot->matrix;
    return ++registryCursor_;
  }
  registryCursor_ = 0;
  return 0;
}

std::unique_ptr<DXF_Bauteil> DXF_Interface_Basis::addComponentObject(
    int viewType, std::unique_ptr<DXF_Bauteil> component, int value) {
  registrationValue_ = value;
  const int r = registryRow(viewType);
  if (r < 0 || !component) return component;
  std::unique_ptr<DXF_Bauteil>* slot = firstEmptySlot(registry_[r]);
  if (slot == nullptr) return component;
  *slot = std::move(component);
  return nullptr;
}

bool DXF_Interface_Basis::addComponentWithMatrix(int viewType, int key, std::string_view fileName,
                                                 const DXF_Bauteil::Matrix& matrix, int value) {
  registrationValue_ = value;
  const int r = registryRow(viewType);
  if (r < 0) return false;
  std::unique_ptr<DXF_Bauteil>* slot = firstEmptySlot(registry_[r]);
  if (slot == nullptr) return false;
  *slot = std::make_unique<DXF_Bauteil>(key, fileName, matrix);
  return true;
}

bool DXF_Interface_Basis::addComponent(int viewType, int key, std::string_view fileName,
                                       int value) {
  return addComponentWithMatrix(viewType, key, fileName, DXF_Bauteil::identity, value);
}

int DXF_Interface_Basis::hasComponentName() const { return componentName_ ? 1 : 0; }

const char* DXF_Interface_Basis::componentName() const {
  return componentName_ ? componentName_->c_str() : nullptr;
}

void DXF_Interface_Basis::setName(const char* name) {
  componentName_.reset();
  if (name != nullptr) componentName_ = name;
}

const char* DXF_Interface_Basis::attributeValue(const char* key) const {
  if (!attributes_) return key;
  const int row = attributes_->findRowByText(key, 0);
  return row < 0 ? key : attributes_->cellAt(row, 1).text();
}

void DXF_Interface_Basis::resetComponentName(const char* name) {
  setName(name);
  dropAttributes();
}

void DXF_Interface_Basis::addAttribute(const char* key, const char* value) {
  if (!attributes_) attributes_ = std::make_unique<AT_Array>(0, 2);
  const int row = attributes_->appendRow();
  attributes_->cellAt(row, 0).setText(key != nullptr ? key : "");
  attributes_->cellAt(row, 1).setText(value != nullptr ? value : "");
}
