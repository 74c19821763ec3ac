#include "FormulaParser.h"

#include "elements/ElementNames.h"

#include <QHash>
#include <array>
#include <vector>

namespace Formula {

namespace {

// A reason thrown from deep in the scan to `parse`, which hands it back as an Error.
struct Failure {
    Error error;
};

[[noreturn]] void fail(int index, int length, const QString &reason)
{
    throw Failure{{index + 1, qMax(1, length), reason}};
}

// The three bracket pairs; full-width ones are read as these (see parse).
const QString kOpening = QStringLiteral("([{");
const QString kClosing = QStringLiteral(")]}");

int bracketKind(const QString &brackets, QChar c)
{
    return int(brackets.indexOf(c));
}

// Between a compound and its water of crystallisation or adduct: the middle dots of
// Chinese and Western input methods, the bullet, the asterisk and the full stop.
bool isSeparator(QChar c)
{
    static const QString separators = QStringLiteral("·•∙⋅・･*.");
    return separators.contains(c);
}

// A count digit: ASCII or subscript; -1 for anything else.
int countDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'₀' && u <= u'₉') return u - u'₀';
    return -1;
}

int superscriptDigit(QChar c)
{
    static const QString digits = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    return digits.indexOf(c);
}

bool isSubscript(QChar c)
{
    return c.unicode() >= u'₀' && c.unicode() <= u'₉';
}

// +1, -1, or 0 for a character that is no sign.
int signOf(QChar c)
{
    static const QString plus = QStringLiteral("+⁺");
    static const QString minus = QStringLiteral("-⁻−");
    if (plus.contains(c)) return 1;
    if (minus.contains(c)) return -1;
    return 0;
}

bool isUpper(QChar c)
{
    return c.unicode() >= u'A' && c.unicode() <= u'Z';
}

bool isLower(QChar c)
{
    return c.unicode() >= u'a' && c.unicode() <= u'z';
}

// Symbol to atom kind, compiled in: parsing reads no file.
int kindOf(const QString &symbol)
{
    static const QHash<QString, int> kinds = [] {
        QHash<QString, int> table;
        for (int z = 1; z <= mod_Vantrel::kElementCount; ++z)
            table.insert(QString::fromUtf8(ElementNames::find(z)->symbol), z);
        table.insert(QStringLiteral("D"), kDeuterium);
        table.insert(QStringLiteral("T"), kTritium);
        return table;
    }();
    return kinds.value(symbol, 0);
}

class Parser {
public:
    explicit Parser(const QString &text) : m_text(text) {}
    Parsed run();

private:
    // The atoms counted inside one pair of brackets, or in one part of the formula (the
    // bottom frame). Frames are reused, so a deep formula allocates kMaxDepth of them once.
    struct Frame {
        std::array<qint64, kKindCount> counts{};
        QVector<int> kinds;  // those with a count, in order of arrival
        int open = -1;       // index of its opening bracket
        int bracket = -1;
    };

    bool atEnd() const { return m_pos >= m_text.size(); }
    QChar current() const { return m_text.at(m_pos); }
    void skipSpace();
    void readPart();
    void push(int open, int bracket);
    void readElement();
    void closeBracket();
    qint64 countAfter(bool afterBracket);
    bool chargeFollows(int from) const;
    int digitsEnd(int from) const;
    qint64 readNumber();
    void readCharge(int spaceBefore);
    void add(Frame &into, int kind, qint64 count, int at);
    void merge(Frame &from, qint64 times, Frame &into, int at);

    const QString &m_text;
    int m_pos = 0;
    std::vector<Frame> m_frames;
    int m_depth = 0;  // index of the open frame; 0 is the part's own
    Frame m_total;
    QVector<int> m_order;  // every kind, where it first appears in the text
    std::array<bool, kKindCount> m_seen{};
    int m_charge = 0;
};

Parsed Parser::run()
{
    if (m_text.size() > kMaxLength)
        throw Failure{{0, 0,
                       QStringLiteral("化学式太长：最多 %1 个字符，这里有 %2 个")
                           .arg(kMaxLength)
                           .arg(m_text.size())}};
    skipSpace();
    if (atEnd()) throw Failure{{0, 0, QStringLiteral("请输入化学式")}};
    for (;;) {
        readPart();
        const int spaceBefore = m_pos;
        skipSpace();
        if (atEnd()) break;
        if (!isSeparator(current())) {
            readCharge(spaceBefore < m_pos ? spaceBefore : -1);
            break;
        }
        const int separator = m_pos++;
        skipSpace();
        if (atEnd())
            fail(separator, 1, QStringLiteral("“%1”后面缺少内容").arg(m_text.at(separator)));
    }
    Parsed parsed;
    for (int kind : m_order) parsed.atoms.append({kind, m_total.counts[kind]});
    parsed.charge = m_charge;
    return parsed;
}

void Parser::skipSpace()
{
    while (!atEnd() && current().isSpace()) ++m_pos;
}

