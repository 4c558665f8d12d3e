// vmacon with modules: --arx and acad.rx loading, a module's commands run
// from a script, the messages at the end of the job, and exit status 5 for
// a module that cannot be loaded.
#include "support/process.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace vma::test {
namespace {

ProcessResult vmacon(const std::vector<std::string>& args) {
    return runProcess(VMA_BINARY_DIR "/bin/vmacon", args);
}

size_t at(const std::string& text, const std::string& what) {
    size_t found = text.find(what);
    EXPECT_NE(found, std::string::npos) << what << " in:\n" << text;
    return found;
}

TEST(VmaconArx, ModuleCommandsRunFromAScript) {
    TempDir dir;
    writeFile(dir / "job.scr", "TAMODAL\n1,2\n(ta-ret \"str\")\n");
    ProcessResult run = vmacon({"--arx", TESTARX_PATH, "-s", (dir / "job.scr").string(), "-o",
                                (dir / "out.dxf").string()});
    EXPECT_EQ(run.status, 0) << run.err;
    size_t init = at(run.out, "[testarx] kInitAppMsg");
    size_t load = at(run.out, "[testarx] kLoadDwgMsg Drawing1.dwg");
    size_t modal = at(run.out, "[testarx] TAMODAL point 1,2");
    size_t save = at(run.out, "[testarx] kSaveMsg");
    size_t end = at(run.out, "[testarx] kEndMsg");
    size_t unload = at(run.out, "[testarx] kUnloadAppMsg");
    EXPECT_LT(init, load);
    EXPECT_LT(load, modal);
    EXPECT_LT(modal, save);
    EXPECT_LT(save, end);
    EXPECT_LT(end, unload);
    EXPECT_TRUE(std::filesystem::exists(dir / "out.dxf"));
}

TEST(VmaconArx, AcadRxOnTheSupportPathLoadsFirst) {
    TempDir dir;
    std::filesystem::path module(TESTARX_PATH);
    std::filesystem::copy_file(module, dir / "LIBTESTARX.SO");
    writeFile(dir / "acad.rx", "; modules loaded at start\r\n\r\nlibtestarx.so\r\n");
    writeFile(dir / "job.scr", "TATRANS\n");
    ProcessResult run =
        vmacon({"--support", dir.path().string(), "-s", (dir / "job.scr").string()});
    EXPECT_EQ(run.status, 0) << run.err;
    at(run.out, "[testarx] kInitAppMsg");
    at(run.out, "[testarx] TATRANS fcode=8");
}

TEST(VmaconArx, UnloadableModulesExitWithFive) {
    TempDir dir;
    writeFile(dir / "broken.arx", "not a library");
    writeFile(dir / "acad.rx", "missing.arx\n");
    struct Case {
        std::vector<std::string> args;
        const char* said;
    };
    const std::vector<Case> cases = {
        {{"--arx", (dir / "broken.arx").string()}, "cannot open the module"},
        {{"--arx", (dir / "nothere.arx").string()}, "not found"},
        {{"--support", dir.path().string()}, "acad.rx:1: module file not found: missing.arx"},
    };
    for (const Case& c : cases) {
        ProcessResult run = vmacon(c.args);
        EXPECT_EQ(run.status, 5) << c.said;
        EXPECT_NE(run.err.find(c.said), std::string::npos) << run.err;
    }
    ProcessResult help = vmacon({"--help"});
    EXPECT_NE(help.out.find("--arx"), std::string::npos);
    EXPECT_NE(help.out.find("5  a module"), std::string::npos);
}

} // namespace
} // namespace vma::test
