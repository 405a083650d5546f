// ShapeDistance: signed distances to the simple shapes the logo's letters are built from.
// Negative inside, positive outside, in pixels. A union of shapes is the minimum of their
// distances and an intersection the maximum, which is exact enough near the edges for the
// outline and the bevel.
#pragma once

#include "Vector.h"

#include <vector>

// Signed distance from p to a simple polygon given by its corners in order.
double polygonDistance(const std::vector<Vec2> &corners, Vec2 p);

// Signed distance from p to a ring around centre whose middle line has the given radius.
double ringDistance(Vec2 centre, double radius, double halfWidth, Vec2 p);

// Union of two shapes whose joint is rounded by a fillet of about `radius` pixels. The bevel
// follows the field's slope, which a plain minimum would crease along every inner joint.
double smoothUnion(double a, double b, double radius);

// The corners of a rectangle.
std::vector<Vec2> rectangle(double left, double top, double right, double bottom);

// A polygon reaching far from centre through the given directions, in order: intersected with a
// ring it keeps the arc between the first and the last direction, cut off square at both ends.
std::vector<Vec2> wedge(Vec2 centre, const std::vector<Vec2> &directions);