// [count] then elements and bracketed groups, up to a separator, a space or a charge.
void Parser::readPart()
{
    const int start = m_pos;
    const qint64 times = countDigit(current()) >= 0 ? readNumber() : 1;
    m_depth = -1;
    push(-1, -1);
    while (!atEnd()) {
        const QChar c = current();
        if (const int kind = bracketKind(kOpening, c); kind >= 0) {
            if (m_depth == kMaxDepth)
                fail(m_pos, 1, QStringLiteral("括号嵌套超过 %1 层").arg(kMaxDepth));
            push(m_pos++, kind);
        } else if (bracketKind(kClosing, c) >= 0) {
            closeBracket();
        } else if (isUpper(c)) {
            readElement();
        } else if (isLower(c)) {
            fail(m_pos, 1, QStringLiteral("元素符号要以大写字母开头：“%1”").arg(c));
        } else if (countDigit(c) >= 0) {
            if (chargeFollows(digitsEnd(m_pos))) break;  // [Fe(CN)6]3-
            fail(m_pos, 1, QStringLiteral("数字“%1”前面没有元素或括号").arg(c));
        } else if (c.isSpace() && m_depth > 0) {
            fail(m_pos, 1, QStringLiteral("括号里不能有空格"));
        } else if (isSeparator(c) || c.isSpace() || c == u'^' || signOf(c) != 0 ||
                   superscriptDigit(c) >= 0) {
            break;
        } else {
            fail(m_pos, 1, QStringLiteral("不认识的字符“%1”").arg(c));
        }
    }
    if (m_depth > 0) {
        const Frame &open = m_frames[size_t(m_depth)];
        fail(open.open, 1, QStringLiteral("括号“%1”没有配对的右括号").arg(m_text.at(open.open)));
    }
    if (m_frames[0].kinds.isEmpty()) fail(start, m_pos - start, QStringLiteral("这里没有元素"));
    merge(m_frames[0], times, m_total, start);
}

void Parser::push(int open, int bracket)
{
    ++m_depth;
    if (size_t(m_depth) == m_frames.size()) m_frames.emplace_back();
    Frame &frame = m_frames[size_t(m_depth)];
    for (int kind : frame.kinds) frame.counts[kind] = 0;
    frame.kinds.clear();
    frame.open = open;
    frame.bracket = bracket;
}

void Parser::readElement()
{
    const int start = m_pos++;
    while (!atEnd() && isLower(current())) ++m_pos;
    const QString symbol = m_text.mid(start, m_pos - start);
    const int kind = kindOf(symbol);
    if (kind == 0) fail(start, symbol.size(), QStringLiteral("没有元素 '%1'").arg(symbol));
    if (!m_seen[size_t(kind)]) {
        m_seen[size_t(kind)] = true;
        m_order.append(kind);
    }
    add(m_frames[size_t(m_depth)], kind, countAfter(false), start);
}

void Parser::closeBracket()
{
    const int at = m_pos;
    const QChar c = current();
    if (m_depth == 0) fail(at, 1, QStringLiteral("右括号“%1”前面没有配对的左括号").arg(c));
    Frame &inner = m_frames[size_t(m_depth)];
    if (inner.bracket != bracketKind(kClosing, c))
        fail(at, 1,
             QStringLiteral("右括号“%1”与第 %2 个字符的“%3”不配对")
                 .arg(c)
                 .arg(inner.open + 1)
                 .arg(m_text.at(inner.open)));
    if (inner.kinds.isEmpty())
        fail(inner.open, at - inner.open + 1, QStringLiteral("括号里没有元素"));
    ++m_pos;
    const qint64 times = countAfter(true);
    merge(inner, times, m_frames[size_t(m_depth - 1)], at);
    --m_depth;
}

// Whether only a run of one sign and spaces follow `from`: "…]3-", "…4+".
bool Parser::chargeFollows(int from) const
{
    int at = from;
    const int sign = at < m_text.size() ? signOf(m_text.at(at)) : 0;
    if (sign == 0) return false;
    while (at < m_text.size() && signOf(m_text.at(at)) == sign) ++at;
    while (at < m_text.size() && m_text.at(at).isSpace()) ++at;
    return at == m_text.size();
}

int Parser::digitsEnd(int from) const
{
    while (from < m_text.size() && countDigit(m_text.at(from)) >= 0) ++from;
    return from;
}

