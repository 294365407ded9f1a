// Widget operations on GTK: lookup, visibility, texts, geometry, states and callbacks.
#include "toolkit/GwCore.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "settings/Cp1252.h"
#include "toolkit/GwComboBox.h"
#include "toolkit/GwDrawnButton.h"
#include "toolkit/GwFrame.h"
#include "toolkit/GwFrameWindow.h"
#include "toolkit/GObjectHandle.h"
#include "toolkit/GwPicture.h"
#include "toolkit/GwSelectionTable.h"
#include "toolkit/GwWaitObject.h"

namespace {

constexpr const char* kCoreKey = "gw-core";
constexpr int kPictureSize = 24;  // button pictures, pixels
// Scroll bar values run from 0 to this; the thumb's page lies on top of that range.
constexpr double kScrollRange = 100.0;
// The thumb stays large enough to grip and never fills the whole trough.
constexpr double kSmallestThumb = 0.02;
constexpr double kLargestThumb = 0.95;

void deleteCore(gpointer core) { delete static_cast<GwCore*>(core); }

std::string toProgram(const char* utf8) { return utf8 ? utf8ToCp1252(utf8) : std::string(); }
std::string toGtk(const char* cp1252) { return cp1252 ? cp1252ToUtf8(cp1252) : std::string(); }

// The window a widget belongs to; menu items lead through their menu's attach widget.
GtkWidget* toplevelOf(GtkWidget* widget) {
  GtkWidget* w = widget;
  while (true) {
    if (GTK_IS_MENU(w)) {
      GtkWidget* attached = gtk_menu_get_attach_widget(GTK_MENU(w));
      if (!attached) return w;
      w = attached;
      continue;
    }
    GtkWidget* parent = gtk_widget_get_parent(w);
    if (!parent) return w;
    w = parent;
  }
}

const char* idOf(GtkWidget* widget) {
  return GTK_IS_BUILDABLE(widget) ? gtk_buildable_get_name(GTK_BUILDABLE(widget)) : nullptr;
}

GtkWidget* findByName(GtkWidget* root, const char* name);

struct Search {
  const char* name;
  GtkWidget* found;
};

void searchChild(GtkWidget* child, gpointer data) {
  auto* search = static_cast<Search*>(data);
  if (!search->found) search->found = findByName(child, search->name);
}

GtkWidget* findByName(GtkWidget* root, const char* name) {
  const char* id = idOf(root);
  if (id && std::strcmp(id, name) == 0) return root;
  Search search{name, nullptr};
  if (GTK_IS_CONTAINER(root)) gtk_container_forall(GTK_CONTAINER(root), searchChild, &search);
  if (!search.found && GTK_IS_MENU_ITEM(root)) {
    GtkWidget* submenu = gtk_menu_item_get_submenu(GTK_MENU_ITEM(root));
    if (submenu) search.found = findByName(submenu, name);
  }
  return search.found;
}

void fillFromGdkEvent(GwEvent& event, const GdkEvent* gdk) {
  double x = 0;
  double y = 0;
  if (gdk_event_get_coords(gdk, &x, &y)) {
    event.x = static_cast<int>(std::floor(x));
    event.y = static_cast<int>(std::floor(y));
  }
  GdkModifierType state{};
  if (gdk_event_get_state(gdk, &state))
    event.state = static_cast<unsigned>(state) & GwEVENT_MODIFIERS;
  guint button = 0;
  if (gdk_event_get_button(gdk, &button)) event.button = static_cast<int>(button);
  guint key = 0;
  if (gdk_event_get_keyval(gdk, &key)) event.key = key;
}

}  // namespace

// A GTK signal connection that fires the toolkit callbacks of its atom.
struct GwSignalClosure {
  GClosure closure;
  GwCore* core;
  GwAtom atom;

  static void marshal(GClosure* closure, GValue* result, guint count, const GValue* params,
                      gpointer /*hint*/, gpointer /*marshalData*/) {
    auto* self = reinterpret_cast<GwSignalClosure*>(closure);
    GwEvent event;
    event.type = self->atom;
    if (count > 1 && G_VALUE_HOLDS(&params[1], GDK_TYPE_EVENT)) {
      fillFromGdkEvent(event, static_cast<const GdkEvent*>(g_value_get_boxed(&params[1])));
    }
    if (self->core->notifyBlocked_ == 0) self->core->fire(self->atom, event);
    // Event signals go on to GTK's own handling.
    if (result && G_VALUE_HOLDS_BOOLEAN(result)) g_value_set_boolean(result, FALSE);
  }
};

