// A drawing area with world coordinates: a virtual canvas seen through its container.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "toolkit/paint/CairoDrawingArea.h"
#include "toolkit/GwCore.h"
#include "toolkit/GwPoint.h"
#include "toolkit/GwRectangle.h"
#include "toolkit/paint/PaintHandle.h"
#include "toolkit/paint/ViewPicture.h"

class GwEcho;

// The resource file places a GtkDrawingArea ("DA_draw") that fills its container
// ("DA_container"). The GtkDrawingArea is the viewport; the canvas the program sizes and
// places (size, position) is virtual: up to 32000 x 32000 pixels, at a position that is
// negative when scrolled. Each repaint paints only the visible part into an image the size
// of the container (through CairoDrawingArea), which is then kept: rubber bands, window
// overlaps and cursor changes reuse it, and only clear_window, a new size, position or
// world rectangle, or a resized container paint the drawing again.
//
// Painting fires the GwCB_EXPOSE callbacks; while they run, the DrawingArea operations of
// this object paint into the canvas. Outside an expose they paint nowhere.
//
// Mouse events inside the canvas go to the canvas's GwCB_BUTTON / GwCB_MOUSEMOVE / GwCB_WHEEL
// callbacks with positions relative to the canvas; events outside it go to the container's
// callbacks with container positions. So each event reaches exactly one of the two. CBResize fires
// when the viewport's size changed (the window was resized or maximized), from the main loop once
// the layout is done. A wheel event is one notch (button GwWHEEL_UP or GwWHEEL_DOWN); fine-grained
// wheels and touchpads are summed up into notches.
class GwDrawnButton : public GwCore, public DrawingArea {
 public:
  explicit GwDrawnButton(GtkWidget* drawingArea);
  ~GwDrawnButton() override;

  GwClass class_id() const override { return GwDRAWINGAREA_CLASS; }

  // The canvas: its size in pixels (the container's size until one is set) and its
  // position in the container.
  GwDimension size() const override;
  void set_size(int width, int height) override;
  GwPosition position() const override;
  void set_position(int x, int y) override;

  // World rectangle in drawing units, the corner with the smaller coordinates first.
  void set_wc_coords(double x1, double y1, double x2, double y2);
  // Paints the canvas anew: the expose callbacks run at the next repaint. Call it
  // whenever what the callbacks paint changed (only a scroll may reuse painted pixels).
  void clear_window();
  // Runs the expose callbacks with target as the painter (printing, pictures, tests).
  void paint_with(DrawingArea& target);
  // Paints a scene during an expose, as the last thing the expose paints. On the screen
  // it is painted off the GUI thread on all painting threads while the viewport goes on
  // showing the previous picture; the new one replaces it when complete. A change of the
  // canvas abandons a picture still being painted: it is never shown. On any other
  // painter (paint_with) the scene paints there at once. `sceneKey` names what the scene
  // paints (a drawing in one state): only a picture of the same key may be scrolled into
  // the new one. `shown`, when given, runs on the GUI thread once the picture is complete
  // and shown (never for an abandoned one).
  void paint_scene(const ScenePainter& scene, std::uint64_t sceneKey,
                   const std::function<void()>& shown = {});
  // True while a picture is being painted off the GUI thread.
  bool picture_pending() const { return job_ != nullptr; }
  // Abandons every picture being painted and returns when none is; the canvases paint
  // again. Call it before something a picture is painted from changes or goes away.
  static void settle_paints();

  // A closed polygon in canvas pixels with the current pen.
  void polygon(const GwPoint* points, int count);

  // DrawingArea: the painting of the current expose.
  void set_line_style(int code) override { current().set_line_style(code); }
  void set_dash_pattern(std::span<const double> lengths) override {
    current().set_dash_pattern(lengths);
  }
  void set_line_width(double pixels) override { current().set_line_width(pixels); }
  void set_pattern_texts(std::span<const PatternText> lengths) override {
    current().set_pattern_texts(lengths);
  }
  void wc_polyline(const WorldPoint* points, int count) override {
    current().wc_polyline(points, count);
  }
  void set_drawing_foreground(const char* colour) override;
  void set_drawing_background(const char* colour) override;
  void wc_line(double x1, double y1, double x2, double y2) override;
  void wc_circle(double cx, double cy, double r) override;
  void wc_dot(double x, double y) override;
  void wc_fill_polygon(const WorldPoint* points, int count) override;
  DevicePoint wc_to_dc(double x, double y) const override;
  // The world point at a canvas pixel position, the inverse of wc_to_dc; the position
  // itself while the area has no world rectangle.
  WorldPoint dc_to_wc(double x, double y) const;
  PixelSize container_size() const override;
  PixelPosition position_in_container() const override;
  DeviceContext& device_context() override { return current().device_context(); }

