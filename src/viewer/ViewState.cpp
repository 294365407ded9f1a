// The process-wide view state.
#include "viewer/ViewState.h"

ViewState& viewState() {
  static ViewState state;
  return state;
}
