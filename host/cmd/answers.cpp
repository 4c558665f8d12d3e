#include "host/cmd/answers.h"

#include "acedads.h"

namespace vma::cmd {

std::optional<std::wstring> askKeyword(std::wstring_view prompt, std::wstring_view keywords,
                                       std::wstring_view fallback) {
    acedInitGet(0, std::wstring(keywords).c_str());
    ACHAR answer[512] = {};
    int status = acedGetKword(std::wstring(prompt).c_str(), answer, std::size(answer));
    if (status == RTNONE)
        return std::wstring(fallback);
    if (status != RTNORM)
        return std::nullopt;
    return std::wstring(answer);
}

std::optional<std::wstring> askFileName(std::wstring_view prompt, std::wstring_view fallback) {
    ACHAR answer[2048] = {};
    int status = acedGetString(0, std::wstring(prompt).c_str(), answer, std::size(answer));
    if (status != RTNORM)
        return std::nullopt;
    std::wstring_view name = answer;
    if (name.size() >= 2 && name.front() == L'"' && name.back() == L'"')
        name = name.substr(1, name.size() - 2);
    if (name.empty())
        return std::wstring(fallback);
    return std::wstring(name);
}

} // namespace vma::cmd
