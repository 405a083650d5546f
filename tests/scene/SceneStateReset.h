// Puts the demo's process-wide scene state back to its start values, so that each test begins
// from the state the program starts with.
#pragma once

// Every Scene field, the star generator and the frame counter as at process start. Objects the
// scene points to are forgotten, not deleted: tests delete what they made themselves.
void resetSceneState();
