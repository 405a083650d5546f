// assetgen: makes the demo's own content. `assetgen OUTDIR` writes ball.bmp, star.bmp,
// logo.bmp and Zorvd.mid into OUTDIR (made if missing), byte for byte the same on every run.
#include "composeTune.h"
#include "encodeBmp.h"
#include "quantizeCanvas.h"
#include "spriteDrawings.h"
#include "writeFile.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

// Writes one asset into the output folder, telling the user if it fails.
static bool writeAsset(const std::string &folder, const char *name, const Bytes &bytes) {
    const std::string path = folder + "/" + name;
    if (bytes.empty() || !writeFile(path, bytes)) {
        std::fprintf(stderr, "assetgen: could not make %s\n", path.c_str());
        return false;
    }
    return true;
}

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: assetgen OUTDIR\n");
        return 2;
    }
    const std::string folder = argv[1];
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    bool written = writeAsset(folder, "ball.bmp", encodeBmp(quantizeCanvas(drawBall())));
    written = writeAsset(folder, "star.bmp", encodeBmp(quantizeCanvas(drawStar()))) && written;
    written = writeAsset(folder, "logo.bmp", encodeBmp(quantizeCanvas(drawLogo()))) && written;
    written = writeAsset(folder, "Zorvd.mid", composeTune()) && written;
    return written ? 0 : 1;
}
