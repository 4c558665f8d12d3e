// vmacon as a shell or build script sees it: exit status for each kind of
// failure, where messages go, --help, -q, the outputs it writes, and the
// --info summary of the sample drawing.
#include "support/process.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace vma::test {
namespace {

ProcessResult vmacon(const std::vector<std::string>& args) {
    return runProcess(VMA_BINARY_DIR "/bin/vmacon", args);
}

std::string sample() {
    return (sourceDir() / "samples/fundering.dxf").string();
}

TEST(Vmacon, HelpExplainsOptionsAndExitStatuses) {
    ProcessResult run = vmacon({"--help"});
    EXPECT_EQ(run.status, 0);
    for (const char* word : {"-i", "-o", "-s", "--svg", "--png", "--profile", "--support", "-q",
                             "--info", "Exit status", "usage error", "script failed"})
        EXPECT_NE(run.out.find(word), std::string::npos) << word;
}

struct UsageCase {
    std::vector<std::string> args;
};

TEST(Vmacon, UsageErrorsExitWithOne) {
    const std::vector<UsageCase> cases = {{{"--bogus"}},        {{"-i"}},    {{"-o"}},
                                          {{"stray-argument"}}, {{"--svg"}}, {{"-q", "--png"}}};
    for (const auto& c : cases) {
        ProcessResult run = vmacon(c.args);
        EXPECT_EQ(run.status, 1) << c.args[0];
        EXPECT_FALSE(run.err.empty()) << c.args[0];
    }
}

TEST(Vmacon, UnreadableDrawingExitsWithTwoNamingFileAndLine) {
    TempDir dir;
    writeFile(dir / "not.dxf", "this is\nnot a drawing\n");
    writeFile(dir / "binary.dxf", std::string("AutoCAD Binary DXF\r\n\x1a\0", 22));
    writeFile(dir / "empty.dxf", "");
    for (const char* name : {"not.dxf", "binary.dxf", "empty.dxf"}) {
        std::string path = (dir / name).string();
        ProcessResult run = vmacon({"-i", path, "-o", (dir / "out.dxf").string()});
        EXPECT_EQ(run.status, 2) << name;
        EXPECT_NE(run.err.find(path), std::string::npos) << run.err;
        EXPECT_TRUE(std::regex_search(run.err, std::regex(":[0-9]+: error: "))) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir / "out.dxf")) << name;
    }
    ProcessResult missing = vmacon({"-i", (dir / "missing.dxf").string()});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("missing.dxf"), std::string::npos) << missing.err;
}

// An R12 drawing whose layer table lists layer A twice: the reader keeps the
// drawing and warns.
constexpr const char* kDuplicateLayer = "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n70\n2\n"
                                        "0\nLAYER\n2\nA\n70\n0\n62\n1\n6\nCONTINUOUS\n"
                                        "0\nLAYER\n2\nA\n70\n0\n62\n2\n6\nCONTINUOUS\n"
                                        "0\nENDTAB\n0\nENDSEC\n"
                                        "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nA\n"
                                        "10\n0\n20\n0\n30\n0\n11\n1\n21\n1\n31\n0\n"
                                        "0\nENDSEC\n0\nEOF\n";

TEST(Vmacon, WarningsGoToStderrUnlessQuiet) {
    TempDir dir;
    std::string path = (dir / "dup.dxf").string();
    writeFile(path, kDuplicateLayer);
    ProcessResult loud = vmacon({"-i", path});
    EXPECT_EQ(loud.status, 0) << loud.err;
    EXPECT_TRUE(std::regex_search(loud.err, std::regex(path + ":[0-9]+: warning: "))) << loud.err;

    ProcessResult quiet = vmacon({"-q", "-i", path, "-o", (dir / "out.dxf").string()});
    EXPECT_EQ(quiet.status, 0) << quiet.err;
    EXPECT_EQ(quiet.err, "");
    EXPECT_EQ(quiet.out, "");
}

struct ScriptCase {
    const char* name;
    const char* text;
    int status;
    const char* where; // ":line:" the complaint names, or "" when none
};

TEST(Vmacon, ScriptsRunToTheEndAndFailWithThreeOnOpenLisp) {
    const std::vector<ScriptCase> cases = {
        {"empty.scr", "", 0, ""},
        {"comments.scr", "; a comment\n\n   ;indented\r\n\t\n", 0, ""},
        {"command.scr", "; draw\n\nNOSUCHCMD 0,0 10,10\n\n", 0, ""},
        {"lisp.scr", "(princ)", 0, ""},
        {"open-lisp.scr", "; open\n(princ\n", 3, ":2:"},
    };
    TempDir dir;
    for (const auto& c : cases) {
        std::string path = (dir / c.name).string();
        writeFile(path, c.text);
        ProcessResult run = vmacon({"-s", path});
        EXPECT_EQ(run.status, c.status) << c.name << ": " << run.err;
        if (*c.where) {
            EXPECT_NE(run.err.find(path + c.where), std::string::npos) << run.err;
        }
    }
    ProcessResult missing = vmacon({"-s", (dir / "missing.scr").string()});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("missing.scr"), std::string::npos) << missing.err;
}

