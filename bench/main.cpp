// vmabench: times our DXF writer and reader, the command engine and selection.
//   vmabench write FILE COUNT   builds a drawing of COUNT entities, times writing it
//   vmabench read FILE          times reading FILE
//   vmabench lines COUNT        times COUNT LINE commands run from a script
//   vmabench ssget COUNT        times a filtered acedSSGet "X" on COUNT entities
// Each prints key=value lines (bytes, seconds, entities, peak_kb) for bench/run.sh.
#include "commands.h"
#include "drawing.h"
#include "host/dxf/dxf.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

int timeWrite(const std::filesystem::path& path, size_t count) {
    auto db = vma::bench::makeDrawing(count);
    auto start = Clock::now();
    auto written = vma::dxf::writeFile(*db, path);
    double seconds = secondsSince(start);
    if (!written.ok()) {
        std::fprintf(stderr, "vmabench: %s\n", written.error().message.c_str());
        return 2;
    }
    std::printf("bytes=%ju\nseconds=%.6f\nentities=%zu\n",
                static_cast<uintmax_t>(std::filesystem::file_size(path)), seconds,
                db->entityCount());
    return 0;
}

int timeRead(const std::filesystem::path& path) {
    auto start = Clock::now();
    auto read = vma::dxf::readFile(path);
    double seconds = secondsSince(start);
    if (!read.ok()) {
        std::fprintf(stderr, "vmabench: %s:%ld: %s\n", path.c_str(), read.error().line,
                     read.error().message.c_str());
        return 2;
    }
    std::printf("bytes=%ju\nseconds=%.6f\nentities=%zu\nthreads=%d\npeak_kb=%ld\n",
                static_cast<uintmax_t>(std::filesystem::file_size(path)), seconds,
                read->db->entityCount(), read->threads, peakKilobytes());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::string command = argc > 1 ? argv[1] : "";
    if (command == "write" && argc == 4)
        return timeWrite(argv[2], std::strtoull(argv[3], nullptr, 10));
    if (command == "read" && argc == 3)
        return timeRead(argv[2]);
    if (command == "lines" && argc == 3)
        return vma::bench::timeLineCommands(std::strtoull(argv[2], nullptr, 10));
    if (command == "ssget" && argc == 3)
        return vma::bench::timeFilteredSelection(std::strtoull(argv[2], nullptr, 10));
    std::fprintf(stderr, "usage: vmabench write FILE COUNT | vmabench read FILE | vmabench lines "
                         "COUNT | vmabench ssget COUNT\n");
    return 1;
}
