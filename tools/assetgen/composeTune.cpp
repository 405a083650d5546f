#include "composeTune.h"
#include "noteNames.h"

#include <array>
#include <map>
#include <sstream>

namespace {

constexpr std::uint32_t Eighth = TuneTicksPerQuarter / 2;
constexpr std::uint32_t Sixteenth = TuneTicksPerQuarter / 4;

// MIDI channels (0-based; 9 is the General MIDI drum channel) and their programs.
constexpr int LeadChannel = 0, BassChannel = 1, PadChannel = 2, ArpChannel = 3, DrumChannel = 9;
constexpr int LeadProgram = 80; // Lead 1 (square)
constexpr int BassProgram = 38; // Synth Bass 1
constexpr int PadProgram = 89;  // Pad 2 (warm)
constexpr int ArpProgram = 11;  // Vibraphone

// General MIDI drum keys.
constexpr int Kick = 36, Snare = 38, ClosedHat = 42, OpenHat = 46, Crash = 49;

// One bar per chord.
const char *const Progression = "Am F C G Am F G E "
                                "F G Em Am Dm G C E "
                                "Am F C G Am F E Am";

// The lead, in eighth notes, eight to a bar.
const char *const Melody =
    // A: the theme, ending on the dominant.
    "E5:2 A4 B4 C5:2 E5:2   F5:2 E5 D5 C5:2 A4:2   G4:2 C5 D5 E5:2 G5:2   D5:3 C5 B4:2 G4:2 "
    "E5:2 A5:2 G5 F5 E5:2   F5 E5 D5 C5 A4:2 C5:2  D5:2 B4:2 G4:2 B4:2    G#4:2 B4:2 E5:4 "
    // B: higher, over F G Em Am Dm G C E.
    "A5:3 G5 F5:2 C5:2      G5:3 F5 D5:2 B4:2      E5:2 G5:2 B5:2 G5:2    A5:4 E5:2 C5:2 "
    "D5:2 F5:2 A5:2 F5:2    G5:2 F5 E5 D5:2 B4:2   C5:2 E5:2 G5:2 E5 C5   E5:2 D5:2 B4:2 G#4:2 "
    // A': the theme again, then the cadence home.
    "E5:2 A4 B4 C5:2 E5:2   F5:2 E5 D5 C5:2 A4:2   G4:2 C5 D5 E5:2 G5:2   D5:3 C5 B4:2 G4:2 "
    "E5:2 A5:2 G5 F5 E5:2   F5 E5 D5 C5 A4:2 C5:2  E5:2 D5 C5 B4:2 G#4:2  A4:8";

struct Chord {
    const char *bass;
    std::array<const char *, 3> voicing;
};

// Close voicings around middle C, chosen so that neighbouring chords move little.
const std::map<std::string, Chord> Chords{
    {"Am", {"A2", {"A3", "C4", "E4"}}}, {"F", {"F2", {"A3", "C4", "F4"}}},
    {"C", {"C3", {"G3", "C4", "E4"}}},  {"G", {"G2", {"G3", "B3", "D4"}}},
    {"E", {"E2", {"G#3", "B3", "E4"}}}, {"Em", {"E2", {"G3", "B3", "E4"}}},
    {"Dm", {"D3", {"A3", "D4", "F4"}}}};

// The chord of each bar, or an empty list if the progression names an unknown chord.
std::vector<Chord> chordsOfBars() {
    std::vector<Chord> bars;
    std::istringstream names(Progression);
    std::string name;
    while (names >> name) {
        const auto found = Chords.find(name);
        if (found == Chords.end())
            return {};
        bars.push_back(found->second);
    }
    return bars;
}

// The first bar of a section and the bar a drum fill leads out of.
bool startsSection(int bar) {
    return bar % 8 == 0;
}
bool endsSection(int bar) {
    return bar % 8 == 7;
}
bool inThemeSection(int bar) {
    return bar < 8;
}

// Tempo, metre and name.
MidiTrack conductorTrack() {
    MidiTrack track;
    addTrackName(track, "Zorvd");
    addTimeSignature(track, 0, 4, 2);
    addTempo(track, 0, TuneMicrosecondsPerQuarter);
    return track;
}

// Program, volume, pan and reverb of a part, at the very start.
void setUpPart(MidiTrack &track, const std::string &name, int channel, int program, int volume,
               int pan, int reverb) {
    addTrackName(track, name);
    addProgram(track, 0, channel, program);
    addControl(track, 0, channel, 7, volume);
    addControl(track, 0, channel, 10, pan);
    addControl(track, 0, channel, 91, reverb);
}

// The lead: slightly detached notes, the last one held to the bar line.
bool leadTrack(MidiTrack &track) {
    std::vector<ScoreNote> notes;
    if (!parseNotes(Melody, notes))
        return false;
    setUpPart(track, "Lead", LeadChannel, LeadProgram, 96, 64, 50);
    std::uint32_t tick = 0;
    for (const ScoreNote &note : notes) {
        const std::uint32_t length = static_cast<std::uint32_t>(note.steps) * Eighth;
        const bool last = tick + length == TuneEndTick;
        if (note.key >= 0)
            addNote(track, tick, last ? length : length - 24, LeadChannel, note.key, 100);
        tick += length;
    }
    return tick == TuneEndTick;
}

// The bass: octave-jumping eighths on the chord's root; the final bar holds the root.
void bassTrack(MidiTrack &track, const std::vector<Chord> &bars) {
    setUpPart(track, "Bass", BassChannel, BassProgram, 100, 64, 10);
    for (int bar = 0; bar < TuneBars; ++bar) {
        const int root = keyOfName(bars[static_cast<std::size_t>(bar)].bass);
        const std::uint32_t start = static_cast<std::uint32_t>(bar) * TuneTicksPerBar;
        if (bar == TuneBars - 1) {
            addNote(track, start, TuneTicksPerBar, BassChannel, root, 100);
            continue;
        }
        for (int step = 0; step < 8; ++step)
            addNote(track, start + static_cast<std::uint32_t>(step) * Eighth, Eighth - 40,
                    BassChannel, root + (step % 2) * 12, step % 2 ? 80 : 100);
    }
}

// The pad: each chord held for its whole bar.
void padTrack(MidiTrack &track, const std::vector<Chord> &bars) {
    setUpPart(track, "Pad", PadChannel, PadProgram, 72, 44, 70);
    for (int bar = 0; bar < TuneBars; ++bar)
        for (const char *name : bars[static_cast<std::size_t>(bar)].voicing)
            addNote(track, static_cast<std::uint32_t>(bar) * TuneTicksPerBar, TuneTicksPerBar,
                    PadChannel, keyOfName(name), 64);
}

// The arpeggio: sixteenths over the chord an octave up, from the second section on.
void arpTrack(MidiTrack &track, const std::vector<Chord> &bars) {
    setUpPart(track, "Arpeggio", ArpChannel, ArpProgram, 70, 88, 60);
    static const int pattern[4] = {0, 1, 2, 1};
    for (int bar = 8; bar < TuneBars; ++bar) {
        const Chord &chord = bars[static_cast<std::size_t>(bar)];
        for (int step = 0; step < 16; ++step) {
            const int key = keyOfName(chord.voicing[static_cast<std::size_t>(pattern[step % 4])]);
            addNote(track,
                    static_cast<std::uint32_t>(bar) * TuneTicksPerBar +
                        static_cast<std::uint32_t>(step) * Sixteenth,
                    Sixteenth - 20, ArpChannel, key + 12, step % 4 == 0 ? 60 : 45);
        }
    }
}

// Adds one drum hit; drum notes are short, the sound decays by itself.
void hit(MidiTrack &track, std::uint32_t tick, int key, int velocity) {
    addNote(track, tick, Sixteenth / 2, DrumChannel, key, velocity);
}

// One bar of drums: kick on 1 and 3, snare on 2 and 4, eighth hi-hats, a crash at each
// section start and a snare roll into the next section.
void drumBar(MidiTrack &track, int bar) {
    const std::uint32_t start = static_cast<std::uint32_t>(bar) * TuneTicksPerBar;
    auto at = [start](int eighth) { return start + static_cast<std::uint32_t>(eighth) * Eighth; };
    if (startsSection(bar))
        hit(track, at(0), Crash, 100);
    hit(track, at(0), Kick, 112);
    hit(track, at(4), Kick, 108);
    if (!inThemeSection(bar))
        hit(track, at(5), Kick, 90);
    hit(track, at(2), Snare, 100);
    for (int eighth = 0; eighth < 8; ++eighth) {
        if (eighth == 7 && bar % 2 == 1 && !endsSection(bar))
            hit(track, at(eighth), OpenHat, 70);
        else if (!(startsSection(bar) && eighth == 0))
            hit(track, at(eighth), ClosedHat, eighth % 2 ? 52 : 72);
    }
    if (!endsSection(bar)) {
        hit(track, at(6), Snare, 100);
        return;
    }
    for (int roll = 0; roll < 4; ++roll)
        hit(track, at(6) + static_cast<std::uint32_t>(roll) * Sixteenth, Snare, 80 + roll * 10);
}

// The drums, channel 10.
void drumTrack(MidiTrack &track) {
    addTrackName(track, "Drums");
    addControl(track, 0, DrumChannel, 7, 100);
    addControl(track, 0, DrumChannel, 91, 30);
    for (int bar = 0; bar < TuneBars; ++bar)
        drumBar(track, bar);
}

} // namespace

std::vector<MidiTrack> composeTuneTracks() {
    const std::vector<Chord> bars = chordsOfBars();
    if (bars.size() != TuneBars)
        return {};
    std::vector<MidiTrack> tracks(6);
    tracks[0] = conductorTrack();
    if (!leadTrack(tracks[1]))
        return {};
    bassTrack(tracks[2], bars);
    padTrack(tracks[3], bars);
    arpTrack(tracks[4], bars);
    drumTrack(tracks[5]);
    return tracks;
}

Bytes composeTune() {
    const std::vector<MidiTrack> tracks = composeTuneTracks();
    if (tracks.empty())
        return {};
    return encodeMidiFile(tracks, TuneTicksPerQuarter, TuneEndTick);
}
