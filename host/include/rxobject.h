// The root of the ObjectARX class tree. Run-time casts go through cast(),
// which gives nullptr for an object of another class.
#pragma once

class AcRxObject {
public:
    virtual ~AcRxObject();
};

#define ACRX_DECLARE_MEMBERS(CLASS)                                                                \
    static CLASS* cast(const AcRxObject* inPtr) {                                                  \
        return dynamic_cast<CLASS*>(const_cast<AcRxObject*>(inPtr));                               \
    }
