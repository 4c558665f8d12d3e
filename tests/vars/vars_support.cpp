#include "vars/vars_support.h"

#include <cstdlib>

namespace vma::test {

void freeResbufs(resbuf* list) {
    while (list != nullptr) {
        resbuf* next = list->rbnext;
        if (list->restype == RTSTR)
            std::free(list->resval.rstring);
        std::free(list);
        list = next;
    }
}

} // namespace vma::test
