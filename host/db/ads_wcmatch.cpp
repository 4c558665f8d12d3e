// acutWcMatch: the wildcard matcher at the C boundary.
#include "acutads.h"
#include "host/db/wcmatch.h"

int acutWcMatch(const ACHAR* string, const ACHAR* pattern) {
    if (string == nullptr || pattern == nullptr)
        return RTERROR;
    return vma::db::wcMatch(std::wstring_view(string), std::wstring_view(pattern)) ? RTNORM
                                                                                   : RTERROR;
}
