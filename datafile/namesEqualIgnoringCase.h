// namesEqualIgnoringCase: the one name comparison of the data file: its magics and entry names.
#pragma once

#include <cstddef>

// True when the NUL-terminated texts a and b are equal with the ASCII letters compared without
// regard to case; every other byte must match exactly. At most limit bytes of either text are
// looked at: a text with no NUL among them equals nothing, so a fixed-size field that lacks its
// terminator is never read past.
bool namesEqualIgnoringCase(const char *a, const char *b, size_t limit);
