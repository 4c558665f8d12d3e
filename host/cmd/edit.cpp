// ERASE, SELECT, MOVE, COPY, ROTATE and SCALE: AutoCAD's prompts and options,
// every change through the database so the undo journal sees it.
#include "acedads.h"
#include "host/cmd/builtins.h"
#include "host/cmd/placement.h"
#include "host/cmd/prompts.h"
#include "host/cmd/transform.h"
#include "host/db/session.h"
#include "host/input/keywords.h"
#include "host/input/prompt.h"
#include "host/sysvar/access.h"

#include <cmath>
#include <fmt/format.h>
#include <fmt/xchar.h>
#include <numbers>
#include <vector>

namespace vma::cmd {
namespace {

using geom::Matrix;
using input::say;

void transformAll(const host::Selection& selection, const Matrix& m) {
    db::Database& db = drawing();
    for (db::EntityId id : selection.members())
        transformEntity(db, id, m);
}

std::vector<db::EntityId> copyAll(const host::Selection& selection, const Matrix& m) {
    db::Database& db = drawing();
    std::vector<db::EntityId> copies;
    for (db::EntityId id : selection.members())
        copies.push_back(copyEntity(db, id, m));
    return copies;
}

void erase() {
    auto selection = askObjects();
    if (!selection)
        return;
    db::Database& db = drawing();
    for (db::EntityId id : selection->members())
        db.setErased(id, true);
}

void select() {
    askObjects();
}

// Enter at the base point (or D) asks for the displacement itself.
Answer displacementOnly() {
    return askPoint(L"Specify displacement <0.0000, 0.0000, 0.0000>: ");
}

void move() {
    auto selection = askObjects();
    if (!selection)
        return;
    Answer base =
        askPoint(L"Specify base point or [Displacement] <Displacement>: ", L"Displacement");
    if (base.status == RTNONE || base.is(L"Displacement")) {
        Answer d = displacementOnly();
        if (d.ok() || d.status == RTNONE)
            transformAll(*selection, displacement({0, 0, 0}, d.point));
        return;
    }
    if (!base.ok())
        return;
    Answer second = askPoint(L"Specify second point or <use first point as displacement>: ",
                             nullptr, base.point);
    if (second.status == RTNONE)
        transformAll(*selection, displacement({0, 0, 0}, base.point));
    else if (second.ok())
        transformAll(*selection, displacement(base.point, second.point));
}

bool multipleCopies() {
    auto v = host::getSysvar(host::Session::get(), "COPYMODE");
    return !v.ok() || v->integer == 0;
}

class Copier {
public:
    explicit Copier(host::Selection selection) : selection_(std::move(selection)) {}

    void run() {
        say(std::wstring(L"Current settings:  Copy mode = ") +
            (multipleCopies() ? L"Multiple" : L"Single") + L"\n");
        Answer base = askBase();
        if (base.status == RTNONE || base.is(L"Displacement")) {
            Answer d = displacementOnly();
            if (d.ok() || d.status == RTNONE)
                copyAll(selection_, displacement({0, 0, 0}, d.point));
            return;
        }
        if (!base.ok())
            return;
        base_ = base.point;
        Answer second =
            askPoint(L"Specify second point or [Array] <use first point as displacement>: ",
                     L"Array", base_);
        if (second.status == RTNONE) {
            copyAll(selection_, displacement({0, 0, 0}, base_));
            return;
        }
        if (!place(second))
            return;
        while (multipleCopies() && again()) {
        }
    }

private:
    Answer askBase() {
        for (;;) {
            Answer a = askPoint(L"Specify base point or [Displacement/mOde] <Displacement>: ",
                                L"Displacement mOde");
            if (!a.is(L"mOde"))
                return a;
            Answer m = askKeyword(std::wstring(L"Enter a copy mode option [Single/Multiple] <") +
                                      (multipleCopies() ? L"Multiple" : L"Single") + L">: ",
                                  L"Single Multiple");
            if (m.status == RTKWORD)
                (void)host::setSysvarInternal(
                    host::Session::get(), "COPYMODE",
                    host::SysvarValue::ofShort(m.keyword == L"Single" ? 1 : 0));
            else if (m.status != RTNONE)
                return m;
        }
    }

    // One answer at a second-point prompt: a point or Array. False when the command ends.
    bool place(const Answer& a) {
        if (a.ok()) {
            steps_.push_back(copyAll(selection_, displacement(base_, a.point)));
            return true;
        }
        if (a.is(L"Array"))
            return array();
        return false;
    }

    bool array() {
        acedInitGet(RSG_NONULL | RSG_NOZERO | RSG_NONEG, nullptr);
        int count = 0;
        if (acedGetInt(L"Enter number of items to array: ", &count) != RTNORM)
            return false;
        Answer second = askPoint(L"Specify second point or [Fit]: ", L"Fit", base_);
        bool fit = second.is(L"Fit");
        if (fit)
            second = askPoint(L"Specify second point: ", nullptr, base_);
        if (!second.ok())
            return false;
        std::vector<db::EntityId> made;
        Point step{};
        for (int axis = 0; axis < 3; ++axis)
            step[axis] = (second.point[axis] - base_[axis]) / (fit && count > 1 ? count - 1 : 1);
        for (int i = 1; i < count; ++i) {
            Point to{base_[0] + step[0] * i, base_[1] + step[1] * i, base_[2] + step[2] * i};
            auto copies = copyAll(selection_, displacement(base_, to));
            made.insert(made.end(), copies.begin(), copies.end());
        }
        steps_.push_back(std::move(made));
        return true;
    }

