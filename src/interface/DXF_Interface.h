// DXF_Interface: the viewer interface object the program creates and hands to the viewer.
#pragma once

#include "interface/DXF_Interface_Basis.h"

/// The viewer interface: the basis plus setting the component name without touching the
/// attributes and removing attribute pairs.
class DXF_Interface : public DXF_Interface_Basis {
 public:
  DXF_Interface() = default;

  /// Replaces the component name (null: none); the attributes stay.
  virtual void setComponentName(const char* name);
  /// Removes the first attribute pair with `key`; false when there is none.
  virtual bool removeAttribute(const char* key);
};
