#include "host/dcl/slide.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace vma::dcl {

namespace {

constexpr std::string_view kSlideId("AutoCAD Slide\r\n\x1a\0", 17);
constexpr std::string_view kLibraryId = "AutoCAD Slide Library 1.0\r\n\x1a";
constexpr size_t kLibraryHeader = 32;
constexpr size_t kEntry = 36;
constexpr size_t kMaxName = 31;

class Writer {
public:
    explicit Writer(bool big) : big_(big) {}

    void word(int value) {
        auto v = static_cast<uint16_t>(value);
        char hi = static_cast<char>(v >> 8), lo = static_cast<char>(v & 0xFF);
        out_ += big_ ? hi : lo;
        out_ += big_ ? lo : hi;
    }
    void bytes(std::string_view b) { out_ += b; }
    void byte(int b) { out_ += static_cast<char>(b); }
    std::string& out() { return out_; }

private:
    std::string out_;
    bool big_;
};

void little32(std::string& out, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

int clampWord(int v) {
    return std::clamp(v, 0, 32767);
}

std::string upper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

} // namespace

std::string writeSlide(const Slide& slide, bool bigEndian) {
    Writer w(bigEndian);
    w.bytes(kSlideId);
    w.byte(0x56);
    w.byte(2);
    w.word(slide.highX);
    w.word(slide.highY);
    std::string aspect;
    little32(aspect, static_cast<uint32_t>(std::lround(slide.aspect * 1e7)));
    w.bytes(aspect);
    w.word(2);
    w.word(0x1234);
    int color = -1;
    auto setColor = [&](int c) {
        if (c == color)
            return;
        color = c;
        w.word(0xFF00 | (c & 0xFF));
    };
    for (const SlideVector& v : slide.vectors) {
        setColor(v.color);
        w.word(clampWord(v.x1));
        w.word(clampWord(v.y1));
        w.word(clampWord(v.x2));
        w.word(clampWord(v.y2));
    }
    for (const SlideFill& f : slide.fills) {
        setColor(f.color);
        w.word(0xFD00);
        w.word(static_cast<int>(f.points.size()));
        w.word(-1);
        for (const auto& [x, y] : f.points) {
            w.word(0xFD00);
            w.word(clampWord(x));
            w.word(clampWord(y));
        }
        w.word(0xFD00);
        w.word(0);
        w.word(-1);
    }
    w.word(0xFC00);
    return std::move(w.out());
}

ErrorOr<std::string> writeLibrary(const std::vector<std::pair<std::string, std::string>>& slides) {
    std::string out(kLibraryId);
    out.resize(kLibraryHeader, '\0');
    size_t offset = kLibraryHeader + kEntry * (slides.size() + 1);
    for (const auto& [name, bytes] : slides) {
        if (name.empty() || name.size() > kMaxName)
            return Error{"slide name \"" + name + "\" is empty or longer than 31 characters"};
        std::string field = upper(name);
        field.resize(32, '\0');
        out += field;
        little32(out, static_cast<uint32_t>(offset));
        offset += bytes.size();
    }
    out.append(kEntry, '\0');
    for (const auto& entry : slides)
        out += entry.second;
    return out;
}

} // namespace vma::dcl
