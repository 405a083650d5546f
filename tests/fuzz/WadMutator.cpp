#include "WadMutator.h"

#include <cstring>

namespace {

constexpr size_t HEADER_SIZE = 8;
constexpr size_t TRAILER_SIZE = 8;
constexpr size_t DIRECTORY_HEAD_SIZE = 11; // "ZORDIR", its NUL and the count
constexpr size_t RECORD_SIZE = 272;
constexpr size_t NAME_SIZE = 256;
constexpr size_t RECORD_OFFSET_AT = 256;
constexpr size_t RECORD_SIZE_AT = 264;
constexpr size_t BMP_HEADERS_SIZE = 54;

// splitmix64: a small generator whose whole state is the seed, so a mutant is its seed's alone.
class Random {
  public:
    explicit Random(uint64_t seed) : state(seed) {}
    uint64_t next() {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    size_t below(size_t limit) { return limit ? static_cast<size_t>(next() % limit) : 0; }
    bool chance(int inEvery) { return below(static_cast<size_t>(inEvery)) == 0; }

  private:
    uint64_t state;
};

uint32_t get32(const std::vector<uint8_t> &bytes, size_t at) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = value << 8 | bytes[at + i];
    }
    return value;
}

// True when size bytes at at lie inside bytes; at may be a position that wrapped around.
bool inside(const std::vector<uint8_t> &bytes, size_t at, size_t size) {
    return at <= bytes.size() && bytes.size() - at >= size;
}

void put32(std::vector<uint8_t> &bytes, size_t at, uint32_t value) {
    if (!inside(bytes, at, 4)) {
        return;
    }
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

void put16(std::vector<uint8_t> &bytes, size_t at, uint16_t value) {
    if (inside(bytes, at, 2)) {
        bytes[at] = static_cast<uint8_t>(value);
        bytes[at + 1] = static_cast<uint8_t>(value >> 8);
    }
}

// A value a reader is likely to trip over, near the old one or near the file's length.
uint32_t interesting(Random &random, uint32_t old, uint32_t fileLength) {
    static const uint32_t edges[] = {0,          1,          2,          7,          8,
                                     0x7F,       0x80,       0xFF,       0x100,      0x7FFF,
                                     0x8000,     0xFFFF,     0x10000,    0x7FFFFFFF, 0x80000000,
                                     0xFFFFFFFF, 0xFFFFFFFE, 0x7FFFFFF0, 0xFFFFFF00, 1078};
    int32_t delta = static_cast<int32_t>(random.below(33)) - 16;
    switch (random.below(5)) {
    case 0:
        return edges[random.below(sizeof edges / sizeof edges[0])];
    case 1:
        return old + static_cast<uint32_t>(delta);
    case 2:
        return fileLength + static_cast<uint32_t>(delta);
    case 3:
        return static_cast<uint32_t>(-static_cast<int64_t>(old)); // negated, for signed fields
    default:
        return static_cast<uint32_t>(random.next());
    }
}

struct BmpField {
    size_t at;
    size_t size;
    // Values the loader or GDI gives a meaning to, tried besides the interesting ones.
    std::vector<uint32_t> meaningful;
};

const BmpField BMP_FIELDS[] = {
    {0, 2, {0x4D42, 0x424D, 0}},                             // bfType
    {2, 4, {}},                                              // bfSize
    {10, 4, {0, 14, 54, 1078}},                              // bfOffBits
    {14, 4, {0, 12, 40, 52, 56, 64, 108, 124, 1064}},        // biSize
    {18, 4, {0, 1, 0xFFFFFFFF, 0x80000000}},                 // biWidth
    {22, 4, {0, 1, 0xFFFFFFFF, 0xFFFFFFE0, 0x80000000}},     // biHeight, negative for top-down
    {26, 2, {0, 1, 2}},                                      // biPlanes
    {28, 2, {0, 1, 2, 4, 8, 15, 16, 24, 32, 64, 255}},       // biBitCount
    {30, 4, {0, 1, 2, 3, 4, 5, 6, 11}},                      // biCompression
    {34, 4, {0, 1, 0xFFFFFFFF}},                             // biSizeImage
    {46, 4, {0, 1, 2, 16, 255, 256, 257, 1024, 0xFFFFFFFF}}, // biClrUsed
    {50, 4, {0, 1, 256, 0xFFFFFFFF}},                        // biClrImportant
};

void mutateBmpField(std::vector<uint8_t> &bytes, size_t bmp, Random &random) {
    const BmpField &field = BMP_FIELDS[random.below(sizeof BMP_FIELDS / sizeof BMP_FIELDS[0])];
    size_t at = bmp + field.at;
    if (!inside(bytes, at, field.size)) {
        return;
    }
    uint32_t old = field.size == 2 ? uint32_t(bytes[at] | bytes[at + 1] << 8) : get32(bytes, at);
    uint32_t value = !field.meaningful.empty() && random.chance(2)
                         ? field.meaningful[random.below(field.meaningful.size())]
                         : interesting(random, old, static_cast<uint32_t>(bytes.size()));
    if (field.size == 2) {
        put16(bytes, at, static_cast<uint16_t>(value));
    } else {
        put32(bytes, at, value);
    }
}

// Fills a record's name field with bytes none of which is a NUL, keeping the name in front.
void unterminateName(std::vector<uint8_t> &bytes, size_t record, Random &random) {
    if (!inside(bytes, record, NAME_SIZE)) {
        return;
    }
    size_t length = strnlen(reinterpret_cast<const char *>(&bytes[record]), NAME_SIZE);
    uint8_t filler = static_cast<uint8_t>(1 + random.below(255));
    std::memset(&bytes[record + length], filler, NAME_SIZE - length);
}

void flipBytes(std::vector<uint8_t> &bytes, size_t from, size_t length, Random &random) {
    if (bytes.empty() || length == 0) {
        return;
    }
    int flips = 1 + static_cast<int>(random.below(8));
    for (int i = 0; i < flips; ++i) {
        size_t at = from + random.below(length);
        if (at < bytes.size()) {
            bytes[at] ^= static_cast<uint8_t>(1u << random.below(8));
        }
    }
}

} // namespace

