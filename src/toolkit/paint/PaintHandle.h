// Owning handles for Cairo and Pango objects, released exactly once when the handle dies.
#pragma once

#include <cairo.h>
#include <pango/pangocairo.h>

#include <utility>

// Owns one reference of a C object and gives it back with `Release` on destruction.
// Copying is forbidden because each handle holds exactly one reference; moving passes it on.
template <typename T, auto Release>
class PaintHandle {
 public:
  PaintHandle() = default;
  // Takes over the reference that `handle` carries (it may be null).
  explicit PaintHandle(T* handle) : handle_(handle) {}
  ~PaintHandle() { reset(); }

  PaintHandle(const PaintHandle&) = delete;
  PaintHandle& operator=(const PaintHandle&) = delete;
  PaintHandle(PaintHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  PaintHandle& operator=(PaintHandle&& other) noexcept {
    if (this != &other) reset(std::exchange(other.handle_, nullptr));
    return *this;
  }

  T* get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

  // Gives the reference up without releasing it.
  T* release() { return std::exchange(handle_, nullptr); }

  // Releases the held reference and takes over `handle`.
  void reset(T* handle = nullptr) {
    T* old = std::exchange(handle_, handle);
    if (old) Release(old);
  }

 private:
  T* handle_ = nullptr;
};

using CairoSurfacePtr = PaintHandle<cairo_surface_t, cairo_surface_destroy>;
using CairoPtr = PaintHandle<cairo_t, cairo_destroy>;
using PangoLayoutPtr = PaintHandle<PangoLayout, g_object_unref>;
using FontDescriptionPtr = PaintHandle<PangoFontDescription, pango_font_description_free>;
