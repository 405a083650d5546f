#include "ShapeDistance.h"

#include <algorithm>

// Distance from p to the segment from a to b.
static double segmentDistance(Vec2 a, Vec2 b, Vec2 p) {
    const Vec2 edge = b - a;
    const double t = std::clamp(dot(p - a, edge) / dot(edge, edge), 0.0, 1.0);
    return length(p - (a + edge * t));
}

double polygonDistance(const std::vector<Vec2> &corners, Vec2 p) {
    double nearest = 1e30;
    bool inside = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const Vec2 a = corners[j];
        const Vec2 b = corners[i];
        nearest = std::min(nearest, segmentDistance(a, b, p));
        // Even-odd rule: count the edges crossed by a ray from p to the right.
        if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y))
            inside = !inside;
    }
    return inside ? -nearest : nearest;
}

double ringDistance(Vec2 centre, double radius, double halfWidth, Vec2 p) {
    return std::fabs(length(p - centre) - radius) - halfWidth;
}

double smoothUnion(double a, double b, double radius) {
    const double blend = std::fmax(radius - std::fabs(a - b), 0) / radius;
    return std::min(a, b) - blend * blend * radius * 0.25;
}

std::vector<Vec2> rectangle(double left, double top, double right, double bottom) {
    return {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
}

std::vector<Vec2> wedge(Vec2 centre, const std::vector<Vec2> &directions) {
    const double reach = 1000;
    std::vector<Vec2> corners{centre};
    for (Vec2 way : directions)
        corners.push_back(centre + way * reach);
    return corners;
}
