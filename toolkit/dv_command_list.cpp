#include "toolkit/dv_command_list.h"

#include "acedCmdNF.h"

int DvCommandList::run() const {
    std::vector<resbuf> chain(tokens_.size());
    for (size_t i = 0; i < tokens_.size(); ++i) {
        chain[i].restype = RTSTR;
        chain[i].resval.rstring = const_cast<ACHAR*>(tokens_[i].c_str());
        chain[i].rbnext = i + 1 < tokens_.size() ? &chain[i + 1] : nullptr;
    }
    return acedCmdS(chain.empty() ? nullptr : chain.data());
}
