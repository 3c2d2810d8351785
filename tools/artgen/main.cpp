// artgen: draws every picture of the program's resources from code.
//
//   artgen DIR                 writes DIR/<NAME>.bmp for each of the 84 resources and DIR/velpiners.ico
//   artgen --gallery FILE.bmp  writes the review sheet of all pictures
//   artgen --sample-pack DIR   writes DIR/sample_<n>.bmp for the sample icon pack (n = its picture number)
//
// The output depends on nothing but this program, so running it again gives the same bytes.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "graphics/bmp.h"
#include "tools/artgen/catalog.h"
#include "tools/artgen/gallery.h"
#include "tools/artgen/program_icon.h"
#include "tools/artgen/sample_pack.h"

namespace {

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "artgen: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace velpiners::artgen;
    try {
        if (argc == 3 && std::string(argv[1]) == "--gallery") {
            return WriteFile(argv[2], velpiners::graphics::EncodeBmp(DrawGallery(DrawAll()))) ? 0 : 1;
        }
        if (argc == 3 && std::string(argv[1]) == "--sample-pack") {
            for (const SampleIcon& icon : DrawSamplePack())
                if (!WriteFile(std::string(argv[2]) + "/" + icon.art.name + ".bmp", EncodeArtwork(icon.art))) return 1;
            return 0;
        }
        if (argc != 2 || argv[1][0] == '-') {
            std::fprintf(stderr, "usage: artgen DIR | artgen --gallery FILE.bmp | artgen --sample-pack DIR\n");
            return 2;
        }
        const std::string dir = argv[1];
        for (const Artwork& art : DrawAll())
            if (!WriteFile(dir + "/" + art.name + ".bmp", EncodeArtwork(art))) return 1;
        if (!WriteFile(dir + "/velpiners.ico", ProgramIconFile())) return 1;
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "artgen: %s\n", e.what());
        return 1;
    }
}
