// AcDbText and the two attribute classes built on it.
#include "host/base/text.h"

#include "dbapserv.h"
#include "host/arx/groups.h"
#include "host/arx/objects.h"

#include <cmath>
#include <numbers>

namespace vma::arx {
namespace {

constexpr double kDegrees = 180 / std::numbers::pi;
constexpr int kMirrorX = 2, kMirrorY = 4;                              // group 71
constexpr int kInvisible = 1, kConstant = 2, kVerify = 4, kPreset = 8; // group 70

db::GroupList& groupsOf(const AcDbObject* object) {
    return imp(object).groups;
}

// TEXT keeps its vertical alignment in 73; attributes use 73 for the field length.
int verticalCode(const AcDbObject* object) {
    return imp(object).type == "TEXT" ? 73 : 74;
}

template <class Apply> Acad::ErrorStatus change(AcDbObject* object, Apply apply) {
    if (auto es = touch(object); es != Acad::eOk)
        return es;
    apply(groupsOf(object));
    return Acad::eOk;
}

Acad::ErrorStatus setFlag(AcDbObject* object, int code, int bit, bool on) {
    return change(object, [&](db::GroupList& g) {
        int64_t flags = g.findInt(code).value_or(0);
        putInt(g, code, on ? flags | bit : flags & ~bit);
    });
}

bool hasFlag(const AcDbObject* object, int code, int bit) {
    return (groupsOf(object).findInt(code).value_or(0) & bit) != 0;
}

const ACHAR* keptText(const AcDbObject* object, int code) {
    AcDbImpObject& m = imp(object);
    m.text = wide(m.groups.findText(code).value_or(""));
    return m.text.c_str();
}

Acad::ErrorStatus setText(AcDbObject* object, int code, const ACHAR* text) {
    if (text == nullptr)
        return Acad::eInvalidInput;
    return change(object, [&](db::GroupList& g) { putText(g, code, utf8(text)); });
}

// A tag is one word of letters, digits and the like: no blanks.
Acad::ErrorStatus setTag(AcDbObject* object, const ACHAR* tag) {
    if (tag == nullptr || *tag == 0 || std::wstring_view(tag).find(L' ') != std::wstring_view::npos)
        return Acad::eInvalidInput;
    return change(object, [&](db::GroupList& g) { putText(g, 2, upperName(utf8(tag))); });
}

const db::Database* namesIn(const AcDbObject* object) {
    if (AcDbStub* stub = imp(object).stub)
        return &drawing(stub);
    host::Session& session = host::Session::get();
    return session.hasDocument() ? session.current().db.get() : nullptr;
}

} // namespace
} // namespace vma::arx

using namespace vma::arx;

AcDbText::AcDbText() : AcDbText("TEXT") {}

AcDbText::AcDbText(const char* dxfType) : AcDbEntity(dxfType) {
    vma::db::GroupList& g = groupsOf(this);
    setPoint(g, 10, AcGePoint3d::kOrigin);
    g.addReal(40, 0.2);
    g.addText(1, "");
}

AcGePoint3d AcDbText::position() const {
    return worldPoint(groupsOf(this), 10);
}

Acad::ErrorStatus AcDbText::setPosition(const AcGePoint3d& pos) {
    return change(this, [&](vma::db::GroupList& g) { setWorldPoint(g, 10, pos); });
}

AcGePoint3d AcDbText::alignmentPoint() const {
    return groupsOf(this).find(11) >= 0 ? worldPoint(groupsOf(this), 11) : position();
}

Acad::ErrorStatus AcDbText::setAlignmentPoint(const AcGePoint3d& pos) {
    return change(this, [&](vma::db::GroupList& g) { setWorldPoint(g, 11, pos); });
}

bool AcDbText::isDefaultAlignment() const {
    return horizontalMode() == AcDb::kTextLeft && verticalMode() == AcDb::kTextBase;
}

AcGeVector3d AcDbText::normal() const {
    return normalOf(groupsOf(this));
}

Acad::ErrorStatus AcDbText::setNormal(const AcGeVector3d& normal) {
    if (normal.length() == 0)
        return Acad::eInvalidInput;
    AcGePoint3d pos = position(), align = alignmentPoint();
    bool aligned = groupsOf(this).find(11) >= 0;
    return change(this, [&](vma::db::GroupList& g) {
        setPoint(g, 210, AcGePoint3d::kOrigin + normal.normal());
        setWorldPoint(g, 10, pos);
        if (aligned)
            setWorldPoint(g, 11, align);
    });
}

double AcDbText::thickness() const {
    return groupsOf(this).findReal(39).value_or(0);
}

Acad::ErrorStatus AcDbText::setThickness(double thickness) {
    return change(this, [&](vma::db::GroupList& g) { putReal(g, 39, thickness); });
}

double AcDbText::oblique() const {
    return groupsOf(this).findReal(51).value_or(0) / kDegrees;
}

Acad::ErrorStatus AcDbText::setOblique(double angle) {
    return change(this, [&](vma::db::GroupList& g) { putReal(g, 51, angle * kDegrees); });
}

