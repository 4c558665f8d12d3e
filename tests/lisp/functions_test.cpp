// The built-in functions by group: arithmetic with its integer rules, lists,
// strings and conversions, predicates, printing.
#include "lisp_fixture.h"

namespace vma::test {

TEST_F(LispTest, Arithmetic) {
    check({
        {L"(+)", L"0"},
        {L"(+ 1 2 3)", L"6"},
        {L"(+ 1 2.5)", L"3.5"},
        {L"(- 10)", L"-10"},
        {L"(- 10 3 2)", L"5"},
        {L"(* 2 3.0)", L"6.0"},
        {L"(/ 7 2)", L"3"},
        {L"(/ 7 2.0)", L"3.5"},
        {L"(/ -7 2)", L"-3"},
        {L"(+ 2147483647 1)", L"-2147483648"},
        {L"(* 65536 65536)", L"0"},
        {L"(1+ 5)", L"6"},
        {L"(1- 5.5)", L"4.5"},
        {L"(rem 7 3)", L"1"},
        {L"(rem 7.5 2)", L"1.5"},
        {L"(rem 1 0)", L"; error: divide by zero"},
        {L"(max 1 5 3)", L"5"},
        {L"(min 1 5.0 3)", L"1.0"},
        {L"(abs -4)", L"4"},
        {L"(fix 3.7)", L"3"},
        {L"(fix -3.7)", L"-3"},
        {L"(float 3)", L"3.0"},
        {L"(sqrt 16)", L"4.0"},
        {L"(expt 2 10)", L"1024"},
        {L"(expt 2.0 0.5)", L"1.41421"},
        {L"(exp 0)", L"1.0"},
        {L"(log 1)", L"0.0"},
        {L"(sin 0)", L"0.0"},
        {L"(cos 0)", L"1.0"},
        {L"(atan 1)", L"0.785398"},
        {L"(atan 1 0)", L"1.5708"},
        {L"(gcd 12 18)", L"6"},
        {L"(logand 7 12)", L"4"},
        {L"(logior 1 2 4)", L"7"},
        {L"(lsh 1 4)", L"16"},
        {L"(lsh 16 -2)", L"4"},
        {L"(~ 5)", L"-6"},
        {L"(minusp -1)", L"T"},
        {L"(zerop 0.0)", L"T"},
        {L"(numberp 'a)", L"nil"},
    });
}

TEST_F(LispTest, Comparisons) {
    check({
        {L"(= 1 1.0)", L"T"},
        {L"(= 1 1 2)", L"nil"},
        {L"(/= 1 2)", L"T"},
        {L"(< 1 2 3)", L"T"},
        {L"(< 1 3 2)", L"nil"},
        {L"(<= 2 2)", L"T"},
        {L"(> \"b\" \"a\")", L"T"},
        {L"(>= 1 2)", L"nil"},
        {L"(= \"a\" \"a\")", L"T"},
        {L"(< 1 \"a\")", L"; error: bad argument type: numberp: \"a\""},
        {L"(eq 'a 'a)", L"T"},
        {L"(eq '(1) '(1))", L"nil"},
        {L"(equal '(1 (2 \"x\")) '(1 (2 \"x\")))", L"T"},
        {L"(equal 1.0 1.05 0.1)", L"T"},
    });
}

TEST_F(LispTest, Lists) {
    check({
        {L"(list 1 \"a\" 'b)", L"(1 \"a\" B)"},
        {L"(cons 1 '(2))", L"(1 2)"},
        {L"(cons 1 2)", L"(1 . 2)"},
        {L"(car '(1 2))", L"1"},
        {L"(cdr '(1 2))", L"(2)"},
        {L"(cadr '(1 2 3))", L"2"},
        {L"(caddr '(1 2 3))", L"3"},
        {L"(cddr '(1 2 3))", L"(3)"},
        {L"(caar '((1) 2))", L"1"},
        {L"(cdar '((1 5) 2))", L"(5)"},
        {L"(cadar '((1 5) 2))", L"5"},
        {L"(car nil)", L"nil"},
        {L"(last '(1 2 3))", L"3"},
        {L"(append '(1) '(2 3) nil '(4))", L"(1 2 3 4)"},
        {L"(length '(1 2 3))", L"3"},
        {L"(nth 1 '(a b c))", L"B"},
        {L"(nth 5 '(a b c))", L"nil"},
        {L"(assoc 8 '((0 . \"LINE\") (8 . \"0\")))", L"(8 . \"0\")"},
        {L"(member 2 '(1 2 3))", L"(2 3)"},
        {L"(reverse '(1 2 3))", L"(3 2 1)"},
        {L"(subst 'x 'b '(a b (b c)))", L"(A X (X C))"},
        {L"(listp nil)", L"T"},
        {L"(atom '(1))", L"nil"},
        {L"(null nil)", L"T"},
        {L"(not 1)", L"nil"},
        {L"(apply '+ '(1 2 3))", L"6"},
        {L"(apply (function max) '(4 9 2))", L"9"},
        {L"(mapcar '+ '(1 2 3) '(10 20))", L"(11 22)"},
        {L"(eval '(+ 1 2))", L"3"},
        {L"(setq v 3) (boundp 'v)", L"T"},
        {L"(boundp 'never)", L"nil"},
        {L"(mapcar 'type (list 1 1.0 \"s\" 'a '(1)))", L"(INT REAL STR SYM LIST)"},
        {L"(length 5)", L"; error: bad argument type: listp: 5"},
    });
}

TEST_F(LispTest, Strings) {
    check({
        {L"(strcat \"ab\" \"cd\")", L"\"abcd\""},
        {L"(strlen \"hello\")", L"5"},
        {L"(substr \"hello\" 2 3)", L"\"ell\""},
        {L"(substr \"hello\" 4)", L"\"lo\""},
        {L"(substr \"hello\" 9)", L"\"\""},
        {L"(strcase \"aBc\")", L"\"ABC\""},
        {L"(strcase \"aBc\" T)", L"\"abc\""},
        {L"(atoi \"42abc\")", L"42"},
        {L"(atof \"2.5\")", L"2.5"},
        {L"(itoa -12)", L"\"-12\""},
        {L"(read \"(a 1)\")", L"(A 1)"},
        {L"(wcmatch \"LAYER1\" \"LAY*\")", L"T"},
        {L"(wcmatch \"layer\" \"LAY*\")", L"nil"},
        {L"(wcmatch \"A12\" \"@##\")", L"T"},
        {L"(vl-princ-to-string '(1 \"a\"))", L"\"(1 a)\""},
        {L"(strcat \"a\" 1)", L"; error: bad argument type: stringp: 1"},
    });
}

TEST_F(LispTest, NumberFormats) {
    check({
        {L"(rtos 1.5 2 2)", L"\"1.50\""},
        {L"(rtos 1.5)", L"\"1.5000\""},
        {L"(rtos 15.5 1 2)", L"\"1.55E+01\""},
        {L"(rtos 15.5 3 1)", L"\"1'-3.5\\\"\""},
        {L"(rtos 15.5 4 4)", L"\"1'-3 1/2\\\"\""},
        {L"(rtos 2.25 5 4)", L"\"2 1/4\""},
        {L"(angtos 0.785398163 0 2)", L"\"45.00\""},
        {L"(angtos 0.785398163 1 4)", L"\"45d0'0\\\"\""},
        {L"(angtos 3.14159265 2 0)", L"\"200g\""},
        {L"(angtos 1.5 3 2)", L"\"1.50r\""},
        {L"(angtos 0.785398163 4 4)", L"\"N 45d0'0\\\" E\""},
        {L"(angtos 1.57079632679 4 4)", L"\"N\""},
    });
}

TEST_F(LispTest, Printing) {
    EXPECT_EQ(run(L"(princ \"a\\nb\")"), L"\"a\\nb\"");
    EXPECT_EQ(printed, L"a\nb");
    run(L"(prin1 \"q\\\"\")");
    EXPECT_EQ(printed, L"\"q\\\"\"");
    run(L"(print 'x)");
    EXPECT_EQ(printed, L"\nX ");
    run(L"(terpri)");
    EXPECT_EQ(printed, L"\n");
    EXPECT_EQ(run(L"(princ)"), L"");
    run(L"(alert \"Look\")");
    EXPECT_EQ(printed, L"** AutoCAD Message **\nLook\n[OK]\nNo answer: OK (the default button)\n");
}

TEST_F(LispTest, SystemVariables) {
    check({
        {L"(getvar \"LUNITS\")", L"2"},
        {L"(setvar \"LUPREC\" 2)", L"2"},
        {L"(rtos 1.0)", L"\"1.00\""},
        {L"(getvar \"nosuchvar\")", L"nil"},
        {L"(setvar \"LUPREC\" 99)", L"; error: AutoCAD variable setting rejected: \"LUPREC\" 99"},
    });
}

} // namespace vma::test
