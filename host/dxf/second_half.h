// The second half of a large ENTITIES section, read on another thread by a
// reader of its own over the same data.
#pragma once

#include "host/dxf/reader.h"

#include <atomic>
#include <future>

namespace vma::dxf {

struct Reader::SecondHalf {
    SecondHalf(const Reader& first, const char* middle);
    SecondHalf(const SecondHalf&) = delete;
    SecondHalf& operator=(const SecondHalf&) = delete;
    // Stops the second reader and waits for it.
    ~SecondHalf();

    const char* middle;                   // the second half starts at or after this byte
    std::promise<const char*> startFound; // its first group 0; nullptr when there is none
    std::shared_future<const char*> start;
    std::atomic<bool> stop{false};
    Reader reader;
    std::future<void> done;
};

} // namespace vma::dxf
