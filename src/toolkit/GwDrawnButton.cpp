// The virtual canvas: kept viewport image, expose callbacks, mouse routing, rubber bands.
#include "toolkit/GwDrawnButton.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "toolkit/GwEcho.h"
#include "toolkit/paint/WorldMapping.h"

namespace {

constexpr int kMaxSide = CairoDrawingArea::kMaxSide;
constexpr const char* kDeskColour = "#FFFFFF";  // the viewport where no canvas is

int limited(int side) { return std::clamp(side, 0, kMaxSide); }

}  // namespace

GwDrawnButton::GwDrawnButton(GtkWidget* drawingArea)
    : GwCore(drawingArea),
      scratch_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1)),
      scratchCr_(cairo_create(scratch_.get())) {
  updateIdleArea();
  livePainters().push_back(this);
  gtk_widget_add_events(widget_, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK |
                                     GDK_POINTER_MOTION_MASK | GDK_SCROLL_MASK |
                                     GDK_SMOOTH_SCROLL_MASK);
  g_signal_connect(widget_, "draw", G_CALLBACK(onDraw), this);
  g_signal_connect(widget_, "button-press-event", G_CALLBACK(onButton), this);
  g_signal_connect(widget_, "button-release-event", G_CALLBACK(onButton), this);
  g_signal_connect(widget_, "motion-notify-event", G_CALLBACK(onMotion), this);
  g_signal_connect(widget_, "scroll-event", G_CALLBACK(onScroll), this);
  g_signal_connect(widget_, "size-allocate", G_CALLBACK(onSizeAllocate), this);
}

GwDrawnButton::~GwDrawnButton() {
  forgetPicture();
  if (resizeSource_ != 0) g_source_remove(resizeSource_);
  for (GwEcho* echo : echoes_) echo->detach();
}

void GwDrawnButton::onSizeAllocate(GtkWidget*, GdkRectangle* allocation, gpointer data) {
  auto* self = static_cast<GwDrawnButton*>(data);
  const PixelSize size{allocation->width, allocation->height};
  if (size.width == self->viewport_.width && size.height == self->viewport_.height) return;
  self->viewport_ = size;
  // Handlers change the canvas and show or hide widgets: not while GTK lays the window out.
  if (self->resizeSource_ == 0) self->resizeSource_ = g_idle_add(fireResize, self);
}

gboolean GwDrawnButton::fireResize(gpointer data) {
  auto* self = static_cast<GwDrawnButton*>(data);
  self->resizeSource_ = 0;
  GwEvent event;
  event.area = {0, 0, self->viewport_.width, self->viewport_.height};
  self->fire(GwCB_RESIZE, event);
  return G_SOURCE_REMOVE;
}

PixelSize GwDrawnButton::container_size() const {
  return {gtk_widget_get_allocated_width(widget_), gtk_widget_get_allocated_height(widget_)};
}

PixelSize GwDrawnButton::canvasSize() const {
  return canvas_.width < 0 ? container_size() : canvas_;
}

GwDimension GwDrawnButton::size() const {
  const PixelSize size = canvasSize();
  return {size.width, size.height};
}

void GwDrawnButton::set_size(int width, int height) {
  canvas_ = {limited(width), limited(height)};
  invalidate();
}

GwPosition GwDrawnButton::position() const { return {position_.x, position_.y}; }

void GwDrawnButton::set_position(int x, int y) {
  position_ = {x, y};
  invalidate();
}

PixelPosition GwDrawnButton::position_in_container() const { return position_; }

void GwDrawnButton::set_wc_coords(double x1, double y1, double x2, double y2) {
  world_[0] = x1;
  world_[1] = y1;
  world_[2] = x2;
  world_[3] = y2;
  hasWorld_ = true;
  invalidate();
}

void GwDrawnButton::clear_window() {
  // What is drawn changed: the picture on screen cannot be scrolled into the next one.
  keptView_.reset();
  invalidate();
}

void GwDrawnButton::invalidate() {
  cancelPicture();
  keptValid_ = false;
  updateIdleArea();
  gtk_widget_queue_draw(widget_);
}

void GwDrawnButton::updateIdleArea() {
  idle_ = std::make_unique<CairoDrawingArea>(scratchCr_.get(), container_size(), canvasSize(),
                                             position_);
  if (hasWorld_) idle_->set_wc_coords(world_[0], world_[1], world_[2], world_[3]);
}

void GwDrawnButton::callbackAdded(GwAtom atom) {
  // A new painter must get its turn, unless it is the expose handler putting itself back.
  if (atom == GwCB_EXPOSE && !painting_) clear_window();
}

