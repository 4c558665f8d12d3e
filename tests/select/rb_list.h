// Result-buffer lists for the tests, written as tables: {code, value} items.
#pragma once

#include "adsdef.h"

#include <deque>
#include <initializer_list>
#include <string>

namespace vma::test {

struct Pt {
    double x = 0, y = 0, z = 0;
};

struct Item {
    enum class Kind { Text, Integer, Real, Point };
    Item(int code, const wchar_t* text) : code(code), kind(Kind::Text), text(text) {}
    Item(int code, int value) : code(code), kind(Kind::Integer), integer(value) {}
    Item(int code, double value) : code(code), kind(Kind::Real), real(value) {}
    Item(int code, Pt p) : code(code), kind(Kind::Point), point(p) {}

    int code;
    Kind kind;
    std::wstring text;
    int integer = 0;
    double real = 0;
    Pt point;
};

// Owns its buffers and strings; get() is the head of the linked list (nullptr when empty).
class RbList {
public:
    RbList(std::initializer_list<Item> items) : items_(items) {}

    const resbuf* get() {
        buffers_.clear();
        for (Item& item : items_)
            buffers_.push_back(toResbuf(item));
        for (size_t i = 0; i + 1 < buffers_.size(); ++i)
            buffers_[i].rbnext = &buffers_[i + 1];
        return buffers_.empty() ? nullptr : &buffers_.front();
    }

private:
    static bool isLong(int code) { return code >= 90 && code <= 99; }

    static resbuf toResbuf(Item& item) {
        resbuf rb{};
        rb.restype = static_cast<short>(item.code);
        switch (item.kind) {
        case Item::Kind::Text:
            rb.resval.rstring = item.text.data();
            break;
        case Item::Kind::Integer:
            if (isLong(item.code))
                rb.resval.rlong = item.integer;
            else
                rb.resval.rint = static_cast<short>(item.integer);
            break;
        case Item::Kind::Real:
            rb.resval.rreal = item.real;
            break;
        case Item::Kind::Point:
            rb.resval.rpoint[0] = item.point.x;
            rb.resval.rpoint[1] = item.point.y;
            rb.resval.rpoint[2] = item.point.z;
            break;
        }
        return rb;
    }

    std::deque<Item> items_;
    std::deque<resbuf> buffers_;
};

} // namespace vma::test
