#include "data/FilterExpr.h"

#include <QDateTime>
#include <cmath>
#include <functional>
#include <stdexcept>

#include "data/ColumnStore.h"
#include "data/DataSet.h"
#include "data/FieldValue.h"

namespace {

enum Tri : quint8 { False = 0, True = 1, Unknown = 2 };

enum class Op { Eq, Ne, Lt, Gt, Le, Ge };

Op Mirror(Op op) {
    switch (op) {
        case Op::Lt:
            return Op::Gt;
        case Op::Gt:
            return Op::Lt;
        case Op::Le:
            return Op::Ge;
        case Op::Ge:
            return Op::Le;
        default:
            return op;
    }
}

template <class T>
bool Holds(Op op, const T& a, const T& b) {
    switch (op) {
        case Op::Eq:
            return a == b;
        case Op::Ne:
            return a != b;
        case Op::Lt:
            return a < b;
        case Op::Gt:
            return a > b;
        case Op::Le:
            return a <= b;
        case Op::Ge:
            return a >= b;
    }
    return false;
}

bool HoldsCmp(Op op, int cmp) {
    return Holds(op, cmp, 0);
}

Tri Of(bool b) {
    return b ? True : False;
}

// A like pattern over case-folded text: % any run of characters, _ one character.
bool LikeMatch(QStringView s, QStringView p) {
    qsizetype si = 0, pi = 0, star = -1, mark = 0;
    while (si < s.size()) {
        if (pi < p.size() && p[pi] == QLatin1Char('%')) {
            star = pi++;
            mark = si;
        } else if (pi < p.size() && (p[pi] == QLatin1Char('_') || p[pi] == s[si])) {
            ++si;
            ++pi;
        } else if (star >= 0) {
            pi = star + 1;
            si = ++mark;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == QLatin1Char('%'))
        ++pi;
    return pi == p.size();
}

bool IsNumericKind(TFieldKind k) {
    return k == TFieldKind::Integer || k == TFieldKind::Float || k == TFieldKind::Boolean;
}

bool IsTextKind(TFieldKind k) {
    return k == TFieldKind::Text || k == TFieldKind::Memo;
}

}  // namespace

struct TFilterProgram::Node {
    virtual ~Node() = default;
    virtual Tri Eval(const TColumnStore& s, int raw) const = 0;
    // An "integer column = value" test, for the candidate index.
    virtual bool AsEqualTerm(EqualTerm*) const { return false; }
};

namespace {

using Node = TFilterProgram::Node;
using NodePtr = std::unique_ptr<Node>;

struct ConstNode : Node {
    Tri value;
    explicit ConstNode(Tri v) : value(v) {}
    Tri Eval(const TColumnStore&, int) const override { return value; }
};

struct AndNode : Node {
    std::vector<NodePtr> parts;
    Tri Eval(const TColumnStore& s, int raw) const override {
        Tri r = True;
        for (const NodePtr& p : parts) {
            const Tri t = p->Eval(s, raw);
            if (t == False)
                return False;
            if (t == Unknown)
                r = Unknown;
        }
        return r;
    }
};

struct OrNode : Node {
    std::vector<NodePtr> parts;
    Tri Eval(const TColumnStore& s, int raw) const override {
        Tri r = False;
        for (const NodePtr& p : parts) {
            const Tri t = p->Eval(s, raw);
            if (t == True)
                return True;
            if (t == Unknown)
                r = Unknown;
        }
        return r;
    }
};

struct NotNode : Node {
    NodePtr part;
    explicit NotNode(NodePtr p) : part(std::move(p)) {}
    Tri Eval(const TColumnStore& s, int raw) const override {
        const Tri t = part->Eval(s, raw);
        return t == Unknown ? Unknown : Of(t == False);
    }
};

struct IsNullNode : Node {
    int col;
    bool wantNull;
    IsNullNode(int c, bool w) : col(c), wantNull(w) {}
    Tri Eval(const TColumnStore& s, int raw) const override {
        return Of(s.IsNull(col, raw) == wantNull);
    }
};

struct IntegerNode : Node {
    int col;
    Op op;
    qint64 value;
    IntegerNode(int c, Op o, qint64 v) : col(c), op(o), value(v) {}
    Tri Eval(const TColumnStore& s, int raw) const override {
        if (s.IsNull(col, raw))
            return Unknown;
        return Of(Holds(op, s.Integer(col, raw), value));
    }
    bool AsEqualTerm(TFilterProgram::EqualTerm* t) const override {
        if (op != Op::Eq)
            return false;
        *t = {col, value};
        return true;
    }
};

struct NumberNode : Node {
    int col;
    Op op;
    double value;
    NumberNode(int c, Op o, double v) : col(c), op(o), value(v) {}
    Tri Eval(const TColumnStore& s, int raw) const override {
        if (s.IsNull(col, raw))
            return Unknown;
        return Of(Holds(op, s.Number(col, raw), value));
    }
};

struct StampNode : Node {
    int col;
    Op op;
    qint64 value;
    StampNode(int c, Op o, qint64 v) : col(c), op(o), value(v) {}
    Tri Eval(const TColumnStore& s, int raw) const override {
        if (s.IsNull(col, raw))
            return Unknown;
        return Of(Holds(op, s.Stamp(col, raw), value));
    }
};

// A test of a text column; its answer depends only on the text, so it is worked out once per
// distinct text of the column.
struct TextNode : Node {
    int col;
    std::function<bool(const QString&)> test;
    mutable std::vector<quint8> cache;  // 0 not yet known, 1 false, 2 true
    mutable quint64 generation = ~quint64(0);
    TextNode(int c, std::function<bool(const QString&)> t) : col(c), test(std::move(t)) {}
    Tri Eval(const TColumnStore& s, int raw) const override {
        if (s.IsNull(col, raw))
            return Unknown;
        if (generation != s.TextGeneration()) {
            cache.clear();
            generation = s.TextGeneration();
        }
        const quint32 id = s.TextId(col, raw);
        if (id >= cache.size())
            cache.resize(size_t(s.TextCount(col)), 0);
        quint8& known = cache[id];
        if (known == 0)
            known = test(s.TextOf(col, id)) ? 2 : 1;
        return Of(known == 2);
    }
};

// A text test of a column of another kind (like on numbers or dates), on the value's text.
struct ValueTextNode : Node {
    int col;
    TFieldKind kind;
    std::function<bool(const QString&)> test;
    ValueTextNode(int c, TFieldKind k, std::function<bool(const QString&)> t)
        : col(c), kind(k), test(std::move(t)) {}
    Tri Eval(const TColumnStore& s, int raw) const override {
        if (s.IsNull(col, raw))
            return Unknown;
        return Of(test(FieldValue::Text(s.Get(col, raw), kind)));
    }
};

struct FieldFieldNode : Node {
    int a, b;
    TFieldKind ka, kb;
    Op op;
    FieldFieldNode(int a_, TFieldKind ka_, Op o, int b_, TFieldKind kb_)
        : a(a_), b(b_), ka(ka_), kb(kb_), op(o) {}
    Tri Eval(const TColumnStore& s, int raw) const override {
        if (s.IsNull(a, raw) || s.IsNull(b, raw))
            return Unknown;
        if (IsNumericKind(ka) && IsNumericKind(kb))
            return Of(Holds(op, s.Number(a, raw), s.Number(b, raw)));
        if (ka == TFieldKind::DateTime && kb == TFieldKind::DateTime)
            return Of(Holds(op, s.Stamp(a, raw), s.Stamp(b, raw)));
        const QString x = FieldValue::Text(s.Get(a, raw), ka);
        const QString y = FieldValue::Text(s.Get(b, raw), kb);
        return Of(HoldsCmp(op, x.compare(y, Qt::CaseInsensitive)));
    }
};

// ---- lexer ----

enum class Tok { End, Name, Number, Text, Date, Op, Minus, LParen, RParen };

struct Token {
    Tok type = Tok::End;
    QString text;  // name, literal text, operator
    int pos = 0;
    bool bracketed = false;  // a [name]: never a keyword
};

class Parser {
public:
    Parser(const QString& source, const TDataSet& ds) : src_(source), ds_(ds) { Advance(); }

