// noteNames: reads tunes written the way a musician jots them down, e.g. "E5:2 A4 G#4:4 R:2":
// note names with sharps or flats and one octave digit; C4 is middle C, key 60.
#pragma once

#include <string>
#include <vector>

struct ScoreNote {
    // MIDI key number (C4 = 60), or -1 for a rest.
    int key = -1;
    // Length in steps; what a step is (an eighth, a sixteenth) is up to the caller.
    int steps = 1;
};

// MIDI key of a name such as "C4", "G#4" or "Bb2", or -1 if it is not one.
int keyOfName(const std::string &name);

// The notes of a space-separated line: NAME[:steps], with "R" for a rest; one step if no
// length is given. Returns false (and stops) at the first word that is not a note.
bool parseNotes(const std::string &line, std::vector<ScoreNote> &notes);