// The count after a symbol or a closing bracket, 1 when none is written. Plain digits
// straight before the closing sign are the charge after a bracket ([Fe(CN)6]3-), the count
// after a symbol of a formula of several elements when one digit (NH4+, MnO4-); otherwise
// (Fe3+, SO42-) nobody can tell, and the user is asked to say.
qint64 Parser::countAfter(bool afterBracket)
{
    const int start = m_pos;
    int end = start;
    bool subscript = false;
    while (end < m_text.size() && countDigit(m_text.at(end)) >= 0)
        subscript |= isSubscript(m_text.at(end++));
    if (end == start) return 1;
    if (!subscript && chargeFollows(end)) {
        if (afterBracket) return 1;
        if (end - start > 1 || m_order.size() < 2) {
            const QString written = m_text.mid(start).trimmed();
            fail(start, written.size(),
                 QStringLiteral("“%1”分不清是原子数还是电荷：是电荷就在“%1”前加“^”或空一格，"
                                "是原子数就在“%2”后加“^”")
                     .arg(written, m_text.mid(start, end - start)));
        }
    }
    return readNumber();
}

qint64 Parser::readNumber()
{
    const int start = m_pos;
    qint64 value = 0;
    for (int digit; !atEnd() && (digit = countDigit(current())) >= 0; ++m_pos) {
        value = value * 10 + digit;
        if (value > kMaxAtoms)
            fail(start, m_pos - start + 1, QStringLiteral("数目太大：最多 %1").arg(kMaxAtoms));
    }
    if (value == 0) fail(start, m_pos - start, QStringLiteral("数目不能是 0"));
    return value;
}

// The end of the formula: [^] digits sign, [^] signs, or ^ sign digits; then nothing.
void Parser::readCharge(int spaceBefore)
{
    const int start = m_pos;
    if (current() == u'^') ++m_pos;
    qint64 size = 0;
    int digits = 0;
    const auto readDigits = [&] {
        for (int d; !atEnd(); ++m_pos, ++digits) {
            d = superscriptDigit(current());
            if (d < 0 && (d = countDigit(current())) < 0) break;
            size = size * 10 + d;
            if (size > kMaxCharge)
                fail(start, m_pos - start + 1, QStringLiteral("电荷太大：最多 %1").arg(kMaxCharge));
        }
    };
    readDigits();
    int sign = 0;
    int signs = 0;
    for (; !atEnd() && signOf(current()) != 0; ++m_pos, ++signs) {
        if (sign != 0 && signOf(current()) != sign)
            fail(m_pos, 1, QStringLiteral("电荷的正负号前后不一致"));
        sign = signOf(current());
    }
    if (digits == 0 && signs == 1 && m_text.at(start) == u'^') readDigits();
    if (sign == 0) {
        if (spaceBefore >= 0)
            fail(spaceBefore, 1, QStringLiteral("化学式中间不能有空格（结晶水等请用“·”隔开）"));
        fail(start, qMax(1, m_pos - start), QStringLiteral("电荷缺少正负号"));
    }
    if (digits > 0 && signs > 1) fail(start, m_pos - start, QStringLiteral("电荷的写法不对"));
    if (digits > 0 && size == 0) fail(start, m_pos - start, QStringLiteral("电荷不能是 0"));
    const int chargeEnd = m_pos;
    skipSpace();
    if (!atEnd()) fail(start, chargeEnd - start, QStringLiteral("电荷要写在化学式的最后"));
    m_charge = sign * int(digits > 0 ? size : signs);
}

void Parser::add(Frame &into, int kind, qint64 count, int at)
{
    qint64 &held = into.counts[kind];
    if (held == 0) into.kinds.append(kind);
    if (count > kMaxAtoms - held)
        fail(at, 1, QStringLiteral("原子数太大：同一种原子最多 %1 个").arg(kMaxAtoms));
    held += count;
}

void Parser::merge(Frame &from, qint64 times, Frame &into, int at)
{
    for (int kind : from.kinds) {
        if (from.counts[kind] > kMaxAtoms / times)
            fail(at, 1, QStringLiteral("原子数太大：同一种原子最多 %1 个").arg(kMaxAtoms));
        add(into, kind, from.counts[kind] * times, at);
    }
}

}  // namespace

QString Error::message() const
{
    return position > 0 ? QStringLiteral("第 %1 个字符：%2").arg(position).arg(reason) : reason;
}

std::optional<Parsed> parse(const QString &formula, Error *error)
{
    // A Chinese input method in full-width mode types Ｈ２Ｏ: read as H2O, one character
    // for one, so that positions still count in what the user typed.
    constexpr char16_t kFullWidthFirst = u'！';
    constexpr char16_t kFullWidthLast = u'～';
    constexpr char16_t kFullWidthOffset = u'！' - u'!';
    QString text = formula;
    for (QChar &c : text)
        if (c.unicode() >= kFullWidthFirst && c.unicode() <= kFullWidthLast)
            c = QChar(char16_t(c.unicode() - kFullWidthOffset));
    try {
        return Parser(text).run();
    } catch (const Failure &failure) {
        if (error) *error = failure.error;
        return std::nullopt;
    }
}

QString symbolOf(int kind)
{
    if (kind == kDeuterium) return QStringLiteral("D");
    if (kind == kTritium) return QStringLiteral("T");
    const ElementNames::Names *names = ElementNames::find(kind);
    return names ? QString::fromUtf8(names->symbol) : QString();
}

}  // namespace Formula