    NodePtr Parse() {
        NodePtr n = ParseOr();
        if (tok_.type != Tok::End)
            Fail(QStringLiteral("unexpected \"%1\"").arg(tok_.text), tok_.pos);
        return n;
    }

private:
    struct Operand {
        enum Type { Field, Number, Text, Date, Bool, Null } type = Null;
        int col = -1;
        TFieldKind kind = TFieldKind::Text;
        QString text;  // source text of a literal, the field name
        double number = 0;
        bool integral = false;
        qint64 integer = 0;
        bool flag = false;
        int pos = 0;
    };

    [[noreturn]] void Fail(const QString& why, int pos) const {
        throw std::invalid_argument(QStringLiteral("filter \"%1\": %2 at position %3")
                                        .arg(src_, why)
                                        .arg(pos + 1)
                                        .toStdString());
    }

    void Advance() {
        const int n = int(src_.size());
        while (i_ < n && src_[i_].isSpace())
            ++i_;
        tok_ = Token();
        tok_.pos = i_;
        if (i_ >= n)
            return;
        const QChar c = src_[i_];
        if (c == QLatin1Char('\'') || c == QLatin1Char('#')) {
            const QChar close = c;
            int j = i_ + 1;
            QString text;
            for (;;) {
                if (j >= n)
                    Fail(c == QLatin1Char('#') ? QStringLiteral("date not closed by #")
                                               : QStringLiteral("text not closed by '"),
                         i_);
                if (src_[j] == close) {
                    if (close == QLatin1Char('\'') && j + 1 < n && src_[j + 1] == close) {
                        text += close;
                        j += 2;
                        continue;
                    }
                    break;
                }
                text += src_[j++];
            }
            tok_.type = close == QLatin1Char('#') ? Tok::Date : Tok::Text;
            tok_.text = text;
            i_ = j + 1;
            return;
        }
        if (c == QLatin1Char('[')) {
            const int j = int(src_.indexOf(QLatin1Char(']'), i_ + 1));
            if (j < 0)
                Fail(QStringLiteral("field name not closed by ]"), i_);
            tok_.type = Tok::Name;
            tok_.text = src_.mid(i_ + 1, j - i_ - 1).trimmed();
            tok_.bracketed = true;
            i_ = j + 1;
            return;
        }
        if (c.isDigit() || (c == QLatin1Char('.') && i_ + 1 < n && src_[i_ + 1].isDigit())) {
            int j = i_;
            while (j < n && (src_[j].isDigit() || src_[j] == QLatin1Char('.')))
                ++j;
            if (j < n && (src_[j] == QLatin1Char('e') || src_[j] == QLatin1Char('E'))) {
                int k = j + 1;
                if (k < n && (src_[k] == QLatin1Char('+') || src_[k] == QLatin1Char('-')))
                    ++k;
                if (k < n && src_[k].isDigit()) {
                    j = k;
                    while (j < n && src_[j].isDigit())
                        ++j;
                }
            }
            tok_.type = Tok::Number;
            tok_.text = src_.mid(i_, j - i_);
            i_ = j;
            return;
        }
        if (c.isLetter() || c == QLatin1Char('_')) {
            int j = i_;
            while (j < n &&
                   (src_[j].isLetterOrNumber() || src_[j] == QLatin1Char('_') || src_[j].isMark()))
                ++j;
            tok_.type = Tok::Name;
            tok_.text = src_.mid(i_, j - i_);
            i_ = j;
            return;
        }
        auto two = [&](const char* s) {
            return i_ + 1 < n && src_[i_] == QLatin1Char(s[0]) && src_[i_ + 1] == QLatin1Char(s[1]);
        };
        if (two("<>") || two("!=") || two("<=") || two(">=")) {
            tok_.type = Tok::Op;
            tok_.text = src_.mid(i_, 2);
            i_ += 2;
            return;
        }
        if (c == QLatin1Char('=') || c == QLatin1Char('<') || c == QLatin1Char('>')) {
            tok_.type = Tok::Op;
            tok_.text = c;
            ++i_;
            return;
        }
        if (c == QLatin1Char('(') || c == QLatin1Char(')') || c == QLatin1Char('-')) {
            tok_.type = c == QLatin1Char('(')   ? Tok::LParen
                        : c == QLatin1Char(')') ? Tok::RParen
                                                : Tok::Minus;
            tok_.text = c;
            ++i_;
            return;
        }
        Fail(QStringLiteral("unexpected character '%1'").arg(c), i_);
    }

