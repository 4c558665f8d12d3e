#include "host/db/filter.h"

#include "host/base/text.h"
#include "host/db/filter_node.h"

#include <string>
#include <utility>

namespace vma::host {
namespace {

using Kind = FilterNode::Kind;
using Type = GroupTest::Type;

constexpr int kOperatorCode = -4;
constexpr int kXdataCode = -3;
constexpr int kAppNameCode = 1001;

bool isPointCode(int code) {
    return (code >= 10 && code <= 18) || (code >= 110 && code <= 112) || code == 210;
}

// Codes the CAD program skips in a filter list: names, handles, owner and
// other pointers (entity names on this side), extended data.
bool isIgnoredCode(int code) {
    return code == -1 || code == -2 || code < kOperatorCode || code == 5 ||
           (code >= 330 && code <= 369) || code >= 1000;
}

bool isLongCode(int code) {
    return (code >= 90 && code <= 99) || (code >= 420 && code <= 429) ||
           (code >= 440 && code <= 459);
}

Type typeOfCode(int code) {
    if (isPointCode(code))
        return Type::Point;
    switch (db::kindOfCode(code)) {
    case db::GroupKind::Text:
        return Type::Text;
    case db::GroupKind::Real:
        return Type::Real;
    case db::GroupKind::Int:
        return Type::Integer;
    }
    return Type::Text;
}

int64_t integerOf(const resbuf& rb) {
    if (isLongCode(rb.restype))
        return rb.resval.rlong;
    if (rb.restype >= 160 && rb.restype <= 169)
        return rb.resval.mnInt64;
    return rb.resval.rint;
}

std::optional<Compare> parseCompare(std::wstring_view op) {
    static const std::pair<std::wstring_view, Compare> kOps[] = {
        {L"*", Compare::Any},        {L"=", Compare::Equal},     {L"!=", Compare::NotEqual},
        {L"/=", Compare::NotEqual},  {L"<>", Compare::NotEqual}, {L"<", Compare::Less},
        {L"<=", Compare::LessEqual}, {L">", Compare::Greater},   {L">=", Compare::GreaterEqual},
        {L"&", Compare::BitsAny},    {L"&=", Compare::BitsAll},
    };
    for (auto& [text, compare] : kOps)
        if (text == op)
            return compare;
    return std::nullopt;
}

bool isBitwise(Compare c) {
    return c == Compare::BitsAny || c == Compare::BitsAll;
}

Error malformed(std::string what) {
    return Error{"invalid selection filter: " + std::move(what)};
}

// "op" for all three components, or "opX,opY[,opZ]" with "*" for those left out.
ErrorOr<void> setPointOps(GroupTest& test, std::wstring_view op) {
    if (op.find(L',') == std::wstring_view::npos) {
        auto compare = parseCompare(op);
        if (!compare || isBitwise(*compare))
            return malformed("operator " + wideToUtf8(op) + " on a point");
        test.negated = *compare == Compare::NotEqual;
        test.ops.fill(test.negated ? Compare::Equal : *compare);
        return {};
    }
    test.ops.fill(Compare::Any);
    size_t axis = 0;
    for (size_t start = 0; start <= op.size(); ++axis) {
        size_t comma = std::min(op.find(L',', start), op.size());
        if (axis == 3)
            return malformed("more than three point operators");
        std::wstring_view part = op.substr(start, comma - start);
        auto compare = part.empty() ? std::optional(Compare::Any) : parseCompare(part);
        if (!compare || isBitwise(*compare))
            return malformed("point operator " + wideToUtf8(op));
        test.ops[axis] = *compare;
        start = comma + 1;
    }
    return {};
}

ErrorOr<void> setScalarOp(GroupTest& test, std::wstring_view op) {
    auto compare = parseCompare(op);
    if (!compare)
        return malformed("unknown operator " + wideToUtf8(op));
    if (test.type == Type::Real && isBitwise(*compare))
        return malformed("bitwise operator on a real");
    if (test.type == Type::Text) {
        if (*compare != Compare::Any && *compare != Compare::Equal && *compare != Compare::NotEqual)
            return malformed("relational operator on a text: use a wildcard pattern");
        test.negated = *compare == Compare::NotEqual;
        test.ops[0] = test.negated ? Compare::Equal : *compare;
        return {};
    }
    test.ops[0] = *compare;
    return {};
}

bool isVectorOnlyEquality(const GroupTest& test) {
    for (Compare c : test.ops)
        if (c != Compare::Any && c != Compare::Equal && c != Compare::NotEqual)
            return false;
    return true;
}

ErrorOr<FilterNode> parseTest(const resbuf& rb, std::wstring_view op) {
    FilterNode node{Kind::Test};
    GroupTest& test = node.test;
    test.code = rb.restype;
    test.type = typeOfCode(rb.restype);
    switch (test.type) {
    case Type::Text:
        if (rb.resval.rstring == nullptr)
            return malformed("group " + std::to_string(rb.restype) + " without a text");
        test.pattern.emplace(rb.resval.rstring, db::WcCase::Insensitive);
        break;
    case Type::Integer:
        test.integer = integerOf(rb);
        break;
    case Type::Real:
        test.point[0] = rb.resval.rreal;
        break;
    case Type::Point:
        for (size_t i = 0; i < 3; ++i)
            test.point[i] = rb.resval.rpoint[i];
        break;
    }
    if (test.type == Type::Point)
        VMA_TRY(setPointOps(test, op));
    else
        VMA_TRY(setScalarOp(test, op));
    if (test.code == 210 && !isVectorOnlyEquality(test))
        return malformed("a direction compares only with *, = and !=");
    return node;
}

struct GroupWord {
    std::wstring_view open, close;
    Kind kind;
};
constexpr GroupWord kGroupWords[] = {
    {L"<AND", L"AND>", Kind::And},
    {L"<OR", L"OR>", Kind::Or},
    {L"<XOR", L"XOR>", Kind::Xor},
    {L"<NOT", L"NOT>", Kind::Not},
};

const GroupWord* groupOpening(std::wstring_view upper) {
    for (const auto& word : kGroupWords)
        if (word.open == upper)
            return &word;
    return nullptr;
}

const GroupWord* groupClosing(std::wstring_view upper) {
    for (const auto& word : kGroupWords)
        if (word.close == upper)
            return &word;
    return nullptr;
}

ErrorOr<void> checkOperandCount(const GroupWord& word, size_t count) {
    if (count == 0)
        return malformed(wideToUtf8(word.open) + " without operands");
    if (word.kind == Kind::Xor && count != 2)
        return malformed("<XOR takes exactly two operands");
    if (word.kind == Kind::Not && count != 1)
        return malformed("<NOT takes exactly one operand");
    return {};
}

// Walks the list once; a group's items end at its closing word.
class Parser {
public:
    explicit Parser(const resbuf* list) : rb_(list) {}

