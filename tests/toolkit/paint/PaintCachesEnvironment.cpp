// Releases the font caches after the last test, so the leak checker sees only real leaks.
#include <gtest/gtest.h>

#include "toolkit/paint/PaintCaches.h"

namespace {

class PaintCachesEnvironment : public ::testing::Environment {
 public:
  void TearDown() override { releasePaintCaches(); }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new PaintCachesEnvironment);

}  // namespace
