// A file the program carries inside itself, as one of its RCDATA resources, opened as the C
// stream a reader made for files takes: the screen saver's copy of its data file.
#pragma once

#include <cstdio>

#include <windows.h>

#include "platform/ResultCode.h"

// Opens the program's own RCDATA resource id as a read-only stream of its bytes, positioned at
// the first. RC_FILE_NOT_FOUND when the program holds no such resource, RC_FILE_CREATE_FAILED
// when the stream cannot be made; stream is then null.
ResultCode openProgramResource(WORD id, FILE *&stream);
