// wadtool: the command line of the data-file tool. Dispatches to the commands and turns their
// failures into one line on stderr and a non-zero exit status.
#include <cstring>
#include <iostream>

#include "wadtool.h"

namespace {

constexpr int EXIT_OK = 0;
constexpr int EXIT_FAILED = 1;
constexpr int EXIT_USAGE = 2;

const char USAGE[] =
    "usage: wadtool COMMAND ARGUMENTS\n"
    "\n"
    "  pack OUT FILE...          write the data file OUT holding each FILE as an entry named\n"
    "                            after its base name; NAME=PATH names the entry explicitly\n"
    "  list FILE                 print each record's name, offset and size (tab-separated)\n"
    "  extract FILE NAME [OUT]   copy entry NAME (any letter case) to OUT, or to NAME's base\n"
    "                            name in the current directory\n"
    "  verify FILE               check the magics, that every record lies inside the file and\n"
    "                            has a NUL-terminated name, and report duplicate names; say\n"
    "                            for each .bmp entry whether the demo will load and draw it\n"
    "  --help                    show this text\n"
    "  --version                 show the version\n";

// Prints the usage hint for a wrong command line and returns the usage exit status.
int usageError(const std::string &message) {
    std::cerr << "wadtool: " << message << " (try wadtool --help)\n";
    return EXIT_USAGE;
}

// Prints a command's failure and returns the failure exit status.
int failed(const std::string &error) {
    std::cerr << "wadtool: " << error << '\n';
    return EXIT_FAILED;
}

// pack OUT FILE...: packs each FILE (or NAME=PATH) into OUT.
int runPack(int count, char **arguments) {
    if (count < 1) {
        return usageError("pack needs an output file");
    }
    std::vector<PackInput> inputs;
    for (int i = 1; i < count; ++i) {
        inputs.push_back(parsePackArgument(arguments[i]));
    }
    std::string error;
    return packDataFile(arguments[0], inputs, error) ? EXIT_OK : failed(error);
}

// list FILE: prints the directory.
int runList(int count, char **arguments) {
    if (count != 1) {
        return usageError("list needs exactly one data file");
    }
    std::string error;
    return listDataFile(arguments[0], std::cout, error) ? EXIT_OK : failed(error);
}

// extract FILE NAME [OUT]: copies one entry out; OUT defaults to NAME's base name.
int runExtract(int count, char **arguments) {
    if (count != 2 && count != 3) {
        return usageError("extract needs a data file, an entry name and maybe an output file");
    }
    std::string name = arguments[1];
    std::string outPath = count == 3 ? arguments[2] : parsePackArgument(name).name;
    if (outPath.empty() || outPath == "." || outPath == "..") {
        return usageError("entry name " + name + " is no file name; give OUT");
    }
    std::string error;
    return extractEntry(arguments[0], name, outPath, error) ? EXIT_OK : failed(error);
}

// verify FILE: prints OK, or every problem on stderr.
int runVerify(int count, char **arguments) {
    if (count != 1) {
        return usageError("verify needs exactly one data file");
    }
    std::vector<std::string> problems;
    std::vector<std::string> verdicts;
    bool verified = verifyDataFile(arguments[0], problems, &verdicts);
    for (const std::string &verdict : verdicts) {
        std::cout << arguments[0] << ": " << verdict << '\n';
    }
    if (verified) {
        std::cout << arguments[0] << ": OK\n";
        return EXIT_OK;
    }
    for (const std::string &problem : problems) {
        std::cerr << "wadtool: " << arguments[0] << ": " << problem << '\n';
    }
    return EXIT_FAILED;
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 2) {
        return usageError("no command");
    }
    std::string command = argv[1];
    int count = argc - 2;
    char **arguments = argv + 2;
    if (command == "--help" || command == "-h") {
        std::cout << USAGE;
        return EXIT_OK;
    }
    if (command == "--version") {
        std::cout << "wadtool " << WADTOOL_VERSION << '\n';
        return EXIT_OK;
    }
    if (command == "pack") {
        return runPack(count, arguments);
    }
    if (command == "list") {
        return runList(count, arguments);
    }
    if (command == "extract") {
        return runExtract(count, arguments);
    }
    if (command == "verify") {
        return runVerify(count, arguments);
    }
    return usageError("unknown command " + command);
}
