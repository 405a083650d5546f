// MidiFile: builds the bytes of a standard MIDI file (format 1) from timed events, without
// running status, so every event stands alone.
#pragma once

#include "ByteAppend.h"

#include <cstdint>
#include <string>

// Appends value as a MIDI variable-length quantity: 7 bits a byte, most significant first,
// every byte but the last with its top bit set. Values above 0x0FFFFFFF are not allowed by the
// format and are cut to 28 bits.
void appendVariableLength(Bytes &out, std::uint32_t value);

struct MidiEvent {
    std::uint32_t tick = 0;
    // Order among events of the same tick: meta events, then note-offs, then controls and
    // programs, then note-ons. A note that ends where the next begins is released first.
    int rank = 0;
    // Status byte and data, or 0xFF, type, length and data for a meta event.
    Bytes message;
};

struct MidiTrack {
    std::vector<MidiEvent> events;
};

// Adds a meta event naming the track.
void addTrackName(MidiTrack &track, const std::string &name);

// Adds a tempo meta event: microseconds per quarter note.
void addTempo(MidiTrack &track, std::uint32_t tick, std::uint32_t microsecondsPerQuarter);

// Adds a time-signature meta event: numerator / 2^denominatorPower.
void addTimeSignature(MidiTrack &track, std::uint32_t tick, int numerator, int denominatorPower);

// Adds a General MIDI program change; channel 0 to 15, program 0 to 127.
void addProgram(MidiTrack &track, std::uint32_t tick, int channel, int program);

// Adds a control change.
void addControl(MidiTrack &track, std::uint32_t tick, int channel, int control, int value);

// Adds a note-on at tick and its note-off length ticks later.
void addNote(MidiTrack &track, std::uint32_t tick, std::uint32_t length, int channel, int key,
             int velocity);

// The "MTrk" chunk: events in time order, then End of Track at endTick (or at the last event
// if that is later).
Bytes encodeTrack(const MidiTrack &track, std::uint32_t endTick);

// The whole file: "MThd" with format 1, the tracks, ticksPerQuarter as the division.
Bytes encodeMidiFile(const std::vector<MidiTrack> &tracks, std::uint16_t ticksPerQuarter,
                     std::uint32_t endTick);
