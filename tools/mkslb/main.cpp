// mkslb: a slide library from DXF drawings. Each drawing's model space becomes
// one slide, named by the file name without extension (upper-cased).
//
//   mkslb OUT.SLB drawing1.dxf [drawing2.dxf ...]
#include "host/dcl/slide_make.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: mkslb OUT.SLB drawing.dxf...\n");
        return 2;
    }
    std::vector<std::filesystem::path> drawings(argv + 2, argv + argc);
    auto library = vma::dcl::libraryOfDrawings(drawings);
    if (!library) {
        std::fprintf(stderr, "mkslb: %s\n", library.error().message.c_str());
        return 1;
    }
    std::filesystem::path out = argv[1];
    std::filesystem::path temp = out;
    temp += ".tmp";
    {
        std::ofstream file(temp, std::ios::binary);
        file.write(library.value().data(), static_cast<std::streamsize>(library.value().size()));
        if (!file) {
            std::fprintf(stderr, "mkslb: cannot write %s\n", temp.string().c_str());
            return 1;
        }
    }
    std::filesystem::rename(temp, out);
    return 0;
}