WadMutator::WadMutator(std::vector<uint8_t> bytes) : base(std::move(bytes)) {
    if (base.size() < HEADER_SIZE + DIRECTORY_HEAD_SIZE + TRAILER_SIZE) {
        return;
    }
    directory = get32(base, base.size() - TRAILER_SIZE);
    if (directory + DIRECTORY_HEAD_SIZE > base.size()) {
        return;
    }
    uint32_t count = get32(base, directory + 7);
    for (uint32_t i = 0; i < count; ++i) {
        size_t record = directory + DIRECTORY_HEAD_SIZE + i * RECORD_SIZE;
        if (record + RECORD_SIZE > base.size()) {
            records.clear();
            return;
        }
        records.push_back(record);
        size_t data = get32(base, record + RECORD_OFFSET_AT);
        if (data + BMP_HEADERS_SIZE <= base.size() && base[data] == 'B' && base[data + 1] == 'M') {
            bitmaps.push_back(data);
        }
    }
}

std::vector<uint8_t> WadMutator::mutant(uint64_t seed) const {
    Random random(seed);
    std::vector<uint8_t> bytes = base;
    uint32_t length = static_cast<uint32_t>(bytes.size());
    int mutations = 1 + static_cast<int>(random.below(3));
    for (int i = 0; i < mutations; ++i) {
        size_t record = records[random.below(records.size())];
        size_t bmp = bitmaps.empty() ? 0 : bitmaps[random.below(bitmaps.size())];
        switch (random.below(10)) {
        case 0:
            put32(bytes, directory + 7, interesting(random, get32(base, directory + 7), length));
            break;
        case 1:
            put32(bytes, record + RECORD_OFFSET_AT,
                  interesting(random, get32(base, record + RECORD_OFFSET_AT), length));
            break;
        case 2:
            put32(bytes, record + RECORD_SIZE_AT,
                  interesting(random, get32(base, record + RECORD_SIZE_AT), length));
            break;
        case 3:
            put32(bytes, bytes.size() - TRAILER_SIZE,
                  interesting(random, static_cast<uint32_t>(directory), length));
            break;
        case 4:
            unterminateName(bytes, record, random);
            break;
        case 5:
        case 6:
        case 7:
            if (!bitmaps.empty()) {
                mutateBmpField(bytes, bmp, random);
            }
            break;
        case 8:
            bytes.resize(random.below(bytes.size() + 1));
            break;
        default:
            // Mostly inside the headers the loader reads, sometimes anywhere.
            if (!bitmaps.empty() && random.chance(2)) {
                flipBytes(bytes, bmp, BMP_HEADERS_SIZE + 1024, random);
            } else {
                flipBytes(bytes, 0, bytes.size(), random);
            }
            break;
        }
    }
    return bytes;
}
