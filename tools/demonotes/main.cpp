// velpiners-demonotes: writes the base.db of the demo folder (scripts/run) from a readable description of
// its notes (resources/demo/notes.txt says how one is written).
//   velpiners-demonotes NOTES.txt OUT/base.db
// Prints how many notes it wrote. The first fault of the description is printed as "FILE:LINE: what" and
// exits with 1 without writing; usage errors exit with 2.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "tools/demonotes/demo_notes.h"

int main(int argc, char** argv) {
    using namespace velpiners::demonotes;
    if (argc != 3) {
        std::fprintf(stderr, "usage: velpiners-demonotes NOTES.txt OUT/base.db\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "velpiners-demonotes: cannot read %s\n", argv[1]);
        return 1;
    }
    // One byte more than a description may hold, so that the parser tells a larger file.
    std::string description(kDemoDescriptionLimit + 1, '\0');
    in.read(description.data(), static_cast<std::streamsize>(description.size()));
    description.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) {
        std::fprintf(stderr, "velpiners-demonotes: cannot read %s\n", argv[1]);
        return 1;
    }

    const DemoNotes notes = ParseDemoNotes(description);
    if (!notes.error.empty()) {
        if (notes.errorLine > 0)
            std::fprintf(stderr, "%s:%d: %s\n", argv[1], notes.errorLine, notes.error.c_str());
        else
            std::fprintf(stderr, "%s: %s\n", argv[1], notes.error.c_str());
        return 1;
    }
    const std::vector<std::uint8_t> image = DemoDatabase(notes.records);
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "velpiners-demonotes: cannot write %s\n", argv[2]);
        return 1;
    }
    std::printf("velpiners-demonotes: %zu notes written to %s\n", notes.records.size(), argv[2]);
    return 0;
}
