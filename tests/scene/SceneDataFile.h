// The data file of a working demo, written by the scene tests into their working directory so
// the start-up and the sprite reload read real bytes. Built with the shared builders.
#pragma once

#include <cstdint>

#include "support/BmpImage.h"
#include "support/DataFileImage.h"

// The bytes of the tune in makeDemoDataFile: the header chunk of a MIDI file.
Bytes demoTune();
// The data file of a working demo: the three sprites of the given sizes and a short tune.
Bytes makeDemoDataFile(int32_t ballSize, int32_t starSize, int32_t logoWidth, int32_t logoHeight);