    ErrorOr<std::vector<FilterNode>> items(const GroupWord* group) {
        std::vector<FilterNode> nodes;
        while (rb_ != nullptr) {
            if (rb_->restype == kOperatorCode) {
                if (rb_->resval.rstring == nullptr)
                    return malformed("-4 without an operator");
                std::wstring word = upperName(std::wstring_view(rb_->resval.rstring));
                if (const GroupWord* closing = groupClosing(word)) {
                    if (closing != group)
                        return malformed("unbalanced " + wideToUtf8(word));
                    rb_ = rb_->rbnext;
                    return nodes;
                }
                VMA_TRY_ASSIGN(auto node, operatorItem(word));
                if (node)
                    nodes.push_back(std::move(*node));
                continue;
            }
            VMA_TRY_ASSIGN(auto node, plainItem());
            if (node)
                nodes.push_back(std::move(*node));
        }
        if (group != nullptr)
            return malformed(wideToUtf8(group->open) + " without " + wideToUtf8(group->close));
        return nodes;
    }

private:
    using MaybeNode = std::optional<FilterNode>;

    ErrorOr<MaybeNode> operatorItem(const std::wstring& word) {
        std::wstring op(rb_->resval.rstring);
        rb_ = rb_->rbnext;
        if (const GroupWord* opening = groupOpening(word)) {
            VMA_TRY_ASSIGN(auto children, items(opening));
            VMA_TRY(checkOperandCount(*opening, children.size()));
            FilterNode node{opening->kind};
            node.children = std::move(children);
            return MaybeNode(std::move(node));
        }
        if (rb_ == nullptr || rb_->restype == kOperatorCode || rb_->restype == kXdataCode)
            return malformed("operator " + wideToUtf8(op) + " without a group to apply to");
        const resbuf& operand = *rb_;
        rb_ = rb_->rbnext;
        if (isIgnoredCode(operand.restype))
            return MaybeNode();
        VMA_TRY_ASSIGN(auto node, parseTest(operand, op));
        return MaybeNode(std::move(node));
    }

    ErrorOr<MaybeNode> plainItem() {
        const resbuf& item = *rb_;
        rb_ = rb_->rbnext;
        if (item.restype == kXdataCode)
            return xdataItem();
        if (isIgnoredCode(item.restype))
            return MaybeNode();
        VMA_TRY_ASSIGN(auto node, parseTest(item, L"="));
        return MaybeNode(std::move(node));
    }

    ErrorOr<MaybeNode> xdataItem() {
        FilterNode node{Kind::Xdata};
        for (; rb_ != nullptr && rb_->restype == kAppNameCode; rb_ = rb_->rbnext) {
            if (rb_->resval.rstring == nullptr)
                return malformed("application name without a text");
            node.apps.emplace_back(rb_->resval.rstring, db::WcCase::Insensitive);
        }
        if (node.apps.empty())
            return malformed("-3 without application names");
        return MaybeNode(std::move(node));
    }

    const resbuf* rb_;
};

} // namespace

ErrorOr<Filter> Filter::parse(const resbuf* list) {
    Parser parser(list);
    VMA_TRY_ASSIGN(auto nodes, parser.items(nullptr));
    auto root = std::make_shared<FilterNode>();
    root->kind = Kind::And;
    root->children = std::move(nodes);
    return Filter(std::move(root));
}

} // namespace vma::host