double AcDbText::rotation() const {
    return groupsOf(this).findReal(50).value_or(0) / kDegrees;
}

Acad::ErrorStatus AcDbText::setRotation(double angle) {
    return change(this, [&](vma::db::GroupList& g) { putReal(g, 50, angle * kDegrees); });
}

double AcDbText::height() const {
    return groupsOf(this).findReal(40).value_or(0);
}

Acad::ErrorStatus AcDbText::setHeight(double height) {
    if (!(height > 0))
        return Acad::eInvalidInput;
    return change(this, [&](vma::db::GroupList& g) { putReal(g, 40, height); });
}

double AcDbText::widthFactor() const {
    return groupsOf(this).findReal(41).value_or(1);
}

Acad::ErrorStatus AcDbText::setWidthFactor(double widthFactor) {
    if (!(widthFactor > 0))
        return Acad::eInvalidInput;
    return change(this, [&](vma::db::GroupList& g) { putReal(g, 41, widthFactor); });
}

bool AcDbText::isMirroredInX() const {
    return hasFlag(this, 71, kMirrorX);
}

Acad::ErrorStatus AcDbText::mirrorInX(bool mirror) {
    return setFlag(this, 71, kMirrorX, mirror);
}

bool AcDbText::isMirroredInY() const {
    return hasFlag(this, 71, kMirrorY);
}

Acad::ErrorStatus AcDbText::mirrorInY(bool mirror) {
    return setFlag(this, 71, kMirrorY, mirror);
}

AcDb::TextHorzMode AcDbText::horizontalMode() const {
    return static_cast<AcDb::TextHorzMode>(groupsOf(this).findInt(72).value_or(0));
}

Acad::ErrorStatus AcDbText::setHorizontalMode(AcDb::TextHorzMode mode) {
    if (mode < AcDb::kTextLeft || mode > AcDb::kTextFit)
        return Acad::eInvalidInput;
    return change(this, [&](vma::db::GroupList& g) { putInt(g, 72, mode); });
}

AcDb::TextVertMode AcDbText::verticalMode() const {
    return static_cast<AcDb::TextVertMode>(groupsOf(this).findInt(verticalCode(this)).value_or(0));
}

Acad::ErrorStatus AcDbText::setVerticalMode(AcDb::TextVertMode mode) {
    if (mode < AcDb::kTextBase || mode > AcDb::kTextTop)
        return Acad::eInvalidInput;
    return change(this, [&](vma::db::GroupList& g) { putInt(g, verticalCode(this), mode); });
}

ACHAR* AcDbText::textString() const {
    return newString(groupsOf(this).findText(1).value_or(""));
}

const ACHAR* AcDbText::textStringConst() const {
    return keptText(this, 1);
}

Acad::ErrorStatus AcDbText::setTextString(const ACHAR* text) {
    return setText(this, 1, text);
}

AcDbObjectId AcDbText::textStyle() const {
    const vma::db::Database* db = namesIn(this);
    AcDbDatabase* database = imp(this).stub ? imp(this).stub->database
                                            : acdbHostApplicationServices()->workingDatabase();
    if (!db || !database)
        return AcDbObjectId::kNull;
    auto index =
        db->findRecord(vma::db::TableKind::Style, groupsOf(this).findText(7).value_or("STANDARD"));
    if (!index)
        return AcDbObjectId::kNull;
    return AcDbObjectId(
        database->imp()->stub(AcDbStub::Kind::Record, *index, vma::db::TableKind::Style));
}

Acad::ErrorStatus AcDbText::setTextStyle(AcDbObjectId id) {
    AcDbStub* stub = id.stub();
    if (!stub || stub->kind != AcDbStub::Kind::Record || stub->table != vma::db::TableKind::Style)
        return Acad::eInvalidInput;
    std::string name(drawing(stub).record(stub->table, stub->index).name());
    return change(this, [&](vma::db::GroupList& g) { putText(g, 7, name); });
}

Acad::ErrorStatus AcDbText::transformBy(const AcGeMatrix3d& xform) {
    if (!writable(this))
        return Acad::eNotOpenForWrite;
    AcGeVector3d n = normal();
    AcGeVector3d along = directionInPlane(n, rotation());
    AcGeVector3d up = n.crossProduct(along);
    AcGeVector3d newAlong = AcGeVector3d(along).transformBy(xform);
    AcGeVector3d newUp = AcGeVector3d(up).transformBy(xform);
    AcGeVector3d newNormal = newAlong.crossProduct(newUp).normal();
    if (newAlong.length() == 0 || newUp.length() == 0 || newNormal.length() == 0)
        return Acad::eInvalidInput;
    bool aligned = groupsOf(this).find(11) >= 0;
    AcGePoint3d pos = position().transformBy(xform);
    AcGePoint3d align = alignmentPoint().transformBy(xform);
    double h = height() * newUp.length(), w = widthFactor() * newAlong.length() / newUp.length();
    double angle = angleInPlane(newNormal, newAlong);
    return change(this, [&](vma::db::GroupList& g) {
        setPoint(g, 210, AcGePoint3d::kOrigin + newNormal);
        setWorldPoint(g, 10, pos);
        if (aligned)
            setWorldPoint(g, 11, align);
        putReal(g, 40, h);
        putReal(g, 41, w);
        putReal(g, 50, angle * kDegrees);
    });
}

