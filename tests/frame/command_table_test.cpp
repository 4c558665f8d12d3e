// The command table as the CAD program sees it: 183 rows whose index is the
// function code, with each row's name, kind, title line and flags; the
// transparent and AutoLISP rows that the frame leaves alone.
#include "frame/command_table.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace vma::test {
namespace {

enum class Type { Modal, Transparent, Lisp };

struct RowCase {
    int row;
    const wchar_t* name;
    Type type;
    int title;
};

Type typeOf(const CommandEntry& row) {
    if (isLispRow(row))
        return Type::Lisp;
    return row.commandFlags == kTransparentCommand ? Type::Transparent : Type::Modal;
}

TEST(CommandTable, RowsSitUnderTheirFunctionCodes) {
    const RowCase cases[] = {
        {0, L"vmatest", Type::Modal, 3},
        {6, L"getxd", Type::Modal, 9},
        {7, L"vmadebug", Type::Modal, 10},
        {8, L"ds", Type::Lisp, 16},
        {9, L"t:opnf2dr", Type::Lisp, 16},
        {32, L"getscale", Type::Lisp, 16},
        {36, L"rsnap", Type::Lisp, 16},
        {37, L"t:profgeg", Type::Lisp, 16},
        {39, L"t:read_vars", Type::Lisp, 16},
        {40, L"t:init_ini", Type::Lisp, 16},
        {58, L"t:edit_ini", Type::Lisp, 16},
        {59, L"vmatekenvel", Type::Modal, 17},
        {62, L"vmablipm", Type::Transparent, 20},
        {63, L"vmahighl", Type::Modal, 21},
        {64, L"vmaucsys", Type::Modal, 22},
        {65, L"vmavrvngtxt", Type::Modal, 24},
        {69, L"vmahlpln", Type::Transparent, 29},
        {75, L"vmaprofteknew", Type::Modal, 35},
        {76, L"vmaproftek", Type::Modal, 35},
        {78, L"vmastram", Type::Modal, 37},
        {113, L"vmapaalin", Type::Modal, 72},
        {165, L"vmabrkxtra", Type::Modal, 124},
        {166, L"vmaconvert", Type::Modal, 126},
        {172, L"vmacalcu", Type::Lisp, 132},
        {177, L"vmadebugmode", Type::Modal, 137},
        {178, L"vmasetdmstl", Type::Lisp, 16},
        {180, L"c:Vma_Haal_Tekening_Gegevens", Type::Lisp, 139},
        {181, L"c:vma_Wijzig_Schaal", Type::Lisp, 140},
        {182, L"c:vbconnect", Type::Lisp, 141},
    };
    ASSERT_EQ(dv_command_table().size(), 183u);
    for (const RowCase& c : cases) {
        const CommandEntry* row = dv_command_row(c.row);
        ASSERT_NE(row, nullptr) << c.row;
        EXPECT_STREQ(row->name, c.name) << c.row;
        EXPECT_EQ(typeOf(*row), c.type) << c.row;
        EXPECT_EQ(row->titleLine, c.title) << c.row;
    }
}

TEST(CommandTable, EveryRowIsWellFormed) {
    std::set<std::wstring> names;
    int lisp = 0;
    int transparent = 0;
    for (const CommandEntry& row : dv_command_table()) {
        EXPECT_STREQ(row.releaseMinor, L"92") << row.name;
        EXPECT_NE(row.function, nullptr) << row.name;
        EXPECT_TRUE(names.insert(row.name).second) << row.name;
        if (isLispRow(row)) {
            ++lisp;
            EXPECT_EQ(row.commandFlags, kTransparentCommand) << row.name;
            EXPECT_FALSE(isModalCommandRow(row));
        } else if (row.commandFlags == kTransparentCommand) {
            ++transparent;
        }
    }
    // 57 AutoLISP functions and 126 commands, of which two are transparent.
    EXPECT_EQ(lisp, 57);
    EXPECT_EQ(transparent, 2);
}

TEST(CommandTable, CodesOutsideTheTableHaveNoRow) {
    for (int code : {-5001, -1, 183, 1000})
        EXPECT_EQ(dv_command_row(code), nullptr) << code;
    EXPECT_NE(dv_command_row(182), nullptr);
}

} // namespace
} // namespace vma::test
