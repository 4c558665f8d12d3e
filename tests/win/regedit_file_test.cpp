// The REGEDIT4 text form: what each kind of line reads as, the lines that make
// a file damaged (with the line named), and write-then-read giving the same tree.
#include "host/win/regedit_file.h"

#include <cstring>
#include <gtest/gtest.h>

namespace vma::win {
namespace {

std::string file(const std::string& body) {
    return "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\T]\r\n" + body;
}

const RegValue& only(const RegTree& tree) {
    RegKey* key = tree.currentUser->find(L"software\\t");
    EXPECT_NE(key, nullptr);
    EXPECT_EQ(key->values.size(), 1u);
    return key->values.front();
}

struct ValueCase {
    const char* line;
    const wchar_t* name;
    uint32_t type;
    std::vector<uint8_t> data;
};

std::vector<uint8_t> wide(std::wstring_view text) {
    return stringData(text);
}

TEST(RegeditFile, ReadsEachKindOfValue) {
    const ValueCase cases[] = {
        {"\"A\"=\"x\\\\y \\\"q\\\"\"", L"A", 1, wide(L"x\\y \"q\"")},
        {"@=\"dflt\"", L"", 1, wide(L"dflt")},
        {"\"N\"=dword:0000010a", L"N", 4, {0x0a, 0x01, 0, 0}},
        {"\"B\"=hex:01,02,\\\r\n  03", L"B", 3, {1, 2, 3}},
        {"\"E\"=hex(2):25,50,25,00", L"E", 2, wide(L"%P%")},
        {"\"U\"=\"caf\xC3\xA9\"", L"U", 1, wide(L"caf\u00e9")},
    };
    for (const ValueCase& c : cases) {
        auto tree = parseRegedit(file(c.line));
        ASSERT_TRUE(tree.ok()) << c.line << ": " << tree.error().message;
        const RegValue& value = only(tree.value());
        EXPECT_EQ(value.name, c.name) << c.line;
        EXPECT_EQ(value.type, c.type) << c.line;
        EXPECT_EQ(value.data, c.data) << c.line;
    }
}

TEST(RegeditFile, NamesTheLineOfDamage) {
    const std::pair<const char*, long> cases[] = {
        {"REGEDIT5\r\n", 1},
        {"REGEDIT4\r\n\"A\"=\"x\"\r\n", 2},
        {"REGEDIT4\r\n[HKEY_USERS\\X]\r\n", 2},
        {"REGEDIT4\r\n[HKEY_CURRENT_USER\\X\r\n", 2},
        {"REGEDIT4\r\n[HKEY_CURRENT_USER\\X]\r\n\"A\"=\"open\r\n", 3},
        {"REGEDIT4\r\n[HKEY_CURRENT_USER\\X]\r\n\r\n\"A\"=dword:1\r\n", 4},
        {"REGEDIT4\r\n[HKEY_CURRENT_USER\\X]\r\n\"A\"=hex:1g\r\n", 3},
        {"REGEDIT4\r\n[HKEY_CURRENT_USER\\X]\r\n\"A\" \"x\"\r\n", 3},
        {"REGEDIT4\r\n[HKEY_CURRENT_USER\\X]\r\n\"A\"=word:1\r\n", 3},
        {"", 1},
    };
    for (const auto& [text, line] : cases) {
        auto tree = parseRegedit(text);
        ASSERT_FALSE(tree.ok()) << text;
        EXPECT_EQ(tree.error().line, line) << text;
    }
}

TEST(RegeditFile, WritesWhatItReads) {
    RegTree tree;
    bool created = false;
    RegKey* key = tree.currentUser->create(L"Software\\Firm\\App", created);
    key->values.push_back({L"", 1, stringData(L"top")});
    key->values.push_back({L"Odd \"name\"", 1, stringData(L"tab\there")});
    key->values.push_back({L"Path", 2, stringData(L"%HOME%\\x")});
    key->values.push_back({L"Many", 7, stringData(std::wstring(L"a\0b\0", 4))});
    std::vector<uint8_t> big(100);
    for (size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<uint8_t>(i * 7);
    key->values.push_back({L"Big", 3, big});
    tree.localMachine->create(L"Software\\Empty", created);

    std::string text = formatRegedit(tree);
    auto back = parseRegedit(text);
    ASSERT_TRUE(back.ok()) << back.error().message << "\n" << text;
    EXPECT_EQ(formatRegedit(back.value()), text);
    RegKey* again = back->currentUser->find(L"Software\\Firm\\App");
    ASSERT_NE(again, nullptr);
    ASSERT_EQ(again->values.size(), key->values.size());
    for (size_t i = 0; i < key->values.size(); ++i) {
        EXPECT_EQ(again->values[i].name, key->values[i].name);
        EXPECT_EQ(again->values[i].type, key->values[i].type);
        EXPECT_EQ(again->values[i].data, key->values[i].data) << i;
    }
    EXPECT_NE(back->localMachine->find(L"SOFTWARE\\EMPTY"), nullptr);
}

} // namespace
} // namespace vma::win
