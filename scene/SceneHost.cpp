#include "scene/SceneHost.h"

SceneHost sceneHost = {true, false};