    bool Keyword(const char* word) const {
        return tok_.type == Tok::Name && !tok_.bracketed &&
               tok_.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }

    NodePtr ParseOr() {
        NodePtr first = ParseAnd();
        if (!Keyword("or"))
            return first;
        auto node = std::make_unique<OrNode>();
        node->parts.push_back(std::move(first));
        while (Keyword("or")) {
            Advance();
            node->parts.push_back(ParseAnd());
        }
        return node;
    }

    NodePtr ParseAnd() {
        NodePtr first = ParseNot();
        if (!Keyword("and"))
            return first;
        auto node = std::make_unique<AndNode>();
        node->parts.push_back(std::move(first));
        while (Keyword("and")) {
            Advance();
            node->parts.push_back(ParseNot());
        }
        return node;
    }

    NodePtr ParseNot() {
        if (Keyword("not")) {
            Advance();
            return std::make_unique<NotNode>(ParseNot());
        }
        return ParsePredicate();
    }

    NodePtr ParsePredicate() {
        if (tok_.type == Tok::LParen) {
            const int open = tok_.pos;
            Advance();
            NodePtr inner = ParseOr();
            if (tok_.type != Tok::RParen)
                Fail(QStringLiteral("missing )"), tok_.type == Tok::End ? open : tok_.pos);
            Advance();
            return inner;
        }
        const Operand left = ParseOperand();
        if (Keyword("is")) {
            Advance();
            bool negate = false;
            if (Keyword("not")) {
                negate = true;
                Advance();
            }
            if (!Keyword("null"))
                Fail(QStringLiteral("null expected after is"), tok_.pos);
            Advance();
            return NullTest(left, !negate);
        }
        bool negateLike = false;
        if (Keyword("not")) {
            Advance();
            if (!Keyword("like"))
                Fail(QStringLiteral("like expected after not"), tok_.pos);
            negateLike = true;
        }
        if (Keyword("like")) {
            const int at = tok_.pos;
            Advance();
            const Operand pattern = ParseOperand();
            NodePtr like = Like(left, pattern, at);
            return negateLike ? std::make_unique<NotNode>(std::move(like)) : std::move(like);
        }
        if (tok_.type != Tok::Op) {
            if (tok_.type == Tok::End)
                Fail(QStringLiteral("comparison expected after \"%1\"").arg(left.text), left.pos);
            Fail(QStringLiteral("comparison expected instead of \"%1\"").arg(tok_.text), tok_.pos);
        }
        const QString opText = tok_.text;
        const int opPos = tok_.pos;
        Advance();
        const Operand right = ParseOperand();
        return Compare(left, OpOf(opText), right, opPos);
    }

