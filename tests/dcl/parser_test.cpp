// The DCL reader: lexical forms, definitions with several parents, attribute
// inheritance, prototypes against subassemblies, base.dcl, and errors that
// name file and line.
#include "host/dcl/library.h"

#include <gtest/gtest.h>

namespace vma::dcl {
namespace {

ErrorOr<Library> lib(const std::string& text) {
    return Library::fromText(text, "t.dcl", ".");
}

std::unique_ptr<Tile> built(const std::string& text, const std::string& name) {
    auto l = lib(text);
    EXPECT_TRUE(l.ok()) << l.error().message;
    if (!l)
        return nullptr;
    auto tile = l->build(name);
    EXPECT_TRUE(tile.ok()) << tile.error().message;
    return tile ? std::move(tile).value() : nullptr;
}

TEST(DclParse, CommentsStringsAndValues) {
    auto t = built(R"(// line comment
        /* block
           comment */ d : dialog { label = "Say \"hi\"\\\n"; width = 12.5; is_bold = true;
        alignment = centered; height=-1; })",
                   "d");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->kind, "dialog");
    EXPECT_EQ(t->attr("label"), "Say \"hi\"\\\n");
    EXPECT_TRUE(t->attrs.at("label").quoted);
    EXPECT_EQ(t->attr("width"), "12.5");
    EXPECT_FALSE(t->attrs.at("width").quoted);
    EXPECT_TRUE(t->flag("is_bold"));
    EXPECT_EQ(t->attr("alignment"), "centered");
    EXPECT_EQ(t->attr("height"), "-1");
}

TEST(DclParse, InheritanceLeftMostParentWins) {
    auto t = built(R"(
        a : button { label = "A"; width = 1; }
        b : button { label = "B"; height = 2; mnemonic = "b"; }
        c : a : b { mnemonic = "c"; }
        d : dialog { : c { key = "k"; width = 9; } })",
                   "d");
    ASSERT_TRUE(t);
    ASSERT_EQ(t->children.size(), 1u);
    const Tile& c = *t->children[0];
    EXPECT_EQ(c.kind, "button");
    EXPECT_EQ(c.attr("label"), "A");    // a before b
    EXPECT_EQ(c.attr("height"), "2");   // only b has it
    EXPECT_EQ(c.attr("mnemonic"), "c"); // own over both
    EXPECT_EQ(c.attr("width"), "9");    // the reference overrides
    EXPECT_EQ(c.parent, t.get());
}

TEST(DclParse, SubassembliesBringTheirChildren) {
    auto t = built(R"(
        pair : row { : button { key = "one"; } : button { key = "two"; } }
        d : dialog { pair; : pair { label = "framed"; } ok_cancel; })",
                   "d");
    ASSERT_TRUE(t);
    ASSERT_EQ(t->children.size(), 3u);
    EXPECT_EQ(t->children[0]->children.size(), 2u);
    EXPECT_EQ(t->children[1]->attr("label"), "framed");
    EXPECT_EQ(t->children[1]->children[1]->key(), "two");
}

TEST(DclParse, BaseDefinitions) {
    auto t = built(
        "d : dialog { ok_cancel_help_errtile; spacer_1; : default_button { key = \"x\"; } }", "d");
    ASSERT_TRUE(t);
    const Tile& buttons = *t->children[0]->children[0]->children[0];
    ASSERT_EQ(buttons.kind, "row");
    std::vector<std::string> keys;
    for (const auto& child : buttons.children)
        if (!child->key().empty())
            keys.push_back(child->key());
    EXPECT_EQ(keys, (std::vector<std::string>{"accept", "cancel", "help"}));
    EXPECT_EQ(t->children[0]->children[1]->key(), "error");
    EXPECT_EQ(t->children[1]->kind, "spacer");
    EXPECT_TRUE(t->children[2]->flag("is_default"));
    for (const char* name : {"ok_only", "ok_cancel", "ok_cancel_help", "ok_cancel_help_info",
                             "errtile", "spacer_0", "retirement_button"})
        EXPECT_TRUE(lib("").value().has(name)) << name;
}

TEST(DclParse, FileDefinitionReplacesBase) {
    auto t =
        built("ok_only : column { : button { key = \"mine\"; } } d : dialog { ok_only; }", "d");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->children[0]->children[0]->key(), "mine");
}

struct BadCase {
    const char* text;
    const char* message;
};

class DclErrors : public ::testing::TestWithParam<BadCase> {};

TEST_P(DclErrors, NameFileAndLine) {
    auto l = lib(GetParam().text);
    std::string message = l.ok() ? "" : l.error().message;
    if (l.ok()) {
        auto t = l->build("d");
        message = t.ok() ? "" : t.error().message;
    }
    EXPECT_EQ(message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DclErrors,
    ::testing::Values(
        BadCase{"d : dialog {\n label = \"x;\n}", "t.dcl:2: string not closed"},
        BadCase{"d : dialog {\n\n label = ; }", "t.dcl:3: expected a value for 'label', found ';'"},
        BadCase{"d : dialog {\n label = \"x\" }", "t.dcl:2: expected ';', found '}'"},
        BadCase{"d dialog { }", "t.dcl:1: expected ':' after 'd'"},
        BadCase{"d : dialog {\n : button { }\n", "t.dcl:3: '}' missing at end of file"},
        BadCase{"/* open\n\n", "t.dcl:1: comment not closed"},
        BadCase{"d : dialog {\n # }", "t.dcl:2: unexpected character '#'"},
        BadCase{"d : dialog {\n\n : nothing { } }", "t.dcl:3: unknown tile 'nothing'"},
        BadCase{"d : dialog { : ok_cancel {\n : button { } } }",
                "t.dcl:1: tiles cannot be added to the subassembly 'ok_cancel'"},
        BadCase{"a : b { } b : a { } d : dialog { a; }",
                "t.dcl:1: definitions refer to each other without end"},
        BadCase{"@include \"missing.dcl\"", "t.dcl:1: cannot read ./missing.dcl"}));

} // namespace
} // namespace vma::dcl
