// mkcatalogue: compiles the readable catalogue sources (one file per
// section) into the binary message catalogue the module reads.
//
//   mkcatalogue OUTPUT SOURCE...
#include "catalogue_binary.h"
#include "catalogue_source.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: mkcatalogue OUTPUT SOURCE...\n";
        return 1;
    }
    try {
        std::vector<mkcatalogue::Section> sections;
        for (int i = 2; i < argc; ++i)
            sections.push_back(mkcatalogue::parseSection(argv[i]));
        const std::string bytes = mkcatalogue::catalogueBytes(std::move(sections));
        const std::filesystem::path out = argv[1];
        const std::filesystem::path temp = out.string() + ".tmp";
        {
            std::ofstream file(temp, std::ios::binary | std::ios::trunc);
            if (!file.write(bytes.data(), static_cast<std::streamsize>(bytes.size())))
                throw std::runtime_error(temp.string() + ": cannot be written");
        }
        std::filesystem::rename(temp, out);
    } catch (const std::exception& e) {
        std::cerr << "mkcatalogue: " << e.what() << "\n";
        return 2;
    }
    return 0;
}
