// drawBall: a sphere lit from the upper left, with a sharp highlight and a faint bounce light
// from below, anti-aliased against the black screen.
#include "spriteDrawings.h"
#include "Vector.h"

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
    Vec3 colour = BaseColour * (Ambient + (1 - Ambient) * diffuse) +
                  BounceColour * (0.25 * reflected * reflected) +
                  HighlightColour * (0.95 * specular);
    colour.x = std::fmin(colour.x, 255);
    colour.y = std::fmin(colour.y, 255);
    colour.z = std::fmin(colour.z, 255);
    return colour;
}

} // namespace

Canvas drawBall() {
    Canvas canvas(BallSize, BallSize);
    const double centre = BallSize / 2.0;
    for (int y = 0; y < BallSize; ++y)
        for (int x = 0; x < BallSize; ++x) {
            Vec3 sum;
            int covered = 0;
            for (int sy = 0; sy < SamplesPerAxis; ++sy)
                for (int sx = 0; sx < SamplesPerAxis; ++sx) {
                    const double px = (x + sampleOffset(sx) - centre) / BallRadius;
                    const double py = (y + sampleOffset(sy) - centre) / BallRadius;
                    const double rr = px * px + py * py;
                    if (rr >= 1)
                        continue;
                    sum = sum + sphereColour({px, py, std::sqrt(1 - rr)});
                    ++covered;
                }
            const double samples = SamplesPerAxis * SamplesPerAxis;
            canvas.at(x, y) =
                Shade{sum.x / samples, sum.y / samples, sum.z / samples, covered / samples};
        }
    return canvas;
}
