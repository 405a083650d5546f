// drawStar: a twinkle of light: a round core, long horizontal and vertical rays and shorter
// diagonal ones, white in the middle and cooling to pale blue at the tips.
#include "spriteDrawings.h"
#include "Vector.h"

namespace {

constexpr int StarSize = 16;
const Vec3 CoreColour{255, 255, 255};
const Vec3 TipColour{90, 150, 255};

// Brightness of a ray along axis at offset p from the centre: thin, fading towards its tip.
double ray(Vec2 p, Vec2 axis, double reach, double thickness) {
    const double along = std::fabs(dot(p, axis));
    const double across = cross(p, axis) / thickness;
    return saturate(1 - along / reach) / (1 + across * across);
}

// Total brightness at offset p from the centre, possibly above 1 in the core.
double starLight(Vec2 p) {
    const double core = 1.2 / (1 + dot(p, p) / 1.1);
    const double diagonal = 0.7071067811865476;
    return core + 1.7 * (ray(p, {1, 0}, 8.6, 0.5) + ray(p, {0, 1}, 8.6, 0.5)) +
           0.9 * (ray(p, {diagonal, diagonal}, 5, 0.4) + ray(p, {diagonal, -diagonal}, 5, 0.4));
}

} // namespace

Canvas drawStar() {
    Canvas canvas(StarSize, StarSize);
    // The middle of a pixel, so that each ray is one sharp pixel wide.
    const double centre = StarSize / 2.0 - 0.5;
    for (int y = 0; y < StarSize; ++y)
        for (int x = 0; x < StarSize; ++x) {
            Vec3 sum;
            double light = 0;
            for (int sy = 0; sy < SamplesPerAxis; ++sy)
                for (int sx = 0; sx < SamplesPerAxis; ++sx) {
                    const Vec2 p{x + sampleOffset(sx) - centre, y + sampleOffset(sy) - centre};
                    const double brightness = starLight(p);
                    const double whiteness = saturate(brightness - 0.2);
                    const Vec3 tint{mix(TipColour.x, CoreColour.x, whiteness),
                                    mix(TipColour.y, CoreColour.y, whiteness),
                                    mix(TipColour.z, CoreColour.z, whiteness)};
                    sum = sum + tint * saturate(brightness);
                    light += saturate(brightness);
                }
            const double samples = SamplesPerAxis * SamplesPerAxis;
            canvas.at(x, y) =
                Shade{sum.x / samples, sum.y / samples, sum.z / samples, light / samples};
        }
    return canvas;
}
