// Result buffers of the ADS interface (acutNewRb, acutRelRb, acutBuildList,
// acutRbDup) and command-line output (acutPrintf). Strings and binary chunks
// inside a buffer are malloc'ed, because callers free lists with acutRelRb.
#include "acutads.h"
#include "host/base/text.h"
#include "host/db/rblist.h"
#include "host/db/session.h"

#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

using vma::host::RbKind;
using vma::host::rbKind;

namespace {

char* copyBytes(const char* bytes, short length) {
    auto* out = static_cast<char*>(std::malloc(length > 0 ? length : 1));
    if (out && bytes && length > 0)
        std::memcpy(out, bytes, length);
    return out;
}

// A copy of one buffer's value (strings and chunks copied), without its link.
resbuf* duplicate(const resbuf* rb) {
    resbuf* copy = acutNewRb(rb->restype);
    if (!copy)
        return nullptr;
    copy->resval = rb->resval;
    RbKind kind = rbKind(rb->restype);
    if (kind == RbKind::Text && rb->resval.rstring)
        copy->resval.rstring = vma::mallocWide(rb->resval.rstring);
    if (kind == RbKind::Binary)
        copy->resval.rbinary.buf = copyBytes(rb->resval.rbinary.buf, rb->resval.rbinary.clen);
    return copy;
}

// The vendor's wide printf reads %s and %c as wide; the C library's reads them
// as narrow unless marked with l. %hs and %S are narrow there.
std::wstring toLibraryFormat(const wchar_t* format) {
    std::wstring out;
    for (const wchar_t* p = format; *p; ++p) {
        out += *p;
        if (*p != L'%')
            continue;
        ++p;
        while (*p && std::wcschr(L"-+ #0123456789.*", *p))
            out += *p++;
        bool narrow = false;
        bool sized = false;
        while (*p && std::wcschr(L"hlLqjzt", *p)) {
            narrow = narrow || *p == L'h';
            sized = true;
            if (*p != L'h')
                out += *p;
            ++p;
        }
        if (!*p)
            break;
        wchar_t conversion = *p;
        bool text = conversion == L's' || conversion == L'c';
        if (conversion == L'S' || conversion == L'C')
            conversion = static_cast<wchar_t>(conversion + (L'a' - L'A'));
        else if (text && !sized && !narrow)
            out += L'l';
        else if (!text && narrow)
            out += L'h';
        out += conversion;
    }
    return out;
}

std::wstring formatArgs(const wchar_t* format, va_list args) {
    std::wstring libraryFormat = toLibraryFormat(format);
    std::vector<wchar_t> buffer(256);
    for (;;) {
        va_list copy;
        va_copy(copy, args);
        int n = std::vswprintf(buffer.data(), buffer.size(), libraryFormat.c_str(), copy);
        va_end(copy);
        if (n >= 0)
            return std::wstring(buffer.data(), static_cast<size_t>(n));
        if (buffer.size() >= (size_t(1) << 24))
            return L"";
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace

resbuf* acutNewRb(int type) {
    auto* rb = static_cast<resbuf*>(std::calloc(1, sizeof(resbuf)));
    if (rb)
        rb->restype = static_cast<short>(type);
    return rb;
}

int acutRelRb(resbuf* list) {
    while (list) {
        resbuf* next = list->rbnext;
        RbKind kind = rbKind(list->restype);
        if (kind == RbKind::Text)
            std::free(list->resval.rstring);
        if (kind == RbKind::Binary)
            std::free(list->resval.rbinary.buf);
        std::free(list);
        list = next;
    }
    return RTNORM;
}

resbuf* acutBuildList(int type, ...) {
    va_list args;
    va_start(args, type);
    vma::host::RbList list;
    for (int t = type; t != 0; t = va_arg(args, int)) {
        RbKind kind = rbKind(t);
        resbuf* rb = kind == RbKind::Unknown ? nullptr : list.appendNew(t == RTDXF0 ? 0 : t);
        if (!rb) {
            va_end(args);
            return nullptr;
        }
        switch (kind) {
        case RbKind::Real:
            rb->resval.rreal = va_arg(args, double);
            break;
        case RbKind::Point: {
            const double* p = va_arg(args, const double*);
            std::memcpy(rb->resval.rpoint, p, sizeof(ads_point));
            break;
        }
        case RbKind::Short:
            rb->resval.rint = static_cast<short>(va_arg(args, int));
            break;
        case RbKind::Long:
            rb->resval.rlong = static_cast<int32_t>(va_arg(args, int));
            break;
        case RbKind::Int64:
            rb->resval.mnInt64 = va_arg(args, int64_t);
            break;
        case RbKind::Text: {
            const ACHAR* s = va_arg(args, const ACHAR*);
            rb->resval.rstring = vma::mallocWide(s ? s : L"");
            break;
        }
        case RbKind::Name: {
            const int64_t* name = va_arg(args, const int64_t*);
            ads_name_set(name, rb->resval.rlname);
            break;
        }
        case RbKind::Binary: {
            const ads_binary* chunk = va_arg(args, const ads_binary*);
            rb->resval.rbinary.clen = chunk->clen;
            rb->resval.rbinary.buf = copyBytes(chunk->buf, chunk->clen);
            break;
        }
        default:
            break;
        }
    }
    va_end(args);
    return list.release();
}

resbuf* acutRbDup(const resbuf* list) {
    vma::host::RbList copy;
    for (const resbuf* rb = list; rb; rb = rb->rbnext) {
        resbuf* dup = duplicate(rb);
        if (!dup)
            return nullptr;
        copy.append(dup);
    }
    return copy.release();
}

int acutPrintf(const ACHAR* format, ...) {
    if (!format)
        return 0;
    va_list args;
    va_start(args, format);
    std::wstring text = formatArgs(format, args);
    va_end(args);
    vma::host::Session::get().print(text);
    return static_cast<int>(text.size());
}
