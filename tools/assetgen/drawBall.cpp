// drawBall: a sphere lit from the upper left, with a sharp highlight and a faint bounce light
// from below, anti-aliased against the black screen.
#include "spriteDrawings.h"
#include "supersample.h"

namespace {

constexpr int BallSize = 32;
constexpr double BallRadius = 15.6;
const Vec3 BaseColour{40, 125, 255};
const Vec3 HighlightColour{255, 255, 255};
const Vec3 BounceColour{120, 60, 255};
constexpr double Ambient = 0.10;
constexpr int Shininess = 40;

// Lit colour of the sphere at the surface normal n.
Vec3 sphereColour(Vec3 n) {
    const Vec3 light = normalized({-0.5, -0.65, 0.57});
    const Vec3 halfway = normalized(light + Vec3{0, 0, 1});
    const Vec3 bounce = normalized({0.45, 0.75, 0.3});
    const double diffuse = std::fmax(0, dot(n, light));
    const double specular = power(std::fmax(0, dot(n, halfway)), Shininess);
    const double reflected = std::fmax(0, dot(n, bounce));
    const Vec3 colour = BaseColour * (Ambient + (1 - Ambient) * diffuse) +
                        BounceColour * (0.25 * reflected * reflected) +
                        HighlightColour * (0.95 * specular);
    return capped(colour, 255);
}

} // namespace

Canvas drawBall() {
    const double centre = BallSize / 2.0;
    return supersample(BallSize, BallSize, [centre](Vec2 p) {
        const double px = (p.x - centre) / BallRadius;
        const double py = (p.y - centre) / BallRadius;
        const double rr = px * px + py * py;
        if (rr >= 1)
            return Sample{};
        return Sample{sphereColour({px, py, std::sqrt(1 - rr)}), 1};
    });
}