    static Op OpOf(const QString& t) {
        if (t == QLatin1String("="))
            return Op::Eq;
        if (t == QLatin1String("<>") || t == QLatin1String("!="))
            return Op::Ne;
        if (t == QLatin1String("<"))
            return Op::Lt;
        if (t == QLatin1String(">"))
            return Op::Gt;
        if (t == QLatin1String("<="))
            return Op::Le;
        return Op::Ge;
    }

    Operand ParseOperand() {
        Operand o;
        o.pos = tok_.pos;
        o.text = tok_.text;
        switch (tok_.type) {
            case Tok::Minus: {
                Advance();
                if (tok_.type != Tok::Number)
                    Fail(QStringLiteral("number expected after -"), o.pos);
                o = NumberOperand(QLatin1Char('-') + tok_.text, o.pos);
                Advance();
                return o;
            }
            case Tok::Number:
                o = NumberOperand(tok_.text, o.pos);
                Advance();
                return o;
            case Tok::Text:
                o.type = Operand::Text;
                Advance();
                return o;
            case Tok::Date:
                o.type = Operand::Date;
                Advance();
                return o;
            case Tok::Name:
                if (Keyword("null")) {
                    o.type = Operand::Null;
                } else if (Keyword("true") || Keyword("false")) {
                    o.type = Operand::Bool;
                    o.flag = Keyword("true");
                } else if (Keyword("and") || Keyword("or") || Keyword("not") || Keyword("like") ||
                           Keyword("is")) {
                    Fail(QStringLiteral("value or field expected instead of \"%1\"").arg(tok_.text),
                         o.pos);
                } else {
                    const TField* f = ds_.FindField(tok_.text);
                    if (!f)
                        Fail(QStringLiteral("unknown field \"%1\"").arg(tok_.text), o.pos);
                    o.type = Operand::Field;
                    o.col = f->Index();
                    o.kind = f->Kind();
                    o.text = f->FieldName();
                }
                Advance();
                return o;
            case Tok::End:
                Fail(QStringLiteral("value or field expected at the end"), o.pos);
            default:
                break;
        }
        Fail(QStringLiteral("value or field expected instead of \"%1\"").arg(tok_.text), o.pos);
    }

