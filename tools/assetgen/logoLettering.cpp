#include "logoLettering.h"
#include "ShapeDistance.h"

#include <algorithm>
#include <array>

namespace {

constexpr double HalfStroke = 7.5;
constexpr double LetterGap = 8;
constexpr double JointRounding = 3;

// Z: two bars and a diagonal, one polygon with sharp corners.
double letterZ(Vec2 p) {
    static const std::vector<Vec2> outline{{0, 12},  {54, 12}, {54, 27}, {20, 71}, {54, 71},
                                           {54, 86}, {0, 86},  {0, 71},  {34, 27}, {0, 27}};
    return polygonDistance(outline, p);
}

// o: a round ring standing on the baseline.
double letterO(Vec2 p) {
    return ringDistance({27, 59}, 27 - HalfStroke, HalfStroke, p);
}

// r: a stem and a shoulder arc that leaves it at the top and ends in a slanted cut. The stem's
// top reaches right to the top of the arc, so the two meet without a step.
double letterR(Vec2 p) {
    static const std::vector<Vec2> stem{{0, SmallTop}, {22, SmallTop}, {22, 42},
                                        {15, 50},      {15, Baseline}, {0, Baseline}};
    const Vec2 centre{22, 54};
    static const std::vector<Vec2> shoulder =
        wedge(centre, {{-1, 0}, direction(-1, -1), {0, -1}, direction(0.766, -0.643)});
    const double arc = std::max(ringDistance(centre, 22 - HalfStroke, HalfStroke, p),
                                polygonDistance(shoulder, p));
    return smoothUnion(polygonDistance(stem, p), arc, JointRounding);
}

// v: two arms meeting on a flat foot.
double letterV(Vec2 p) {
    static const std::vector<Vec2> outline{{0, 32},  {16, 32}, {26, 68}, {36, 32},
                                           {52, 32}, {35, 86}, {17, 86}};
    return polygonDistance(outline, p);
}

// 2: a hooked bowl, a diagonal down to the left, and a bar on the baseline.
double letterTwo(Vec2 p) {
    const Vec2 centre{26, 37};
    const double outer = 25;
    const double inner = 10;
    static const std::vector<Vec2> bowlSpan =
        wedge(centre, {direction(-0.985, 0.174), direction(-1, -1), direction(1, -1),
                       direction(0.643, 0.766)});
    const double bowl = std::max(ringDistance(centre, (outer + inner) / 2, (outer - inner) / 2, p),
                                 polygonDistance(bowlSpan, p));

    // The diagonal leaves the bowl where it points 35 degrees below the horizontal and runs
    // down to the left end of the bar, its two sides parallel.
    static const std::vector<Vec2> diagonal = [&] {
        const Vec2 leave = direction(0.819, 0.574);
        const Vec2 innerStart = centre + leave * inner;
        const Vec2 outerStart = centre + leave * outer;
        const Vec2 footLeft{0, 78};
        const Vec2 slope = footLeft - innerStart;
        const Vec2 footRight = outerStart + slope * ((footLeft.y - outerStart.y) / slope.y);
        return std::vector<Vec2>{innerStart, outerStart, footRight, footLeft};
    }();
    static const std::vector<Vec2> bar = rectangle(0, 71, 52, Baseline);
    return smoothUnion(smoothUnion(bowl, polygonDistance(diagonal, p), JointRounding),
                       polygonDistance(bar, p), JointRounding);
}

struct Glyph {
    double width;
    double (*distance)(Vec2 local);
};

const std::array<Glyph, 5> Word{
    {{54, letterZ}, {54, letterO}, {39, letterR}, {52, letterV}, {52, letterTwo}}};

// Left edge of the first glyph, so that the word sits in the middle of the logo.
double wordLeft() {
    double total = LetterGap * (Word.size() - 1);
    for (const Glyph &glyph : Word)
        total += glyph.width;
    return (LogoWidth - total) / 2;
}

} // namespace

double letteringDistance(Vec2 p) {
    double nearest = 1e30;
    double left = wordLeft();
    for (const Glyph &glyph : Word) {
        nearest = std::min(nearest, glyph.distance({p.x - left, p.y}));
        left += glyph.width + LetterGap;
    }
    return nearest;
}
