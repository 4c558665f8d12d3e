// The loader as a module sees it: the application messages in AutoCAD's
// order, refusals at load, locking, unloading by command and by LISP, and
// what acedArxLoaded and acedGetAppName report.
#include "acedads.h"
#include "acutads.h"
#include "arx_fixture.h"
#include "rxregsvc.h"

#include <cstdlib>

namespace vma::test {
namespace {

using Reports = std::vector<std::wstring>;

// Sets an environment switch of the test module for one test.
class Switch {
public:
    explicit Switch(const char* name) : name_(name) { setenv(name, "1", 1); }
    ~Switch() { unsetenv(name_); }
    Switch(const Switch&) = delete;
    Switch& operator=(const Switch&) = delete;

private:
    const char* name_;
};

TEST_F(ArxTest, MessagesFollowTheDocumentsLife) {
    host::Session& session = host::Session::get();
    session.open(nullptr);
    ASSERT_TRUE(load());
    host::Document& third = session.open(nullptr);
    session.saving(third);
    session.close(third);
    arx::Loader::get().shutdown();
    EXPECT_EQ(reports(),
              (Reports{L"kInitAppMsg", L"kLoadDwgMsg Drawing1.dwg", L"kLoadDwgMsg Drawing2.dwg",
                       L"kLoadDwgMsg Drawing3.dwg", L"kSaveMsg Drawing3.dwg",
                       L"kUnloadDwgMsg Drawing3.dwg", L"kEndMsg", L"kUnloadDwgMsg Drawing1.dwg",
                       L"kUnloadDwgMsg Drawing2.dwg", L"kUnloadAppMsg"}));
    EXPECT_EQ(session.current().name, L"Drawing2.dwg");
}

TEST_F(ArxTest, LoadingLeavesTheCurrentDocumentCurrent) {
    host::Session& session = host::Session::get();
    host::Document& first = session.current();
    session.open(nullptr);
    session.makeCurrent(first);
    ASSERT_TRUE(load());
    EXPECT_EQ(&session.current(), &first);
    EXPECT_EQ(reports().back(), L"kLoadDwgMsg Drawing1.dwg");
}

TEST_F(ArxTest, RefusedLoadsLeaveNothingBehind) {
    struct Case {
        const char* flag;
        const char* why;
    };
    for (const Case& c : {Case{"TESTARX_REFUSE", "refused to initialise"},
                          Case{"TESTARX_API", "API version 0x170000"}}) {
        Switch on(c.flag);
        auto loaded = arx::loadModule(pluginPath());
        ASSERT_FALSE(loaded.ok()) << c.flag;
        EXPECT_NE(loaded.error().message.find(c.why), std::string::npos) << loaded.error().message;
        EXPECT_TRUE(arx::Loader::get().modules().empty()) << c.flag;
        EXPECT_EQ(input::CommandRegistry::get().find(L"TAMODAL"), nullptr) << c.flag;
    }
    EXPECT_EQ(acedArxLoad(L"/nowhere/missing.arx"), RTERROR);
    EXPECT_EQ(acedArxLoad(L"missing"), RTERROR);
    EXPECT_NE(printed.find(L"missing.arx"), std::wstring::npos) << printed;
}

TEST_F(ArxTest, LoadedModulesAreListedAndLoadOnce) {
    EXPECT_EQ(acedArxLoaded(), nullptr);
    ASSERT_EQ(acedArxLoad(pluginPath().c_str()), RTNORM);
    EXPECT_EQ(acedArxLoad(pluginPath().c_str()), RTERROR);
    resbuf* list = acedArxLoaded();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(std::wstring(list->resval.rstring), pluginPath());
    EXPECT_EQ(list->rbnext, nullptr);
    acutRelRb(list);
    EXPECT_TRUE(acrxAppIsLoaded(L"libtestarx.so"));
    EXPECT_TRUE(acrxAppIsLoaded(L"LIBTESTARX"));
    EXPECT_TRUE(acrxIsAppMDIAware(L"libtestarx.so"));
    EXPECT_FALSE(acrxApplicationIsLocked(L"libtestarx.so"));
    EXPECT_EQ(lisp(L"(length (arxloaded))"), L"1");
}

TEST_F(ArxTest, UnloadByCommandAndByLisp) {
    ASSERT_TRUE(load());
    script("ARXUNLOAD\nlibtestarx.so\n");
    EXPECT_EQ(reports().back(), L"kUnloadAppMsg");
    EXPECT_NE(printed.find(L"libtestarx.so successfully unloaded."), std::wstring::npos);
    EXPECT_TRUE(arx::Loader::get().modules().empty());
    EXPECT_EQ(input::CommandRegistry::get().find(L"TAMODAL"), nullptr);
    EXPECT_EQ(lisp(L"(ta-code)"), L"; error: no function definition: TA-CODE");

    EXPECT_EQ(lisp(L"(arxload \"" + pluginPath() + L"\")"), L"\"" + pluginPath() + L"\"");
    EXPECT_NE(input::CommandRegistry::get().find(L"TAMODAL"), nullptr);
    EXPECT_EQ(lisp(L"(arxunload \"libtestarx\")"), L"\"libtestarx\"");
    EXPECT_TRUE(arx::Loader::get().modules().empty());
    EXPECT_EQ(lisp(L"(arxunload \"libtestarx\" 'gone)"), L"GONE");
    EXPECT_EQ(lisp(L"(arxload \"nothing-here\" nil)"), L"nil");
    EXPECT_NE(lisp(L"(arxunload \"libtestarx\")").find(L"; error:"), std::wstring::npos);
}

TEST_F(ArxTest, ArxCommandLoadsAndLists) {
    script("ARX\nLoad\n" + wideToUtf8(pluginPath()) + "\nARX\n?\n");
    EXPECT_EQ(arx::Loader::get().modules().size(), 1u);
    EXPECT_NE(printed.find(L"LIBTESTARX.SO loaded."), std::wstring::npos) << printed;
    EXPECT_NE(printed.find(L"  " + pluginPath()), std::wstring::npos) << printed;
}

TEST_F(ArxTest, LockedModulesStayUntilTheSessionEnds) {
    Switch locked("TESTARX_LOCKED");
    ASSERT_TRUE(load());
    EXPECT_TRUE(acrxApplicationIsLocked(L"libtestarx.so"));
    EXPECT_EQ(acedArxUnload(L"libtestarx.so"), RTERROR);
    EXPECT_NE(printed.find(L"locked"), std::wstring::npos);
    EXPECT_EQ(arx::Loader::get().modules().size(), 1u);
    arx::Loader::get().shutdown();
    EXPECT_TRUE(arx::Loader::get().modules().empty());
    EXPECT_EQ(reports().back(), L"kUnloadAppMsg");
}

TEST_F(ArxTest, AppNameIsTheRunningModule) {
    ASSERT_TRUE(load());
    EXPECT_EQ(lisp(L"(ta-appname)"), L"\"" + pluginPath() + L"\"");
    EXPECT_NE(std::wstring(acedGetAppName()), pluginPath());
}

} // namespace
} // namespace vma::test
