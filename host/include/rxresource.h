// The resource instance a command's resources come from (a module handle).
#pragma once

#include "windows.h"

class AcRxResourceInstance {
public:
    AcRxResourceInstance() = default;
    explicit AcRxResourceInstance(HINSTANCE hInst) : module_(hInst) {}
    // No resources.
    static const AcRxResourceInstance& empty();
    bool isEmpty() const { return module_ == nullptr; }
    HINSTANCE module() const { return module_; }

private:
    HINSTANCE module_ = nullptr;
};
