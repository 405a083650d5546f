// readExactly: the one way the demo reads a fixed number of bytes from a file stream.
#pragma once

#include <cstddef>
#include <cstdio>

// Reads exactly size bytes into buffer; false on a short read. The buffer is zeroed first, so a
// short read never leaves undefined bytes behind for a later comparison.
bool readExactly(FILE *stream, void *buffer, size_t size);