void GwDrawnButton::paint_with(DrawingArea& target) {
  DrawingArea* previous = active_;
  const bool wasPainting = painting_;
  active_ = &target;
  painting_ = true;
  GwEvent event;
  const PixelSize size = canvasSize();
  event.area = {0, 0, size.width, size.height};
  fire(GwCB_EXPOSE, event);
  active_ = previous;
  painting_ = wasPainting;
}

void GwDrawnButton::paintCanvas(cairo_t* cr, int width, int height) {
  const PaintColour desk = PaintColour::parse(kDeskColour);
  cairo_set_source_rgb(cr, desk.red, desk.green, desk.blue);
  cairo_paint(cr);
  CairoDrawingArea area(cr, {width, height}, canvasSize(), position_);
  if (hasWorld_) area.set_wc_coords(world_[0], world_[1], world_[2], world_[3]);
  area.paintBackground("#FFFFFF");
  viewportPainter_ = &area;
  paint_with(area);
  viewportPainter_ = nullptr;
}

ViewPlacement GwDrawnButton::placement(PixelSize viewport) const {
  ViewPlacement view{viewport, canvasSize(), position_};
  view.hasWorld = hasWorld_;
  view.worldX1 = world_[0];
  view.worldY1 = world_[1];
  view.worldX2 = world_[2];
  view.worldY2 = world_[3];
  return view;
}

void GwDrawnButton::paint_scene(const ScenePainter& scene, std::uint64_t sceneKey,
                                const std::function<void()>& shown) {
  static const std::atomic<bool> never{false};
  if (!painting_ || !active_) return;
  if (active_ != viewportPainter_ || gtk_widget_get_scale_factor(widget_) != 1) {
    scene(*active_, never);
    if (shown) shown();
    return;
  }
  // The picture is painted off the GUI thread; the viewport keeps the previous one.
  startPicture(scene, sceneKey, shown);
  active_ = nullptr;
}

CairoSurfacePtr GwDrawnButton::newPicture(int width, int height) const {
  // At the screen's scale factor, so that the picture stays sharp on dense screens.
  CairoSurfacePtr picture(
      gdk_window_create_similar_image_surface(gtk_widget_get_window(widget_), CAIRO_FORMAT_RGB24,
                                              width, height, gtk_widget_get_scale_factor(widget_)));
  return picture;
}

gboolean GwDrawnButton::onDraw(GtkWidget* widget, cairo_t* cr, gpointer data) {
  auto* self = static_cast<GwDrawnButton*>(data);
  const int width = gtk_widget_get_allocated_width(widget);
  const int height = gtk_widget_get_allocated_height(widget);
  if (width <= 0 || height <= 0) return FALSE;
  if (!self->kept_ || self->keptSize_.width != width || self->keptSize_.height != height) {
    self->cancelPicture();
    self->kept_ = self->newPicture(width, height);
    const CairoPtr blank(cairo_create(self->kept_.get()));
    cairo_set_source_rgb(blank.get(), 1.0, 1.0, 1.0);
    cairo_paint(blank.get());
    self->keptSize_ = {width, height};
    self->keptView_.reset();
    self->keptValid_ = false;
    self->updateIdleArea();
  }
  if (!self->keptValid_) {
    // Valid before painting: a handler that asks for another repaint gets one.
    self->keptValid_ = true;
    CairoSurfacePtr next = self->newPicture(width, height);
    {
      const CairoPtr nextCr(cairo_create(next.get()));
      self->pictureStarted_ = false;
      self->paintCanvas(nextCr.get(), width, height);
    }
    if (!self->pictureStarted_) {
      self->kept_ = std::move(next);
      self->keptView_.reset();
    }
  }
  cairo_set_source_surface(cr, self->kept_.get(), 0, 0);
  cairo_paint(cr);
  for (const GwEcho* echo : self->echoes_) echo->paint(cr);
  return FALSE;
}

void GwDrawnButton::dispatchMouse(GwAtom atom, unsigned kind, double x, double y, unsigned state,
                                  int button) {
  GwEvent event;
  event.x = static_cast<int>(std::floor(x));
  event.y = static_cast<int>(std::floor(y));
  event.state = (state & GwEVENT_MODIFIERS) | kind;
  event.button = button;
  const PixelSize size = canvasSize();
  const GwRectangle canvas{position_.x, position_.y, size.width, size.height};
  if (canvas.contains(event.x, event.y)) {
    event.x -= position_.x;
    event.y -= position_.y;
    fire(atom, event, kind);
  } else if (GtkWidget* parent = gtk_widget_get_parent(widget_)) {
    GwCore::of(parent)->fire(atom, event, kind);
  }
}