GwCore::GwCore(GtkWidget* widget) : widget_(widget) {}

GwCore::~GwCore() = default;

GwCore* GwCore::find(GtkWidget* widget) {
  return widget ? static_cast<GwCore*>(g_object_get_data(G_OBJECT(widget), kCoreKey)) : nullptr;
}

GwCore* GwCore::of(GtkWidget* widget) {
  if (!widget) return nullptr;
  if (GwCore* existing = find(widget)) return existing;
  GwCore* core = nullptr;
  if (GW_IS_FRAME_WINDOW(widget) || GTK_IS_DIALOG(widget)) {
    core = new GwFrame(widget);
  } else if (GTK_IS_DRAWING_AREA(widget)) {
    core = new GwDrawnButton(widget);
  } else if (GTK_IS_TREE_VIEW(widget)) {
    core = new GwSelectionTable(widget);
  } else if (GTK_IS_COMBO_BOX_TEXT(widget)) {
    core = new GwComboBox(widget);
  } else {
    core = new GwCore(widget);
  }
  core->attachToWidget();
  return core;
}

void GwCore::attachToWidget() {
  g_object_set_data_full(G_OBJECT(widget_), kCoreKey, this, deleteCore);
}

std::string GwCore::name() const {
  const char* id = idOf(widget_);
  return id ? id : "";
}

GwCore* GwCore::frame_child(const char* name) {
  if (!name) return nullptr;
  const std::string utf8 = toGtk(name);
  return of(findByName(toplevelOf(widget_), utf8.c_str()));
}

GwCore* GwCore::frame() { return of(toplevelOf(widget_)); }

GwCore* GwCore::first_control() {
  if (!GTK_IS_CONTAINER(widget_)) return nullptr;
  GList* children = gtk_container_get_children(GTK_CONTAINER(widget_));
  GtkWidget* first = children ? GTK_WIDGET(children->data) : nullptr;
  g_list_free(children);
  return of(first);
}

void GwCore::reparent(GwCore* target) {
  if (!target || target == this) return;
  GtkWidget* destination = target->widget();
  if (GTK_IS_WINDOW(destination) && gtk_bin_get_child(GTK_BIN(destination))) {
    destination = gtk_bin_get_child(GTK_BIN(destination));
  }
  if (!GTK_IS_CONTAINER(destination)) return;
  g_object_ref(widget_);
  if (GtkWidget* parent = gtk_widget_get_parent(widget_)) {
    gtk_container_remove(GTK_CONTAINER(parent), widget_);
  }
  gtk_container_add(GTK_CONTAINER(destination), widget_);
  g_object_unref(widget_);
}

GwDimension GwCore::screen_size() {
  GdkDisplay* display = gdk_display_get_default();
  if (!display) return {};
  GdkMonitor* monitor = gdk_display_get_primary_monitor(display);
  if (!monitor) monitor = gdk_display_get_monitor(display, 0);
  if (!monitor) return {};
  GdkRectangle area;
  gdk_monitor_get_workarea(monitor, &area);
  return {area.width, area.height};
}

void GwCore::show() { gtk_widget_show(widget_); }

void GwCore::hide() { gtk_widget_hide(widget_); }

bool GwCore::is_shown() const { return gtk_widget_get_visible(widget_); }

void GwCore::make_sensitive() { gtk_widget_set_sensitive(widget_, TRUE); }

void GwCore::make_insensitive() { gtk_widget_set_sensitive(widget_, FALSE); }

bool GwCore::is_sensitive() const { return gtk_widget_get_sensitive(widget_); }

