// Text files: open, read-line, write-line, close. Names resolve as the host
// maps Windows-style paths; text is UTF-8.
#include "host/base/text.h"
#include "host/lisp/builtins.h"
#include "host/win/paths.h"

namespace vma::lisp {

namespace {

ErrorOr<Value> open(Interp&, const Args& a) {
    VMA_TRY(arity(a, 2, 2));
    VMA_TRY_ASSIGN(std::wstring name, stringArg(a[0]));
    VMA_TRY_ASSIGN(std::wstring mode, stringArg(a[1]));
    std::wstring lower = mode;
    for (wchar_t& c : lower)
        c = c == L'R' ? L'r' : c == L'W' ? L'w' : c == L'A' ? L'a' : c;
    if (lower != L"r" && lower != L"w" && lower != L"a")
        return badArgument("mode", a[1]);
    std::string path = win::hostPath(name).string();
    FILE* f = std::fopen(path.c_str(), lower == L"r" ? "rb" : lower == L"w" ? "wb" : "ab");
    if (!f)
        return Value{};
    return makeFile(std::shared_ptr<FILE>(f, [](FILE* file) { std::fclose(file); }), name);
}

ErrorOr<Value> fileArg(const Value& v) {
    if (!is(v, Type::File) || !v->file)
        return badArgument("streamp", v);
    return v;
}

ErrorOr<Value> readLine(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    VMA_TRY(fileArg(a[0]));
    FILE* f = a[0]->file.get();
    std::string line;
    int c = 0;
    bool any = false;
    while ((c = std::fgetc(f)) != EOF) {
        any = true;
        if (c == '\n')
            break;
        line += static_cast<char>(c);
    }
    if (!any)
        return Value{};
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return makeStr(utf8ToWide(isValidUtf8(line) ? line : cp1252ToUtf8(line)));
}

ErrorOr<Value> writeLine(Interp&, const Args& a) {
    VMA_TRY(arity(a, 2, 2));
    VMA_TRY_ASSIGN(std::wstring s, stringArg(a[0]));
    VMA_TRY(fileArg(a[1]));
    std::string utf8 = wideToUtf8(s) + "\n";
    std::fwrite(utf8.data(), 1, utf8.size(), a[1]->file.get());
    return a[0];
}

ErrorOr<Value> close(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    VMA_TRY(fileArg(a[0]));
    // A closed descriptor stays a FILE value that no function accepts any more.
    const_cast<Node&>(*a[0]).file.reset();
    return Value{};
}

const Registrar registrar{
    {L"OPEN", open},
    {L"READ-LINE", readLine},
    {L"WRITE-LINE", writeLine},
    {L"CLOSE", close},
};

} // namespace

} // namespace vma::lisp
