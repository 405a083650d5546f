// drawLogo: the lettering filled with a golden gradient that breaks into red below a horizon
// line, raised by a bevel lit from the upper left, and framed by a dark blue outline.
#include "logoLettering.h"
#include "spriteDrawings.h"
#include "supersample.h"

#include <array>

namespace {

constexpr double OutlineWidth = 3;
constexpr double BevelWidth = 4.5;
const Vec3 OutlineColour{30, 45, 140};

struct GradientStop {
    double at;
    Vec3 colour;
};

// From the top of the capitals (0) to the baseline (1).
const std::array<GradientStop, 5> Fill{{{0.00, {255, 252, 215}},
                                        {0.54, {255, 176, 40}},
                                        {0.56, {220, 90, 20}},
                                        {0.80, {190, 45, 35}},
                                        {1.00, {140, 20, 80}}}};

// The fill colour at height y.
Vec3 fillColour(double y) {
    const double t = saturate((y - CapitalTop) / (Baseline - CapitalTop));
    for (std::size_t i = 1; i < Fill.size(); ++i)
        if (t <= Fill[i].at) {
            const GradientStop &from = Fill[i - 1];
            const GradientStop &to = Fill[i];
            const double u = (t - from.at) / (to.at - from.at);
            return {mix(from.colour.x, to.colour.x, u), mix(from.colour.y, to.colour.y, u),
                    mix(from.colour.z, to.colour.z, u)};
        }
    return Fill.back().colour;
}

// Direction of steepest increase of the distance, pointing out of the letter.
Vec2 outward(Vec2 p) {
    const double step = 0.25;
    const double dx = letteringDistance({p.x + step, p.y}) - letteringDistance({p.x - step, p.y});
    const double dy = letteringDistance({p.x, p.y + step}) - letteringDistance({p.x, p.y - step});
    if (dx == 0 && dy == 0)
        return {0, 0};
    return direction(dx, dy);
}

// Colour of the letter's face at p, depth pixels inside its edge.
Vec3 faceColour(Vec2 p, double depth) {
    const Vec3 light = normalized({-0.55, -0.7, 0.9});
    Vec3 normal{0, 0, 1};
    double gloss = 0;
    if (depth < BevelWidth) {
        const double slope = 1.5 * (1 - depth / BevelWidth);
        const Vec2 out = outward(p);
        normal = normalized({out.x * slope, out.y * slope, 1});
        gloss = 1;
    }
    const double lit = std::fmax(0, dot(normal, light)) / light.z;
    const Vec3 halfway = normalized(light + Vec3{0, 0, 1});
    const double shine = gloss * 0.7 * power(std::fmax(0, dot(normal, halfway)), 24);
    const Vec3 colour = fillColour(p.y) * (0.25 + 0.75 * lit) + Vec3{255, 255, 255} * shine;
    return capped(colour, 255);
}

} // namespace

Canvas drawLogo() {
    return supersample(LogoWidth, LogoHeight, [](Vec2 p) {
        const double distance = letteringDistance(p);
        if (distance >= OutlineWidth)
            return Sample{};
        return Sample{distance >= 0 ? OutlineColour : faceColour(p, -distance), 1};
    });
}