  // Rubber bands drawn over the viewport (GwEcho registers itself).
  void add_echo(GwEcho* echo);
  void remove_echo(GwEcho* echo);
  // The viewport changed only where the rubber bands are: repaint that from the kept image.
  void refresh_echoes(const GwRectangle& before, const GwRectangle& after);

  // The drawn button that shows through widget: itself, or the first one inside it.
  static GwDrawnButton* inside(GwCore* widget);

 protected:
  void callbackAdded(GwAtom atom) override;

 private:
  DrawingArea& current() { return active_ ? *active_ : *idle_; }
  const DrawingArea& current() const { return active_ ? *active_ : *idle_; }
  PixelSize canvasSize() const;
  // The canvas state changed: the kept image is stale.
  void invalidate();
  void updateIdleArea();
  void paintCanvas(cairo_t* cr, int width, int height);
  CairoSurfacePtr newPicture(int width, int height) const;
  // The picture job (GwDrawnButtonPicture.cpp).
  struct PictureJob;
  void startPicture(const ScenePainter& scene, std::uint64_t sceneKey,
                    const std::function<void()>& shown);
  void cancelPicture();
  // Cancels the job, waits for the picture thread and stops watching.
  void forgetPicture();
  // Keeps a job this button no longer needs until the picture thread has let go of it.
  void retire(std::shared_ptr<PictureJob> job);
  // Deletes the retired jobs the picture thread has let go of; true when none is left.
  bool releaseRetired();
  static gboolean pollPicture(gpointer self);
  static std::vector<GwDrawnButton*>& livePainters();
  ViewPlacement placement(PixelSize viewport) const;
  void dispatchMouse(GwAtom atom, unsigned kind, double x, double y, unsigned state, int button);
  static gboolean onDraw(GtkWidget* widget, cairo_t* cr, gpointer self);
  static gboolean onButton(GtkWidget* widget, GdkEventButton* event, gpointer self);
  static gboolean onMotion(GtkWidget* widget, GdkEventMotion* event, gpointer self);
  static gboolean onScroll(GtkWidget* widget, GdkEventScroll* event, gpointer self);
  static void onSizeAllocate(GtkWidget* widget, GdkRectangle* allocation, gpointer self);
  static gboolean fireResize(gpointer self);

  PixelSize canvas_{-1, -1};  // -1: follow the container
  PixelPosition position_;
  double world_[4] = {0.0, 0.0, 0.0, 0.0};
  bool hasWorld_ = false;

  DrawingArea* active_ = nullptr;                // the painter while expose callbacks run
  CairoDrawingArea* viewportPainter_ = nullptr;  // the painter of the viewport image
  bool painting_ = false;
  CairoSurfacePtr scratch_;  // 1 x 1 target of drawing outside an expose
  CairoPtr scratchCr_;
  std::unique_ptr<CairoDrawingArea> idle_;
  CairoSurfacePtr kept_;                   // the painted viewport
  std::optional<ViewPlacement> keptView_;  // what kept_ shows, when painted as a scene
  std::uint64_t keptScene_ = 0;            // the scene key of kept_
  std::shared_ptr<PictureJob> job_;        // the picture being painted off the GUI thread
  // Jobs done or abandoned that the picture thread may still hold: their pictures are
  // surfaces of the display, which only the GUI thread may free.
  std::vector<std::shared_ptr<PictureJob>> retired_;
  bool pictureStarted_ = false;  // the current expose handed its scene to a job
  guint pollSource_ = 0;         // watches the job from the GUI thread
  PixelSize keptSize_;
  bool keptValid_ = false;
  std::vector<GwEcho*> echoes_;
  double wheelTurn_ = 0.0;      // fine-grained wheel movement not yet a whole notch
  PixelSize viewport_{-1, -1};  // the viewport size CBResize last reported
  guint resizeSource_ = 0;      // the pending CBResize, fired when GTK is idle
};
