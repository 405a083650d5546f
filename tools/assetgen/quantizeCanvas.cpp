#include "quantizeCanvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>

namespace {

using Rgb = std::array<int, 3>;

struct ColourCount {
    Rgb colour;
    std::uint64_t count;
};

using Box = std::vector<ColourCount>;

// Rounds a 0..255 channel value and keeps it in range.
int toChannel(double value) {
    return std::clamp(static_cast<int>(std::lround(value)), 0, 255);
}

// Brightens a colour just enough, keeping its hue, that it survives 15-bit modes.
Rgb brightenToVisible(Rgb colour) {
    const int brightest = std::max({colour[0], colour[1], colour[2]});
    if (brightest >= DarkestVisibleChannel)
        return colour;
    if (brightest == 0)
        return Rgb{DarkestVisibleChannel, DarkestVisibleChannel, DarkestVisibleChannel};
    for (int &channel : colour)
        channel = (channel * DarkestVisibleChannel + brightest - 1) / brightest;
    return colour;
}

// The colour a visible pixel is stored with.
Rgb visibleColour(const Shade &shade) {
    return brightenToVisible(
        Rgb{toChannel(shade.red), toChannel(shade.green), toChannel(shade.blue)});
}

// Largest spread of any channel within the box, and which channel has it.
std::pair<int, int> widestChannel(const Box &box) {
    int bestRange = -1;
    int bestChannel = 0;
    for (int channel = 0; channel < 3; ++channel) {
        int low = 255;
        int high = 0;
        for (const ColourCount &entry : box) {
            low = std::min(low, entry.colour[channel]);
            high = std::max(high, entry.colour[channel]);
        }
        if (high - low > bestRange) {
            bestRange = high - low;
            bestChannel = channel;
        }
    }
    return {bestRange, bestChannel};
}

// How much splitting the box would help: wide boxes holding many pixels first.
std::uint64_t splitPriority(const Box &box) {
    if (box.size() < 2)
        return 0;
    std::uint64_t pixels = 0;
    for (const ColourCount &entry : box)
        pixels += entry.count;
    return static_cast<std::uint64_t>(widestChannel(box).first) * pixels;
}

// Splits a box at the pixel-weighted median of its widest channel.
std::pair<Box, Box> splitBox(Box box) {
    const int channel = widestChannel(box).second;
    std::sort(box.begin(), box.end(), [channel](const ColourCount &a, const ColourCount &b) {
        if (a.colour[channel] != b.colour[channel])
            return a.colour[channel] < b.colour[channel];
        return a.colour < b.colour;
    });
    std::uint64_t total = 0;
    for (const ColourCount &entry : box)
        total += entry.count;
    std::uint64_t running = 0;
    std::size_t cut = 1;
    for (; cut < box.size(); ++cut) {
        running += box[cut - 1].count;
        if (running * 2 >= total)
            break;
    }
    cut = std::min(cut, box.size() - 1);
    return {Box(box.begin(), box.begin() + static_cast<std::ptrdiff_t>(cut)),
            Box(box.begin() + static_cast<std::ptrdiff_t>(cut), box.end())};
}

// Divides the colours into at most `limit` boxes.
std::vector<Box> medianCut(Box all, std::size_t limit) {
    std::vector<Box> boxes{std::move(all)};
    while (boxes.size() < limit) {
        std::size_t best = 0;
        for (std::size_t i = 1; i < boxes.size(); ++i)
            if (splitPriority(boxes[i]) > splitPriority(boxes[best]))
                best = i;
        if (splitPriority(boxes[best]) == 0)
            break;
        auto halves = splitBox(std::move(boxes[best]));
        boxes[best] = std::move(halves.first);
        boxes.push_back(std::move(halves.second));
    }
    return boxes;
}

// The pixel-weighted mean colour of a box.
PaletteEntry meanColour(const Box &box) {
    std::array<std::uint64_t, 3> sums{};
    std::uint64_t total = 0;
    for (const ColourCount &entry : box) {
        for (int channel = 0; channel < 3; ++channel)
            sums[static_cast<std::size_t>(channel)] +=
                static_cast<std::uint64_t>(entry.colour[channel]) * entry.count;
        total += entry.count;
    }
    auto mean = [&](int channel) {
        return static_cast<int>((sums[static_cast<std::size_t>(channel)] + total / 2) / total);
    };
    // A mean of dim colours of different hues can be dimmer than each of them.
    const Rgb colour = brightenToVisible(Rgb{mean(0), mean(1), mean(2)});
    return PaletteEntry{static_cast<std::uint8_t>(colour[0]), static_cast<std::uint8_t>(colour[1]),
                        static_cast<std::uint8_t>(colour[2])};
}

// The palette index (1 and up) nearest to colour; the lowest index wins a tie.
std::uint8_t nearestEntry(const IndexedImage &image, int used, const Rgb &colour) {
    int best = 1;
    int bestDistance = -1;
    for (int index = 1; index <= used; ++index) {
        const PaletteEntry &entry = image.palette[static_cast<std::size_t>(index)];
        const int dr = entry.red - colour[0];
        const int dg = entry.green - colour[1];
        const int db = entry.blue - colour[2];
        const int distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            best = index;
            bestDistance = distance;
        }
    }
    return static_cast<std::uint8_t>(best);
}

} // namespace

IndexedImage quantizeCanvas(const Canvas &canvas) {
    std::map<Rgb, std::uint64_t> histogram;
    for (const Shade &shade : canvas.pixels)
        if (shade.coverage >= VisibleCoverage)
            ++histogram[visibleColour(shade)];

    Box all;
    for (const auto &[colour, count] : histogram)
        all.push_back(ColourCount{colour, count});

    IndexedImage image;
    image.width = canvas.width;
    image.height = canvas.height;
    int used = 0;
    if (!all.empty())
        for (const Box &box : medianCut(std::move(all), 255))
            image.palette[static_cast<std::size_t>(++used)] = meanColour(box);

    std::map<Rgb, std::uint8_t> chosen;
    image.pixels.reserve(canvas.pixels.size());
    for (const Shade &shade : canvas.pixels) {
        if (shade.coverage < VisibleCoverage) {
            image.pixels.push_back(TransparentIndex);
            continue;
        }
        const Rgb colour = visibleColour(shade);
        auto found = chosen.find(colour);
        if (found == chosen.end())
            found = chosen.emplace(colour, nearestEntry(image, used, colour)).first;
        image.pixels.push_back(found->second);
    }
    return image;
}
