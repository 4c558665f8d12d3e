#include "host/dcl/parser.h"

#include <cctype>

namespace vma::dcl {

namespace {

constexpr int kMaxIncludeDepth = 16;
constexpr int kMaxNesting = 100;

enum class Tok { Name, String, Number, Punct, End };

struct Token {
    Tok type = Tok::End;
    std::string text;
    long line = 1;
};

bool isNameStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}
bool isNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}
bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

class Lexer {
public:
    Lexer(std::string_view text, const std::string& file) : text_(text), file_(file) {}

    ErrorOr<Token> next() {
        VMA_TRY(skipBlanks());
        Token token;
        token.line = line_;
        if (pos_ >= text_.size())
            return token;
        char c = text_[pos_];
        if (c == '"')
            return string(token);
        if (isNameStart(c))
            return run(token, Tok::Name, isNameChar);
        if (isDigit(c) || c == '-' || c == '+' || c == '.')
            return run(token, Tok::Number,
                       [](char d) { return isDigit(d) || d == '.' || d == 'e' || d == 'E'; });
        if (c == ':' || c == ';' || c == '{' || c == '}' || c == '=' || c == '@') {
            ++pos_;
            token.type = Tok::Punct;
            token.text = std::string(1, c);
            return token;
        }
        return errorAt(file_, line_, std::string("unexpected character '") + c + "'");
    }

private:
    ErrorOr<void> skipBlanks() {
        while (pos_ < text_.size()) {
            char c = text_[pos_];
            if (c == '\n')
                ++line_;
            if (std::isspace(static_cast<unsigned char>(c))) {
                ++pos_;
                continue;
            }
            if (text_.substr(pos_, 2) == "//") {
                while (pos_ < text_.size() && text_[pos_] != '\n')
                    ++pos_;
                continue;
            }
            if (text_.substr(pos_, 2) != "/*")
                return {};
            long start = line_;
            size_t end = text_.find("*/", pos_ + 2);
            if (end == std::string_view::npos)
                return errorAt(file_, start, "comment not closed");
            for (size_t i = pos_; i < end; ++i)
                line_ += text_[i] == '\n';
            pos_ = end + 2;
        }
        return {};
    }

    template <class Pred> Token run(Token token, Tok type, Pred more) {
        size_t start = pos_++;
        while (pos_ < text_.size() && more(text_[pos_]))
            ++pos_;
        token.type = type;
        token.text = std::string(text_.substr(start, pos_ - start));
        return token;
    }

    ErrorOr<Token> string(Token token) {
        token.type = Tok::String;
        for (++pos_; pos_ < text_.size(); ++pos_) {
            char c = text_[pos_];
            if (c == '"') {
                ++pos_;
                return token;
            }
            if (c == '\n')
                break;
            if (c == '\\' && pos_ + 1 < text_.size()) {
                token.text += unescape(text_[++pos_]);
                continue;
            }
            token.text += c;
        }
        return errorAt(file_, token.line, "string not closed");
    }

    static char unescape(char c) {
        switch (c) {
        case 'n':
            return '\n';
        case 't':
            return '\t';
        default:
            return c;
        }
    }

    std::string_view text_;
    const std::string& file_;
    size_t pos_ = 0;
    long line_ = 1;
};

class Parser {
public:
    Parser(std::string_view text, const std::string& file, const IncludeReader& include, int depth)
        : lexer_(text, file), file_(file), include_(include), depth_(depth) {}

    ErrorOr<std::vector<Node>> file() {
        VMA_TRY(advance());
        std::vector<Node> out;
        while (tok_.type != Tok::End) {
            if (isPunct("@")) {
                VMA_TRY(includeFile(out));
                continue;
            }
            VMA_TRY_ASSIGN(Node def, definition());
            out.push_back(std::move(def));
        }
        return out;
    }

private:
    ErrorOr<void> advance() {
        VMA_TRY_ASSIGN(tok_, lexer_.next());
        return {};
    }

