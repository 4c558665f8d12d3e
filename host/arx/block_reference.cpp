// AcDbBlockReference: an INSERT with its placement and the attributes appended to it.
#include "host/arx/groups.h"
#include "host/arx/objects.h"

#include <cmath>
#include <numbers>

namespace vma::arx {
namespace {

constexpr double kDegrees = 180 / std::numbers::pi;

db::GroupList& groupsOf(const AcDbObject* object) {
    return imp(object).groups;
}

template <class Apply> Acad::ErrorStatus change(AcDbObject* object, Apply apply) {
    if (auto es = touch(object); es != Acad::eOk)
        return es;
    apply(groupsOf(object));
    return Acad::eOk;
}

} // namespace
} // namespace vma::arx

using namespace vma::arx;

AcDbBlockReference::AcDbBlockReference() : AcDbEntity("INSERT") {
    vma::db::GroupList& g = groupsOf(this);
    g.addText(2, "");
    setPoint(g, 10, AcGePoint3d::kOrigin);
}

AcDbBlockReference::AcDbBlockReference(const AcGePoint3d& position, AcDbObjectId blockTableRec)
    : AcDbBlockReference() {
    setPosition(position);
    setBlockTableRecord(blockTableRec);
}

AcDbBlockReference::~AcDbBlockReference() {
    std::vector<AcDbAttribute*> owned = std::move(imp(this).openAttributes);
    for (AcDbAttribute* attribute : owned) {
        imp(attribute).parent = nullptr;
        delete attribute;
    }
}

AcDbObjectId AcDbBlockReference::blockTableRecord() const {
    AcDbImpObject& m = imp(this);
    if (m.blockRecord)
        return AcDbObjectId(m.blockRecord);
    if (!m.stub)
        return AcDbObjectId::kNull;
    auto index = drawing(m.stub).findBlock(m.groups.findText(2).value_or(""));
    if (!index)
        return AcDbObjectId::kNull;
    return AcDbObjectId(m.stub->database->imp()->stub(AcDbStub::Kind::Block, *index));
}

Acad::ErrorStatus AcDbBlockReference::setBlockTableRecord(AcDbObjectId id) {
    AcDbStub* stub = id.stub();
    if (!stub || stub->kind != AcDbStub::Kind::Block || id.isErased())
        return Acad::eInvalidInput;
    AcDbImpObject& m = imp(this);
    if (m.stub && m.stub->database != stub->database)
        return Acad::eWrongDatabase;
    if (drawing(stub).block(stub->index).isLayout())
        return Acad::eInvalidInput;
    std::string name = drawing(stub).block(stub->index).name;
    auto es = change(this, [&](vma::db::GroupList& g) { putText(g, 2, name); });
    if (es == Acad::eOk)
        m.blockRecord = stub;
    return es;
}

AcGePoint3d AcDbBlockReference::position() const {
    return worldPoint(groupsOf(this), 10);
}

Acad::ErrorStatus AcDbBlockReference::setPosition(const AcGePoint3d& pos) {
    return change(this, [&](vma::db::GroupList& g) { setWorldPoint(g, 10, pos); });
}

double AcDbBlockReference::rotation() const {
    return groupsOf(this).findReal(50).value_or(0) / kDegrees;
}

Acad::ErrorStatus AcDbBlockReference::setRotation(double newVal) {
    return change(this, [&](vma::db::GroupList& g) { putReal(g, 50, newVal * kDegrees); });
}

AcGeScale3d AcDbBlockReference::scaleFactors() const {
    const vma::db::GroupList& g = groupsOf(this);
    return {g.findReal(41).value_or(1), g.findReal(42).value_or(1), g.findReal(43).value_or(1)};
}

Acad::ErrorStatus AcDbBlockReference::setScaleFactors(const AcGeScale3d& scale) {
    if (scale.sx == 0 || scale.sy == 0 || scale.sz == 0)
        return Acad::eInvalidInput;
    return change(this, [&](vma::db::GroupList& g) {
        putReal(g, 41, scale.sx);
        putReal(g, 42, scale.sy);
        putReal(g, 43, scale.sz);
    });
}

