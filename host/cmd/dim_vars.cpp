#include "host/cmd/dim_vars.h"

#include "host/sysvar/access.h"

#include <algorithm>
#include <cmath>
#include <fmt/format.h>

namespace vma::cmd {
namespace {

double real(host::Session& s, std::string_view name, double fallback) {
    auto v = host::getSysvar(s, name);
    if (!v.ok())
        return fallback;
    return v->isInteger() ? static_cast<double>(v->integer) : v->real;
}

int integer(host::Session& s, std::string_view name, int fallback) {
    auto v = host::getSysvar(s, name);
    return v.ok() && v->isInteger() ? static_cast<int>(v->integer) : fallback;
}

std::string text(host::Session& s, std::string_view name) {
    auto v = host::getSysvar(s, name);
    return v.ok() ? v->text : std::string();
}

// Trailing zeros (and a bare point) go with bit 8, a leading zero with bit 4.
std::string suppressZeros(std::string s, int zin) {
    if ((zin & 8) && s.find('.') != std::string::npos) {
        while (s.back() == '0')
            s.pop_back();
        if (s.back() == '.')
            s.pop_back();
    }
    if ((zin & 4) && s.starts_with("0.") && s.size() > 2)
        s.erase(0, 1);
    if ((zin & 4) && s.starts_with("-0.") && s.size() > 3)
        s.erase(1, 1);
    return s;
}

} // namespace

DimVars readDimVars(host::Session& s) {
    DimVars v;
    v.scale = real(s, "DIMSCALE", 1);
    if (v.scale <= 0)
        v.scale = 1;
    v.arrow = real(s, "DIMASZ", v.arrow);
    v.text = real(s, "DIMTXT", v.text);
    v.offset = real(s, "DIMEXO", v.offset);
    v.extend = real(s, "DIMEXE", v.extend);
    v.gap = real(s, "DIMGAP", v.gap);
    v.tick = real(s, "DIMTSZ", 0);
    v.lineExtend = real(s, "DIMDLE", 0);
    v.block = text(s, "DIMBLK");
    v.block1 = text(s, "DIMBLK1");
    v.block2 = text(s, "DIMBLK2");
    v.separateBlocks = integer(s, "DIMSAH", 0) != 0;
    v.decimals = integer(s, "DIMDEC", 2);
    v.factor = real(s, "DIMLFAC", 1);
    v.round = real(s, "DIMRND", 0);
    v.textAbove = integer(s, "DIMTAD", 1);
    v.insideHorizontal = integer(s, "DIMTIH", 0) != 0;
    v.outsideHorizontal = integer(s, "DIMTOH", 0) != 0;
    v.lineColor = integer(s, "DIMCLRD", 0);
    v.extColor = integer(s, "DIMCLRE", 0);
    v.textColor = integer(s, "DIMCLRT", 0);
    v.textStyle = text(s, "DIMTXSTY");
    v.suppress1 = integer(s, "DIMSE1", 0) != 0;
    v.suppress2 = integer(s, "DIMSE2", 0) != 0;
    v.post = text(s, "DIMPOST");
    v.zeros = integer(s, "DIMZIN", 8);
    v.style = text(s, "DIMSTYLE");
    return v;
}

std::string measuredText(const DimVars& vars, double measurement) {
    double value = measurement * vars.factor;
    if (vars.round > 0)
        value = std::round(value / vars.round) * vars.round;
    int decimals = std::clamp(vars.decimals, 0, 8);
    std::string number = fmt::format("{:.{}f}", value, decimals);
    if (number.starts_with('-') && number.find_first_not_of("-0.") == std::string::npos)
        number.erase(0, 1);
    number = suppressZeros(number, vars.zeros);
    size_t mark = vars.post.find("<>");
    if (mark == std::string::npos)
        return number + vars.post;
    return vars.post.substr(0, mark) + number + vars.post.substr(mark + 2);
}

std::string shownText(const std::string& typed, const std::string& measured) {
    if (typed.empty())
        return measured;
    size_t mark = typed.find("<>");
    if (mark == std::string::npos)
        return typed;
    return typed.substr(0, mark) + measured + typed.substr(mark + 2);
}

} // namespace vma::cmd