    bool isPunct(const char* p) const { return tok_.type == Tok::Punct && tok_.text == p; }

    Error fail(const std::string& message) const { return errorAt(file_, tok_.line, message); }

    std::string shown() const {
        return tok_.type == Tok::End ? "end of file" : "'" + tok_.text + "'";
    }

    ErrorOr<void> expect(const char* p) {
        if (!isPunct(p))
            return fail(std::string("expected '") + p + "', found " + shown());
        return advance();
    }

    ErrorOr<std::string> name(const char* what) {
        if (tok_.type != Tok::Name)
            return fail(std::string("expected ") + what + ", found " + shown());
        std::string text = tok_.text;
        VMA_TRY(advance());
        return text;
    }

    ErrorOr<void> includeFile(std::vector<Node>& out) {
        VMA_TRY(advance());
        if (tok_.type != Tok::Name || tok_.text != "include")
            return fail("expected 'include' after '@'");
        VMA_TRY(advance());
        if (tok_.type != Tok::String)
            return fail("expected a file name after @include");
        if (depth_ >= kMaxIncludeDepth)
            return fail("@include nested too deep");
        std::string name = tok_.text;
        VMA_TRY(advance());
        if (!include_)
            return fail("cannot include \"" + name + "\" here");
        auto text = include_(name, file_);
        if (!text)
            return fail(text.error().message);
        VMA_TRY_ASSIGN(auto nodes, Parser(text.value(), name, include_, depth_ + 1).file());
        for (Node& node : nodes)
            out.push_back(std::move(node));
        return {};
    }

    ErrorOr<Node> definition() {
        Node node;
        node.file = file_;
        node.line = tok_.line;
        VMA_TRY_ASSIGN(node.name, name("a definition name"));
        if (!isPunct(":"))
            return fail("expected ':' after '" + node.name + "'");
        VMA_TRY(parents(node));
        VMA_TRY(body(node, 0));
        return node;
    }

    ErrorOr<void> parents(Node& node) {
        while (isPunct(":")) {
            VMA_TRY(advance());
            VMA_TRY_ASSIGN(auto parent, name("a tile name"));
            node.parents.push_back(std::move(parent));
        }
        return {};
    }

    ErrorOr<void> body(Node& node, int nesting) {
        if (nesting > kMaxNesting)
            return fail("tiles nested too deep");
        VMA_TRY(expect("{"));
        while (!isPunct("}")) {
            if (tok_.type == Tok::End)
                return fail("'}' missing at end of file");
            VMA_TRY(item(node, nesting));
        }
        return advance();
    }

    ErrorOr<void> item(Node& node, int nesting) {
        Node child;
        child.file = file_;
        child.line = tok_.line;
        if (isPunct(":")) {
            VMA_TRY(parents(child));
            VMA_TRY(body(child, nesting + 1));
            node.children.push_back(std::move(child));
            return {};
        }
        VMA_TRY_ASSIGN(std::string word, name("an attribute or tile name"));
        if (isPunct(";")) {
            child.parents.push_back(std::move(word));
            node.children.push_back(std::move(child));
            return advance();
        }
        VMA_TRY(expect("="));
        if (tok_.type == Tok::End || tok_.type == Tok::Punct)
            return fail("expected a value for '" + word + "', found " + shown());
        AttrValue value{tok_.text, tok_.type == Tok::String};
        VMA_TRY(advance());
        node.attrs[word] = std::move(value);
        return expect(";");
    }

    Lexer lexer_;
    const std::string& file_;
    const IncludeReader& include_;
    int depth_;
    Token tok_;
};

} // namespace

Error errorAt(const std::string& file, long line, const std::string& message) {
    return Error::at(line, file + ":" + std::to_string(line) + ": " + message);
}

ErrorOr<std::vector<Node>> parse(std::string_view text, const std::string& file,
                                 const IncludeReader& include) {
    return Parser(text, file, include, 0).file();
}

} // namespace vma::dcl
