// wadtool verify: checks a data file for everything the demo's reader relies on, and for what
// it would silently accept but serve wrongly (unterminated or duplicate names).
#include "bitmapVerdict.h"
#include "dataFileAccess.h"
#include "datafile/DataFile.h"
#include "wadtool.h"

namespace {

// "record 3 (ball.bmp)", for messages.
std::string describeRecord(const DataFile &dataFile, uint32_t index) {
    return "record " + std::to_string(index) + " (" + recordName(dataFile.entries[index]) + ")";
}

// Adds a problem for each record whose name lacks its NUL or whose data lies outside the file.
void checkRecords(const DataFile &dataFile, int64_t length, std::vector<std::string> &problems) {
    for (uint32_t i = 0; i < dataFile.entryCount; ++i) {
        const DataFileEntry &record = dataFile.entries[i];
        if (!recordNameIsTerminated(record)) {
            problems.push_back(describeRecord(dataFile, i) + ": name has no NUL in its field");
        }
        int64_t end = int64_t{record.offset} + record.size;
        if (record.offset > LARGEST_DATA_FILE_POSITION ||
            record.size > LARGEST_DATA_FILE_POSITION) {
            problems.push_back(describeRecord(dataFile, i) + ": offset or size beyond 2 GiB");
        } else if (end > length) {
            problems.push_back(describeRecord(dataFile, i) +
                               ": data runs past the end of the file");
        }
    }
}

// Adds a problem for each record that a look-up would never reach, because an earlier record
// has the same name (letter case ignored).
void checkDuplicates(const DataFile &dataFile, std::vector<std::string> &problems) {
    for (uint32_t i = 0; i < dataFile.entryCount; ++i) {
        for (uint32_t j = 0; j < i; ++j) {
            if (namesEqualIgnoringCase(dataFile.entries[j].name, dataFile.entries[i].name,
                                       sizeof(DataFileEntry::name))) {
                problems.push_back(describeRecord(dataFile, i) + ": duplicate name of " +
                                   describeRecord(dataFile, j) + ", never found");
                break;
            }
        }
    }
}

// True when the record's name ends in ".bmp", in any letter case.
bool namesBitmap(const DataFileEntry &record) {
    std::string name = recordName(record);
    const char suffix[] = ".bmp";
    size_t length = sizeof(suffix) - 1;
    return name.size() > length &&
           namesEqualIgnoringCase(name.c_str() + name.size() - length, suffix, length + 1);
}

// Says for each BMP entry inside the file whether the demo will load and draw it.
void checkBitmaps(DataFile &dataFile, int64_t length, std::vector<std::string> &problems,
                  std::vector<std::string> *verdicts) {
    for (uint32_t i = 0; i < dataFile.entryCount; ++i) {
        const DataFileEntry &record = dataFile.entries[i];
        if (!namesBitmap(record) || int64_t{record.offset} + record.size > length ||
            fseek(dataFile.stream, static_cast<long>(record.offset), SEEK_SET) != 0) {
            continue;
        }
        std::string verdict = bitmapVerdict(dataFile.stream, record.size);
        if (!verdict.empty()) {
            problems.push_back(describeRecord(dataFile, i) + ": " + verdict);
        }
        if (verdicts) {
            verdicts->push_back(recordName(record) + ": " +
                                (verdict.empty() ? "the demo loads and draws it" : verdict));
        }
    }
}

} // namespace

bool verifyDataFile(const std::string &path, std::vector<std::string> &problems,
                    std::vector<std::string> *bitmapVerdicts) {
    DataFile dataFile;
    std::string error;
    if (!openDataFile(dataFile, path, error)) {
        problems.push_back(error);
        return false;
    }
    size_t before = problems.size();
    int64_t length = streamLength(dataFile.stream);
    checkRecords(dataFile, length, problems);
    checkDuplicates(dataFile, problems);
    checkBitmaps(dataFile, length, problems, bitmapVerdicts);
    dataFile.close();
    return problems.size() == before;
}
