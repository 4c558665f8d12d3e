// Drawing variables survive a save and a reopen: they travel in the DXF
// header (and the active viewport) and come back through getSysvar, while
// session variables stay with the session.
#include "host/dxf/dxf.h"
#include "host/sysvar/access.h"
#include "vars/vars_support.h"

using namespace vma;
using namespace vma::host;

namespace {

class Roundtrip : public test::FreshSession {};

TEST_F(Roundtrip, DrawingVariablesComeBackFromDxf) {
    Session& session = Session::get();
    const struct {
        const char* name;
        SysvarValue value;
    } cases[] = {
        {"TEXTSIZE", SysvarValue::ofReal(3.5)},
        {"USERI2", SysvarValue::ofShort(-12)},
        {"USERR5", SysvarValue::ofReal(0.125)},
        {"LIMMAX", SysvarValue::ofPoint(VarType::Point2, 841, 594)},
        {"INSBASE", SysvarValue::ofPoint(VarType::Point3, 1, 2, 3)},
        {"CECOLOR", SysvarValue::ofText("3")},
        {"ORTHOMODE", SysvarValue::ofShort(1)},
        {"GRIDMODE", SysvarValue::ofShort(1)},
        {"DIMSCALE", SysvarValue::ofReal(50)},
    };
    for (const auto& c : cases)
        ASSERT_TRUE(setSysvar(session, c.name, c.value)) << c.name;
    ASSERT_TRUE(setSysvar(session, "OSMODE", SysvarValue::ofShort(7)));

    std::string text;
    dxf::write(*session.current().db, text);
    session.reset();
    auto read = dxf::read(text);
    ASSERT_TRUE(read.ok()) << read.error().message;
    session.open(std::move(read.value().db));

    for (const auto& c : cases)
        EXPECT_EQ(getSysvar(session, c.name).value(), c.value) << c.name;
    EXPECT_EQ(getSysvar(session, "OSMODE")->integer, 4133);
    EXPECT_EQ(getSysvar(session, "DBMOD")->integer, 0);
}

} // namespace
