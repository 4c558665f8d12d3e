// The run-time system's roots: AcRxObject, the system registry with the
// command stack in it, and the empty resource instance.
#include "host/arx/command_stack.h"
#include "rxdict.h"

#include <cwchar>

AcRxObject::~AcRxObject() = default;

namespace {

class SystemRegistry : public AcRxDictionary {
public:
    AcRxObject* at(const ACHAR* key) const override {
        if (key != nullptr && std::wcscmp(key, ACRX_COMMAND_DOCK) == 0)
            return &vma::arx::CommandStack::get();
        return nullptr;
    }
};

} // namespace

AcRxDictionary* acrxSysRegistry() {
    static SystemRegistry registry;
    return &registry;
}

const AcRxResourceInstance& AcRxResourceInstance::empty() {
    static const AcRxResourceInstance none;
    return none;
}
