// DXF_Interface: component name and attribute removal.
#include "interface/DXF_Interface.h"

void DXF_Interface::setComponentName(const char* name) { setName(name); }

bool DXF_Interface::removeAttribute(const char* key) {
  AT_Array* table = attributes();
  if (table == nullptr) return false;
  const int row = table->findRowByText(key, 0);
  if (row < 0) return false;
  table->removeRow(row);
  return true;
}
