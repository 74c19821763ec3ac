#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <algorithm>
#include <optional>

// Copies `text` into `target`, reusing the target's storage when nothing else shares it:
// the reader fills the same record variables again on every click.
inline void copyText(QString &target, QStringView text)
{
    target.resize(text.size());
    std::copy(text.begin(), text.end(), target.data());
}

// Sequential list input over a UTF-8 text device: numbers and texts separated by
// commas, spaces, TABs or line ends.
//
// Spaces and TABs before an item are skipped, and so are blank lines (a record may run
// over several lines). A number ends at a comma, space, TAB or line end. A quoted text
// runs to its closing quote (or to the line end when the quote is never closed); an
// unquoted text runs to the next comma or line end, TABs included. After an item the
// reader skips spaces and TABs and takes one comma or one line end.
//
// A number item is a decimal number and nothing else: optional sign, digits with an
// optional point, optional exponent ("12", "-0", ".5", "8.99E-05"). An empty item, "NaN",
// "Inf", "0x10", "12kg" or a quoted text fails with DataError::Kind::NotANumber; no bad item
// is ever taken as 0. "1,5" is two items, 1 and 5. A value beyond the single range (or
// outside 16 bits, for a whole number) fails with DataError::Kind::Overflow.
//
// Items are read, not lines: the items left on a line after a record are the first items of
// the next read, so extra items shift the following record, which then fails at the line
// where the shift shows (usually as a text item without its TABs). Blank lines never count
// as items. After a closing quote, the rest of the item up to the next comma or line end is
// dropped.
//
// The reader never holds more than one line in memory: a line longer than
// kMaxLineChars characters fails with DataError::Kind::TooLong.
class ListInput {
public:
    static constexpr qsizetype kMaxLineChars = 1 << 20;

    ListInput(QIODevice &device, QString fileName);

    // True when nothing but spaces, TABs and line ends is left.
    bool atEnd();

    qint16 readInt16();  // rounds half to even, fails outside -32768..32767
    float readSingle();  // fails beyond the single-precision range
    QString readText();
    void readText(QString &text);  // the same, into `text`, reusing its storage

    // The value of a number item's text, correctly rounded to a double (infinite or zero
    // beyond the double range); nullopt when the text is not a number as described above.
    static std::optional<double> decimalValue(QStringView token);

    // Whether readSingle() on a device holding only `line` (no line end) would succeed;
    // answers without throwing, for callers that only count bad lines.
    static bool startsWithSingle(QByteArrayView line);

    // Line of the item read last (1-based).
    int itemLine() const { return m_itemLine; }
    const QString &fileName() const { return m_fileName; }

private:
    int peek() { return m_pos < m_buf.size() ? m_buf.at(m_pos).unicode() : slowPeek(); }
    int slowPeek();
    int get();
    void fill();
    bool readChunk();
    static qsizetype wholeUtf8Length(const QByteArray &bytes);
    template <typename Stop>
    qsizetype runLength(Stop stop);
    QStringView take(qsizetype length);
    void skipBlank();
    void finishItem();
    void takeLineEnd();
    QStringView readNumberToken();
    double readNumber();
    [[noreturn]] void fail(int kind, const QString &detail) const;

    QIODevice &m_device;
    QString m_fileName;
    QByteArray m_carry;  // the start of a UTF-8 sequence the last read cut off
    bool m_atStart = true;
    QString m_buf;
    qsizetype m_pos = 0;
    bool m_deviceDone = false;
    int m_line = 1;
    int m_itemLine = 1;
    qsizetype m_lineChars = 0;
};