AcGeVector3d AcDbBlockReference::normal() const {
    return normalOf(groupsOf(this));
}

Acad::ErrorStatus AcDbBlockReference::setNormal(const AcGeVector3d& newVal) {
    if (newVal.length() == 0)
        return Acad::eInvalidInput;
    AcGePoint3d pos = position();
    return change(this, [&](vma::db::GroupList& g) {
        setPoint(g, 210, AcGePoint3d::kOrigin + newVal.normal());
        setWorldPoint(g, 10, pos);
    });
}

AcGeMatrix3d AcDbBlockReference::blockTransform() const {
    AcGePoint3d base = AcGePoint3d::kOrigin;
    AcDbObjectId block = blockTableRecord();
    if (AcDbStub* stub = block.stub())
        base = pointAt(drawing(stub).block(stub->index).header, 10);
    AcGeMatrix3d scale;
    scaleFactors().getMatrix(scale);
    return AcGeMatrix3d::translation(position().asVector()) * AcGeMatrix3d::planeToWorld(normal()) *
           AcGeMatrix3d::rotation(rotation(), AcGeVector3d::kZAxis) * scale *
           AcGeMatrix3d::translation(-base.asVector());
}

Acad::ErrorStatus AcDbBlockReference::appendAttribute(AcDbAttribute* pAttr) {
    AcDbObjectId id;
    return appendAttribute(id, pAttr);
}

Acad::ErrorStatus AcDbBlockReference::appendAttribute(AcDbObjectId& attId, AcDbAttribute* pAttr) {
    attId.setNull();
    if (pAttr == nullptr)
        return Acad::eNullObjectPointer;
    if (!writable(this))
        return Acad::eNotOpenForWrite;
    AcDbImpObject& m = imp(this);
    AcDbImpObject& a = imp(pAttr);
    if (a.stub != nullptr || a.parent != nullptr)
        return Acad::eAlreadyInDb;
    if (m.stub && !m.pending)
        return Acad::eNotImplementedYet;
    if (m.stub) {
        AcDbDatabase::Imp& db = *m.stub->database->imp();
        a.stub = db.pendingStub(db.db->newHandle());
        a.pending = true;
        a.block = m.block;
        attId = AcDbObjectId(a.stub);
    }
    a.parent = this;
    a.mode = AcDb::kForWrite;
    m.openAttributes.push_back(pAttr);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::transformBy(const AcGeMatrix3d& xform) {
    if (!writable(this))
        return Acad::eNotOpenForWrite;
    AcGeVector3d n = normal();
    AcGeVector3d along = directionInPlane(n, rotation());
    AcGeVector3d side = n.crossProduct(along);
    AcGeVector3d newAlong = AcGeVector3d(along).transformBy(xform);
    AcGeVector3d newSide = AcGeVector3d(side).transformBy(xform);
    AcGeVector3d newNormal = AcGeVector3d(n).transformBy(xform);
    if (newAlong.length() == 0 || newSide.length() == 0 || newNormal.length() == 0)
        return Acad::eInvalidInput;
    AcGeVector3d unitNormal = newAlong.crossProduct(newSide).normal();
    AcGeScale3d s = scaleFactors();
    AcGeScale3d scaled(s.sx * newAlong.length(), s.sy * newSide.length(),
                       s.sz * newNormal.length());
    AcGePoint3d pos = position().transformBy(xform);
    double angle = angleInPlane(unitNormal, newAlong);
    return change(this, [&](vma::db::GroupList& g) {
        setPoint(g, 210, AcGePoint3d::kOrigin + unitNormal);
        setWorldPoint(g, 10, pos);
        putReal(g, 41, scaled.sx);
        putReal(g, 42, scaled.sy);
        putReal(g, 43, scaled.sz);
        putReal(g, 50, angle * kDegrees);
    });
}
