// Pointer position in the status line.
#include "viewer/PointerPosition.h"

#include <gtk/gtk.h>

#include <cmath>
#include <charconv>

#include "toolkit/GwDrawnButton.h"
#include "viewer/ViewerSession.h"

namespace {
constexpr const char* kPositionField = "EB_position";
}

std::string pointerPositionText(double x, double y) {
  // -0.0 after rounding reads as 0.0.
  const auto rounded = [](double v) {
    const double r = std::round(v * 10.0) / 10.0;
    return r == 0.0 ? 0.0 : r;
  };
  // With a decimal point whatever the locale, like every number the viewer shows.
  const auto fixed = [](double v) {
    char text[48];
    const auto end = std::to_chars(text, text + sizeof text, v, std::chars_format::fixed, 1);
    return std::string(text, end.ptr);
  };
  return "x " + fixed(rounded(x)) + "  y " + fixed(rounded(y)) + " mm";
}

void showPointerPosition(const ViewerSession& session, GwCore* widget, const GwEvent& event) {
  GwCore* field = session.child(kPositionField);
  if (!field) return;
  const auto* area = dynamic_cast<const GwDrawnButton*>(widget);
  if (!area || !session.view.drawingShown) {
    field->set_text("");
    return;
  }
  // The event's position is that of the pixel's corner; its centre is what is under the pointer.
  const WorldPoint point = area->dc_to_wc(event.x + 0.5, event.y + 0.5);
  field->set_text(pointerPositionText(point.x, point.y).c_str());
}

void clearPointerPosition(const ViewerSession& session) {
  if (GwCore* field = session.child(kPositionField)) field->set_text("");
}

namespace {
gboolean pointerLeft(GtkWidget* /*area*/, GdkEvent* /*event*/, gpointer session) {
  clearPointerPosition(*static_cast<const ViewerSession*>(session));
  return FALSE;
}
}  // namespace

void clearPositionOnLeave(const ViewerSession& session) {
  GwCore* area = session.child("DA_draw");
  if (!area) return;
  gtk_widget_add_events(area->widget(), GDK_LEAVE_NOTIFY_MASK);
  g_signal_connect(area->widget(), "leave-notify-event", G_CALLBACK(pointerLeft),
                   const_cast<ViewerSession*>(&session));
}
