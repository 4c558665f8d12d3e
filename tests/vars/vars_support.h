// Helpers of the variable, symbol and coordinate tests: result buffers built
// on the stack and a fresh session per test.
#pragma once

#include "acedads.h"
#include "acutads.h"
#include "host/db/session.h"

#include <gtest/gtest.h>
#include <string>

namespace vma::test {

inline resbuf shortRb(short v) {
    resbuf rb{};
    rb.restype = RTSHORT;
    rb.resval.rint = v;
    return rb;
}

inline resbuf realRb(double v) {
    resbuf rb{};
    rb.restype = RTREAL;
    rb.resval.rreal = v;
    return rb;
}

inline resbuf pointRb(short type, double x, double y, double z = 0) {
    resbuf rb{};
    rb.restype = type;
    rb.resval.rpoint[X] = x;
    rb.resval.rpoint[Y] = y;
    rb.resval.rpoint[Z] = z;
    return rb;
}

// A string result buffer; the text must outlive it.
inline resbuf stringRb(const std::wstring& text) {
    resbuf rb{};
    rb.restype = RTSTR;
    rb.resval.rstring = const_cast<ACHAR*>(text.c_str());
    return rb;
}

class FreshSession : public ::testing::Test {
protected:
    void SetUp() override { host::Session::get().reset(); }
    void TearDown() override { host::Session::get().reset(); }
};

} // namespace vma::test
