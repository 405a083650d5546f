// supersample: draws a picture by averaging several sub-samples inside each pixel, so that
// edges come out anti-aliased against the black screen.
#pragma once

#include "Canvas.h"
#include "Vector.h"

// Number of sub-samples along each axis of a pixel when a drawing is anti-aliased.
constexpr int SamplesPerAxis = 4;

// Offset of sub-sample i (0 to SamplesPerAxis - 1) from the pixel's left or top edge.
inline double sampleOffset(int i) {
    return (i + 0.5) / SamplesPerAxis;
}

// What one sub-sample adds to its pixel: a colour, already darkened by its own weight, and
// that weight (1 where the drawing covers the point, 0 where it misses, or anything between).
struct Sample {
    Vec3 colour;
    double weight = 0;
};

// A width x height canvas whose pixels average sampleAt(p) over the sub-sample points p, in
// canvas coordinates with (0, 0) at the top left corner of the top left pixel.
template <typename SampleAt> Canvas supersample(int width, int height, SampleAt sampleAt) {
    Canvas canvas(width, height);
    const double samples = SamplesPerAxis * SamplesPerAxis;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            Vec3 sum;
            double weight = 0;
            for (int sy = 0; sy < SamplesPerAxis; ++sy)
                for (int sx = 0; sx < SamplesPerAxis; ++sx) {
                    const Sample sample =
                        sampleAt(Vec2{x + sampleOffset(sx), y + sampleOffset(sy)});
                    sum = sum + sample.colour;
                    weight += sample.weight;
                }
            canvas.at(x, y) =
                Shade{sum.x / samples, sum.y / samples, sum.z / samples, weight / samples};
        }
    return canvas;
}
