// WadMutator: makes mutants of a data file aimed at what the reader and the BMP loader trust:
// the directory's count, offsets and sizes, the trailer, names without a NUL, every BMP header
// field, plus truncations and byte flips. Mutant s depends on the seed s alone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class WadMutator {
  public:
    explicit WadMutator(std::vector<uint8_t> base);

    // True when the base parsed as a data file with its directory inside it.
    bool valid() const { return !records.empty(); }
    std::vector<uint8_t> mutant(uint64_t seed) const;

  private:
    std::vector<uint8_t> base;
    size_t directory = 0;
    // Positions of the directory records, and of the entries that begin with "BM".
    std::vector<size_t> records;
    std::vector<size_t> bitmaps;
};
