#include "host/dxf/out.h"

#include "host/dxf/encoding.h"
#include "host/dxf/numbers.h"

#include <charconv>
#include <cmath>

namespace vma::dxf {

void Out::code(int code) {
    char buffer[8];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, code);
    auto width = static_cast<size_t>(end - buffer);
    if (width < 3)
        s_.append(3 - width, ' ');
    s_.append(buffer, width);
    endLine();
}

void Out::text(int c, std::string_view value) {
    code(c);
    if (isPlainAscii(value))
        s_.append(value);
    else
        appendEncoded(s_, value);
    endLine();
}

void Out::integer(int c, int64_t value) {
    code(c);
    char buffer[24];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    s_.append(buffer, static_cast<size_t>(end - buffer));
    endLine();
}

void Out::real(int c, double value) {
    code(c);
    // A value that is not a number has no DXF form; 0 keeps the file readable.
    appendReal(s_, std::isfinite(value) ? value : 0.0);
    endLine();
}

void Out::handle(int c, db::Handle value) {
    text(c, db::handleText(value));
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
        return integer(g.code, g.value.integer);
    case db::GroupKind::Real:
        return real(g.code, g.value.real);
    case db::GroupKind::Text:
        return text(g.code, list.text(g));
    }
}

void Out::groups(const db::GroupList& list, size_t from, size_t to) {
    for (size_t i = from; i < to && i < list.size(); ++i)
        group(list, i);
}

} // namespace vma::dxf
