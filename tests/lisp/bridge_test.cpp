// Functions defined from C++ (acedDefun/acedRegFunc): arguments as acedGetArgs
// gives them, results from acedRet* (acedRetVoid shown as nothing), acedInvoke,
// the hook for functions with no handler, command lookup, and globals shared
// with acedGetSym/acedPutSym.
#include "adslib.h"
#include "host/db/rblist.h"
#include "lisp_fixture.h"

namespace vma::test {

namespace {

// Echoes its arguments back as one list.
int echo() {
    host::RbList args(acedGetArgs());
    return acedRetList(args.get()) == RTNORM ? RSRSLT : RSERR;
}

// The restypes of the arguments, as a list of integers.
int kinds() {
    host::RbList args(acedGetArgs());
    host::RbList out;
    for (const resbuf* rb = args.get(); rb; rb = rb->rbnext)
        out.appendNew(RTSHORT)->resval.rint = static_cast<short>(rb->restype - 5000);
    acedRetList(out.get());
    return RSRSLT;
}

int half() {
    host::RbList args(acedGetArgs());
    if (!args.get() || args.get()->restype != RTREAL)
        return RSERR;
    acedRetReal(args.get()->resval.rreal / 2);
    return RSRSLT;
}

int code() {
    acedRetInt(acedGetFunCode());
    return RSRSLT;
}

int greet() {
    acedRetStr(L"hi");
    return RSRSLT;
}

int quiet() {
    acedRetVoid();
    return RSRSLT;
}

int origin() {
    ads_point p = {1, 2, 3};
    acedRetPoint(p);
    return RSRSLT;
}

// Calls the LISP function SQ through acedInvoke.
int viaInvoke() {
    host::RbList call(acutBuildList(RTSTR, L"SQ", RTSHORT, 7, 0));
    resbuf* result = nullptr;
    if (acedInvoke(call.get(), &result) != RTNORM)
        return RSERR;
    host::RbList owned(result);
    acedRetVal(owned.get());
    return RSRSLT;
}

} // namespace

class BridgeTest : public LispTest {
protected:
    void define(const wchar_t* name, int number, int (*fn)()) {
        ASSERT_EQ(acedDefun(name, number), RTNORM);
        ASSERT_EQ(acedRegFunc(fn, number), RTNORM);
    }
    void TearDown() override {
        for (int i = 1; i <= 9; ++i)
            acedRegFunc(nullptr, i);
        lisp::setSubrHook(nullptr);
        LispTest::TearDown();
    }
};

TEST_F(BridgeTest, ArgumentsAndResultsRoundTrip) {
    define(L"echo", 1, echo);
    define(L"kinds", 2, kinds);
    define(L"half", 3, half);
    define(L"code", 4, code);
    define(L"greet", 5, greet);
    define(L"origin", 6, origin);
    check({
        {L"(echo 1 2.5 \"s\")", L"(1 2.5 \"s\")"},
        {L"(echo '(1 (2 3)) '(4 . 5))", L"((1 (2 3)) (4 . 5))"},
        {L"(echo '(1.0 2.0 3.0) '(1.0 2.0))", L"((1.0 2.0 3.0) (1.0 2.0))"},
        {L"(echo T nil 100000)", L"(T nil 100000)"},
        // 3 RTSHORT, 1 RTREAL, 5 RTSTR, 9 RT3DPOINT, 2 RTPOINT, 16 RTLB, 17 RTLE, 21 RTT, 19 RTNIL
        {L"(kinds 1 1.0 \"s\" '(1.0 2.0 3.0) '(1.0 2.0) '(1) T nil)", L"(3 1 5 9 2 16 3 17 21 19)"},
        {L"(kinds '(1 . 2))", L"(16 3 18 3 17)"},
        {L"(half 5.0)", L"2.5"},
        {L"(half \"x\")", L"; error: ADS request error"},
        {L"(code)", L"4"},
        {L"(greet)", L"\"hi\""},
        {L"(origin)", L"(1.0 2.0 3.0)"},
    });
}

// acedRetVoid gives nil, but the command line shows nothing for the call itself.
TEST_F(BridgeTest, QuietReturnsShowNothing) {
    define(L"quiet", 9, quiet);
    define(L"greet", 5, greet);
    check({
        {L"(quiet)", L""},
        {L"(greet) (quiet)", L""},
        {L"(null (quiet))", L"T"},
        {L"(progn (quiet))", L"nil"},
        {L"(quiet) (greet)", L"\"hi\""},
    });
}

TEST_F(BridgeTest, InvokeCallsLispFunctions) {
    run(L"(defun sq (x) (* x x))");
    define(L"viainvoke", 7, viaInvoke);
    EXPECT_EQ(run(L"(viainvoke)"), L"49");
    resbuf* result = nullptr;
    host::RbList bad(acutBuildList(RTSTR, L"NOPE", 0));
    EXPECT_EQ(acedInvoke(bad.get(), &result), RTERROR);
}

TEST_F(BridgeTest, UnregisteredFunctionsGoToTheHook) {
    ASSERT_EQ(acedDefun(L"C:DRAWIT", 8), RTNORM);
    EXPECT_EQ(run(L"(c:drawit)"), L"; error: no function definition: C:DRAWIT");
    int seen = 0;
    lisp::setSubrHook([&seen](int c) {
        seen = c;
        acedRetT();
        return RSRSLT;
    });
    EXPECT_EQ(run(L"(c:drawit)"), L"T");
    EXPECT_EQ(seen, 8);
    auto command = lisp::findCommandFunction(L"drawit");
    ASSERT_TRUE(command);
    seen = 0;
    command();
    EXPECT_EQ(seen, 8);
    EXPECT_EQ(acedUndef(L"C:DRAWIT", 8), RTNORM);
    EXPECT_FALSE(lisp::findCommandFunction(L"drawit"));
}

TEST_F(BridgeTest, CommandFunctionsDefinedInLisp) {
    run(L"(defun c:hello () (princ \"hello\") (princ))");
    auto command = lisp::findCommandFunction(L"HELLO");
    ASSERT_TRUE(command);
    printed.clear();
    command();
    EXPECT_EQ(printed, L"hello");
    EXPECT_FALSE(lisp::findCommandFunction(L"missing"));
}

TEST_F(BridgeTest, GlobalsAreTheDocumentSymbols) {
    run(L"(setq shared '(1 \"two\" 3.0))");
    resbuf* value = nullptr;
    ASSERT_EQ(acedGetSym(L"SHARED", &value), RTNORM);
    host::RbList owned(value);
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->restype, RTLB);
    EXPECT_EQ(value->rbnext->restype, RTSHORT);
    EXPECT_STREQ(value->rbnext->rbnext->resval.rstring, L"two");

    host::RbList put(acutBuildList(RTLB, RTSTR, L"x", RTDOTE, RTREAL, 2.5, RTLE, 0));
    ASSERT_EQ(acedPutSym(L"fromc", put.get()), RTNORM);
    EXPECT_EQ(run(L"fromc"), L"(\"x\" . 2.5)");
    host::RbList number(acutBuildList(RTSHORT, 5, 0));
    ASSERT_EQ(acedPutSym(L"SHARED", number.get()), RTNORM);
    EXPECT_EQ(run(L"shared"), L"5");
}

TEST_F(BridgeTest, LocalsShadowButDoNotReachTheStore) {
    run(L"(setq g 1) (defun f (/ g) (setq g 2) g)");
    EXPECT_EQ(run(L"(f)"), L"2");
    resbuf* value = nullptr;
    ASSERT_EQ(acedGetSym(L"G", &value), RTNORM);
    host::RbList owned(value);
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->resval.rint, 1);
}

} // namespace vma::test
