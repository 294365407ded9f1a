// Object coordinate systems: the extrusion direction (groups 210/220/230) of planar
// entities and the way their coordinates reach the world.
#pragma once

// Planar entities (arcs, circles, 2-D polylines, texts, inserts, solids) store their points
// in the coordinate system of their extrusion direction N, whose axes follow the DXF
// arbitrary-axis rule. The viewer shows the world's x-y plane, so only the x-y parts of
// those axes matter: for N = (0, 0, 1) nothing changes, for N = (0, 0, -1) x is mirrored.
// A tilted N is seen in parallel projection onto the x-y plane.
class Extrusion {
 public:
  // N = (0, 0, 1).
  Extrusion() = default;

  // Takes the value of group 210, 220 or 230; true when `code` is one of them.
  bool take(int code, double value);

  // True while N is (0, 0, 1), which needs no conversion.
  bool isWorld() const { return x_ == 0.0 && y_ == 0.0 && z_ == 1.0; }

  // The world x and y of the point (x, y, z) given in the entity's coordinate system.
  void toWorld(double& x, double& y, double z = 0.0) const;
  // The world angle (degrees) of the direction at `degrees` in the entity's x-y plane.
  double angleToWorld(double degrees) const;
  // True when the entity's x-y plane is seen from below: turning directions reverse.
  bool mirrors() const;

 private:
  struct Axes {
    double ax[3];
    double ay[3];
    double az[3];
  };
  // The arbitrary-axis rule: the entity's axes in world coordinates.
  Axes axes() const;

  double x_ = 0.0;
  double y_ = 0.0;
  double z_ = 1.0;
};
