#include "ListInput.h"

#include "DataError.h"
#include "FileReason.h"

#include <QStringDecoder>
#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

// Every click reads the file again, so items are scanned straight out of the decoded
// buffer: one copy per text item, none per number.

namespace {

constexpr int kEnd = -1;
constexpr qint64 kChunkBytes = 64 * 1024;
constexpr qsizetype kMaxNumberChars = 400;

constexpr bool isBlank(int c)
{
    return c == ' ' || c == '\t';
}
constexpr bool isLineEnd(int c)
{
    return c == '\r' || c == '\n';
}
// Lambdas rather than functions, so runLength() gets each one inlined into its loop.
constexpr auto endsNumber = [](int c) { return c == ',' || isBlank(c) || isLineEnd(c); };
constexpr auto endsText = [](int c) { return c == ',' || isLineEnd(c); };
constexpr auto endsQuoted = [](int c) { return c == '"' || isLineEnd(c); };
bool isDigit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}
bool isSign(QChar c)
{
    return c == QLatin1Char('+') || c == QLatin1Char('-');
}

// A decimal number as written: its digits as an integer (while they fit), the power of
// ten to scale it by, and whether the text is a number at all.
struct Decimal {
    bool valid = false;
    bool negative = false;
    bool exact = true;  // false when the digits or the exponent are too many for `mantissa`
    quint64 mantissa = 0;
    int exponent = 0;
};

void addDigits(QStringView s, qsizetype &i, Decimal &d, int &count, bool fraction)
{
    for (; i < s.size() && isDigit(s[i]); ++i, ++count) {
        if (d.mantissa >= (quint64(1) << 53) / 10) {
            d.exact = false;
            continue;
        }
        d.mantissa = d.mantissa * 10 + (s[i].unicode() - '0');
        if (fraction) --d.exponent;
    }
}

// Optional sign, digits with an optional point (a digit on at least one side), optional
// exponent with digits. ASCII digits only: other scripts' digits are not numbers here.
Decimal parseDecimal(QStringView s)
{
    Decimal d;
    qsizetype i = 0;
    if (i < s.size() && isSign(s[i])) d.negative = s[i++] == QLatin1Char('-');
    int digits = 0;
    addDigits(s, i, d, digits, false);
    if (i < s.size() && s[i] == QLatin1Char('.')) addDigits(s, ++i, d, digits, true);
    if (digits == 0) return d;
    if (i < s.size() && (s[i] == QLatin1Char('e') || s[i] == QLatin1Char('E'))) {
        bool negative = false;
        if (++i < s.size() && isSign(s[i])) negative = s[i++] == QLatin1Char('-');
        int exponent = 0, expDigits = 0;
        for (; i < s.size() && isDigit(s[i]); ++i, ++expDigits)
            exponent = qMin(exponent * 10 + (s[i].unicode() - '0'), 100000);
        if (expDigits == 0) return d;
        d.exponent += negative ? -exponent : exponent;
    }
    d.valid = i == s.size();
    return d;
}

// Correctly rounded, like every conversion below: an integer below 2^53 and a power of
// ten up to 10^22 are both exact doubles, so one multiplication or division rounds once.
double toDouble(QStringView token, const Decimal &d)
{
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                         1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (d.exact && d.exponent >= -22 && d.exponent <= 22) {
        const double m = double(d.mantissa);
        const double value = d.exponent < 0 ? m / kPowers[-d.exponent] : m * kPowers[d.exponent];
        return d.negative ? -value : value;
    }
    if (token.startsWith(QLatin1Char('+'))) token = token.mid(1);  // from_chars takes none
    char ascii[kMaxNumberChars];
    for (qsizetype i = 0; i < token.size(); ++i) ascii[i] = char(token[i].unicode());
    double value = 0;
    const auto result = std::from_chars(ascii, ascii + token.size(), value);
    // Beyond the double range either way: the toolkit gives infinity or zero.
    if (result.ec == std::errc::result_out_of_range) return token.toString().toDouble();
    return value;
}

