// Fixed-size types of the ObjectARX interface.
#pragma once

#include <cstdint>

struct Adesk {
    using Int8 = int8_t;
    using Int16 = int16_t;
    using Int32 = int32_t;
    using Int64 = int64_t;
    using UInt8 = uint8_t;
    using UInt16 = uint16_t;
    using UInt32 = uint32_t;
    using UInt64 = uint64_t;
    using IntPtr = intptr_t;
    using UIntPtr = uintptr_t;
    using LongPtr = intptr_t;
    using ULongPtr = uintptr_t;
    using Boolean = bool;
    static constexpr Boolean kFalse = false;
    static constexpr Boolean kTrue = true;
};
