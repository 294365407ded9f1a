// Looking up the main frame's widgets.
#include "viewer/ViewerSession.h"

#include "toolkit/GwFrame.h"

GwCore* ViewerSession::child(const char* name) const {
  return window.frame ? window.frame->frame_child(name) : nullptr;
}
