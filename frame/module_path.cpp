#include "frame/module_path.h"

#include "acedads.h"

#include <algorithm>
#include <cwctype>

namespace {

bool isPlatformFolder(std::wstring folder) {
    std::transform(folder.begin(), folder.end(), folder.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    return folder == L"\\x64\\" || folder == L"\\x32\\";
}

} // namespace

std::wstring vma_module_path_with_extension(const wchar_t* extension) {
    const wchar_t* app = acedGetAppName();
    std::wstring path = app ? app : L"";
    std::replace(path.begin(), path.end(), L'/', L'\\');
    size_t nameStart = path.rfind(L'\\');
    if (nameStart != std::wstring::npos && nameStart >= 4 &&
        isPlatformFolder(path.substr(nameStart - 4, 5)))
        path.erase(nameStart - 4, 4);
    size_t dot = path.rfind(L'.');
    if (dot != std::wstring::npos && path.find(L'\\', dot) == std::wstring::npos)
        path.erase(dot);
    return path.empty() ? path : path + L"." + extension;
}