std::string GwCore::text() const {
  GtkWidget* w = widget_;
  if (GTK_IS_MESSAGE_DIALOG(w)) {
    gchar* message = nullptr;
    g_object_get(w, "text", &message, nullptr);
    return toProgram(GStringPtr(message).get());
  }
  if (GTK_IS_WINDOW(w)) return toProgram(gtk_window_get_title(GTK_WINDOW(w)));
  if (GTK_IS_LABEL(w)) return toProgram(gtk_label_get_text(GTK_LABEL(w)));
  if (GTK_IS_ENTRY(w)) return toProgram(gtk_entry_get_text(GTK_ENTRY(w)));
  if (GTK_IS_COMBO_BOX(w) && gtk_combo_box_get_has_entry(GTK_COMBO_BOX(w))) {
    return toProgram(gtk_entry_get_text(GTK_ENTRY(gtk_bin_get_child(GTK_BIN(w)))));
  }
  if (GTK_IS_COMBO_BOX_TEXT(w)) {
    return toProgram(GStringPtr(gtk_combo_box_text_get_active_text(GTK_COMBO_BOX_TEXT(w))).get());
  }
  if (GTK_IS_BUTTON(w)) {
    return pictureMode_ == GwPICTURE_ONLY ? pictureText_
                                          : toProgram(gtk_button_get_label(GTK_BUTTON(w)));
  }
  if (GTK_IS_MENU_ITEM(w)) return toProgram(gtk_menu_item_get_label(GTK_MENU_ITEM(w)));
  if (GTK_IS_FRAME(w)) return toProgram(gtk_frame_get_label(GTK_FRAME(w)));
  return {};
}

void GwCore::set_text(const char* text) {
  const std::string utf8 = toGtk(text);
  GtkWidget* w = widget_;
  ++notifyBlocked_;
  if (GTK_IS_MESSAGE_DIALOG(w)) {
    g_object_set(w, "text", utf8.c_str(), nullptr);
  } else if (GTK_IS_WINDOW(w)) {
    gtk_window_set_title(GTK_WINDOW(w), utf8.c_str());
  } else if (GTK_IS_LABEL(w)) {
    gtk_label_set_text(GTK_LABEL(w), utf8.c_str());
  } else if (GTK_IS_ENTRY(w)) {
    gtk_entry_set_text(GTK_ENTRY(w), utf8.c_str());
  } else if (GTK_IS_COMBO_BOX(w) && gtk_combo_box_get_has_entry(GTK_COMBO_BOX(w))) {
    gtk_entry_set_text(GTK_ENTRY(gtk_bin_get_child(GTK_BIN(w))), utf8.c_str());
  } else if (GTK_IS_BUTTON(w)) {
    if (pictureMode_ == GwPICTURE_ONLY) {
      pictureText_ = text ? text : "";
    } else {
      gtk_button_set_label(GTK_BUTTON(w), utf8.c_str());
    }
  } else if (GTK_IS_MENU_ITEM(w)) {
    gtk_menu_item_set_label(GTK_MENU_ITEM(w), utf8.c_str());
  } else if (GTK_IS_FRAME(w)) {
    gtk_frame_set_label(GTK_FRAME(w), utf8.c_str());
  }
  --notifyBlocked_;
}

int GwCore::text_width(const char* text) const {
  const GObjectPtr<PangoLayout> layout(
      gtk_widget_create_pango_layout(widget_, toGtk(text).c_str()));
  int width = 0;
  pango_layout_get_pixel_size(layout.get(), &width, nullptr);
  return width;
}

std::string GwCore::help_text() const {
  return toProgram(GStringPtr(gtk_widget_get_tooltip_text(widget_)).get());
}

void GwCore::set_help_text(const char* text) {
  gtk_widget_set_tooltip_text(widget_, text && *text ? toGtk(text).c_str() : nullptr);
}

GwDimension GwCore::size() const {
  return {gtk_widget_get_allocated_width(widget_), gtk_widget_get_allocated_height(widget_)};
}

namespace {

// After the first layout at the asked size, the request is dropped so that the user can
// make the window smaller again; the window keeps the size it has.
gboolean releaseSizeRequest(gpointer widget) {
  gtk_widget_set_size_request(GTK_WIDGET(widget), -1, -1);
  return G_SOURCE_REMOVE;
}

void onFirstAllocation(GtkWidget* widget, GdkRectangle*, gpointer) {
  g_signal_handlers_disconnect_by_func(widget, reinterpret_cast<gpointer>(onFirstAllocation),
                                       nullptr);
  g_idle_add_full(G_PRIORITY_DEFAULT_IDLE, releaseSizeRequest, g_object_ref(widget),
                  g_object_unref);
}

}  // namespace

