#include "host/filter.h"

#include "host/host_error.h"

namespace qv::host {

namespace {

struct Token {
    enum class Type { LParen, RParen, Operator, And, Or, Not, Text, Number, Name, End };
    Type type;
    QString text;  // operator spelling, constant text or name
    QVariant number;
    int position;  // 1-based
};

[[noreturn]] void fail(int position, const QString& what) {
    throw HostError(QStringLiteral("filter error at position %1: %2").arg(position).arg(what));
}

bool isNameStart(QChar c) {
    return c.isLetter() || c == u'_';
}
bool isNameChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_';
}

class Tokenizer {
public:
    explicit Tokenizer(const QString& text) : text_(text) {}

    std::vector<Token> run() {
        std::vector<Token> tokens;
        for (;;) {
            while (i_ < text_.size() && text_[i_].isSpace())
                ++i_;
            if (i_ >= text_.size())
                break;
            tokens.push_back(next());
        }
        tokens.push_back({Token::Type::End, {}, {}, int(text_.size()) + 1});
        return tokens;
    }

private:
    Token next() {
        const int start = int(i_);
        const int position = start + 1;
        const QChar c = text_[i_];
        if (c == u'(' || c == u')') {
            ++i_;
            return {c == u'(' ? Token::Type::LParen : Token::Type::RParen, c, {}, position};
        }
        if (c == u'"')
            return textConstant(position);
        if (c.isDigit() || c == u'.' ||
            ((c == u'-' || c == u'+') && i_ + 1 < text_.size() &&
             (text_[i_ + 1].isDigit() || text_[i_ + 1] == u'.')))
            return number(position);
        if (isNameStart(c)) {
            while (i_ < text_.size() && isNameChar(text_[i_]))
                ++i_;
            const QString word = text_.mid(start, i_ - start);
            const QString upper = word.toUpper();
            if (upper == u"AND")
                return {Token::Type::And, upper, {}, position};
            if (upper == u"OR")
                return {Token::Type::Or, upper, {}, position};
            if (upper == u"NOT")
                return {Token::Type::Not, upper, {}, position};
            if (upper == u"LIKE")
                return {Token::Type::Operator, upper, {}, position};
            return {Token::Type::Name, word, {}, position};
        }
        for (const char* op : {"<>", "!=", "<=", ">=", "=", "<", ">"}) {
            const QString spelling = QString::fromLatin1(op);
            if (QStringView(text_).mid(i_).startsWith(spelling)) {
                i_ += spelling.size();
                return {Token::Type::Operator,
                        spelling == u"!=" ? QStringLiteral("<>") : spelling,
                        {},
                        position};
            }
        }
        fail(position, QStringLiteral("unexpected character '%1'").arg(c));
    }

    Token textConstant(int position) {
        QString value;
        for (++i_; i_ < text_.size(); ++i_) {
            if (text_[i_] == u'"') {
                if (i_ + 1 < text_.size() && text_[i_ + 1] == u'"') {
                    value += u'"';
                    ++i_;
                    continue;
                }
                ++i_;
                return {Token::Type::Text, value, {}, position};
            }
            value += text_[i_];
        }
        fail(position, QStringLiteral("text constant without its closing quote"));
    }

    Token number(int position) {
        const qsizetype start = i_;
        if (text_[i_] == u'-' || text_[i_] == u'+')
            ++i_;
        const auto digits = [this] {
            const qsizetype from = i_;
            while (i_ < text_.size() && text_[i_].isDigit())
                ++i_;
            return i_ > from;
        };
        bool whole = digits();
        bool decimal = false;
        if (i_ < text_.size() && text_[i_] == u'.') {
            ++i_;
            decimal = digits();
            if (!whole && !decimal)
                fail(position, QStringLiteral("expected a digit"));
        }
        if (i_ < text_.size() && isNameChar(text_[i_]))
            fail(int(i_) + 1,
                 QStringLiteral("unexpected character '%1' in a number").arg(text_[i_]));
        const QString spelling = text_.mid(start, i_ - start);
        bool ok = false;
        QVariant value;
        if (spelling.contains(u'.'))
            value = spelling.toDouble(&ok);
        else
            value = spelling.toLongLong(&ok);
        if (!ok)
            fail(position, QStringLiteral("number %1 out of range").arg(spelling));
        return {Token::Type::Number, spelling, value, position};
    }

    const QString& text_;
    qsizetype i_ = 0;
};

class Parser {
public:
    Parser(std::vector<Token> tokens, const QStringList& fields)
        : tokens_(std::move(tokens)), fields_(fields) {}

    std::unique_ptr<FilterNode> run() {
        auto tree = orExpression();
        if (peek().type != Token::Type::End)
            fail(peek().position, QStringLiteral("expected AND, OR or the end of the filter"));
        return tree;
    }

private:
    const Token& peek() const { return tokens_[at_]; }
    const Token& take() { return tokens_[at_++]; }

