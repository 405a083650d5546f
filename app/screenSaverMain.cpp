// Process entry of the screen saver, Zorv2Demo.scr: Windows names what it wants on the command
// line.
#include "app/screenSaver.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    return runScreenSaver(instance, commandLine);
}
