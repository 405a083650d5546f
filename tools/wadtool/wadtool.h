// wadtool's commands, callable from its main and from tests. Each returns false on failure and
// then puts a one-line description in error.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// One file to pack and the name its entry gets.
struct PackInput {
    std::string name;
    std::string path;
};

// "NAME=PATH" gives the name explicitly; a bare path gives the file's base name.
PackInput parsePackArgument(const std::string &argument);

// Writes a data file at outPath holding the inputs, in order. Refuses empty, over-long and
// duplicate names (letter case ignored, as the reader ignores it).
bool packDataFile(const std::string &outPath, const std::vector<PackInput> &inputs,
                  std::string &error);

// Writes one line per record to out: name, offset and size, separated by tabs.
bool listDataFile(const std::string &path, std::ostream &out, std::string &error);

// Copies the entry named name (letter case ignored) out of the data file into outPath.
bool extractEntry(const std::string &path, const std::string &name, const std::string &outPath,
                  std::string &error);

// Checks what the reader relies on and what it silently tolerates, and whether the demo will
// load and draw each BMP entry. Every problem found goes into problems; true when there is none.
// bitmapVerdicts, when given, gets one line per BMP entry: its name and the demo's verdict.
bool verifyDataFile(const std::string &path, std::vector<std::string> &problems,
                    std::vector<std::string> *bitmapVerdicts = nullptr);
