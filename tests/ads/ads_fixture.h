// Shared setup of the ADS tests: a fresh session with one new drawing, and
// small readers for the lists the functions give back.
#pragma once

#include "adslib.h"
#include "host/base/text.h"
#include "host/db/rblist.h"
#include "host/db/session.h"

#include <gtest/gtest.h>
#include <string>

namespace vma::test {

class AdsTest : public ::testing::Test {
protected:
    void SetUp() override {
        host::Session::get().reset();
        host::Session::get().setOutput([this](std::wstring_view text) { printed += text; });
        host::Session::get().current();
    }
    void TearDown() override { host::Session::get().reset(); }

    db::Database& db() { return *host::Session::get().current().db; }
    int lastErrno() { return host::Session::get().lastErrno(); }

    std::wstring printed;
};

// acdbEntMake of a list built by acutBuildList, which it then frees.
inline int make(resbuf* list) {
    host::RbList owner(list);
    return acdbEntMake(owner.get());
}

inline const resbuf* findGroup(const resbuf* list, int code) {
    for (; list; list = list->rbnext)
        if (list->restype == code)
            return list;
    return nullptr;
}

inline std::wstring textOf(const resbuf* list, int code) {
    const resbuf* rb = findGroup(list, code);
    return rb && rb->resval.rstring ? rb->resval.rstring : L"";
}

inline size_t countGroups(const resbuf* list, int code) {
    size_t n = 0;
    for (; list; list = list->rbnext)
        n += list->restype == code ? 1 : 0;
    return n;
}

inline host::RbList entget(const ads_name name) {
    return host::RbList(acdbEntGet(name));
}

} // namespace vma::test
