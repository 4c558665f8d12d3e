#include "toolkit/dv_text_file.h"

#include "toolkit/dv_utf8.h"
#include "windows.h"

#include <memory>
#include <string>

namespace {

struct Closer {
    void operator()(FILE* f) const { std::fclose(f); }
};

} // namespace

bool dv_append_text(const wchar_t* path, std::wstring_view text) {
    std::unique_ptr<FILE, Closer> file(_wfopen(path, L"ab"));
    if (!file)
        return false;
    const std::string bytes = dv_to_utf8(text);
    return std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
}