void GwCore::set_size(int width, int height) {
  gtk_widget_set_size_request(widget_, std::max(width, 1), std::max(height, 1));
  g_signal_handlers_disconnect_by_func(widget_, reinterpret_cast<gpointer>(onFirstAllocation),
                                       nullptr);
  g_signal_connect(widget_, "size-allocate", G_CALLBACK(onFirstAllocation), nullptr);
}

GwPosition GwCore::position() const {
  GtkWidget* parent = gtk_widget_get_parent(widget_);
  int x = 0;
  int y = 0;
  if (parent) gtk_widget_translate_coordinates(widget_, parent, 0, 0, &x, &y);
  return {x, y};
}

void GwCore::set_position(int /*x*/, int /*y*/) {
  // Widgets inside a frame are placed by their container's layout.
}

int GwCore::toggle_state() const {
  if (GTK_IS_TOGGLE_BUTTON(widget_))
    return gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(widget_));
  if (GTK_IS_CHECK_MENU_ITEM(widget_)) {
    return gtk_check_menu_item_get_active(GTK_CHECK_MENU_ITEM(widget_));
  }
  return 0;
}

void GwCore::set_toggle_state(int state) {
  ++notifyBlocked_;
  if (GTK_IS_TOGGLE_BUTTON(widget_)) {
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(widget_), state != 0);
  } else if (GTK_IS_CHECK_MENU_ITEM(widget_)) {
    gtk_check_menu_item_set_active(GTK_CHECK_MENU_ITEM(widget_), state != 0);
  }
  --notifyBlocked_;
}

double GwCore::scroll_value() const {
  if (!GTK_IS_RANGE(widget_)) return 0.0;
  return std::clamp(gtk_range_get_value(GTK_RANGE(widget_)), 0.0, kScrollRange);
}

void GwCore::set_scroll_value(double value) {
  if (!GTK_IS_RANGE(widget_)) return;
  ++notifyBlocked_;
  gtk_range_set_value(GTK_RANGE(widget_),
                      std::isfinite(value) ? std::clamp(value, 0.0, kScrollRange) : 0.0);
  --notifyBlocked_;
}

void GwCore::set_scroll_thumb(double visibleShare) {
  if (!GTK_IS_RANGE(widget_)) return;
  const double share = std::isfinite(visibleShare)
                           ? std::clamp(visibleShare, kSmallestThumb, kLargestThumb)
                           : kLargestThumb;
  // page / (range + page) is the thumb's share of the trough.
  const double page = kScrollRange * share / (1.0 - share);
  GtkAdjustment* adjustment = gtk_range_get_adjustment(GTK_RANGE(widget_));
  ++notifyBlocked_;
  gtk_adjustment_configure(adjustment, gtk_adjustment_get_value(adjustment), 0.0,
                           kScrollRange + page, gtk_adjustment_get_step_increment(adjustment),
                           gtk_adjustment_get_page_increment(adjustment), page);
  --notifyBlocked_;
}

bool GwCore::set_picture(const char* path) {
  const std::string file = GwPicture::find(path ? path : "");
  if (file.empty()) return false;
  const bool isButton = GTK_IS_BUTTON(widget_);
  const GObjectPtr<GdkPixbuf> picture(GwPicture::load(file, isButton ? kPictureSize : 0));
  GdkPixbuf* pixbuf = picture.get();
  if (!pixbuf) return false;
  if (GTK_IS_IMAGE(widget_)) {
    gtk_image_set_from_pixbuf(GTK_IMAGE(widget_), pixbuf);
  } else if (isButton && pictureMode_ != GwPICTURE_TEXT) {
    GtkButton* button = GTK_BUTTON(widget_);
    gtk_button_set_image(button, gtk_image_new_from_pixbuf(pixbuf));
    gtk_button_set_always_show_image(button, TRUE);
    if (pictureMode_ == GwPICTURE_ONLY) {
      const char* label = gtk_button_get_label(button);
      if (label && *label) {
        pictureText_ = toProgram(label);
        if (!gtk_widget_get_has_tooltip(widget_)) set_help_text(pictureText_.c_str());
        gtk_button_set_label(button, nullptr);
      }
    }
  }
  return true;
}

