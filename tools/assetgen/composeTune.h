// composeTune: "Zorvd", the demo's looping tune: 24 bars in A minor at 120 beats a minute,
// 48 seconds, with lead, bass, pad, arpeggio and drums. Three sections of eight bars: a theme (A),
// a brighter answer over the relative major (B), and the theme again with a cadence that comes
// home to A minor (A'). The last bar resolves, and the first bar of the theme follows seamlessly.
#pragma once

#include "MidiFile.h"

constexpr std::uint16_t TuneTicksPerQuarter = 480;
constexpr std::uint32_t TuneTicksPerBar = 4 * TuneTicksPerQuarter;
constexpr int TuneBars = 24;
// Every track ends here, on the last bar line, so the tune loops without a gap.
constexpr std::uint32_t TuneEndTick = TuneBars * TuneTicksPerBar;
// 120 quarter notes a minute.
constexpr std::uint32_t TuneMicrosecondsPerQuarter = 500000;

// The tracks of the tune: a conductor track with tempo and metre, then one track per part.
// Empty if the written score does not fill the 24 bars exactly.
std::vector<MidiTrack> composeTuneTracks();

// The standard MIDI file of the tune; empty if the score is faulty.
Bytes composeTune();