    Operand NumberOperand(const QString& text, int pos) const {
        Operand o;
        o.type = Operand::Number;
        o.text = text;
        o.pos = pos;
        bool ok = false;
        o.integer = text.toLongLong(&ok);
        o.integral = ok;
        o.number = ok ? double(o.integer) : text.toDouble(&ok);
        if (!ok)
            Fail(QStringLiteral("bad number \"%1\"").arg(text), pos);
        return o;
    }

    NodePtr NullTest(const Operand& o, bool wantNull) const {
        if (o.type == Operand::Field)
            return std::make_unique<IsNullNode>(o.col, wantNull);
        return std::make_unique<ConstNode>(Of((o.type == Operand::Null) == wantNull));
    }

    NodePtr Like(const Operand& left, const Operand& pattern, int pos) const {
        if (left.type != Operand::Field)
            Fail(QStringLiteral("like needs a field on its left"), pos);
        if (left.kind == TFieldKind::Binary)
            Fail(QStringLiteral("binary field \"%1\" cannot be matched").arg(left.text), pos);
        if (pattern.type != Operand::Text && pattern.type != Operand::Number)
            Fail(QStringLiteral("like needs a text pattern"), pattern.pos);
        QString p = pattern.text.toCaseFolded();
        p.replace(QLatin1Char('*'), QLatin1Char('%'));
        auto test = [p](const QString& s) { return LikeMatch(s.toCaseFolded(), p); };
        if (IsTextKind(left.kind))
            return std::make_unique<TextNode>(left.col, test);
        return std::make_unique<ValueTextNode>(left.col, left.kind, test);
    }

