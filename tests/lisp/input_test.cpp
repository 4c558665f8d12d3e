// The LISP input functions over the input engine: each get function with its
// keywords, Enter (nil), wrong input asked again with the engine's complaint,
// and Esc ending the evaluation as "Function cancelled"; initget lasting one
// call; entity picks, grread events, and the screen functions.
#include "input_fixture.h"

namespace vma::test {
namespace {

TEST_F(LispInputTest, Integers) {
    checkInput({
        {L"(getint \"N: \")", {typed(L"42")}, L"42", L"N: "},
        {L"(getint)", {typed(L"x"), typed(L"3")}, L"3", L"Requires an integer value."},
        {L"(getint)", {typed(L"")}, L"nil", nullptr},
        {L"(getint)", {esc()}, L"; error: Function cancelled", L"*Cancel*"},
        {L"(getint)", {}, L"; error: Function cancelled", nullptr},
        {L"(initget \"All\") (getint)", {typed(L"a")}, L"\"All\"", nullptr},
        {L"(initget 1) (getint)", {typed(L""), typed(L"5")}, L"5", nullptr},
        {L"(initget 6) (getint)",
         {typed(L"0"), typed(L"2")},
         L"2",
         L"Value must be positive and nonzero."},
        {L"(getint 5)", {}, L"; error: bad argument type: stringp: 5", nullptr},
        {L"(getint \"a\" \"b\")", {}, L"; error: too many arguments", nullptr},
    });
}

TEST_F(LispInputTest, RealsStringsAndKeywords) {
    checkInput({
        {L"(getreal \"R: \")", {typed(L"2.5")}, L"2.5", nullptr},
        {L"(getreal)", {typed(L"x"), typed(L"1")}, L"1.0", L"Requires a real value."},
        {L"(getreal)", {typed(L"")}, L"nil", nullptr},
        {L"(getstring \"Name: \")", {typed(L"abc")}, L"\"abc\"", L"Name: "},
        {L"(getstring T \"Name: \")", {typed(L"a b")}, L"\"a b\"", nullptr},
        {L"(getstring)", {typed(L"")}, L"\"\"", nullptr},
        {L"(getstring nil \"Name: \")", {typed(L"x")}, L"\"x\"", L"Name: "},
        {L"(getstring 1 2)", {}, L"; error: bad argument type: stringp: 2", nullptr},
        {L"(getstring)", {esc()}, L"; error: Function cancelled", nullptr},
        {L"(initget \"Yes No\") (getkword \"Sure? \")", {typed(L"n")}, L"\"No\"", nullptr},
        {L"(initget \"Yes No\") (getkword)",
         {typed(L"x"), typed(L"YE")},
         L"\"Yes\"",
         L"Invalid option keyword."},
        {L"(initget \"Yes No\") (getkword)", {typed(L"")}, L"nil", nullptr},
        {L"(initget 1 \"Yes No\") (getkword)", {typed(L""), typed(L"y")}, L"\"Yes\"", nullptr},
        {L"(initget \"Yes No\") (getkword)", {esc()}, L"; error: Function cancelled", nullptr},
    });
}

TEST_F(LispInputTest, InitgetLastsOneCall) {
    EXPECT_EQ(ask(L"(initget 1) (getint)", {typed(L"5")}), L"5");
    EXPECT_EQ(ask(L"(getint)", {typed(L"")}), L"nil");
    EXPECT_EQ(ask(L"(initget \"Left\") (getint)", {typed(L"9")}), L"9");
    EXPECT_EQ(ask(L"(getint)", {typed(L"l"), typed(L"1")}), L"1");
}

TEST_F(LispInputTest, PointsInTheUcs) {
    checkInput({
        {L"(getpoint \"P: \")", {typed(L"1,2")}, L"(1.0 2.0 0.0)", L"P: "},
        // The base point draws the rubber band; "@" is from LASTPOINT, as typed anywhere.
        {L"(getpoint '(1 1) \"P: \")", {typed(L"2,2")}, L"(2.0 2.0 0.0)", nullptr},
        {L"(getpoint) (getpoint \"P: \" '(1 1))",
         {typed(L"2,2"), typed(L"@0,1")},
         L"(2.0 3.0 0.0)",
         nullptr},
        {L"(getpoint)", {picked(3, 4)}, L"(3.0 4.0 0.0)", nullptr},
        {L"(getpoint)", {typed(L"abc"), typed(L"1,1")}, L"(1.0 1.0 0.0)", L"Invalid point."},
        {L"(getpoint)", {typed(L"")}, L"nil", nullptr},
        {L"(initget \"Undo\") (getpoint)", {typed(L"u")}, L"\"Undo\"", nullptr},
        {L"(getpoint)", {esc()}, L"; error: Function cancelled", nullptr},
        {L"(getpoint 7)", {}, L"; error: bad argument type: 2D/3D point: 7", nullptr},
        {L"(getcorner '(0 0) \"C: \")", {typed(L"5,5")}, L"(5.0 5.0 0.0)", nullptr},
        {L"(getcorner \"C: \")", {}, L"; error: too few arguments", nullptr},
    });
}

TEST_F(LispInputTest, DistancesAndAngles) {
    checkInput({
        {L"(getdist \"D: \")", {typed(L"12.5")}, L"12.5", nullptr},
        {L"(getdist)", {typed(L"0,0"), typed(L"3,4")}, L"5.0", L"Specify second point: "},
        {L"(getdist '(0 0))", {typed(L"3,4")}, L"5.0", nullptr},
        {L"(initget 2) (getdist)", {typed(L"0"), typed(L"1")}, L"1.0", L"Value must be nonzero."},
        {L"(getdist)", {typed(L"")}, L"nil", nullptr},
        {L"(getangle \"A: \")", {typed(L"90")}, L"1.5708", nullptr},
        {L"(getangle '(0 0))", {typed(L"0,1")}, L"1.5708", nullptr},
        {L"(getorient)", {typed(L"180")}, L"3.14159", nullptr},
        {L"(getangle)", {esc()}, L"; error: Function cancelled", nullptr},
    });
}

TEST_F(LispInputTest, EntitySelection) {
    unitPixels();
    run(L"(entmake '((0 . \"LINE\") (10 0.0 0.0 0.0) (11 10.0 0.0 0.0)))");
    checkInput({
        {L"(setq s (entsel \"Pick: \")) (equal (car s) (entlast))",
         {picked(5, 0)},
         L"T",
         L"Pick: "},
        {L"(cadr s)", {}, L"(5.0 0.0 0.0)", nullptr},
        {L"(entsel)", {picked(5, 50)}, L"nil", nullptr},
        {L"(getvar \"ERRNO\")", {}, L"7", nullptr},
        {L"(entsel)", {typed(L"")}, L"nil", nullptr},
        {L"(initget \"Last\") (entsel)", {typed(L"l")}, L"\"Last\"", nullptr},
        {L"(entsel)", {esc()}, L"; error: Function cancelled", nullptr},
        {L"(equal (car (nentsel)) (entlast))", {typed(L"2,0")}, L"T", nullptr},
        {L"(equal (car (nentselp '(3 0))) (entlast))", {}, L"T", nullptr},
    });
}

TEST_F(LispInputTest, GrreadEvents) {
    checkInput({
        {L"(grread)", {key(65)}, L"(2 65)", nullptr},
        {L"(grread)", {picked(1, 2)}, L"(3 (1.0 2.0 0.0))", nullptr},
        {L"(grread nil 2)", {key(13)}, L"(2 13)", nullptr},
        {L"(grread)", {esc()}, L"; error: Function cancelled", nullptr},
    });
    driver->move(4, 5);
    EXPECT_EQ(lisp::evaluateText(L"(grread T)"), L"(5 (4.0 5.0 0.0))");
}

TEST_F(LispInputTest, CancelGoesToErrorHandler) {
    ask(L"(defun *error* (m) (princ (strcat \"handled: \" m)))", {});
    ask(L"(getint)", {esc()});
    EXPECT_NE(driver->transcript().find(L"handled: Function cancelled"), std::wstring::npos)
        << wideToUtf8(driver->transcript());
}

TEST_F(LispInputTest, ScreenFunctions) {
    unitPixels();
    run(L"(entmake '((0 . \"LINE\") (10 0.0 0.0 0.0) (11 10.0 0.0 0.0)))");
    checkInput({
        {L"(prompt \"Hello\")", {}, L"nil", L"Hello"},
        {L"(alert \"Look\")", {}, L"nil", L"** AutoCAD Message **\nLook\n[OK]\n"},
        {L"(redraw)", {}, L"nil", nullptr},
        {L"(redraw (entlast) 3)", {}, L"nil", nullptr},
        {L"(osnap '(9.5 0.5) \"_end\")", {}, L"(10.0 0.0 0.0)", nullptr},
        {L"(osnap '(50 50) \"_end\")", {}, L"nil", nullptr},
        {L"(osnap '(9 0) 5)", {}, L"; error: bad argument type: stringp: 5", nullptr},
    });
}

TEST_F(LispInputTest, PredefinedSymbols) {
    checkInput({
        {L"pause", {}, L"\"\\\\\"", nullptr},
        {L"pi", {}, L"3.14159", nullptr},
        {L"(setq pi 3) pi", {}, L"3", nullptr},
    });
}

} // namespace
} // namespace vma::test
