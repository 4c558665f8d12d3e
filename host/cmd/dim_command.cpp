// DIM: the legacy dimensioning mode. "Dim:" asks for one dimensioning
// command after another until EXIT or Esc; each draws one dimension or
// works on the dimension styles and comes back to "Dim:".
#include "adscodes.h"
#include "host/base/text.h"
#include "host/cmd/builtins.h"
#include "host/cmd/dim_entity.h"
#include "host/cmd/dim_layout.h"
#include "host/cmd/dim_style_prompts.h"
#include "host/cmd/drafting_input.h"
#include "host/geom/matrix.h"
#include "host/input/prompt.h"

#include <cmath>
#include <numbers>

namespace vma::cmd {
namespace {

constexpr std::wstring_view kDimKeywords =
    L"ROtated HORizontal VErtical COntinue ORdinate SAve REStore Exit";

enum class Step { Again, Leave };

Plane ucsPlane() {
    UcsAxes u = currentUcs();
    return Plane{u.origin, u.x, u.y};
}

double planeAngle(const Plane& plane, const Vec3& direction) {
    return std::atan2(geom::dot(direction, plane.y), geom::dot(direction, plane.x));
}

// "Enter dimension text <measured>:"; nullopt when the command ends there.
std::optional<std::string> askDimensionText(const std::string& measured) {
    auto a = promptText(L"Enter dimension text <" + utf8ToWide(measured) + L">: ", true);
    if (a.cancelled())
        return std::nullopt;
    return a.value;
}

std::optional<Vec3> endOfLine(const db::Entity& e, int code) {
    auto x = e.groups.findReal(code);
    auto y = e.groups.findReal(code + 10);
    if (!x || !y)
        return std::nullopt;
    return Vec3{*x, *y, e.groups.findReal(code + 20).value_or(0)};
}

// The extension line origins an object gives at "<select object>": the ends
// of a line, or of an arc.
std::optional<std::pair<Vec3, Vec3>> originsOfObject() {
    for (;;) {
        auto picked = pickEntity(L"Select object to dimension: ");
        if (!picked)
            return std::nullopt;
        const db::Entity& e = host::Session::get().current().db->entity(*picked);
        if (e.type() == "LINE") {
            auto a = endOfLine(e, 10), b = endOfLine(e, 11);
            if (a && b)
                return std::make_pair(*a, *b);
        }
        if (e.type() == "ARC") {
            Vec3 c = endOfLine(e, 10).value_or(Vec3{});
            double r = e.groups.findReal(40).value_or(0);
            double a0 = e.groups.findReal(50).value_or(0) * std::numbers::pi / 180;
            double a1 = e.groups.findReal(51).value_or(0) * std::numbers::pi / 180;
            return std::make_pair(Vec3{c.x + r * std::cos(a0), c.y + r * std::sin(a0), c.z},
                                  Vec3{c.x + r * std::cos(a1), c.y + r * std::sin(a1), c.z});
        }
        input::say(L"Object selected is not a line or arc.\n");
    }
}

Step finishLinear(const Plane& plane, LinearInput in, bool textGiven) {
    auto vars = readDimVars(host::Session::get());
    if (!textGiven) {
        LinearDrawing trial = layOutLinear(vars, plane, in);
        auto typed = askDimensionText(measuredText(vars, trial.drawing.measurement));
        if (!typed)
            return Step::Again;
        in.typed = *typed;
    }
    LinearDrawing laid = layOutLinear(vars, plane, in);
    DimensionData data;
    data.type = 32;
    data.defpoint = laid.defpoint;
    data.first = in.first;
    data.second = in.second;
    data.angle = std::atan2(laid.direction.y, laid.direction.x);
    data.typed = in.typed;
    addDimension(host::Session::get(), laid.drawing, data);
    return Step::Again;
}

// The location prompt of a linear dimension, with its Text and Angle options.
Step placeLinear(const Plane& plane, LinearInput in) {
    bool textGiven = false;
    for (;;) {
        auto loc = promptPoint(L"Specify dimension line location or [Mtext/Text/Angle]: ",
                               L"Mtext Text Angle", std::nullopt, RSG_NONULL);
        if (loc.cancelled())
            return Step::Again;
        if (loc.isValue()) {
            in.location = loc.value;
            return finishLinear(plane, std::move(in), textGiven);
        }
        if (loc.isKeyword(L"Angle")) {
            auto a = promptOrientation(L"Specify angle of dimension text: ");
            if (a.cancelled())
                return Step::Again;
            continue;
        }
        auto vars = readDimVars(host::Session::get());
        double m = std::fabs(geom::dot(in.second - in.first, plane.x * std::cos(in.angle) +
                                                                 plane.y * std::sin(in.angle)));
        auto typed = askDimensionText(measuredText(vars, m));
        if (!typed)
            return Step::Again;
        in.typed = *typed;
        textGiven = true;
    }
}

Step linear(double angle) {
    Plane plane = ucsPlane();
    LinearInput in;
    in.angle = angle;
    auto first = promptPoint(L"Specify first extension line origin or <select object>: ");
    if (first.cancelled())
        return Step::Again;
    if (first.kind == Response<Vec3>::Kind::Enter) {
        auto ends = originsOfObject();
        if (!ends)
            return Step::Again;
        in.first = ends->first;
        in.second = ends->second;
        return placeLinear(plane, std::move(in));
    }
    in.first = first.value;
    auto second =
        promptPoint(L"Specify second extension line origin: ", {}, first.value, RSG_NONULL);
    if (!second.isValue())
        return Step::Again;
    in.second = second.value;
    return placeLinear(plane, std::move(in));
}

Step rotated() {
    auto a = promptOrientation(L"Specify dimension line angle <0>: ");
    if (a.cancelled())
        return Step::Again;
    return linear(a.isValue() ? a.value : 0);
}

// The dimension CONTINUE goes on from: its second origin, line and direction.
struct Chain {
    Vec3 from, through, direction;
};

std::optional<Chain> chainOf(db::EntityId id) {
    const db::Entity& e = host::Session::get().current().db->entity(id);
    auto second = endOfLine(e, 14), line = endOfLine(e, 10), first = endOfLine(e, 13);
    if (!second || !line || !first)
        return std::nullopt;
    Vec3 direction{1, 0, 0};
    if ((e.groups.findInt(70).value_or(0) & 7) == 1) {
        direction = unit(*second - *first);
    } else {
        double a = e.groups.findReal(50).value_or(0) * std::numbers::pi / 180;
        direction = {std::cos(a), std::sin(a), 0};
    }
    return Chain{*second, *line, direction};
}

std::optional<Chain> selectContinued() {
    for (;;) {
        auto picked = pickEntity(L"Select continued dimension: ");
        if (!picked)
            return std::nullopt;
        const db::Entity& e = host::Session::get().current().db->entity(*picked);
        if (e.type() == "DIMENSION" && (e.groups.findInt(70).value_or(0) & 7) <= 1)
            if (auto chain = chainOf(*picked))
                return chain;
        input::say(L"Object selected is not a linear dimension.\n");
    }
}

Step continued() {
    std::optional<Chain> chain;
    if (auto last = lastLinearDimension(*host::Session::get().current().db))
        chain = chainOf(*last);
    if (!chain)
        chain = selectContinued();
    for (;;) {
        if (!chain)
            return Step::Again;
        auto p = promptPoint(L"Specify a second extension line origin or [Select] <Select>: ",
                             L"Select", chain->from);
        if (p.cancelled())
            return Step::Again;
        if (!p.isValue()) {
            chain = selectContinued();
            continue;
        }
        Plane plane = ucsPlane();
        LinearInput in;
        in.first = chain->from;
        in.second = p.value;
        in.location = chain->through;
        in.angle = planeAngle(plane, chain->direction);
        return finishLinear(plane, std::move(in), false);
    }
}

Step ordinate() {
    Plane plane = ucsPlane();
    auto feature = promptPoint(L"Specify feature location: ", {}, std::nullopt, RSG_NONULL);
    if (!feature.isValue())
        return Step::Again;
    OrdinateInput in;
    in.feature = feature.value;
    std::optional<bool> axis;
    bool textGiven = false;
    auto vars = readDimVars(host::Session::get());
    for (;;) {
        auto end =
            axis ? promptPoint(L"Specify leader endpoint location: ", {}, feature.value, RSG_NONULL)
                 : promptPoint(L"Specify leader endpoint location or "
                               L"[Xdatum/Ydatum/Mtext/Text]: ",
                               L"Xdatum Ydatum Mtext Text", feature.value, RSG_NONULL);
        if (end.cancelled())
            return Step::Again;
        if (end.isKeyword(L"Xdatum") || end.isKeyword(L"Ydatum")) {
            axis = end.keyword == L"Xdatum";
            continue;
        }
        if (end.isValue()) {
            in.leaderEnd = end.value;
            break;
        }
        auto typed = askDimensionText("");
        if (!typed)
            return Step::Again;
        in.typed = *typed;
        textGiven = true;
    }
    in.xDatum = axis.value_or(leaderMeasuresX(plane, in.feature, in.leaderEnd));
    if (!textGiven) {
        DimDrawing trial = layOutOrdinate(vars, plane, in);
        auto typed = askDimensionText(measuredText(vars, trial.measurement));
        if (!typed)
            return Step::Again;
        in.typed = *typed;
    }
    DimDrawing drawing = layOutOrdinate(vars, plane, in);
    DimensionData data;
    data.type = 6 | 32 | (in.xDatum ? 64 : 0);
    data.defpoint = plane.origin;
    data.first = in.feature;
    data.second = in.leaderEnd;
    data.typed = in.typed;
    addDimension(host::Session::get(), drawing, data);
    return Step::Again;
}

Step run(std::wstring_view command) {
    if (command == L"ROtated")
        return rotated();
    if (command == L"HORizontal")
        return linear(0);
    if (command == L"VErtical")
        return linear(std::numbers::pi / 2);
    if (command == L"COntinue")
        return continued();
    if (command == L"ORdinate")
        return ordinate();
    if (command == L"SAve")
        saveStyleCommand();
    if (command == L"REStore")
        restoreStyleCommand();
    return command == L"Exit" ? Step::Leave : Step::Again;
}

bool known(std::wstring_view command) {
    return input::matchKeyword(input::parseInitGet(0, kDimKeywords), command).has_value();
}

void dim() {
    std::wstring last;
    for (;;) {
        auto a = promptKeyword(L"Dim: ", kDimKeywords, true);
        if (a.cancelled())
            return;
        if (a.kind == Response<std::wstring>::Kind::Enter && last.empty())
            continue;
        std::wstring command = a.isValue() ? a.value : last;
        if (!known(command)) {
            input::say(L"Unknown command \"" + upperName(command) + L"\".  Press F1 for help.\n");
            continue;
        }
        if (run(command) == Step::Leave)
            return;
        last = command;
    }
}

} // namespace

void addDimCommands(input::CommandRegistry& registry) {
    registry.add(L"DIM", dim);
}

} // namespace vma::cmd