    static std::unique_ptr<FilterNode> node(FilterNode::Kind kind) {
        auto n = std::make_unique<FilterNode>();
        n->kind = kind;
        return n;
    }

    // A chain of one joiner is one node holding every operand: a chain of any length then
    // builds, writes and frees a tree no deeper than a short one.
    std::unique_ptr<FilterNode> binary(FilterNode::Kind kind, Token::Type joiner,
                                       std::unique_ptr<FilterNode> (Parser::*operand)()) {
        auto first = (this->*operand)();
        if (peek().type != joiner)
            return first;
        auto joined = node(kind);
        joined->children.push_back(std::move(first));
        while (peek().type == joiner) {
            take();
            joined->children.push_back((this->*operand)());
        }
        return joined;
    }

    std::unique_ptr<FilterNode> orExpression() {
        return binary(FilterNode::Kind::Or, Token::Type::Or, &Parser::andExpression);
    }
    std::unique_ptr<FilterNode> andExpression() {
        return binary(FilterNode::Kind::And, Token::Type::And, &Parser::notExpression);
    }

    std::unique_ptr<FilterNode> notExpression() {
        const Token::Type type = peek().type;
        if (type != Token::Type::Not && type != Token::Type::LParen)
            return comparison();
        // NOT and parentheses recurse: a bound keeps thousands of them from overflowing the
        // stack.
        if (depth_ == kMaxDepth)
            fail(peek().position, QStringLiteral("too deeply nested"));
        take();
        ++depth_;
        std::unique_ptr<FilterNode> result;
        if (type == Token::Type::Not) {
            result = node(FilterNode::Kind::Not);
            result->children.push_back(notExpression());
        } else {
            result = orExpression();
            if (peek().type != Token::Type::RParen)
                fail(peek().position, QStringLiteral("expected )"));
            take();
        }
        --depth_;
        return result;
    }

    std::unique_ptr<FilterNode> comparison() {
        auto left = operand();
        if (peek().type != Token::Type::Operator)
            fail(peek().position, QStringLiteral("expected a comparison operator"));
        auto compare = node(FilterNode::Kind::Compare);
        compare->op = take().text;
        compare->children.push_back(std::move(left));
        compare->children.push_back(operand());
        return compare;
    }

    std::unique_ptr<FilterNode> operand() {
        const Token& token = take();
        switch (token.type) {
            case Token::Type::Text: {
                auto constant = node(FilterNode::Kind::Constant);
                constant->value = token.text;
                return constant;
            }
            case Token::Type::Number: {
                auto constant = node(FilterNode::Kind::Constant);
                constant->value = token.number;
                return constant;
            }
            case Token::Type::Name: {
                const qsizetype index = indexOfField(fields_, token.text);
                if (index < 0)
                    fail(token.position, QStringLiteral("unknown field %1").arg(token.text));
                auto field = node(FilterNode::Kind::Field);
                field->value = fields_[index];
                return field;
            }
            default:
                fail(token.position, QStringLiteral("expected a value"));
        }
    }

    static constexpr int kMaxDepth = 100;

    std::vector<Token> tokens_;
    const QStringList& fields_;
    std::size_t at_ = 0;
    int depth_ = 0;  // NOT and parentheses open around the current token
};

void writeSql(const FilterNode& n, SqlCondition& out) {
    switch (n.kind) {
        case FilterNode::Kind::And:
        case FilterNode::Kind::Or:
            out.sql += u'(';
            for (std::size_t i = 0; i < n.children.size(); ++i) {
                if (i > 0)
                    out.sql += n.kind == FilterNode::Kind::And ? u" AND " : u" OR ";
                writeSql(*n.children[i], out);
            }
            out.sql += u')';
            break;
        case FilterNode::Kind::Not:
            out.sql += u"(NOT ";
            writeSql(*n.children[0], out);
            out.sql += u')';
            break;
        case FilterNode::Kind::Compare:
            // A bound parameter carries no collation, so the column's own comparison rules
            // (case and trailing blanks ignored) apply on whichever side it stands.
            out.sql += u'(';
            writeSql(*n.children[0], out);
            out.sql += u' ' + n.op + u' ';
            writeSql(*n.children[1], out);
            out.sql += u')';
            break;
        case FilterNode::Kind::Field:
            out.sql += u'[' + n.value.toString() + u']';
            break;
        case FilterNode::Kind::Constant:
            out.sql += u'?';
            out.values.append(n.value);
            break;
    }
}

}  // namespace

qsizetype indexOfField(const QStringList& fields, const QString& name) {
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (fields[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

std::unique_ptr<FilterNode> parseFilter(const QString& text, const QStringList& fields) {
    std::vector<Token> tokens = Tokenizer(text).run();
    if (tokens.size() == 1)
        return nullptr;
    return Parser(std::move(tokens), fields).run();
}

SqlCondition toSqlCondition(const FilterNode* filter) {
    SqlCondition condition;
    if (filter)
        writeSql(*filter, condition);
    return condition;
}

}  // namespace qv::host