    NodePtr Compare(Operand left, Op op, Operand right, int pos) const {
        if (left.type != Operand::Field && right.type == Operand::Field) {
            std::swap(left, right);
            op = Mirror(op);
        }
        if (right.type == Operand::Null || left.type == Operand::Null) {
            if (op != Op::Eq && op != Op::Ne)
                Fail(QStringLiteral("null can only be compared with = or <>"), pos);
            const Operand& other = left.type == Operand::Null ? right : left;
            return NullTest(other, op == Op::Eq);
        }
        if (left.type != Operand::Field)
            return std::make_unique<ConstNode>(ConstCompare(left, op, right));
        if (left.kind == TFieldKind::Binary ||
            (right.type == Operand::Field && right.kind == TFieldKind::Binary))
            Fail(QStringLiteral("binary field cannot be compared"), pos);
        if (right.type == Operand::Field)
            return std::make_unique<FieldFieldNode>(left.col, left.kind, op, right.col, right.kind);
        const int col = left.col;
        switch (left.kind) {
            case TFieldKind::Integer:
            case TFieldKind::Float: {
                double number = 0;
                qint64 integer = 0;
                bool integral = false;
                if (right.type == Operand::Number) {
                    number = right.number;
                    integer = right.integer;
                    integral = right.integral;
                } else if (right.type == Operand::Bool) {
                    integer = right.flag ? 1 : 0;
                    number = double(integer);
                    integral = true;
                } else if (right.type == Operand::Text) {
                    bool ok = false;
                    integer = right.text.trimmed().toLongLong(&ok);
                    integral = ok;
                    number = ok ? double(integer) : right.text.trimmed().toDouble(&ok);
                    if (!ok)
                        Fail(QStringLiteral("'%1' is not a number for field \"%2\"")
                                 .arg(right.text, left.text),
                             right.pos);
                } else {
                    Fail(QStringLiteral("a date cannot be compared with number field \"%1\"")
                             .arg(left.text),
                         right.pos);
                }
                if (left.kind == TFieldKind::Integer && integral)
                    return std::make_unique<IntegerNode>(col, op, integer);
                return std::make_unique<NumberNode>(col, op, number);
            }
            case TFieldKind::Boolean: {
                QVariant v;
                if (right.type == Operand::Bool)
                    v = right.flag;
                else if (right.type == Operand::Number && (right.number == 0 || right.number == 1))
                    v = right.number != 0;
                else if (right.type == Operand::Text)
                    v = FieldValue::ToKind(right.text, TFieldKind::Boolean);
                if (!v.isValid())
                    Fail(QStringLiteral("\"%1\" is not true or false for field \"%2\"")
                             .arg(right.text, left.text),
                         right.pos);
                return std::make_unique<NumberNode>(col, op, v.toBool() ? 1.0 : 0.0);
            }
            case TFieldKind::DateTime: {
                const QDateTime dt = right.type == Operand::Text || right.type == Operand::Date
                                         ? FieldValue::ParseDateTime(right.text)
                                         : QDateTime();
                if (!dt.isValid())
                    Fail(QStringLiteral("\"%1\" is not a date (yyyy-mm-dd) for field \"%2\"")
                             .arg(right.text, left.text),
                         right.pos);
                return std::make_unique<StampNode>(col, op, FieldValue::StampOf(dt));
            }
            case TFieldKind::Text:
            case TFieldKind::Memo:
            default: {
                const QString value =
                    right.type == Operand::Bool
                        ? (right.flag ? QStringLiteral("True") : QStringLiteral("False"))
                        : right.text;
                return std::make_unique<TextNode>(col, [value, op](const QString& s) {
                    return HoldsCmp(op, s.compare(value, Qt::CaseInsensitive));
                });
            }
        }
    }

    // Two literals: numbers as numbers, anything else as texts.
    static Tri ConstCompare(const Operand& a, Op op, const Operand& b) {
        auto number = [](const Operand& o, double* d) {
            if (o.type == Operand::Number) {
                *d = o.number;
                return true;
            }
            if (o.type == Operand::Bool) {
                *d = o.flag ? 1 : 0;
                return true;
            }
            return false;
        };
        double x = 0, y = 0;
        if (number(a, &x) && number(b, &y))
            return Of(Holds(op, x, y));
        return Of(HoldsCmp(op, a.text.compare(b.text, Qt::CaseInsensitive)));
    }

    const QString& src_;
    const TDataSet& ds_;
    int i_ = 0;
    Token tok_;
};

}  // namespace

TFilterProgram::~TFilterProgram() = default;

std::shared_ptr<TFilterProgram> TFilterProgram::Compile(const QString& text,
                                                        const TDataSet& dataSet) {
    if (text.trimmed().isEmpty())
        throw std::invalid_argument("filter is empty");
    std::shared_ptr<TFilterProgram> program(new TFilterProgram());
    Parser parser(text, dataSet);
    program->root_ = parser.Parse();
    EqualTerm term{};
    if (program->root_->AsEqualTerm(&term)) {
        program->equalTerms_.push_back(term);
    } else if (const auto* all = dynamic_cast<const AndNode*>(program->root_.get())) {
        for (const NodePtr& p : all->parts)
            if (p->AsEqualTerm(&term))
                program->equalTerms_.push_back(term);
    }
    return program;
}

bool TFilterProgram::Matches(const TColumnStore& store, int raw) const {
    return root_->Eval(store, raw) == True;
}