// A script's AutoLISP draws into the drawing that -o saves, and its values
// answer prompts as typed text.
TEST(Vmacon, ScriptLispChangesTheSavedDrawing) {
    TempDir dir;
    std::string script = (dir / "draw.scr").string();
    std::string out = (dir / "out.dxf").string();
    writeFile(script, "(setq p (list 1.5 2.5 0.0))\n"
                      "(entmake (list '(0 . \"LINE\") (cons 10 p) '(11 4.0 6.0 0.0)))\n"
                      "(princ (strcat \"made \" (cdr (assoc 0 (entget (entlast))))))\n");
    ProcessResult run = vmacon({"-s", script, "-o", out});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("made LINE"), std::string::npos) << run.out;
    std::string dxf = readFile(out);
    EXPECT_NE(dxf.find("AcDbLine\r\n 10\r\n1.5\r\n 20\r\n2.5"), std::string::npos);
}

TEST(Vmacon, WritesDrawingAndPreviews) {
    TempDir dir;
    std::string dxf = (dir / "out.dxf").string();
    std::string svg = (dir / "out.svg").string();
    std::string png = (dir / "out.png").string();
    ProcessResult run = vmacon({"-i", sample(), "-o", dxf, "--svg", svg, "--png", png, "--profile",
                                dir.path().string(), "--support",
                                dir.path().string() + ";/usr/share:" + dir.path().string()});
    ASSERT_EQ(run.status, 0) << run.err;
    for (const auto& path : {dxf, svg, png})
        EXPECT_NE(run.out.find("wrote " + path), std::string::npos) << run.out;
    EXPECT_NE(readFile(dxf).find("AC1015"), std::string::npos);
    EXPECT_NE(readFile(svg).find("<svg"), std::string::npos);
    EXPECT_EQ(readFile(png).substr(0, 8), std::string("\x89PNG\r\n\x1a\n"));
}

TEST(Vmacon, NewDrawingWhenNoInput) {
    TempDir dir;
    std::string dxf = (dir / "new.dxf").string();
    ProcessResult run = vmacon({"-q", "-o", dxf});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(readFile(dxf).find("ENTITIES"), std::string::npos);
}

TEST(Vmacon, UnwritableOutputExitsWithFour) {
    TempDir dir;
    ProcessResult run = vmacon({"-q", "-o", (dir / "no/such/folder/out.dxf").string()});
    EXPECT_EQ(run.status, 4);
    EXPECT_NE(run.err.find("out.dxf"), std::string::npos) << run.err;
}

std::vector<std::string> section(const std::string& text, const std::string& title) {
    std::vector<std::string> lines;
    size_t at = text.find("\n" + title + "\n");
    if (at == std::string::npos)
        return lines;
    std::istringstream in(text.substr(at + title.size() + 2));
    for (std::string line; std::getline(in, line) && !line.empty();)
        lines.push_back(line);
    return lines;
}

TEST(Vmacon, InfoSummarisesTheSample) {
    ProcessResult run = vmacon({"--info", "-i", sample()});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string& out = run.out;
    EXPECT_NE(out.find("Version      AC1015"), std::string::npos) << out;
    EXPECT_TRUE(std::regex_search(out, std::regex("Handle seed  [0-9A-F]+\n"))) << out;
    EXPECT_TRUE(
        std::regex_search(out, std::regex("Extents      -[0-9.]+,-[0-9.]+ \\.\\. [0-9.]+,")))
        << out;

    struct Row {
        const char* section;
        const char* pattern;
    };
    const std::vector<Row> rows = {
        {"Entities per type", "^  INSERT +20 +22$"}, // two arrow inserts in *D1
        {"Entities per type", "^  DIMENSION +1 +1$"},
        {"Entities per type", "^  HATCH +1 +1$"},
        {"Model-space entities per layer", "^  S-PALEN +20$"},
        {"Blocks", "^  PAAL +4$"},
        {"Blocks", "^  \\*D1 +[1-9][0-9]*$"},
        {"Layers", "^  S-PALEN +3 +CONTINUOUS +on$"},
    };
    for (const auto& row : rows) {
        auto lines = section(out, row.section);
        bool found = false;
        for (const auto& line : lines)
            found = found || std::regex_search(line, std::regex(row.pattern));
        EXPECT_TRUE(found) << row.section << " has no line like " << row.pattern << "\n" << out;
    }
    // Counts are right-aligned: every line of a count table is as long as its title line.
    for (const char* title : {"Entities per type", "Model-space entities per layer", "Blocks"}) {
        auto lines = section(out, title);
        ASSERT_GT(lines.size(), 1u) << title;
        for (const auto& line : lines)
            EXPECT_EQ(line.size(), lines[0].size()) << title << ": '" << line << "'";
    }
}

} // namespace
} // namespace vma::test
