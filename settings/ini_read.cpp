#include "settings/ini_load.h"
#include "settings/ini_names.h"
#include "settings/ini_store.h"
#include "toolkit/dv_utf8.h"

namespace {

// The section current while reading: none until a header or the first item.
struct Reader {
    IniFile& file;
    IniSection* current = nullptr;

    void header(std::wstring_view line) {
        std::wstring_view name = line.substr(1);
        name = name.substr(0, name.find(L']'));
        current = &ini_section(file, name);
    }

    IniSection& section() {
        if (current == nullptr) {
            file.sections.emplace_front().name = kDummySection;
            current = &file.sections.front();
        }
        return *current;
    }

    void item(std::wstring_view line) {
        size_t equals = line.front() == L';' ? std::wstring_view::npos : line.find(L'=');
        std::wstring_view name = line.substr(0, equals);
        IniSection& into = section();
        IniItem* item = ini_find_item(into, name);
        if (item == nullptr) {
            item = &into.items.emplace_back();
            item->name = name;
        }
        if (equals != std::wstring_view::npos)
            item->value = line.substr(equals + 1);
        item->hasValue = true;
    }

    // One line as the C runtime's line reader hands it over: at most the
    // limit, cut at a NUL as a C string is.
    void line(std::wstring_view text) {
        text = text.substr(0, text.find(L'\0'));
        size_t first = text.find_first_not_of(L' ');
        if (first == std::wstring_view::npos)
            return;
        text.remove_prefix(first);
        if (text.front() == L'[')
            header(text);
        else
            item(text);
    }
};

} // namespace

void ini_read_text(IniFile& file, std::string_view bytes) {
    Reader reader{file};
    while (!bytes.empty()) {
        size_t end = bytes.find('\n');
        std::string_view raw = bytes.substr(0, end);
        bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
        if (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);
        std::wstring text = dv_from_utf8(raw);
        std::wstring_view rest = text;
        do {
            reader.line(rest.substr(0, kIniLineLimit));
            rest.remove_prefix(std::min(rest.size(), kIniLineLimit));
        } while (!rest.empty());
    }
}