    bool again() {
        Answer a = askPoint(L"Specify second point or [Array/Exit/Undo] <Exit>: ",
                            L"Array Exit Undo", base_, input::kMayEnd);
        if (a.is(L"Undo")) {
            undo();
            return true;
        }
        return place(a);
    }

    void undo() {
        if (steps_.empty())
            return;
        for (db::EntityId id : steps_.back())
            drawing().setErased(id, true);
        steps_.pop_back();
    }

    host::Selection selection_;
    Point base_{};
    std::vector<std::vector<db::EntityId>> steps_;
};

void copy() {
    auto selection = askObjects();
    if (selection)
        Copier(std::move(*selection)).run();
}

double degreesOf(double radians) {
    return radians * 180 / std::numbers::pi;
}

// The angle of the Reference option: new angle minus reference angle.
std::optional<double> referenceAngle(const Point& base) {
    Answer ref = askAngle(L"Specify the reference angle <0>: ");
    if (ref.status != RTNORM && ref.status != RTNONE)
        return std::nullopt;
    Answer to = askAngle(L"Specify the new angle or [Points] <0>: ", L"Points", base);
    if (to.is(L"Points")) {
        Answer a = askPoint(L"Specify first point: ");
        Answer b = a.ok() ? askPoint(L"Specify second point: ", nullptr, a.point) : a;
        if (!b.ok())
            return std::nullopt;
        to.value = std::atan2(b.point[1] - a.point[1], b.point[0] - a.point[0]);
        to.status = RTNORM;
    }
    if (to.status != RTNORM && to.status != RTNONE)
        return std::nullopt;
    return to.value - ref.value;
}

// ROTATE and SCALE: base point, then the amount or Copy or Reference.
template <typename AskAmount, typename MakeMatrix>
void editAbout(AskAmount askAmount, MakeMatrix makeMatrix) {
    auto selection = askObjects();
    if (!selection)
        return;
    Answer base = askPoint(L"Specify base point: ");
    if (!base.ok())
        return;
    bool copying = false;
    std::optional<double> amount = askAmount(base.point, copying);
    if (!amount)
        return;
    Matrix m = makeMatrix(base.point, *amount);
    if (copying)
        copyAll(*selection, m);
    else
        transformAll(*selection, m);
}

std::optional<double> rotationAmount(const Point& base, bool& copying) {
    for (;;) {
        Answer a =
            askAngle(L"Specify rotation angle or [Copy/Reference] <0>: ", L"Copy Reference", base);
        if (a.is(L"Copy")) {
            copying = true;
            say(L"Rotating a copy of the selected objects.\n");
            continue;
        }
        if (a.is(L"Reference"))
            return referenceAngle(base);
        if (a.status == RTNONE)
            return 0.0;
        if (!a.ok())
            return std::nullopt;
        return a.value;
    }
}

std::optional<double> referenceScale(const Point& base) {
    Answer ref = askDistance(L"Specify reference length <1.0000>: ", nullptr, std::nullopt,
                             RSG_NOZERO | RSG_NONEG);
    if (ref.status == RTNONE)
        ref.value = 1;
    else if (!ref.ok())
        return std::nullopt;
    Answer to = askDistance(L"Specify new length or [Points] <1.0000>: ", L"Points", base,
                            RSG_NOZERO | RSG_NONEG);
    if (to.is(L"Points")) {
        Answer a = askPoint(L"Specify first point: ");
        Answer b = a.ok() ? askPoint(L"Specify second point: ", nullptr, a.point) : a;
        if (!b.ok())
            return std::nullopt;
        to.value =
            std::hypot(b.point[0] - a.point[0], b.point[1] - a.point[1], b.point[2] - a.point[2]);
        to.status = to.value > 0 ? RTNORM : RTNONE;
    }
    if (to.status == RTNONE)
        to.value = 1;
    else if (!to.ok())
        return std::nullopt;
    return to.value / ref.value;
}

std::optional<double> scaleAmount(const Point& base, bool& copying) {
    for (;;) {
        Answer a = askDistance(L"Specify scale factor or [Copy/Reference]: ", L"Copy Reference",
                               base, RSG_NONULL | RSG_NOZERO | RSG_NONEG);
        if (a.is(L"Copy")) {
            copying = true;
            say(L"Scaling a copy of the selected objects.\n");
            continue;
        }
        if (a.is(L"Reference"))
            return referenceScale(base);
        if (!a.ok())
            return std::nullopt;
        return a.value;
    }
}

void rotate() {
    host::Session& session = host::Session::get();
    auto direction = host::getSysvar(session, "ANGDIR");
    auto angbase = host::getSysvar(session, "ANGBASE");
    auto precision = host::getSysvar(session, "AUPREC");
    double degrees = angbase.ok() ? degreesOf(angbase->real) : 0;
    int places = precision.ok() ? static_cast<int>(precision->integer) : 0;
    say(std::wstring(L"Current positive angle in UCS:  ANGDIR=") +
        (direction.ok() && direction->integer != 0 ? L"clockwise" : L"counterclockwise") +
        L"  ANGBASE=" + fmt::format(L"{:.{}f}", degrees, places) + L"\n");
    editAbout(rotationAmount, rotationAbout);
}

void scale() {
    editAbout(scaleAmount, scalingAbout);
}

} // namespace

void addEditCommands(input::CommandRegistry& registry) {
    registry.add(L"ERASE", erase);
    registry.add(L"SELECT", select);
    registry.add(L"MOVE", move);
    registry.add(L"COPY", copy);
    registry.add(L"ROTATE", rotate);
    registry.add(L"SCALE", scale);
}

} // namespace vma::cmd
