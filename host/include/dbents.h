// Entities of the object model: texts, attribute definitions, attributes and
// block references. Coordinates are world coordinates, angles in radians.
#pragma once

#include "dbmain.h"

class AcDbText : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbText);
    AcDbText();

    AcGePoint3d position() const;
    Acad::ErrorStatus setPosition(const AcGePoint3d& pos);
    // The second point of an aligned text (not left-aligned on the base line).
    AcGePoint3d alignmentPoint() const;
    Acad::ErrorStatus setAlignmentPoint(const AcGePoint3d& pos);
    bool isDefaultAlignment() const;
    AcGeVector3d normal() const;
    Acad::ErrorStatus setNormal(const AcGeVector3d& normal);
    double thickness() const;
    Acad::ErrorStatus setThickness(double thickness);
    double oblique() const;
    Acad::ErrorStatus setOblique(double angle);
    double rotation() const;
    Acad::ErrorStatus setRotation(double angle);
    double height() const;
    // eOk; eInvalidInput for a height not above 0.
    Acad::ErrorStatus setHeight(double height);
    double widthFactor() const;
    // eOk; eInvalidInput for a factor not above 0.
    Acad::ErrorStatus setWidthFactor(double widthFactor);
    bool isMirroredInX() const;
    Acad::ErrorStatus mirrorInX(bool mirror);
    bool isMirroredInY() const;
    Acad::ErrorStatus mirrorInY(bool mirror);
    AcDb::TextHorzMode horizontalMode() const;
    Acad::ErrorStatus setHorizontalMode(AcDb::TextHorzMode mode);
    AcDb::TextVertMode verticalMode() const;
    Acad::ErrorStatus setVerticalMode(AcDb::TextVertMode mode);
    // The text (a fresh string: acutDelString), or valid while the object is open.
    ACHAR* textString() const;
    const ACHAR* textStringConst() const;
    Acad::ErrorStatus setTextString(const ACHAR* text);
    // The text style's record id; null when the style is unknown.
    AcDbObjectId textStyle() const;
    // eOk; eInvalidInput for an id that is no text style of this database.
    Acad::ErrorStatus setTextStyle(AcDbObjectId id);
    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;

protected:
    explicit AcDbText(const char* dxfType);
};

class AcDbAttributeDefinition : public AcDbText {
public:
    ACRX_DECLARE_MEMBERS(AcDbAttributeDefinition);
    AcDbAttributeDefinition();

    ACHAR* prompt() const;
    const ACHAR* promptConst() const;
    Acad::ErrorStatus setPrompt(const ACHAR* prompt);
    ACHAR* tag() const;
    const ACHAR* tagConst() const;
    Acad::ErrorStatus setTag(const ACHAR* tag);
    bool isInvisible() const;
    Acad::ErrorStatus setInvisible(bool invisible);
    bool isConstant() const;
    Acad::ErrorStatus setConstant(bool constant);
    bool isVerifiable() const;
    bool isPreset() const;
    Adesk::UInt16 fieldLength() const;
    Acad::ErrorStatus setFieldLength(Adesk::UInt16 len);
};

class AcDbAttribute : public AcDbText {
public:
    ACRX_DECLARE_MEMBERS(AcDbAttribute);
    AcDbAttribute();
    ~AcDbAttribute() override;

    ACHAR* tag() const;
    const ACHAR* tagConst() const;
    Acad::ErrorStatus setTag(const ACHAR* tag);
    bool isInvisible() const;
    Acad::ErrorStatus setInvisible(bool invisible);
    bool isConstant() const;
    Adesk::UInt16 fieldLength() const;
    Acad::ErrorStatus setFieldLength(Adesk::UInt16 len);
    // Takes over the definition's text properties, tag, text and flags and
    // places them through the reference's transform. eOk; eNotOpenForWrite;
    // eNullObjectPointer.
    Acad::ErrorStatus setAttributeFromBlock(const AcDbAttributeDefinition* pAttdef,
                                            const AcGeMatrix3d& blkXform);
    // Places the attribute as it stands through the reference's transform.
    Acad::ErrorStatus setAttributeFromBlock(const AcGeMatrix3d& blkXform);
};

class AcDbBlockReference : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbBlockReference);
    AcDbBlockReference();
    AcDbBlockReference(const AcGePoint3d& position, AcDbObjectId blockTableRec);
    // Deletes the attributes appended to it that are still open and not yet in the drawing.
    ~AcDbBlockReference() override;

    AcDbObjectId blockTableRecord() const;
    // eOk; eNotOpenForWrite; eInvalidInput for an id that is no block record.
    Acad::ErrorStatus setBlockTableRecord(AcDbObjectId id);
    AcGePoint3d position() const;
    Acad::ErrorStatus setPosition(const AcGePoint3d& pos);
    double rotation() const;
    Acad::ErrorStatus setRotation(double newVal);
    AcGeScale3d scaleFactors() const;
    // eOk; eInvalidInput when a factor is 0.
    Acad::ErrorStatus setScaleFactors(const AcGeScale3d& scale);
    AcGeVector3d normal() const;
    Acad::ErrorStatus setNormal(const AcGeVector3d& newVal);
    // The block's coordinates to world coordinates: the base point moved to
    // the origin, scaled, turned about the normal, placed at the position.
    AcGeMatrix3d blockTransform() const;
    // Adds a new attribute to a reference that is new or was appended to a
    // block and not yet closed; the attribute stays open for write (close
    // it). eOk; eNullObjectPointer; eAlreadyInDb; eNotOpenForWrite;
    // eNotImplementedYet for a reference already in the drawing before it was opened.
    Acad::ErrorStatus appendAttribute(AcDbAttribute* pAttr);
    Acad::ErrorStatus appendAttribute(AcDbObjectId& attId, AcDbAttribute* pAttr);
    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
};