// Whether a number above FLT_MAX still rounds to it as a single ("3.4028235e38" does). The
// double of the text cannot tell: a text just below the midpoint between FLT_MAX and 2^128
// may round to the midpoint as a double, which then rounds on to infinity as a single.
bool roundsToFiniteSingle(QStringView token)
{
    if (token.startsWith(QLatin1Char('+'))) token = token.mid(1);
    char ascii[kMaxNumberChars];
    for (qsizetype i = 0; i < token.size(); ++i) ascii[i] = char(token[i].unicode());
    float value = 0;
    return std::from_chars(ascii, ascii + token.size(), value).ec == std::errc();
}

}  // namespace

ListInput::ListInput(QIODevice &device, QString fileName)
    : m_device(device), m_fileName(std::move(fileName))
{
}

void ListInput::fail(int kind, const QString &detail) const
{
    throw DataError(static_cast<DataError::Kind>(kind), m_fileName, m_itemLine, detail);
}

// How much of `bytes` ends in whole UTF-8 sequences: a sequence cut off by the end of a
// read waits for the rest. Bytes that can never start a whole sequence are left in, so
// they are replaced as invalid exactly as they would be in one long read.
qsizetype ListInput::wholeUtf8Length(const QByteArray &bytes)
{
    const qsizetype size = bytes.size();
    for (qsizetype back = 1; back <= 3 && back <= size; ++back) {
        const uchar c = uchar(bytes.at(size - back));
        if ((c & 0xC0) == 0x80) continue;  // a continuation byte: look further back
        const int length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        return length > back && c < 0xF8 ? size - back : size;
    }
    return size;
}

// Reads one piece and appends the text it completes. The toolkit's step-by-step UTF-8
// decoder loses characters when an invalid sequence is split between two reads, so the
// reader splits only between whole sequences and decodes each piece on its own.
bool ListInput::readChunk()
{
    if (m_deviceDone) return false;
    QByteArray bytes = std::exchange(m_carry, QByteArray());
    const qsizetype kept = bytes.size();
    bytes.resize(kept + kChunkBytes);
    const qint64 got = m_device.read(bytes.data() + kept, kChunkBytes);
    if (got < 0) {
        const QString systemText = m_device.errorString();
        fail(int(DataError::Kind::OpenFailed),
             FileReason::forSystemText(systemText).value_or(systemText));
    }
    bytes.resize(kept + got);
    m_deviceDone = got == 0;
    const qsizetype whole = m_deviceDone ? bytes.size() : wholeUtf8Length(bytes);
    m_carry = bytes.mid(whole);
    qsizetype from = 0;
    if (m_atStart && whole >= 3 && bytes.startsWith("\xEF\xBB\xBF")) from = 3;  // byte order mark
    if (whole > from || m_deviceDone) m_atStart = false;
    // Stateless, and a byte order mark inside the file stays a character, as it would in
    // one long read; only the one at the very start is dropped (above).
    static constexpr auto kFlags =
        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom;
    QStringDecoder decoder(QStringDecoder::Utf8, kFlags);
    m_buf += decoder(QByteArrayView(bytes.constData() + from, whole - from));
    return !m_deviceDone || whole > 0;
}

void ListInput::fill()
{
    if (m_pos > kChunkBytes) {
        m_buf.remove(0, m_pos);
        m_pos = 0;
    }
    while (m_pos >= m_buf.size() && readChunk()) {
    }
}

int ListInput::slowPeek()
{
    fill();
    return m_pos < m_buf.size() ? m_buf.at(m_pos).unicode() : kEnd;
}

int ListInput::get()
{
    const int c = peek();
    if (c == kEnd) return c;
    ++m_pos;
    // A line ends at LF, CR LF or a lone CR; the CR of a CR LF does not count towards its length.
    if (c == '\n' || (c == '\r' && peek() != '\n')) {
        ++m_line;
        m_lineChars = 0;
    } else if (c != '\r' && ++m_lineChars > kMaxLineChars) {
        m_itemLine = m_line;
        fail(int(DataError::Kind::TooLong),
             QStringLiteral("一行超过 %1 个字符").arg(kMaxLineChars));
    }
    return c;
}

// How many characters from the current position on are not `stop` characters (none of
// which is a line end's), reading on as needed. Never looks further than one character
// past the longest line allowed, so an endless line cannot fill the memory.
template <typename Stop>
qsizetype ListInput::runLength(Stop stop)
{
    const qsizetype limit = kMaxLineChars - m_lineChars + 1;
    qsizetype n = 0;
    for (;;) {
        const QChar *p = m_buf.constData() + m_pos;
        const qsizetype available = qMin(m_buf.size() - m_pos, limit);
        while (n < available && !stop(p[n].unicode())) ++n;
        if (n < available || n >= limit || !readChunk()) return n;
    }
}

