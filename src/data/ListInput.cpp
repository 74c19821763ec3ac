#include "ListInput.h"

#include "DataError.h"

#include <QRegularExpression>
#include <cfenv>
#include <cfloat>
#include <cmath>
#include <limits>

namespace {

constexpr int kEnd = -1;
constexpr qint64 kChunkBytes = 64 * 1024;

bool isBlank(int c)
{
    return c == ' ' || c == '\t';
}
bool isLineEnd(int c)
{
    return c == '\r' || c == '\n';
}
bool endsNumber(int c)
{
    return c == kEnd || c == ',' || isBlank(c) || isLineEnd(c);
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

void ListInput::fill()
{
    if (m_pos > kChunkBytes) {
        m_buf.remove(0, m_pos);
        m_pos = 0;
    }
    while (m_pos >= m_buf.size() && !m_deviceDone) {
        QByteArray bytes(kChunkBytes, Qt::Uninitialized);
        const qint64 got = m_device.read(bytes.data(), kChunkBytes);
        if (got < 0) fail(int(DataError::Kind::OpenFailed), m_device.errorString());
        if (got == 0) {
            m_deviceDone = true;
            m_buf += m_decoder(QByteArrayView());
        } else {
            m_buf += m_decoder(QByteArrayView(bytes.constData(), got));
        }
    }
}

int ListInput::peek()
{
    if (m_pos >= m_buf.size()) fill();
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

void ListInput::skipBlank()
{
    while (isBlank(peek()) || isLineEnd(peek())) get();
    m_itemLine = m_line;
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

QString ListInput::readNumberToken()
{
    skipBlank();
    if (peek() == kEnd) fail(int(DataError::Kind::PastEnd), QStringLiteral("缺少数值"));
    QString token;
    while (!endsNumber(peek())) token += QChar(get());
    finishItem();
    return token;
}

double ListInput::readNumber()
{
    static const QRegularExpression kNumber(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    const QString token = readNumberToken();
    if (token.size() > 400 || !kNumber.match(token).hasMatch())
        fail(int(DataError::Kind::NotANumber), QStringLiteral("“%1”不是数字").arg(token.left(40)));
    const double value = token.toDouble();
    if (!std::isfinite(value) || std::fabs(value) > double(FLT_MAX))
        fail(int(DataError::Kind::Overflow),
             QStringLiteral("“%1”超出单精度范围").arg(token.left(40)));
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
    skipBlank();
    if (peek() == kEnd) fail(int(DataError::Kind::PastEnd), QStringLiteral("缺少文本项"));
    QString text;
    if (peek() == '"') {
        get();
        while (peek() != '"' && peek() != kEnd && !isLineEnd(peek())) text += QChar(get());
        if (peek() == '"') get();
        while (peek() != ',' && peek() != kEnd && !isLineEnd(peek())) get();
    } else {
        while (peek() != ',' && peek() != kEnd && !isLineEnd(peek())) text += QChar(get());
    }
    finishItem();
    return text;
}
