// The process-wide view state.
#include "ViewState.h"

ViewState& viewState() {
  static ViewState state;
  return state;
}