AcDbAttributeDefinition::AcDbAttributeDefinition() : AcDbText("ATTDEF") {
    vma::db::GroupList& g = groupsOf(this);
    g.addText(3, "");
    g.addText(2, "");
    g.addInt(70, 0);
}

ACHAR* AcDbAttributeDefinition::prompt() const {
    return newString(groupsOf(this).findText(3).value_or(""));
}

const ACHAR* AcDbAttributeDefinition::promptConst() const {
    return keptText(this, 3);
}

Acad::ErrorStatus AcDbAttributeDefinition::setPrompt(const ACHAR* prompt) {
    return setText(this, 3, prompt);
}

ACHAR* AcDbAttributeDefinition::tag() const {
    return newString(groupsOf(this).findText(2).value_or(""));
}

const ACHAR* AcDbAttributeDefinition::tagConst() const {
    return keptText(this, 2);
}

Acad::ErrorStatus AcDbAttributeDefinition::setTag(const ACHAR* tag) {
    return vma::arx::setTag(this, tag);
}

bool AcDbAttributeDefinition::isInvisible() const {
    return hasFlag(this, 70, kInvisible);
}

Acad::ErrorStatus AcDbAttributeDefinition::setInvisible(bool invisible) {
    return setFlag(this, 70, kInvisible, invisible);
}

bool AcDbAttributeDefinition::isConstant() const {
    return hasFlag(this, 70, kConstant);
}

Acad::ErrorStatus AcDbAttributeDefinition::setConstant(bool constant) {
    return setFlag(this, 70, kConstant, constant);
}

bool AcDbAttributeDefinition::isVerifiable() const {
    return hasFlag(this, 70, kVerify);
}

bool AcDbAttributeDefinition::isPreset() const {
    return hasFlag(this, 70, kPreset);
}

Adesk::UInt16 AcDbAttributeDefinition::fieldLength() const {
    return static_cast<Adesk::UInt16>(groupsOf(this).findInt(73).value_or(0));
}

Acad::ErrorStatus AcDbAttributeDefinition::setFieldLength(Adesk::UInt16 len) {
    return change(this, [&](vma::db::GroupList& g) { putInt(g, 73, len); });
}

AcDbAttribute::AcDbAttribute() : AcDbText("ATTRIB") {
    vma::db::GroupList& g = groupsOf(this);
    g.addText(2, "");
    g.addInt(70, 0);
}

AcDbAttribute::~AcDbAttribute() {
    AcDbImpObject& m = imp(this);
    if (m.parent)
        std::erase(imp(m.parent).openAttributes, this);
}

ACHAR* AcDbAttribute::tag() const {
    return newString(groupsOf(this).findText(2).value_or(""));
}

const ACHAR* AcDbAttribute::tagConst() const {
    return keptText(this, 2);
}

Acad::ErrorStatus AcDbAttribute::setTag(const ACHAR* tag) {
    return vma::arx::setTag(this, tag);
}

bool AcDbAttribute::isInvisible() const {
    return hasFlag(this, 70, kInvisible);
}

Acad::ErrorStatus AcDbAttribute::setInvisible(bool invisible) {
    return setFlag(this, 70, kInvisible, invisible);
}

bool AcDbAttribute::isConstant() const {
    return hasFlag(this, 70, kConstant);
}

Adesk::UInt16 AcDbAttribute::fieldLength() const {
    return static_cast<Adesk::UInt16>(groupsOf(this).findInt(73).value_or(0));
}

Acad::ErrorStatus AcDbAttribute::setFieldLength(Adesk::UInt16 len) {
    return change(this, [&](vma::db::GroupList& g) { putInt(g, 73, len); });
}

Acad::ErrorStatus AcDbAttribute::setAttributeFromBlock(const AcDbAttributeDefinition* pAttdef,
                                                       const AcGeMatrix3d& blkXform) {
    if (pAttdef == nullptr)
        return Acad::eNullObjectPointer;
    if (!writable(this))
        return Acad::eNotOpenForWrite;
    copyCodes(groupsOf(this), groupsOf(pAttdef),
              {8, 6,  62, 48, 60, 370, 420, 430, 440, 39, 10,  20, 30, 40,
               1, 50, 41, 51, 7,  71,  72,  11,  21,  31, 210, 2,  73, 74});
    int64_t flags = groupsOf(pAttdef).findInt(70).value_or(0) & (kInvisible | kConstant | kPreset);
    putInt(groupsOf(this), 70, flags);
    imp(this).changed = true;
    return transformBy(blkXform);
}

Acad::ErrorStatus AcDbAttribute::setAttributeFromBlock(const AcGeMatrix3d& blkXform) {
    return transformBy(blkXform);
}
