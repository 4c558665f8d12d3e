#include "commands.h"

#include "acedads.h"
#include "adslib.h"
#include "drawing.h"
#include "host/cmd/builtins.h"
#include "host/db/rblist.h"
#include "host/db/session.h"
#include "host/input/script_runner.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <time.h>

namespace vma::bench {
namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Processor time of this process: what the work costs whatever else runs.
double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// A fresh session whose command-line output goes nowhere.
host::Session& quietSession() {
    host::Session& session = host::Session::get();
    session.reset();
    session.setOutput([](std::wstring_view) {});
    cmd::installBuiltins();
    return session;
}

std::string lineScript(size_t count) {
    std::string script;
    script.reserve(count * 32);
    for (size_t i = 0; i < count; ++i) {
        std::string y = std::to_string(i % 1000);
        std::string x = std::to_string(i / 1000);
        script += "_.LINE " + x + "," + y + " @10,5 \n";
    }
    return script;
}

} // namespace

int timeLineCommands(size_t count) {
    host::Session& session = quietSession();
    session.current();
    std::string script = lineScript(count);
    auto start = Clock::now();
    double cpuStart = cpuSeconds();
    auto ran = input::runScript(script);
    double seconds = secondsSince(start);
    double cpu = cpuSeconds() - cpuStart;
    if (!ran.ok()) {
        std::fprintf(stderr, "vmabench: %s\n", ran.error().message.c_str());
        return 2;
    }
    size_t made = session.current().db->entityCount();
    std::printf("commands=%zu\nentities=%zu\nseconds=%.6f\ncpu_seconds=%.6f\nper_second=%.0f\n"
                "per_cpu_second=%.0f\n",
                count, made, seconds, cpu, static_cast<double>(count) / seconds,
                static_cast<double>(count) / cpu);
    return made == count ? 0 : 2;
}

int timeFilteredSelection(size_t count) {
    host::Session& session = quietSession();
    session.open(makeDrawing(count));
    host::RbList filter(
        acutBuildList(-4, L"<AND", 8, L"LAAG-3,LAAG-7", RTDXF0, L"LWPOLYLINE", -4, L"AND>", 0));
    double best = 1e300, bestCpu = 1e300;
    Int32 selected = 0;
    for (int run = 0; run < 3; ++run) {
        ads_name ss;
        auto start = Clock::now();
        double cpuStart = cpuSeconds();
        int status = acedSSGet(L"X", nullptr, nullptr, filter.get(), ss);
        best = std::min(best, secondsSince(start));
        bestCpu = std::min(bestCpu, cpuSeconds() - cpuStart);
        if (status != RTNORM)
            return 2;
        acedSSLength(ss, &selected);
        acedSSFree(ss);
    }
    std::printf("entities=%zu\nselected=%d\nseconds=%.6f\ncpu_seconds=%.6f\n", count, selected,
                best, bestCpu);
    return 0;
}

} // namespace vma::bench