gboolean GwDrawnButton::onButton(GtkWidget*, GdkEventButton* event, gpointer data) {
  if (event->type != GDK_BUTTON_PRESS && event->type != GDK_BUTTON_RELEASE) return FALSE;
  const unsigned kind = event->type == GDK_BUTTON_PRESS ? GwEVENT_PRESS : GwEVENT_RELEASE;
  static_cast<GwDrawnButton*>(data)->dispatchMouse(GwCB_BUTTON, kind, event->x, event->y,
                                                   event->state, static_cast<int>(event->button));
  return TRUE;
}

gboolean GwDrawnButton::onMotion(GtkWidget*, GdkEventMotion* event, gpointer data) {
  static_cast<GwDrawnButton*>(data)->dispatchMouse(GwCB_MOUSEMOVE, GwEVENT_MOTION, event->x,
                                                   event->y, event->state, 0);
  return TRUE;
}

gboolean GwDrawnButton::onScroll(GtkWidget*, GdkEventScroll* event, gpointer data) {
  auto* self = static_cast<GwDrawnButton*>(data);
  int notches = 0;
  if (event->direction == GDK_SCROLL_UP) {
    notches = -1;
  } else if (event->direction == GDK_SCROLL_DOWN) {
    notches = 1;
  } else if (event->direction == GDK_SCROLL_SMOOTH) {
    self->wheelTurn_ += event->delta_y;
    notches = static_cast<int>(std::trunc(self->wheelTurn_));
    self->wheelTurn_ -= notches;
  }
  for (int i = 0; i < std::abs(notches); ++i) {
    self->dispatchMouse(GwCB_WHEEL, GwEVENT_WHEEL, event->x, event->y, event->state,
                        notches < 0 ? GwWHEEL_UP : GwWHEEL_DOWN);
  }
  return TRUE;
}

void GwDrawnButton::polygon(const GwPoint* points, int count) {
  if (!points || count <= 0) return;
  std::vector<DevicePoint> devicePoints;
  devicePoints.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i)
    devicePoints.push_back({double(points[i].x), double(points[i].y)});
  current().device_context().polygon(devicePoints.data(), count);
}

void GwDrawnButton::set_drawing_foreground(const char* colour) {
  current().set_drawing_foreground(colour);
}

void GwDrawnButton::set_drawing_background(const char* colour) {
  current().set_drawing_background(colour);
}

void GwDrawnButton::wc_line(double x1, double y1, double x2, double y2) {
  current().wc_line(x1, y1, x2, y2);
}

void GwDrawnButton::wc_circle(double cx, double cy, double r) { current().wc_circle(cx, cy, r); }

void GwDrawnButton::wc_dot(double x, double y) { current().wc_dot(x, y); }

void GwDrawnButton::wc_fill_polygon(const WorldPoint* points, int count) {
  current().wc_fill_polygon(points, count);
}

DevicePoint GwDrawnButton::wc_to_dc(double x, double y) const { return current().wc_to_dc(x, y); }

WorldPoint GwDrawnButton::dc_to_wc(double x, double y) const {
  if (!hasWorld_) return {x, y};
  const PixelSize canvas = canvasSize();
  const WorldMapping mapping(world_[0], world_[1], world_[2], world_[3], canvas.width,
                             canvas.height);
  return {mapping.worldX(x), mapping.worldY(y)};
}

void GwDrawnButton::add_echo(GwEcho* echo) {
  if (std::find(echoes_.begin(), echoes_.end(), echo) == echoes_.end()) echoes_.push_back(echo);
}

void GwDrawnButton::remove_echo(GwEcho* echo) { std::erase(echoes_, echo); }

void GwDrawnButton::refresh_echoes(const GwRectangle& before, const GwRectangle& after) {
  for (const GwRectangle& r : {before, after}) {
    if (r.width > 0 && r.height > 0)
      gtk_widget_queue_draw_area(widget_, r.x, r.y, r.width, r.height);
  }
}

GwDrawnButton* GwDrawnButton::inside(GwCore* widget) {
  if (!widget) return nullptr;
  if (auto* self = dynamic_cast<GwDrawnButton*>(widget)) return self;
  if (!GTK_IS_CONTAINER(widget->widget())) return nullptr;
  GList* children = gtk_container_get_children(GTK_CONTAINER(widget->widget()));
  GwDrawnButton* found = nullptr;
  for (GList* item = children; item && !found; item = item->next) {
    found = inside(GwCore::of(GTK_WIDGET(item->data)));
  }
  g_list_free(children);
  return found;
}
