// One demo at a time in the user's session: a second start hands over to the demo that runs.
#pragma once

// Claims the session's one running demo for this process. When another demo holds it already,
// brings that demo's window to the front, restored if it was minimised, and returns true: this
// start then ends without a box, a file or a sound. Waits a bounded moment for the window of a
// demo that is still starting.
bool handOverToRunningDemo();
