// A CAD command with its answers, built up as text and run in one call, as the
// toolkit sends "_.LAYER" "_Set" name "" and the like ("" is Enter).
#pragma once

#include <string>
#include <vector>

class DvCommandList {
public:
    DvCommandList& add(std::wstring token) {
        tokens_.push_back(std::move(token));
        return *this;
    }
    const std::vector<std::wstring>& tokens() const { return tokens_; }
    // The status of acedCmdS (RTNORM when every command completed).
    int run() const;

private:
    std::vector<std::wstring> tokens_;
};