// The next `length` characters, none of them a line end; valid until the next read.
QStringView ListInput::take(qsizetype length)
{
    m_lineChars += length;
    if (m_lineChars > kMaxLineChars) {
        m_itemLine = m_line;
        fail(int(DataError::Kind::TooLong),
             QStringLiteral("一行超过 %1 个字符").arg(kMaxLineChars));
    }
    const QStringView taken = QStringView(m_buf).mid(m_pos, length);
    m_pos += length;
    return taken;
}

// The item line moves on only when an item follows: at the end of the file it stays at the
// last item's line, so "the file ended inside a record" names the record's line, not the
// line after the file's last line end.
void ListInput::skipBlank()
{
    while (isBlank(peek()) || isLineEnd(peek())) get();
    if (peek() != kEnd) m_itemLine = m_line;
}

bool ListInput::atEnd()
{
    skipBlank();
    return peek() == kEnd;
}

void ListInput::takeLineEnd()
{
    if (get() == '\r' && peek() == '\n') get();
}

void ListInput::finishItem()
{
    while (isBlank(peek())) get();
    if (peek() == ',')
        get();
    else if (isLineEnd(peek()))
        takeLineEnd();
}

QStringView ListInput::readNumberToken()
{
    skipBlank();
    if (peek() == kEnd) fail(int(DataError::Kind::PastEnd), QStringLiteral("缺少数值"));
    return take(runLength(endsNumber));
}

std::optional<double> ListInput::decimalValue(QStringView token)
{
    const Decimal decimal = token.size() > kMaxNumberChars ? Decimal() : parseDecimal(token);
    if (!decimal.valid) return std::nullopt;
    return toDouble(token, decimal);
}

bool ListInput::startsWithSingle(QByteArrayView line)
{
    qsizetype from = line.startsWith("\xEF\xBB\xBF") ? 3 : 0;  // byte order mark, as above
    while (from < line.size() && isBlank(line[from])) ++from;
    qsizetype to = from;
    while (to < line.size() && !endsNumber(uchar(line[to]))) ++to;
    if (to - from > kMaxNumberChars) return false;
    // Anything not ASCII fails as a number, however it decodes.
    const QString token = QString::fromLatin1(line.sliced(from, to - from));
    const std::optional<double> value = decimalValue(token);
    if (!value || !std::isfinite(*value)) return false;
    return std::fabs(*value) <= double(FLT_MAX) || roundsToFiniteSingle(token);
}

double ListInput::readNumber()
{
    const QStringView token = readNumberToken();
    const std::optional<double> number = decimalValue(token);
    if (!number)
        fail(int(DataError::Kind::NotANumber),
             QStringLiteral("“%1”不是数字").arg(token.left(40).toString()));
    double value = *number;
    if (std::isfinite(value) && std::fabs(value) > double(FLT_MAX) && roundsToFiniteSingle(token))
        value = std::copysign(double(FLT_MAX), value);
    if (!std::isfinite(value) || std::fabs(value) > double(FLT_MAX))
        fail(int(DataError::Kind::Overflow),
             QStringLiteral("“%1”超出单精度范围").arg(token.left(40).toString()));
    finishItem();
    return value;
}

qint16 ListInput::readInt16()
{
    const double value = std::nearbyint(readNumber());  // default rounding: half to even
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        fail(int(DataError::Kind::Overflow),
             QStringLiteral("整数 %1 超出 -32768 到 32767").arg(value));
    return static_cast<qint16>(value);
}

float ListInput::readSingle()
{
    return static_cast<float>(readNumber());
}

QString ListInput::readText()
{
    QString text;
    readText(text);
    return text;
}

void ListInput::readText(QString &text)
{
    skipBlank();
    if (peek() == kEnd) fail(int(DataError::Kind::PastEnd), QStringLiteral("缺少文本项"));
    const bool quoted = peek() == '"';
    if (quoted) get();
    const QStringView taken = take(quoted ? runLength(endsQuoted) : runLength(endsText));
    copyText(text, taken);
    if (quoted) {
        if (peek() == '"') get();
        take(runLength(endsText));
    }
    finishItem();
}
