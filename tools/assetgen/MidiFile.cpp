#include "MidiFile.h"

#include <algorithm>

namespace {

enum Rank { RankMeta = 0, RankNoteOff = 1, RankControl = 2, RankNoteOn = 3 };

// One byte of a channel message: status nibble and channel, or a 7-bit data value.
std::uint8_t statusByte(int kind, int channel) {
    return static_cast<std::uint8_t>(kind | (channel & 0x0F));
}
std::uint8_t dataByte(int value) {
    return static_cast<std::uint8_t>(value & 0x7F);
}

// Adds a meta event of the given type and body.
void addMeta(MidiTrack &track, std::uint32_t tick, std::uint8_t type, const Bytes &body) {
    Bytes message{0xFF, type};
    appendVariableLength(message, static_cast<std::uint32_t>(body.size()));
    message.insert(message.end(), body.begin(), body.end());
    track.events.push_back(MidiEvent{tick, RankMeta, std::move(message)});
}

} // namespace

void appendVariableLength(Bytes &out, std::uint32_t value) {
    value &= 0x0FFFFFFF;
    int shift = 21;
    while (shift > 0 && (value >> shift) == 0)
        shift -= 7;
    for (; shift > 0; shift -= 7)
        out.push_back(static_cast<std::uint8_t>(0x80 | ((value >> shift) & 0x7F)));
    out.push_back(static_cast<std::uint8_t>(value & 0x7F));
}

void addTrackName(MidiTrack &track, const std::string &name) {
    addMeta(track, 0, 0x03, Bytes(name.begin(), name.end()));
}

void addTempo(MidiTrack &track, std::uint32_t tick, std::uint32_t microsecondsPerQuarter) {
    addMeta(track, tick, 0x51,
            {static_cast<std::uint8_t>(microsecondsPerQuarter >> 16),
             static_cast<std::uint8_t>(microsecondsPerQuarter >> 8),
             static_cast<std::uint8_t>(microsecondsPerQuarter)});
}

void addTimeSignature(MidiTrack &track, std::uint32_t tick, int numerator, int denominatorPower) {
    // 24 MIDI clocks per metronome click, 8 thirty-second notes per quarter.
    addMeta(
        track, tick, 0x58,
        {static_cast<std::uint8_t>(numerator), static_cast<std::uint8_t>(denominatorPower), 24, 8});
}

void addProgram(MidiTrack &track, std::uint32_t tick, int channel, int program) {
    track.events.push_back(
        MidiEvent{tick, RankControl, {statusByte(0xC0, channel), dataByte(program)}});
}

void addControl(MidiTrack &track, std::uint32_t tick, int channel, int control, int value) {
    track.events.push_back(MidiEvent{
        tick, RankControl, {statusByte(0xB0, channel), dataByte(control), dataByte(value)}});
}

void addNote(MidiTrack &track, std::uint32_t tick, std::uint32_t length, int channel, int key,
             int velocity) {
    track.events.push_back(MidiEvent{
        tick, RankNoteOn, {statusByte(0x90, channel), dataByte(key), dataByte(velocity)}});
    track.events.push_back(MidiEvent{
        tick + length, RankNoteOff, {statusByte(0x80, channel), dataByte(key), dataByte(0)}});
}

Bytes encodeTrack(const MidiTrack &track, std::uint32_t endTick) {
    std::vector<MidiEvent> events = track.events;
    std::stable_sort(events.begin(), events.end(), [](const MidiEvent &a, const MidiEvent &b) {
        return a.tick != b.tick ? a.tick < b.tick : a.rank < b.rank;
    });
    Bytes body;
    std::uint32_t now = 0;
    for (const MidiEvent &event : events) {
        appendVariableLength(body, event.tick - now);
        body.insert(body.end(), event.message.begin(), event.message.end());
        now = event.tick;
    }
    appendVariableLength(body, std::max(endTick, now) - now);
    body.insert(body.end(), {0xFF, 0x2F, 0x00});

    Bytes chunk{'M', 'T', 'r', 'k'};
    appendBig32(chunk, static_cast<std::uint32_t>(body.size()));
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

Bytes encodeMidiFile(const std::vector<MidiTrack> &tracks, std::uint16_t ticksPerQuarter,
                     std::uint32_t endTick) {
    Bytes file{'M', 'T', 'h', 'd'};
    appendBig32(file, 6);
    appendBig16(file, 1);
    appendBig16(file, static_cast<std::uint32_t>(tracks.size()));
    appendBig16(file, ticksPerQuarter);
    for (const MidiTrack &track : tracks) {
        const Bytes chunk = encodeTrack(track, endTick);
        file.insert(file.end(), chunk.begin(), chunk.end());
    }
    return file;
}
