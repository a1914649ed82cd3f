// Writes the game's sounds into the folder given on the command line:
// klang1.wav (flight), klang2.wav and klang3.wav (the two blasts).
#include <cstdio>
#include <fstream>
#include <string>

#include "sound_synth.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sounds <outdir>\n");
        return 2;
    }
    const std::string dir = argv[1];
    const struct {
        const char* name;
        std::vector<uint8_t> (*make)();
    } sounds[] = {{"klang1.wav", sky::MakeFlightSound},
                  {"klang2.wav", sky::MakeBlastSound1},
                  {"klang3.wav", sky::MakeBlastSound2}};
    for (const auto& s : sounds) {
        const std::string path = dir + "/" + s.name;
        const std::vector<uint8_t> wav = s.make();
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(wav.data()), static_cast<std::streamsize>(wav.size()));
        if (!out) {
            std::fprintf(stderr, "make_sounds: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
