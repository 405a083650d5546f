// One demo at a time in the user's session: a second start hands over to the demo that runs.
// The screen saver keeps its own one-at-a-time rule the same way, under names of its own.
#pragma once

// Claims the session's one running instance named runningName for this process. When another
// process holds it already, brings that process's window of class windowClass to the front,
// restored if it was minimised, and returns true: this start then ends without a box, a file or
// a sound. Waits a bounded moment for the window of an instance that is still starting.
bool handOverToRunningInstance(const wchar_t *runningName, const char *windowClass);

// The demo's own rule: handOverToRunningInstance with the demo's names.
bool handOverToRunningDemo();
