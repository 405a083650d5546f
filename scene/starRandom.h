// The star field's own pseudo-random generator: never seeded, so every run draws the same
// sequence.
#pragma once

#include <cstdint>

// The generator's state; 1 when the process starts.
extern uint32_t starRandomState;

// Advances the state and yields a value from 0 to 32767.
int32_t starRandom();
