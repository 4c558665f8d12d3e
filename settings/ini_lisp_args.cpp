#include "settings/ini_lisp_args.h"

#include "acedads.h"
#include "acutads.h"
#include "adscodes.h"
#include "toolkit/dv_catalogue.h"
#include "toolkit/dv_print.h"

#include <array>

namespace {

struct ComplaintLine {
    int line;
    const wchar_t* builtin;
};

constexpr std::array<ComplaintLine, 3> kComplaints = {{
    {kIniLispWrongType, L"FOUT: Verkeerd type argument meegegeven!"},
    {kIniLispNoArguments, L"FOUT: Incorrect aantal argumenten meegegeven!"},
    {kIniLispWrongArguments, L"FOUT: Incorrect aantal of verkeerd type argumenten meegegeven!"},
}};

// Read once and kept while the module is loaded: the catalogue's line buffer
// is shared, so the texts are copied out.
const std::array<std::wstring, 3>& complaintTexts() {
    static const std::array<std::wstring, 3> texts = [] {
        std::array<std::wstring, 3> read;
        for (size_t i = 0; i < kComplaints.size(); ++i)
            read[i] = dv_catalogue_line(kComplaints[i].line, kComplaints[i].builtin);
        return read;
    }();
    return texts;
}

const std::wstring& complaintText(int line) {
    const auto& texts = complaintTexts();
    for (size_t i = 0; i < kComplaints.size(); ++i)
        if (kComplaints[i].line == line)
            return texts[i];
    return texts[0];
}

bool isString(const resbuf* rb) {
    return rb != nullptr && rb->restype == RTSTR;
}

bool fits(const IniLispArgs& args, const IniLispSignature& signature) {
    for (size_t i = 0; i < signature.strings; ++i)
        if (!isString(args.at(i)))
            return false;
    return signature.required == 0 || args.at(signature.required - 1) != nullptr;
}

// Appends a chain at the end of another, both owned by the caller until the
// whole goes to acedRetList.
class Chain {
public:
    Chain() = default;
    ~Chain() { acutRelRb(head_); }
    Chain(const Chain&) = delete;
    Chain& operator=(const Chain&) = delete;

    void append(resbuf* part) {
        if (part == nullptr)
            return;
        if (head_ == nullptr)
            head_ = part;
        else
            tail_->rbnext = part;
        tail_ = part;
        while (tail_->rbnext != nullptr)
            tail_ = tail_->rbnext;
    }
    int giveAsList() const {
        if (head_ == nullptr)
            return ini_lisp_nil();
        acedRetList(head_);
        return RSRSLT;
    }

private:
    resbuf* head_ = nullptr;
    resbuf* tail_ = nullptr;
};

} // namespace

void IniLispArgs::Release::operator()(resbuf* rb) const {
    acutRelRb(rb);
}

IniLispArgs::IniLispArgs() : head_(acedGetArgs()) {
    for (const resbuf* rb = head_.get(); rb != nullptr; rb = rb->rbnext)
        items_.push_back(rb);
}

const resbuf* IniLispArgs::at(size_t index) const {
    return index < items_.size() ? items_[index] : nullptr;
}

std::wstring IniLispArgs::text(size_t index) const {
    const resbuf* rb = at(index);
    if (!isString(rb) || rb->resval.rstring == nullptr)
        return {};
    return rb->resval.rstring;
}

std::optional<IniLispArgs> ini_lisp_args(const IniLispSignature& signature) {
    complaintTexts();
    IniLispArgs args;
    if (args.empty() && signature.required > 0) {
        ini_lisp_complain(signature, kIniLispNoArguments);
        return std::nullopt;
    }
    if (!fits(args, signature)) {
        ini_lisp_complain(signature, signature.complaint);
        return std::nullopt;
    }
    return args;
}

void ini_lisp_print_syntax(const IniLispSignature& signature) {
    if (signature.syntax != nullptr)
        dv_print(signature.syntax);
}

void ini_lisp_complain(const IniLispSignature& signature, int line) {
    if (signature.syntax == nullptr)
        return;
    dv_print(complaintText(line) + L"\n");
    dv_print(signature.syntax);
}

bool ini_lisp_is_integer(const resbuf* rb) {
    return rb != nullptr && (rb->restype == RTSHORT || rb->restype == RTLONG);
}

int ini_lisp_integer(const resbuf* rb) {
    if (rb == nullptr)
        return 0;
    if (rb->restype == RTSHORT)
        return rb->resval.rint;
    if (rb->restype == RTLONG)
        return rb->resval.rlong;
    return 0;
}

int ini_lisp_nil() {
    acedRetNil();
    return RSRSLT;
}

int ini_lisp_t() {
    acedRetT();
    return RSRSLT;
}

int ini_lisp_bool(bool value) {
    return value ? ini_lisp_t() : ini_lisp_nil();
}

int ini_lisp_string(const std::wstring& text) {
    acedRetStr(text.c_str());
    return RSRSLT;
}

int ini_lisp_strings(const std::vector<std::wstring>& texts) {
    Chain chain;
    for (const std::wstring& text : texts)
        chain.append(acutBuildList(RTSTR, text.c_str(), 0));
    return chain.giveAsList();
}

int ini_lisp_pairs(const std::vector<std::wstring>& names,
                   const std::vector<std::wstring>& values) {
    Chain chain;
    for (size_t i = 0; i < names.size() && i < values.size(); ++i)
        chain.append(acutBuildList(RTLB, RTSTR, names[i].c_str(), RTDOTE, RTSTR, values[i].c_str(),
                                   RTLE, 0));
    return chain.giveAsList();
}

int ini_lisp_xy(double x, double y) {
    Chain chain;
    chain.append(acutBuildList(RTREAL, x, RTREAL, y, 0));
    return chain.giveAsList();
}