void GwCore::add_callback(GwAtom atom, GwFunc handler, unsigned mask, const GwUD& userData) {
  if (!handler) return;
  for (GwCallback& existing : callbacks_) {
    if (existing.atom == atom && existing.handler == handler && existing.userData == userData) {
      existing.mask = mask;
      return;
    }
  }
  callbacks_.push_back({atom, handler, mask, userData});
  callbackAdded(atom);
}

void GwCore::remove_callback(GwAtom atom, GwFunc handler) {
  std::erase_if(callbacks_, [&](const GwCallback& c) {
    return c.atom == atom && (!handler || c.handler == handler);
  });
}

bool GwCore::has_callback(GwAtom atom) const {
  return std::any_of(callbacks_.begin(), callbacks_.end(),
                     [&](const GwCallback& c) { return c.atom == atom; });
}

int GwCore::fire(GwAtom atom, GwEvent& event, unsigned kind) {
  // Handlers may add or remove registrations while they run: work on a copy.
  std::vector<GwCallback> matching;
  for (const GwCallback& c : callbacks_) {
    if (c.atom == atom && (kind == 0 || c.mask == 0 || (c.mask & kind) != 0)) {
      matching.push_back(c);
    }
  }
  int result = 0;
  for (const GwCallback& c : matching) {
    event.type = atom;
    result = c.handler(this, &event, c.userData);
  }
  return result;
}

void GwCore::callbackAdded(GwAtom atom) {
  const std::string signal = atom.name();
  if (std::find(connectedSignals_.begin(), connectedSignals_.end(), signal) !=
      connectedSignals_.end()) {
    return;
  }
  if (g_signal_lookup(signal.c_str(), G_OBJECT_TYPE(widget_)) == 0) return;  // a toolkit event
  GClosure* closure = g_closure_new_simple(sizeof(GwSignalClosure), nullptr);
  auto* data = reinterpret_cast<GwSignalClosure*>(closure);
  data->core = this;
  data->atom = GwAtom::intern(signal);
  g_closure_set_marshal(closure, &GwSignalClosure::marshal);
  g_signal_connect_closure(widget_, signal.c_str(), closure, FALSE);
  connectedSignals_.push_back(signal);
}

void GwCore::maximize() {
  GtkWidget* top = toplevelOf(widget_);
  if (GTK_IS_WINDOW(top)) gtk_window_maximize(GTK_WINDOW(top));
}

GwWindowState GwCore::window_state() const {
  GtkWidget* top = toplevelOf(widget_);
  GdkWindow* window = gtk_widget_get_window(top);
  if (!window) return GwWINDOW_NORMAL;
  const GdkWindowState state = gdk_window_get_state(window);
  if (state & GDK_WINDOW_STATE_MAXIMIZED) return GwWINDOW_MAXIMIZED;
  if (state & GDK_WINDOW_STATE_ICONIFIED) return GwWINDOW_ICONIFIED;
  return GwWINDOW_NORMAL;
}

void GwCore::set_cursor(GwCursor cursor) {
  cursor_ = cursor;
  applyCursor();
}

void GwCore::applyCursor() {
  GdkWindow* window = gtk_widget_get_window(widget_);
  if (!window) return;
  const GwCursor shown = GwWaitObject::active() ? GwCURSOR_WAIT : cursor_;
  GObjectPtr<GdkCursor> cursor;
  if (shown == GwCURSOR_WAIT) {
    cursor.reset(gdk_cursor_new_from_name(gdk_window_get_display(window), "wait"));
  } else if (shown == GwCURSOR_CROSS) {
    cursor.reset(gdk_cursor_new_from_name(gdk_window_get_display(window), "crosshair"));
  }
  gdk_window_set_cursor(window, cursor.get());
  // A busy cursor comes before work that runs no main loop: it must reach the display now.
  gdk_display_flush(gdk_window_get_display(window));
}
