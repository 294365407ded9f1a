// Scope guard that saves the Cairo drawing state and restores it when the scope ends.
#pragma once

#include <cairo.h>

// cairo_save on construction, cairo_restore on destruction, so transforms, clips, sources
// and dashes set inside a scope never leak to whoever paints next on the same context.
class CairoStateGuard {
 public:
  explicit CairoStateGuard(cairo_t* cr) : cr_(cr) { cairo_save(cr_); }
  ~CairoStateGuard() { cairo_restore(cr_); }

  CairoStateGuard(const CairoStateGuard&) = delete;
  CairoStateGuard& operator=(const CairoStateGuard&) = delete;

 private:
  cairo_t* cr_;
};
