// icongen: draws the application icon, a shaded ball marked with a "Z", and writes it as an
// .ico with two 32 x 32 images: 16 colours at 4 bits per pixel and 256 colours at 8.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int SIZE = 32;

struct Colour {
    uint8_t red, green, blue;
};

// One pixel of the drawn picture: its colour and whether it belongs to the icon at all.
struct Pixel {
    Colour colour;
    bool opaque;
};

// Distance from point (px, py) to the segment from (ax, ay) to (bx, by).
double distanceToSegment(double px, double py, double ax, double ay, double bx, double by) {
    double dx = bx - ax, dy = by - ay;
    double t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy);
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    double cx = ax + t * dx - px, cy = ay + t * dy - py;
    return std::sqrt(cx * cx + cy * cy);
}

// True where the thick "Z" covers the pixel centre (x, y).
bool insideZ(double x, double y) {
    const double half = 1.7;
    return distanceToSegment(x, y, 10, 10, 22, 10) < half ||
           distanceToSegment(x, y, 22, 10, 10, 22) < half ||
           distanceToSegment(x, y, 10, 22, 22, 22) < half;
}

uint8_t clampByte(double value) {
    return static_cast<uint8_t>(value < 0 ? 0 : (value > 255 ? 255 : value + 0.5));
}

// Draws the icon top row first: a blue sphere lit from the upper left, with a white "Z".
std::vector<Pixel> drawPicture() {
    std::vector<Pixel> picture(SIZE * SIZE);
    const double centre = 15.5, radius = 15.0;
    for (int y = 0; y < SIZE; ++y) {
        for (int x = 0; x < SIZE; ++x) {
            double nx = (x - centre) / radius, ny = (y - centre) / radius;
            double rr = nx * nx + ny * ny;
            Pixel &pixel = picture[y * SIZE + x];
            if (rr > 1.0) {
                pixel = {{0, 0, 0}, false};
                continue;
            }
            double nz = std::sqrt(1.0 - rr);
            double light = 0.25 + 0.75 * std::fmax(0.0, (-nx * 0.5 - ny * 0.5 + nz * 0.7071));
            double shine = std::pow(std::fmax(0.0, -nx * 0.4 - ny * 0.4 + nz * 0.82), 24.0);
            Colour colour = {clampByte(40 * light + 255 * shine),
                             clampByte(110 * light + 255 * shine),
                             clampByte(230 * light + 255 * shine)};
            if (insideZ(x + 0.5, y + 0.5)) {
                colour = {250, 250, 250};
            }
            pixel = {colour, true};
        }
    }
    return picture;
}

// The 16 colours of the standard VGA palette.
std::vector<Colour> vgaPalette() {
    return {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
            {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
            {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
            {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
}

// 256 colours: a 6 x 6 x 6 colour cube followed by 40 greys.
std::vector<Colour> cubePalette() {
    std::vector<Colour> palette;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette.push_back({uint8_t(r * 51), uint8_t(g * 51), uint8_t(b * 51)});
    for (int grey = 0; grey < 40; ++grey)
        palette.push_back(
            {uint8_t(grey * 255 / 39), uint8_t(grey * 255 / 39), uint8_t(grey * 255 / 39)});
    return palette;
}

// Index of the palette colour nearest to colour.
uint8_t nearestIndex(const std::vector<Colour> &palette, Colour colour) {
    int best = 0;
    long bestDistance = -1;
    for (size_t i = 0; i < palette.size(); ++i) {
        long dr = palette[i].red - colour.red, dg = palette[i].green - colour.green,
             db = palette[i].blue - colour.blue;
        long distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            best = static_cast<int>(i);
            bestDistance = distance;
        }
    }
    return static_cast<uint8_t>(best);
}

void put16(std::vector<uint8_t> &out, uint32_t value) {
    out.push_back(value & 0xFF);
    out.push_back((value >> 8) & 0xFF);
}

void put32(std::vector<uint8_t> &out, uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// One icon image: BITMAPINFOHEADER (double height), colour table, XOR bits, AND mask.
std::vector<uint8_t> iconImage(const std::vector<Pixel> &picture, int bitsPerPixel,
                               const std::vector<Colour> &palette) {
    const int xorRowBytes = SIZE * bitsPerPixel / 8;
    const int andRowBytes = 4;
    std::vector<uint8_t> out;
    put32(out, 40);
    put32(out, SIZE);
    put32(out, SIZE * 2);
    put16(out, 1);
    put16(out, bitsPerPixel);
    put32(out, 0);
    put32(out, (xorRowBytes + andRowBytes) * SIZE);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    for (const Colour &colour : palette) {
        out.push_back(colour.blue);
        out.push_back(colour.green);
        out.push_back(colour.red);
        out.push_back(0);
    }
    for (int row = SIZE - 1; row >= 0; --row) {
        std::vector<uint8_t> bits(xorRowBytes, 0);
        for (int x = 0; x < SIZE; ++x) {
            const Pixel &pixel = picture[row * SIZE + x];
            uint8_t index = pixel.opaque ? nearestIndex(palette, pixel.colour) : 0;
            if (bitsPerPixel == 8) {
                bits[x] = index;
            } else {
                bits[x / 2] |= (x % 2 == 0) ? uint8_t(index << 4) : index;
            }
        }
        out.insert(out.end(), bits.begin(), bits.end());
    }
    for (int row = SIZE - 1; row >= 0; --row) {
        uint32_t mask = 0;
        for (int x = 0; x < SIZE; ++x) {
            if (!picture[row * SIZE + x].opaque) {
                mask |= 0x80000000u >> x;
            }
        }
        // The mask is stored most significant byte first.
        out.push_back(mask >> 24);
        out.push_back((mask >> 16) & 0xFF);
        out.push_back((mask >> 8) & 0xFF);
        out.push_back(mask & 0xFF);
    }
    return out;
}

// The .ico file: its directory of two entries, then the 4-bit and the 8-bit image.
std::vector<uint8_t> iconFile(const std::vector<Pixel> &picture) {
    std::vector<uint8_t> images[2] = {iconImage(picture, 4, vgaPalette()),
                                      iconImage(picture, 8, cubePalette())};
    const int colourCounts[2] = {16, 0};
    const int bitCounts[2] = {4, 8};
    std::vector<uint8_t> out;
    put16(out, 0);
    put16(out, 1);
    put16(out, 2);
    uint32_t offset = 6 + 16 * 2;
    for (int i = 0; i < 2; ++i) {
        out.push_back(SIZE);
        out.push_back(SIZE);
        out.push_back(colourCounts[i]);
        out.push_back(0);
        put16(out, 1);
        put16(out, bitCounts[i]);
        put32(out, images[i].size());
        put32(out, offset);
        offset += images[i].size();
    }
    for (const auto &image : images) {
        out.insert(out.end(), image.begin(), image.end());
    }
    return out;
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: icongen OUTPUT.ico\n");
        return 2;
    }
    std::vector<uint8_t> bytes = iconFile(drawPicture());
    FILE *file = std::fopen(argv[1], "wb");
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() ||
        std::fclose(file) != 0) {
        std::fprintf(stderr, "icongen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
