// Any bytes as a DCL file: parsing and building every definition must end in
// a tile tree or an error, never a crash, hang or leak.
#include "host/dcl/library.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    auto lib = vma::dcl::Library::fromText(text, "fuzz.dcl", "/nonexistent");
    if (!lib)
        return 0;
    for (const char* name : {"a", "d", "dialog", "ok_cancel"})
        (void)lib->build(name);
    return 0;
}
