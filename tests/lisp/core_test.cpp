// The reader, the printer and the special forms: what each expression prints.
#include "lisp_fixture.h"

namespace vma::test {

TEST_F(LispTest, ReaderAtoms) {
    check({
        {L"12", L"12"},
        {L"-7", L"-7"},
        {L"1.", L"1.0"},
        {L".5", L"0.5"},
        {L"1e3", L"1000.0"},
        {L"2147483648", L"2.14748e+09"},
        {L"'abc", L"ABC"},
        {L"'(a . b)", L"(A . B)"},
        {L"'(1 (2 3) . 4)", L"(1 (2 3) . 4)"},
        {L"\"a\\\"b\\\\c\\n\"", L"\"a\\\"b\\\\c\\n\""},
        {L"(strlen \"\\101\\t\\e\")", L"3"},
        {L"(ascii \"\\101\")", L"65"},
        {L"; comment\n 5", L"5"},
        {L";| block\n comment |; 6", L"6"},
        {L"nil", L"nil"},
        {L"'()", L"nil"},
        {L"T", L"T"},
    });
}

TEST_F(LispTest, ReaderErrors) {
    check({
        {L"(+ 1 2", L"; error: malformed list on input"},
        {L")", L"; error: extra right paren on input"},
        {L"\"open", L"; error: malformed list on input"},
        {L"'(1 . 2 3)", L"; error: malformed list on input"},
        {L"'(a .)", L"; error: malformed list on input"},
        {L"'.", L"; error: malformed list on input"},
    });
}

TEST_F(LispTest, SpecialForms) {
    check({
        {L"(setq a 1 b 2)", L"2"},
        {L"(list a b)", L"(1 2)"},
        {L"(if nil 1 2)", L"2"},
        {L"(if nil 1)", L"nil"},
        {L"(cond ((= a 2) 'two) ((= a 1) 'one))", L"ONE"},
        {L"(cond ((+ a 4)))", L"5"},
        {L"(progn 1 2 3)", L"3"},
        {L"(setq i 0 s 0) (while (< i 5) (setq s (+ s i) i (1+ i))) s", L"10"},
        {L"(setq n 0) (repeat 4 (setq n (+ n 2)))", L"8"},
        {L"(setq x 'keep) (setq s 0) (foreach x '(1 2 3) (setq s (+ s x))) (list s x)",
         L"(6 KEEP)"},
        {L"(and 1 2)", L"T"},
        {L"(and 1 nil)", L"nil"},
        {L"(or nil 3)", L"T"},
        {L"(or)", L"nil"},
        {L"(quote (a b))", L"(A B)"},
        {L"((lambda (x y) (* x y)) 3 4)", L"12"},
        {L"(mapcar (function (lambda (x) (* x x))) '(1 2 3))", L"(1 4 9)"},
    });
}

TEST_F(LispTest, DefunLocalsAndDynamicScope) {
    check({
        {L"(defun sq (x) (* x x))", L"SQ"},
        {L"(sq 5)", L"25"},
        {L"(setq tmp 'global) (defun f (a / tmp) (setq tmp a) tmp) (f 9)", L"9"},
        {L"tmp", L"GLOBAL"},
        {L"(defun inner () depth) (defun outer (depth) (inner)) (outer 7)", L"7"},
        {L"(defun fact (n) (if (< n 2) 1 (* n (fact (1- n))))) (fact 10)", L"3628800"},
        {L"(sq)", L"; error: too few arguments"},
        {L"(sq 1 2)", L"; error: too many arguments"},
        {L"(type sq)", L"USUBR"},
        {L"(type car)", L"SUBR"},
    });
}

TEST_F(LispTest, ErrorsDoNotEndTheSession) {
    check({
        {L"(+ 1 \"a\")", L"; error: bad argument type: numberp: \"a\""},
        {L"(foo 1)", L"; error: no function definition: FOO"},
        {L"(/ 1 0)", L"; error: divide by zero"},
        {L"(/ 1.0 0)", L"; error: divide by zero"},
        {L"(car 1)", L"; error: bad argument type: consp: 1"},
        {L"(+ 1 1)", L"2"},
    });
}

TEST_F(LispTest, UserErrorHandlerIsCalled) {
    run(L"(defun *error* (msg) (princ (strcat \"caught: \" msg)))");
    EXPECT_EQ(run(L"(car 1)"), L"caught: bad argument type: consp: 1");
    EXPECT_EQ(run(L"(exit)"), L"caught: quit / exit abort");
}

TEST_F(LispTest, DeepRecursionEndsInAnError) {
    run(L"(defun down (n) (down (1+ n)))");
    EXPECT_EQ(run(L"(down 0)"), L"; error: stack limit reached");
    EXPECT_EQ(run(L"(+ 2 2)"), L"4");
}

TEST_F(LispTest, LongListsAreFreed) {
    run(L"(defun build (n / l) (repeat n (setq l (cons n l))) (length l))");
    EXPECT_EQ(run(L"(build 200000)"), L"200000");
}

} // namespace vma::test
