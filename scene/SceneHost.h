// How the scene is hosted. The demo owns its window and plays its tune; a host that places the
// window itself and may keep quiet (the screen saver and its preview) says so here before
// startScene.
#pragma once

struct SceneHost {
    // False: the start-up neither copies nor plays the tune.
    bool playsTune;
    // True: the windowed display leaves the window where and as large as its host made it.
    bool placesWindow;
};

// The demo's own hosting until a host changes it: the tune plays, the scene centres its window.
extern SceneHost sceneHost;
