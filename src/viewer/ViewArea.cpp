// Reading and placing the drawing area; the scroll bars beside it.
#include "viewer/ViewArea.h"

#include "toolkit/GwDrawnButton.h"
#include "viewer/ViewerSession.h"

namespace {

void showBar(GwCore* bar, const ScrollBarState& state) {
  if (!bar) return;
  if (state.shown) {
    bar->set_scroll_thumb(state.visibleShare);
    bar->set_scroll_value(state.value);
    bar->show();
  } else {
    bar->hide();
  }
}

}  // namespace

ViewArea::ViewArea(const ViewerSession& session)
    : session_(session),
      area_(dynamic_cast<GwDrawnButton*>(session.child("DA_draw"))),
      container_(session.child("DA_container")) {}

AreaState ViewArea::state() const {
  const GwPosition position = area_->position();
  const GwDimension size = area_->size();
  const GwDimension container = container_->size();
  return {position.x, position.y, size.width, size.height, container.width, container.height};
}

void ViewArea::place(int width, int height, int x, int y) const {
  area_->set_size(width, height);
  area_->set_position(x, y);
}

void ViewArea::showScrollBars(const ScrollBarState& horizontal,
                              const ScrollBarState& vertical) const {
  showBar(session_.child("SB_hori"), horizontal);
  showBar(session_.child("SB_vert"), vertical);
}

void ViewArea::hideScrollBars() const { showScrollBars({}, {}); }
