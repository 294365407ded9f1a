// Names of callback kinds: toolkit events ("CBExpose", "CBButton", ...) and GTK signals.
#pragma once

#include <cstring>
#include <string_view>

// An atom compares by its text. Its text must outlive it: literals, or `intern` for names
// that arrive at run time (signal names of the resource file).
class GwAtom {
 public:
  constexpr GwAtom() = default;
  constexpr explicit GwAtom(const char* literal) : name_(literal) {}

  // An atom whose text is kept by the toolkit for the rest of the run.
  static GwAtom intern(std::string_view name);

  const char* name() const { return name_; }
  bool operator==(const GwAtom& other) const {
    return name_ == other.name_ || std::strcmp(name_, other.name_) == 0;
  }

 private:
  const char* name_ = "";
};

// Toolkit events. A drawing area fires CBExpose when it must be painted; mouse events on
// drawing areas and their containers fire CBButton (press and release), CBMousemove and
// CBWheel (one notch of the mouse wheel). A drawing area fires CBResize once its viewport
// has a new size, after the window's layout has settled.
inline constexpr GwAtom GwCB_EXPOSE{"CBExpose"};
inline constexpr GwAtom GwCB_RESIZE{"CBResize"};
inline constexpr GwAtom GwCB_BUTTON{"CBButton"};
inline constexpr GwAtom GwCB_MOUSEMOVE{"CBMousemove"};
inline constexpr GwAtom GwCB_WHEEL{"CBWheel"};

// Frame events, fired by a frame's run in this order: created (first appearance after a load
// or reset), about to be shown, on the screen, and hidden. Resized fires on size changes.
inline constexpr GwAtom GwCB_FRAME_CREATE{"frame-create"};
inline constexpr GwAtom GwCB_FRAME_SHOW{"frame-show"};
inline constexpr GwAtom GwCB_FRAME_START{"frame-start"};
inline constexpr GwAtom GwCB_FRAME_HIDE{"frame-hide"};
inline constexpr GwAtom GwCB_FRAME_RESIZE{"frame-resize"};
