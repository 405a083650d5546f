// Tests of the note-name reader and of the finished tune, read back from its MIDI bytes.
#include "composeTune.h"
#include "noteNames.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

TEST(NoteNames, GivesMidiKeys) {
    const struct {
        const char *name;
        int key;
    } cases[] = {{"C4", 60},  {"A4", 69}, {"G#4", 68}, {"Bb2", 46}, {"C-1", -1},
                 {"C0", 12},  {"B9", -1}, {"G9", 127}, {"H4", -1},  {"C", -1},
                 {"C44", -1}, {"c4", -1}, {"E#", -1},  {"", -1}};
    for (const auto &c : cases)
        EXPECT_EQ(c.key, keyOfName(c.name)) << c.name;
}

TEST(NoteNames, ReadsLengthsAndRests) {
    std::vector<ScoreNote> notes;
    ASSERT_TRUE(parseNotes("  E5:2 A4\tR:3  G#4:12 ", notes));
    ASSERT_EQ(4u, notes.size());
    EXPECT_EQ(76, notes[0].key);
    EXPECT_EQ(2, notes[0].steps);
    EXPECT_EQ(69, notes[1].key);
    EXPECT_EQ(1, notes[1].steps);
    EXPECT_EQ(-1, notes[2].key);
    EXPECT_EQ(3, notes[2].steps);
    EXPECT_EQ(12, notes[3].steps);
}

TEST(NoteNames, RefusesMistypedWords) {
    for (const char *line : {"E5:", "E5:0", "E5:x", "E5:123", "X5", "E5:2 Q"}) {
        std::vector<ScoreNote> notes;
        EXPECT_FALSE(parseNotes(line, notes)) << line;
    }
}

namespace {

struct ReadEvent {
    std::uint32_t tick;
    std::uint8_t status;
    std::uint8_t data1;
    std::uint8_t data2;
    std::uint8_t metaType;
    Bytes metaBody;
};

struct ReadTrack {
    std::vector<ReadEvent> events;
    std::uint32_t endTick = 0;
    bool endsWithEndOfTrack = false;
};

// A strict reader of the subset the generator writes: no running status, no SysEx.
class MidiReader {
  public:
    explicit MidiReader(Bytes file) : bytes(std::move(file)) {}

    bool readHeader(int &format, int &tracks, int &division) {
        if (!expect("MThd") || big(4) != 6)
            return false;
        format = static_cast<int>(big(2));
        tracks = static_cast<int>(big(2));
        division = static_cast<int>(big(2));
        return ok;
    }

    bool readTrack(ReadTrack &track) {
        if (!expect("MTrk"))
            return false;
        const std::uint32_t size = big(4);
        const std::size_t end = at + size;
        std::uint32_t tick = 0;
        while (ok && at < end) {
            tick += variable();
            ReadEvent event{tick, byte(), 0, 0, 0, {}};
            if (event.status == 0xFF) {
                event.metaType = byte();
                const std::uint32_t size = variable();
                if (event.metaType == 0x2F) {
                    track.endTick = tick;
                    track.endsWithEndOfTrack = size == 0 && at == end;
                }
                for (std::uint32_t i = 0; i < size; ++i)
                    event.metaBody.push_back(byte());
            } else if (event.status >= 0x80 && event.status < 0xF0) {
                event.data1 = byte();
                const int kind = event.status & 0xF0;
                if (kind != 0xC0 && kind != 0xD0)
                    event.data2 = byte();
            } else {
                ok = false;
            }
            track.events.push_back(event);
        }
        return ok && at == end;
    }

    bool atEnd() const { return at == bytes.size(); }

  private:
    Bytes bytes;
    std::size_t at = 0;
    bool ok = true;

    std::uint8_t byte() {
        if (at >= bytes.size()) {
            ok = false;
            return 0;
        }
        return bytes[at++];
    }
    std::uint32_t big(int size) {
        std::uint32_t value = 0;
        for (int i = 0; i < size; ++i)
            value = value << 8 | byte();
        return value;
    }
    std::uint32_t variable() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint8_t next = byte();
            value = value << 7 | (next & 0x7F);
            if (!(next & 0x80))
                return value;
        }
        ok = false;
        return value;
    }
    bool expect(const char *tag) {
        for (int i = 0; i < 4; ++i)
            if (byte() != static_cast<std::uint8_t>(tag[i]))
                ok = false;
        return ok;
    }
};

class TheTune : public ::testing::Test {
  protected:
    void SetUp() override {
        MidiReader reader(composeTune());
        int count = 0;
        ASSERT_TRUE(reader.readHeader(format, count, division));
        tracks.resize(static_cast<std::size_t>(count));
        for (ReadTrack &track : tracks)
            ASSERT_TRUE(reader.readTrack(track));
        ASSERT_TRUE(reader.atEnd());
    }

