// How the scene is hosted. The demo owns its window and plays its tune; a host that places the
// window itself and may keep quiet (the screen saver and its preview) says so here before
// startScene.
#pragma once

#include <windows.h>

struct SceneHost {
    // False: the start-up neither copies nor plays the tune.
    bool playsTune = true;
    // True: the windowed display leaves the window where and as large as its host made it.
    bool placesWindow = false;
    // The file name of the tune's copy in the temporary folder. A host beside a running demo
    // needs one of its own: the demo's sequencer holds the demo's copy open.
    const char *tuneCopyName = "Zorvd.mid";
    // True: a tune that cannot be copied or played leaves the scene silent instead of stopping
    // it with a box.
    bool tuneIsOptional = false;
    // The number of the program's RCDATA resource that holds its own copy of the data file, read
    // when neither the starting folder nor the program's holds one; 0: none, a missing file is
    // reported.
    WORD dataFileResource = 0;
    // The part of the window's client area the picture is fitted into; empty: all of it.
    RECT pictureArea = {0, 0, 0, 0};
};

// The demo's own hosting until a host changes it: the tune plays, the scene centres its window.
extern SceneHost sceneHost;
