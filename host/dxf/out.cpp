#include "host/dxf/out.h"

#include "host/dxf/encoding.h"
#include "host/dxf/numbers.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

namespace vma::dxf {
namespace {

constexpr size_t kBufferBytes = size_t{1} << 20;
constexpr size_t kCodeRoom = 16;   // "-32768" and CR LF, with room to spare
constexpr size_t kNumberRoom = 40; // a real or integer and CR LF
constexpr size_t kHandleRoom = 20; // sixteen hexadecimal digits and CR LF
constexpr int kTabledCodes = 1072; // 0 .. 1071: every code a drawing holds

// Code lines of the usual codes, padded to three columns, CR LF included: one
// copy of eight bytes writes any of them.
struct CodeLine {
    char bytes[8] = {};
    uint8_t size = 0;
};

constexpr auto kCodeLines = [] {
    std::array<CodeLine, kTabledCodes> lines{};
    for (int code = 0; code < kTabledCodes; ++code) {
        CodeLine& line = lines[static_cast<size_t>(code)];
        char digits[4] = {};
        int count = 0;
        for (int rest = code; count == 0 || rest > 0; rest /= 10)
            digits[count++] = static_cast<char>('0' + rest % 10);
        int width = count < 3 ? 3 : count;
        for (int i = 0; i < width; ++i)
            line.bytes[i] = i < width - count ? ' ' : digits[width - 1 - i];
        line.bytes[width] = '\r';
        line.bytes[width + 1] = '\n';
        line.size = static_cast<uint8_t>(width + 2);
    }
    return lines;
}();

char* endLine(char* p) {
    p[0] = '\r';
    p[1] = '\n';
    return p + 2;
}

bool isPlainByte(char c) {
    auto b = static_cast<unsigned char>(c);
    return b >= 0x20 && b < 0x7F;
}

} // namespace

Out::Out(Sink& sink)
    : sink_(sink), buffer_(new char[kBufferBytes]), capacity_(kBufferBytes), pos_(buffer_.get()),
      end_(buffer_.get() + kBufferBytes) {}

void Out::flush() {
    sink_.put({buffer_.get(), static_cast<size_t>(pos_ - buffer_.get())});
    pos_ = buffer_.get();
}

void Out::makeRoom(size_t bytes) {
    flush();
    if (bytes <= capacity_)
        return;
    // A value longer than the buffer: the buffer grows to take it whole.
    buffer_.reset(new char[bytes]);
    capacity_ = bytes;
    pos_ = buffer_.get();
    end_ = pos_ + bytes;
}

char* Out::code(char* p, int code) {
    if (code >= 0 && code < kTabledCodes) {
        const CodeLine& line = kCodeLines[static_cast<size_t>(code)];
        std::memcpy(p, line.bytes, sizeof line.bytes);
        return p + line.size;
    }
    char* end = std::to_chars(p, p + kCodeRoom, code).ptr;
    return endLine(end);
}

void Out::text(int c, std::string_view value) {
    for (char ch : value)
        if (!isPlainByte(ch))
            return encodedText(c, value);
    char* p = code(room(kCodeRoom + value.size() + 2), c);
    std::memcpy(p, value.data(), value.size());
    pos_ = endLine(p + value.size());
}

void Out::encodedText(int c, std::string_view value) {
    encoded_.clear();
    appendEncoded(encoded_, value);
    char* p = code(room(kCodeRoom + encoded_.size() + 2), c);
    std::memcpy(p, encoded_.data(), encoded_.size());
    pos_ = endLine(p + encoded_.size());
}

void Out::integer(int c, int64_t value) {
    char* p = code(room(kCodeRoom + kNumberRoom), c);
    pos_ = endLine(std::to_chars(p, p + kNumberRoom, value).ptr);
}

void Out::real(int c, double value) {
    char* p = code(room(kCodeRoom + kNumberRoom), c);
    // A value that is not a number has no DXF form; 0 keeps the file readable.
    pos_ = endLine(writeReal(p, std::isfinite(value) ? value : 0.0));
}

void Out::handle(int c, db::Handle value) {
    char* p = code(room(kCodeRoom + kHandleRoom), c);
    char* end = std::to_chars(p, p + kHandleRoom, value, 16).ptr;
    for (char* q = p; q < end; ++q)
        if (*q >= 'a' && *q <= 'f')
            *q = static_cast<char>(*q - 32);
    pos_ = endLine(end);
}

void Out::point(int c, double x, double y, double z) {
    real(c, x);
    real(c + 10, y);
    real(c + 20, z);
}

void Out::group(const db::GroupList& list, size_t i) {
    const db::Group& g = list[i];
    switch (g.kind) {
    case db::GroupKind::Int:
        return integer(g.code, g.integer());
    case db::GroupKind::Real:
        return real(g.code, g.real());
    case db::GroupKind::Text:
        return text(g.code, list.text(g));
    }
}

void Out::groups(const db::GroupList& list, size_t from, size_t to) {
    for (size_t i = from; i < to && i < list.size(); ++i)
        group(list, i);
}

} // namespace vma::dxf