    static bool isNoteOn(const ReadEvent &e) { return (e.status & 0xF0) == 0x90 && e.data2 > 0; }
    static bool isNoteOff(const ReadEvent &e) {
        return (e.status & 0xF0) == 0x80 || ((e.status & 0xF0) == 0x90 && e.data2 == 0);
    }

    int format = -1;
    int division = 0;
    std::vector<ReadTrack> tracks;
};

} // namespace

TEST_F(TheTune, IsAFormatOneFileWithATempoAndLastsBetweenHalfAMinuteAndNinetySeconds) {
    EXPECT_EQ(1, format);
    EXPECT_EQ(TuneTicksPerQuarter, division);
    ASSERT_FALSE(tracks.empty());
    std::uint32_t tempo = 0;
    for (const ReadEvent &e : tracks[0].events)
        if (e.status == 0xFF && e.metaType == 0x51 && e.metaBody.size() == 3) {
            EXPECT_EQ(0u, e.tick);
            tempo = std::uint32_t(e.metaBody[0]) << 16 | e.metaBody[1] << 8 | e.metaBody[2];
        }
    ASSERT_NE(0u, tempo);
    const double seconds = double(TuneEndTick) / division * tempo / 1e6;
    EXPECT_GE(seconds, 30.0);
    EXPECT_LE(seconds, 90.0);
}

TEST_F(TheTune, EndsEveryTrackOnTheLastBarLine) {
    for (std::size_t i = 0; i < tracks.size(); ++i) {
        EXPECT_TRUE(tracks[i].endsWithEndOfTrack) << "track " << i;
        EXPECT_EQ(TuneEndTick, tracks[i].endTick) << "track " << i;
        EXPECT_EQ(0u, tracks[i].endTick % TuneTicksPerBar) << "track " << i;
    }
}

TEST_F(TheTune, StartsSoundingAtOnceAndSoundsUntilTheEnd) {
    std::uint32_t firstOn = TuneEndTick;
    std::uint32_t lastOff = 0;
    for (const ReadTrack &track : tracks)
        for (const ReadEvent &e : track.events) {
            if (isNoteOn(e))
                firstOn = std::min(firstOn, e.tick);
            if (isNoteOff(e))
                lastOff = std::max(lastOff, e.tick);
        }
    EXPECT_EQ(0u, firstOn);
    EXPECT_EQ(TuneEndTick, lastOff);
}

TEST_F(TheTune, ReleasesEveryNoteItStrikes) {
    for (std::size_t i = 0; i < tracks.size(); ++i) {
        std::map<int, int> sounding;
        for (const ReadEvent &e : tracks[i].events) {
            const int voice = (e.status & 0x0F) << 8 | e.data1;
            if (isNoteOn(e)) {
                EXPECT_EQ(0, sounding[voice]++) << "track " << i << " strikes a sounding note";
            } else if (isNoteOff(e)) {
                EXPECT_EQ(1, sounding[voice]--) << "track " << i << " releases a silent note";
            }
        }
        for (const auto &[voice, count] : sounding)
            EXPECT_EQ(0, count) << "track " << i << " leaves voice " << voice << " sounding";
    }
}

TEST_F(TheTune, SetsAProgramForEveryMelodicChannelAndPlaysDrumsOnChannelTen) {
    std::set<int> programmed;
    std::set<int> playing;
    for (const ReadTrack &track : tracks)
        for (const ReadEvent &e : track.events) {
            if ((e.status & 0xF0) == 0xC0) {
                programmed.insert(e.status & 0x0F);
                EXPECT_EQ(0u, e.tick);
            }
            if (isNoteOn(e))
                playing.insert(e.status & 0x0F);
        }
    EXPECT_TRUE(playing.count(9));
    for (int channel : playing) {
        if (channel != 9) {
            EXPECT_TRUE(programmed.count(channel)) << "channel " << channel + 1;
        }
    }
    EXPECT_GE(playing.size(), 4u);
}

TEST_F(TheTune, ComesHomeToTheTonicAtTheEnd) {
    // The bass and the lead both strike an A on the last bar's downbeat.
    int lowest = 128;
    int leadKey = -1;
    for (const ReadTrack &track : tracks)
        for (const ReadEvent &e : track.events)
            if (isNoteOn(e) && (e.status & 0x0F) != 9 && e.tick == TuneEndTick - TuneTicksPerBar) {
                lowest = std::min(lowest, int(e.data1));
                if ((e.status & 0x0F) == 0)
                    leadKey = e.data1;
            }
    EXPECT_EQ(9, lowest % 12);
    EXPECT_EQ(9, leadKey % 12);
}
