// drawStar: a twinkle of light: a round core, long horizontal and vertical rays and shorter
// diagonal ones, white in the middle and cooling to pale blue at the tips.
#include "spriteDrawings.h"
#include "supersample.h"

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

// The star's light at p, tinted from the tip colour to white as it brightens. The light
// itself, not a coverage, is the sample's weight, so faint rays fade into the black screen.
Sample starSample(Vec2 p) {
    const double brightness = starLight(p);
    const double whiteness = saturate(brightness - 0.2);
    const Vec3 tint{mix(TipColour.x, CoreColour.x, whiteness),
                    mix(TipColour.y, CoreColour.y, whiteness),
                    mix(TipColour.z, CoreColour.z, whiteness)};
    return Sample{tint * saturate(brightness), saturate(brightness)};
}

} // namespace

Canvas drawStar() {
    // The middle of a pixel, so that each ray is one sharp pixel wide.
    const double centre = StarSize / 2.0 - 0.5;
    return supersample(StarSize, StarSize, [centre](Vec2 p) {
        return starSample({p.x - centre, p.y - centre});
    });
}
