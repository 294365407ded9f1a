// Plain-language meanings of the negative result codes of the DXF reader and writer.
#pragma once

#include <string>

namespace dxftool {

class ResultCodes {
 public:
  // What a negative result of readDXF means, e.g. "end of file inside a LINE".
  static std::string readMeaning(int code);
  // What a negative result of writeDXF means.
  static std::string writeMeaning(int code);
};

}  // namespace dxftool
