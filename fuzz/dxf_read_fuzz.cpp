// Any bytes given to the DXF reader give a drawing or an Error, never a crash
// or a hang; a drawing it accepts is written and must read back.
#include "host/dxf/dxf.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    auto result = vma::dxf::read(text);
    if (!result)
        return 0;
    std::string written;
    vma::dxf::write(*result->db, written);
    auto again = vma::dxf::read(written);
    if (!again || !again->warnings.empty())
        std::abort();
    return 0;
}
