#include "toolkit/dv_catalogue.h"

#include "toolkit/dv_catalogue_reader.h"
#include "toolkit/dv_debug.h"
#include "toolkit/dv_print.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

constexpr const wchar_t* kNotOpen = L"Incompatible textfile! ";
constexpr size_t kMaxText = 255;

struct Catalogue {
    DvCatalogueReader reader;
    int variants = 1;
    int language = 0;
    // The one line buffer of dv_catalogue_line: fixed, so a pointer handed
    // out stays valid (with new content) after the next call.
    std::array<wchar_t, kMaxText + 1> lineBuffer{};
};

Catalogue& catalogue() {
    static Catalogue instance;
    return instance;
}

// The raw text of a line, or nullopt (with the reason on the debug channel).
std::optional<std::wstring> readLine(int section, int line) {
    Catalogue& cat = catalogue();
    if (!cat.reader.isOpen()) {
        dv_print(L"\n");
        return std::nullopt;
    }
    const DvLookup found =
        cat.reader.lookup(static_cast<uint32_t>(section), line, cat.variants, cat.language);
    switch (found.status) {
    case DvLookup::Status::Ok:
        return found.text;
    case DvLookup::Status::NoSection:
        dv_debug_print(L"Rubriek %d komt niet voor in tekstbestand\n", section);
        return std::nullopt;
    case DvLookup::Status::NoRecord:
        dv_debug_print(L"Regel %d komt niet voor in rubriek %d (max = %d)\n", found.record, section,
                       found.count);
        return std::nullopt;
    case DvLookup::Status::ReadFailed:
        return std::nullopt;
    }
    return std::nullopt;
}

bool isPlainType(int type) {
    return type == RTNONE || type == RTVOID || type == RTNIL;
}
bool isFormatType(int type) {
    return type == RTREAL || type == RTSHORT || type == RTLONG || type == RTSTR;
}

std::wstring formatted(const std::wstring& text, int type, const DvArg& arg) {
    if (isPlainType(type))
        return text;
    if (!isFormatType(type))
        return L"DEBUG(ERRORMODE).." + text;
    DvArg typed = arg;
    typed.type = type;
    const DvArg list[] = {typed};
    return dv_format(text, list);
}

} // namespace

int dv_catalogue_open(const wchar_t* path, int variants, int language) {
    Catalogue& cat = catalogue();
    if (!path || cat.reader.isOpen()) {
        if (!cat.reader.isOpen())
            return 1;
        cat.variants = variants;
        cat.language = language;
        return 0;
    }
    auto source = DvFileSource::open(path);
    if (!source)
        return 1;
    switch (cat.reader.open(std::move(source))) {
    case DvCatalogueReader::Open::Ok:
        cat.variants = variants;
        cat.language = language;
        return 0;
    case DvCatalogueReader::Open::WrongMagic:
        dv_print(L"\nIncompatible textfile!\n");
        return -1;
    default:
        return 2;
    }
}

void dv_catalogue_close() {
    catalogue().reader.close();
}

const wchar_t* dv_catalogue_line(int line, const wchar_t* builtin) {
    Catalogue& cat = catalogue();
    auto text = readLine(100, line);
    const std::wstring_view chosen =
        text ? std::wstring_view(*text) : std::wstring_view(builtin ? builtin : L"");
    const size_t n = std::min(chosen.size(), kMaxText);
    std::copy_n(chosen.begin(), n, cat.lineBuffer.begin());
    cat.lineBuffer[n] = L'\0';
    return cat.lineBuffer.data();
}

int dv_catalogue_text(std::wstring& dest, int section, int line, int type, const DvArg& arg) {
    if (!catalogue().reader.isOpen()) {
        dv_print(L"\n");
        dest = kNotOpen;
        return 1;
    }
    const std::wstring placeholder = dv_catalogue_line(48, L"Nog leeg!");
    auto text = readLine(section, line);
    if (!text) {
        dest = placeholder;
        return 1;
    }
    dest = formatted(*text, type, arg);
    if (dest.size() > kMaxText)
        dest.resize(kMaxText);
    return 0;
}

int dv_catalogue_print(int section, int line, int type, const DvArg& arg) {
    std::wstring text;
    const int status = dv_catalogue_text(text, section, line, type, arg);
    dv_print(L"\n");
    if (status != 0)
        return 1;
    if (text.empty())
        return 2;
    dv_print(text);
    return 0;
}

int dv_catalogue_string(ads_hdlg, int section, int line, const wchar_t* arg, std::wstring& dest) {
    if (arg)
        return dv_catalogue_text(dest, section, line, RTSTR, dv_arg(arg));
    return dv_catalogue_text(dest, section, line, RTNONE);
}

void dv_set_dcl_label(ads_hdlg dialog, int section, int line, const wchar_t* arg) {
    std::wstring text;
    dv_catalogue_string(dialog, section, line, arg, text);
    ads_set_tile(dialog, L"dcl_label", text.c_str());
}
