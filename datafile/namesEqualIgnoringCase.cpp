// Case-insensitive comparison of names in fixed-size fields, for the data-file reader.
#include "datafile/namesEqualIgnoringCase.h"

namespace {

// Folds an ASCII capital to its small letter; leaves every other byte, those above 127 included,
// as it is (the C library's tolower would follow the locale).
unsigned char foldAsciiCase(unsigned char byte) {
    return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

} // namespace

bool namesEqualIgnoringCase(const char *a, const char *b, size_t limit) {
    for (size_t i = 0; i < limit; ++i) {
        unsigned char left = foldAsciiCase(static_cast<unsigned char>(a[i]));
        unsigned char right = foldAsciiCase(static_cast<unsigned char>(b[i]));
        if (left != right) {
            return false;
        }
        if (left == '\0') {
            return true;
        }
    }
    return false;
}
