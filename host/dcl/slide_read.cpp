#include "host/dcl/slide.h"

#include <cstdint>
#include <cstring>

namespace vma::dcl {

namespace {

constexpr std::string_view kSlideId("AutoCAD Slide\r\n\x1a\0", 17);
constexpr size_t kLevel2Header = 31;
constexpr size_t kLevel1Header = 34;
constexpr int kMaxFillVertices = 10;

class Reader {
public:
    Reader(std::string_view bytes, size_t pos, bool big) : bytes_(bytes), pos_(pos), big_(big) {}

    bool has(size_t n) const { return pos_ + n <= bytes_.size(); }
    size_t pos() const { return pos_; }

    uint16_t word() {
        auto a = static_cast<uint8_t>(bytes_[pos_]);
        auto b = static_cast<uint8_t>(bytes_[pos_ + 1]);
        pos_ += 2;
        return static_cast<uint16_t>(big_ ? (a << 8) | b : (b << 8) | a);
    }
    int16_t signedWord() { return static_cast<int16_t>(word()); }
    int8_t signedByte() { return static_cast<int8_t>(bytes_[pos_++]); }

private:
    std::string_view bytes_;
    size_t pos_;
    bool big_;
};

uint16_t rawWord(std::string_view b, size_t at, bool big) {
    return Reader(b, at, big).word();
}

bool sane(int high) {
    return high > 0 && high <= 32767;
}

ErrorOr<Slide> header(std::string_view bytes, bool& big, size_t& start) {
    if (bytes.size() < kLevel2Header || bytes.substr(0, kSlideId.size()) != kSlideId ||
        static_cast<uint8_t>(bytes[17]) != 0x56)
        return Error{"not a slide"};
    Slide slide;
    int level = bytes[18];
    if (level == 2) {
        uint16_t test = rawWord(bytes, 29, false);
        if (test != 0x1234 && test != 0x3412)
            return Error{"slide of unknown byte order"};
        big = test == 0x3412;
        uint32_t aspect = 0;
        for (int i = 3; i >= 0; --i)
            aspect = (aspect << 8) | static_cast<uint8_t>(bytes[23 + i]);
        slide.aspect = aspect / 1e7;
        start = kLevel2Header;
    } else if (level == 1) {
        if (bytes.size() < kLevel1Header)
            return Error{"slide header cut short"};
        big = !sane(rawWord(bytes, 19, false)) && sane(rawWord(bytes, 19, true));
        char raw[8];
        for (int i = 0; i < 8; ++i)
            raw[i] = bytes[23 + (big ? 7 - i : i)];
        std::memcpy(&slide.aspect, raw, sizeof raw);
        start = kLevel1Header;
    } else {
        return Error{"slide of unknown level " + std::to_string(level)};
    }
    slide.highX = rawWord(bytes, 19, big);
    slide.highY = rawWord(bytes, 21, big);
    return slide;
}

struct State {
    int lastX = 0, lastY = 0;
    int color = 7;
    bool inFill = false;
    SlideFill fill;
};

ErrorOr<void> fillRecord(Reader& r, Slide& slide, State& s) {
    if (!r.has(4))
        return Error{"slide fill record cut short"};
    int x = r.signedWord();
    int y = r.signedWord();
    if (y >= 0) {
        if (!s.inFill || s.fill.points.size() >= kMaxFillVertices)
            return Error{"slide fill vertex outside a fill"};
        s.fill.points.push_back({x, y});
        return {};
    }
    if (!s.inFill) {
        s.inFill = true;
        s.fill = SlideFill{{}, s.color};
        return {};
    }
    s.inFill = false;
    if (s.fill.points.size() >= 3)
        slide.fills.push_back(std::move(s.fill));
    return {};
}

ErrorOr<bool> record(Reader& r, Slide& slide, State& s) {
    if (!r.has(2))
        return Error{"slide ends without an end record"};
    uint16_t w = r.word();
    int high = w >> 8;
    auto low = static_cast<int8_t>(w & 0xFF);
    if (high <= 0x7F) {
        if (!r.has(6))
            return Error{"slide vector cut short"};
        int y1 = r.word(), x2 = r.word(), y2 = r.word();
        slide.vectors.push_back({w, y1, x2, y2, s.color});
        s.lastX = w;
        s.lastY = y1;
        return true;
    }
    switch (high) {
    case 0xFB: {
        if (!r.has(3))
            return Error{"slide offset vector cut short"};
        int dy1 = r.signedByte(), dx2 = r.signedByte(), dy2 = r.signedByte();
        int x1 = s.lastX + low, y1 = s.lastY + dy1;
        slide.vectors.push_back({x1, y1, s.lastX + dx2, s.lastY + dy2, s.color});
        s.lastX = x1;
        s.lastY = y1;
        return true;
    }
    case 0xFC:
        return false;
    case 0xFD:
        VMA_TRY(fillRecord(r, slide, s));
        return true;
    case 0xFE: {
        if (!r.has(1))
            return Error{"slide common endpoint cut short"};
        int x = s.lastX + low, y = s.lastY + r.signedByte();
        slide.vectors.push_back({x, y, s.lastX, s.lastY, s.color});
        s.lastX = x;
        s.lastY = y;
        return true;
    }
    case 0xFF:
        s.color = w & 0xFF;
        return true;
    default:
        return Error{"unknown slide record " + std::to_string(high)};
    }
}

std::string upper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

constexpr std::string_view kLibraryId = "AutoCAD Slide Library 1.0\r\n\x1a";
constexpr size_t kLibraryHeader = 32;
constexpr size_t kEntry = 36;

struct Entry {
    std::string name;
    size_t offset;
};

ErrorOr<std::vector<Entry>> directory(std::string_view bytes) {
    if (bytes.size() < kLibraryHeader || bytes.substr(0, kLibraryId.size()) != kLibraryId)
        return Error{"not a slide library"};
    std::vector<Entry> entries;
    for (size_t at = kLibraryHeader;; at += kEntry) {
        if (at >= bytes.size())
            return Error{"slide library directory cut short"};
        if (bytes[at] == 0)
            return entries;
        if (at + kEntry > bytes.size())
            return Error{"slide library directory cut short"};
        std::string_view field = bytes.substr(at, 32);
        std::string name(field.substr(0, field.find('\0')));
        uint32_t offset = 0;
        for (int i = 3; i >= 0; --i)
            offset = (offset << 8) | static_cast<uint8_t>(bytes[at + 32 + i]);
        entries.push_back({std::move(name), offset});
    }
}

} // namespace

ErrorOr<Slide> readSlide(std::string_view bytes) {
    bool big = false;
    size_t start = 0;
    VMA_TRY_ASSIGN(Slide slide, header(bytes, big, start));
    Reader r(bytes, start, big);
    State state;
    for (;;) {
        VMA_TRY_ASSIGN(bool more, record(r, slide, state));
        if (!more)
            return slide;
    }
}

ErrorOr<std::vector<std::string>> libraryNames(std::string_view bytes) {
    VMA_TRY_ASSIGN(auto entries, directory(bytes));
    std::vector<std::string> names;
    for (auto& e : entries)
        names.push_back(std::move(e.name));
    return names;
}

ErrorOr<std::string_view> librarySlide(std::string_view bytes, std::string_view name) {
    VMA_TRY_ASSIGN(auto entries, directory(bytes));
    std::string wanted = upper(name);
    for (const Entry& e : entries) {
        if (upper(e.name) != wanted)
            continue;
        if (e.offset >= bytes.size())
            return Error{"slide " + wanted + " lies past the end of the library"};
        return bytes.substr(e.offset);
    }
    return Error{"no slide " + wanted + " in the library"};
}

} // namespace vma::dcl
