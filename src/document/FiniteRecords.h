// Writes object records only when every real in them can be written.
#pragma once

#include <ostream>
#include <sstream>

#include "dxf/RoundTripNumbers.h"

// Each record is written into a scratch stream with the output's locale and number format
// first; a record holding a real that is not finite (see RoundTripNumbers.h) is left out
// of the file and counted, every other one is appended to the output.
class FiniteRecords {
 public:
  explicit FiniteRecords(std::ostream& out) : out_(out) {
    scratch_.imbue(out.getloc());
    scratch_.flags(out.flags());
    scratch_.precision(out.precision());
  }

  // Calls writeRecord(stream) for one record.
  template <class WriteRecord>
  void write(WriteRecord writeRecord) {
    scratch_.str({});
    clearNonFinite(scratch_);
    writeRecord(scratch_);
    if (sawNonFinite(scratch_)) {
      ++leftOut_;
      return;
    }
    const std::string_view text = scratch_.view();
    out_.write(text.data(), static_cast<std::streamsize>(text.size()));
  }

  // Records left out so far.
  int leftOut() const { return leftOut_; }

 private:
  std::ostream& out_;
  std::ostringstream scratch_;
  int leftOut_ = 0;
};
