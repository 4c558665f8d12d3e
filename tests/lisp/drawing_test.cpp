// Drawing functions from LISP: entity lists in and out, selection sets with
// filters, tables, extended data, files and load.
#include "lisp_fixture.h"

#include <filesystem>
#include <fstream>

namespace vma::test {

TEST_F(LispTest, EntitiesMadeReadAndChanged) {
    check({
        {L"(entlast)", L"nil"},
        {L"(setq e (entmakex '((0 . \"LINE\") (8 . \"0\") (10 0.0 0.0 0.0) (11 5.0 0.0 0.0))))"
         L" (type e)",
         L"ENAME"},
        {L"(cdr (assoc 0 (entget e)))", L"\"LINE\""},
        {L"(cdr (assoc 11 (entget e)))", L"(5.0 0.0 0.0)"},
        {L"(equal e (entlast))", L"T"},
        {L"(equal e (entnext))", L"T"},
        {L"(entnext e)", L"nil"},
        {L"(setq d (entget e)) (entmod (subst '(11 9.0 0.0 0.0) (assoc 11 d) d)) "
         L"(cdr (assoc 11 (entget e)))",
         L"(9.0 0.0 0.0)"},
        {L"(equal e (handent (cdr (assoc 5 (entget e)))))", L"T"},
        {L"(entdel e) (entget e)", L"nil"},
        {L"(entget 5)", L"; error: bad argument type: lentityp: 5"},
    });
}

TEST_F(LispTest, ExtendedDataThroughApplicationLists) {
    check({
        {L"(regapp \"MYAPP\")", L"\"MYAPP\""},
        {L"(setq e (entmakex '((0 . \"POINT\") (10 1.0 2.0 0.0) (-3 (\"MYAPP\" (1000 . \"tag\") "
         L"(1070 . 7))))))"
         L" (assoc -3 (entget e '(\"MYAPP\")))",
         L"(-3 (\"MYAPP\" (1000 . \"tag\") (1070 . 7)))"},
        {L"(assoc -3 (entget e))", L"nil"},
    });
}

TEST_F(LispTest, SelectionSets) {
    check({
        {L"(entmake '((0 . \"LINE\") (8 . \"A\") (10 0.0 0.0 0.0) (11 1.0 1.0 0.0))) "
         L"(entmake '((0 . \"CIRCLE\") (8 . \"B\") (10 5.0 5.0 0.0) (40 . 1.0))) (princ)",
         L""},
        {L"(sslength (ssget \"X\"))", L"2"},
        {L"(setq s (ssget \"X\" '((0 . \"CIRCLE\")))) (sslength s)", L"1"},
        {L"(cdr (assoc 0 (entget (ssname s 0))))", L"\"CIRCLE\""},
        {L"(ssname s 1)", L"nil"},
        {L"(ssget \"X\" '((8 . \"NONE\")))", L"nil"},
        {L"(sslength (ssget \"W\" '(-1.0 -1.0) '(2.0 2.0)))", L"1"},
        {L"(setq n (ssadd)) (ssadd (entlast) n) (sslength n)", L"1"},
        {L"(equal (ssmemb (entlast) n) (entlast))", L"T"},
        {L"(ssdel (entlast) n) (sslength n)", L"0"},
        {L"(sslength 1)", L"; error: bad argument type: lselsetp: 1"},
    });
}

TEST_F(LispTest, Tables) {
    check({
        {L"(cdr (assoc 2 (tblsearch \"LAYER\" \"0\")))", L"\"0\""},
        {L"(tblsearch \"LAYER\" \"missing\")", L"nil"},
        {L"(cdr (assoc 0 (tblnext \"LAYER\" T)))", L"\"LAYER\""},
        {L"(type (tblobjname \"LAYER\" \"0\"))", L"ENAME"},
    });
}

TEST_F(LispTest, GeometryFunctions) {
    check({
        {L"(polar '(1.0 1.0) 0.0 2.0)", L"(3.0 1.0)"},
        {L"(distance '(0 0) '(3 4))", L"5.0"},
        {L"(angle '(0 0) '(0 1))", L"1.5708"},
        {L"(inters '(0 0) '(2 2) '(0 2) '(2 0))", L"(1.0 1.0)"},
        {L"(inters '(0 0) '(1 1) '(3 0) '(4 -1))", L"nil"},
        {L"(inters '(0 0) '(1 1) '(3 0) '(4 -1) nil)", L"(1.5 1.5)"},
        {L"(trans '(1.0 2.0 3.0) 0 1)", L"(1.0 2.0 3.0)"},
    });
}

TEST_F(LispTest, FilesAndLoad) {
    auto dir = std::filesystem::temp_directory_path() / "vma_lisp_test";
    std::filesystem::create_directories(dir);
    auto file = (dir / "out.txt").wstring();
    auto lsp = (dir / "tools.lsp").wstring();
    {
        std::ofstream out(dir / "tools.lsp");
        out << "; helpers\n(defun twice (x) (* 2 x))\n(setq loaded 'yes)\n";
    }
    std::wstring open = L"(setq f (open \"" + file + L"\" \"w\"))";
    run(open + L" (write-line \"one\" f) (write-line \"two\" f) (close f)");
    run(L"(setq f (open \"" + file + L"\" \"r\"))");
    EXPECT_EQ(run(L"(list (read-line f) (read-line f) (read-line f))"), L"(\"one\" \"two\" nil)");
    run(L"(close f)");
    EXPECT_EQ(run(L"(load \"" + lsp + L"\") (list loaded (twice 4))"), L"(YES 8)");
    EXPECT_EQ(run(L"(load \"/no/such/file.lsp\" 'missing)"), L"MISSING");
    EXPECT_EQ(run(L"(findfile \"/no/such/file.lsp\")"), L"nil");
    std::filesystem::remove_all(dir);
}

} // namespace vma::test
