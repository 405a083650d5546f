// The star field's own pseudo-random generator, and the scattering of the sixty stars with it.
// The generator is never seeded, so every run draws the same sequence.
#pragma once

#include <cstdint>

// The generator's state when the process starts.
constexpr uint32_t STAR_RANDOM_START = 1;
// The generator's state.
extern uint32_t starRandomState;

// Advances the state and yields a value from 0 to 32767.
int32_t starRandom();

// Gives every star an x in 0..639 and a y in 0..479, drawing x then y from starRandom.
void seedStars();
