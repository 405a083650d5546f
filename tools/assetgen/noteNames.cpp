#include "noteNames.h"

#include <sstream>

int keyOfName(const std::string &name) {
    static const int semitones[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    if (name.size() < 2 || name[0] < 'A' || name[0] > 'G')
        return -1;
    int key = semitones[name[0] - 'A'];
    std::size_t at = 1;
    if (name[at] == '#' || name[at] == 'b') {
        key += name[at] == '#' ? 1 : -1;
        ++at;
    }
    if (at + 1 != name.size() || name[at] < '0' || name[at] > '9')
        return -1;
    key += 12 * (name[at] - '0' + 1);
    return key >= 0 && key <= 127 ? key : -1;
}

bool parseNotes(const std::string &line, std::vector<ScoreNote> &notes) {
    std::istringstream words(line);
    std::string word;
    while (words >> word) {
        ScoreNote note;
        const std::size_t colon = word.find(':');
        const std::string name = word.substr(0, colon);
        if (colon != std::string::npos) {
            const std::string length = word.substr(colon + 1);
            if (length.empty() || length.size() > 2 ||
                length.find_first_not_of("0123456789") != std::string::npos)
                return false;
            note.steps = std::stoi(length);
            if (note.steps == 0)
                return false;
        }
        if (name != "R") {
            note.key = keyOfName(name);
            if (note.key < 0)
                return false;
        }
        notes.push_back(note);
    }
    return true;
}
