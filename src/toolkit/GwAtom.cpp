// Interning of atom names that arrive at run time.
#include "toolkit/GwAtom.h"

#include <string>
#include <unordered_set>

GwAtom GwAtom::intern(std::string_view name) {
  // Node-based set: the texts never move, so atoms may keep pointers into it.
  static std::unordered_set<std::string> names;
  return GwAtom(names.emplace(name).first->c_str());
}
