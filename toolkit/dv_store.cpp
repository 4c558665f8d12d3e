#include "toolkit/dv_store.h"

#include "toolkit/dv_store_node.h"

#include <algorithm>
#include <cwctype>
#include <list>

namespace {

constexpr size_t kMaxName = 80;

std::list<DvDrawingNode>& nodes() {
    static std::list<DvDrawingNode> all;
    return all;
}

std::wstring keptName(const wchar_t* name) {
    std::wstring kept = name ? name : L"";
    if (kept.size() > kMaxName)
        kept.resize(kMaxName);
    return kept;
}

bool sameLetter(wchar_t a, wchar_t b) {
    return std::towupper(static_cast<wint_t>(a)) == std::towupper(static_cast<wint_t>(b));
}

bool nameMatches(const std::wstring& recordName, const std::wstring& wanted, bool exact) {
    if (exact && recordName.size() != wanted.size())
        return false;
    if (recordName.size() < wanted.size())
        return false;
    return std::equal(wanted.begin(), wanted.end(), recordName.begin(), sameLetter);
}

DvRecord* findNewest(DvDrawingNode* node, const wchar_t* name, int type) {
    if (!node)
        return nullptr;
    const std::wstring wanted = keptName(name);
    auto& records = node->records;
    for (auto it = records.rbegin(); it != records.rend(); ++it) {
        if (it->type == type && nameMatches(it->name, wanted, true))
            return &*it;
    }
    return nullptr;
}

template <typename T> void append(DvDrawingNode* node, const wchar_t* name, int type, T value) {
    if (!node)
        return;
    node->records.push_back(DvRecord{keptName(name), type, std::move(value)});
}

template <typename T>
int setValue(DvDrawingNode* node, const wchar_t* name, int type, T value, int create) {
    if (DvRecord* record = findNewest(node, name, type)) {
        record->value = std::move(value);
        return 0;
    }
    if (!create || !node)
        return -1;
    append(node, name, type, std::move(value));
    return 0;
}

template <typename T> int getValue(DvDrawingNode* node, const wchar_t* name, int type, T& out) {
    const DvRecord* record = findNewest(node, name, type);
    if (!record)
        return -1;
    out = std::get<T>(record->value);
    return 0;
}

} // namespace

DvDrawingNode* dv_store_current() {
    const DvDrawingKey key = dv_current_drawing_key();
    auto& all = nodes();
    auto found = std::find_if(all.begin(), all.end(), [&](const auto& n) { return n.key == key; });
    if (found != all.end())
        return &*found;
    all.push_back(DvDrawingNode{key, {}, {}});
    return &all.back();
}

void dv_store_add_string(DvDrawingNode* node, const wchar_t* name, const wchar_t* text) {
    append(node, name, RTSTR, std::wstring(text ? text : L""));
}

void dv_store_add_int(DvDrawingNode* node, const wchar_t* name, int value) {
    append(node, name, RTSHORT, value);
}

int dv_store_set_string(DvDrawingNode* node, const wchar_t* name, const wchar_t* text, int create) {
    return setValue(node, name, RTSTR, std::wstring(text ? text : L""), create);
}

int dv_store_set_int(DvDrawingNode* node, const wchar_t* name, int value, int create) {
    return setValue(node, name, RTSHORT, value, create);
}

int dv_store_set_real(DvDrawingNode* node, const wchar_t* name, double value, int create) {
    return setValue(node, name, RTREAL, value, create);
}

int dv_store_set_pointer(DvDrawingNode* node, const wchar_t* name, void* value, int create) {
    return setValue(node, name, DV_TYPE_POINTER, value, create);
}

int dv_store_set_ename(DvDrawingNode* node, const wchar_t* name, const ads_name value, int create) {
    return setValue(node, name, RTENAME, DvEname{{value[0], value[1]}}, create);
}

int dv_store_get_string(DvDrawingNode* node, const wchar_t* name, std::wstring& out) {
    return getValue(node, name, RTSTR, out);
}

int dv_store_get_int(DvDrawingNode* node, const wchar_t* name, int& out) {
    return getValue(node, name, RTSHORT, out);
}

int dv_store_get_real(DvDrawingNode* node, const wchar_t* name, double& out) {
    return getValue(node, name, RTREAL, out);
}

int dv_store_get_ename(DvDrawingNode* node, const wchar_t* name, ads_name out) {
    DvEname value;
    if (getValue(node, name, RTENAME, value) != 0)
        return -1;
    out[0] = value.word[0];
    out[1] = value.word[1];
    return 0;
}

void* dv_store_get_pointer(DvDrawingNode* node, const wchar_t* name) {
    void* value = nullptr;
    getValue(node, name, DV_TYPE_POINTER, value);
    return value;
}

int dv_store_delete(DvDrawingNode* node, const wchar_t* name, int type, int exact) {
    if (!node || node->records.empty())
        return -1;
    const std::wstring wanted = keptName(name);
    auto& records = node->records;
    for (auto it = records.rbegin(); it != records.rend(); ++it) {
        if ((type == 0 || it->type == type) && nameMatches(it->name, wanted, exact != 0)) {
            records.erase(std::next(it).base());
            return 0;
        }
    }
    return 1;
}

void dv_store_delete_all(DvDrawingNode* node, const wchar_t* name, int type, int exact) {
    if (!node)
        return;
    if (!name) {
        node->records.clear();
        return;
    }
    while (dv_store_delete(node, name, type, exact) == 0) {
    }
}

void dv_store_drop(int all) {
    if (all) {
        nodes().clear();
        return;
    }
    const DvDrawingKey key = dv_current_drawing_key();
    nodes().remove_if([&](const DvDrawingNode& n) { return n.key == key; });
}
