// writeFile: stores a byte buffer as a file.
#pragma once

#include "ByteAppend.h"

#include <string>

// Writes bytes to path, replacing the file. False if it could not be written whole.
bool writeFile(const std::string &path, const Bytes &bytes);
