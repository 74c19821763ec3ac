// The element record reader and the list input under it.

#include <QBuffer>
#include <QFile>
#include <QRandomGenerator>
#include <QtTest>
#include <cfloat>
#include <cmath>

#include "TrickleDevice.h"
#include "files/DataError.h"
#include "files/ListInput.h"
#include "files/ModVantrel.h"

using namespace mod_Vantrel;

Q_DECLARE_METATYPE(DataError::Kind)

namespace {

const QString kFileName = QStringLiteral("Elements.prn");

// The fifteen numbers of the test record, each value different so that a swapped field shows.
const QList<QByteArray> kNumbers = {"1",    "1.00794", "20.28", "14.01", "0.0000899",
                                    "7",    "1",       "2",     "3",     "4",
                                    "0.79", "0.32",    "72.8",  "0.117", "0.904"};
// Its ten tail fields.
const QStringList kTail = {QStringLiteral("1"),  QStringLiteral("-1"), QStringLiteral("1s"),
                           QStringLiteral("2s"), QStringLiteral("2p"), QStringLiteral("3s"),
                           QStringLiteral("x"),  QStringLiteral("G"),  QStringLiteral("H"),
                           QStringLiteral("氢")};

QByteArray tailBytes(const QStringList &fields = kTail)
{
    return fields.join('\t').toUtf8();
}

// The record in the comma form: numbers, then the tail quoted.
QByteArray commaRecord(const QByteArray &tail = tailBytes())
{
    return kNumbers.join(',') + ",\"" + tail + '"';
}

// The record in the TAB form: 25 columns, the tail unquoted.
QByteArray tabRecord(const QByteArray &tail = tailBytes())
{
    return kNumbers.join('\t') + '\t' + tail;
}

ElementRecordType expectedRecord()
{
    ElementRecordType r;
    r.AtomicNumber = 1;
    r.AtomicWeight = 1.00794f;
    r.BoilingPoint = 20.28f;
    r.MeltingPoint = 14.01f;
    r.Density = 0.0000899f;
    r.SkippedInteger = 7;
    r.EConfigCount1 = 1;
    r.EConfigCount2 = 2;
    r.EConfigCount3 = 3;
    r.EConfigCount4 = 4;
    r.AtomicRadius = 0.79f;
    r.CovalentRadius = 0.32f;
    r.ElectronAffinity = 72.8f;
    r.FusionEnthalpy = 0.117f;
    r.VaporisationEnthalpy = 0.904f;
    r.InputText = kTail.join('\t');
    r.StableOxidationStates = kTail[0];
    r.OxidationStates = kTail[1];
    r.EConfigText1 = kTail[2];
    r.EConfigText2 = kTail[3];
    r.EConfigText3 = kTail[4];
    r.EConfigText4 = kTail[5];
    r.SkippedText = kTail[6];
    r.PhaseCode = kTail[7];
    r.Symbol = kTail[8];
    r.ElementName = kTail[9];
    return r;
}

QStringList tailOf(const ElementRecordType &r)
{
    return {
        r.StableOxidationStates, r.OxidationStates, r.EConfigText1, r.EConfigText2, r.EConfigText3,
        r.EConfigText4,          r.SkippedText,     r.PhaseCode,    r.Symbol,       r.ElementName};
}

void setTail(ElementRecordType &r, const QStringList &fields)
{
    QString *targets[] = {&r.StableOxidationStates,
                          &r.OxidationStates,
                          &r.EConfigText1,
                          &r.EConfigText2,
                          &r.EConfigText3,
                          &r.EConfigText4,
                          &r.SkippedText,
                          &r.PhaseCode,
                          &r.Symbol,
                          &r.ElementName};
    for (int i = 0; i < 10; ++i) *targets[i] = fields.value(i);
}

// Every field as "name=value", so that a comparison names the field that differs.
QStringList fieldsOf(const ElementRecordType &r)
{
    const auto n = [](double v) { return QString::number(v, 'g', 9); };
    QStringList fields = {
        QStringLiteral("AtomicNumber=%1").arg(r.AtomicNumber),
        QStringLiteral("AtomicWeight=") + n(r.AtomicWeight),
        QStringLiteral("BoilingPoint=") + n(r.BoilingPoint),
        QStringLiteral("MeltingPoint=") + n(r.MeltingPoint),
        QStringLiteral("Density=") + n(r.Density),
        QStringLiteral("SkippedInteger=%1").arg(r.SkippedInteger),
        QStringLiteral("EConfigCount1=%1").arg(r.EConfigCount1),
        QStringLiteral("EConfigCount2=%1").arg(r.EConfigCount2),
        QStringLiteral("EConfigCount3=%1").arg(r.EConfigCount3),
        QStringLiteral("EConfigCount4=%1").arg(r.EConfigCount4),
        QStringLiteral("AtomicRadius=") + n(r.AtomicRadius),
        QStringLiteral("CovalentRadius=") + n(r.CovalentRadius),
        QStringLiteral("ElectronAffinity=") + n(r.ElectronAffinity),
        QStringLiteral("FusionEnthalpy=") + n(r.FusionEnthalpy),
        QStringLiteral("VaporisationEnthalpy=") + n(r.VaporisationEnthalpy),
        QStringLiteral("InputText=") + r.InputText,
    };
    const QStringList names = {QStringLiteral("StableOxidationStates"),
                               QStringLiteral("OxidationStates"),
                               QStringLiteral("EConfigText1"),
                               QStringLiteral("EConfigText2"),
                               QStringLiteral("EConfigText3"),
                               QStringLiteral("EConfigText4"),
                               QStringLiteral("SkippedText"),
                               QStringLiteral("PhaseCode"),
                               QStringLiteral("Symbol"),
                               QStringLiteral("ElementName")};
    const QStringList tail = tailOf(r);
    for (int i = 0; i < 10; ++i) fields << names[i] + QLatin1Char('=') + tail[i];
    return fields;
}

// A device that makes up its bytes as they are read: head, then `count` copies of `fill`,
// then tail. Counts what the reader has pulled, so a test can tell whether it read it all.
class GeneratedDevice : public QIODevice {
public:
    GeneratedDevice(QByteArray head, char fill, qint64 count, QByteArray tail)
        : m_head(std::move(head)), m_fill(fill), m_count(count), m_tail(std::move(tail))
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }
    qint64 total() const { return m_head.size() + m_count + m_tail.size(); }
    qint64 pulled() const { return m_pos; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        qint64 n = 0;
        while (n < maxSize && m_pos < total()) {
            const qint64 fillEnd = m_head.size() + m_count;
            if (m_pos < m_head.size())
                data[n] = m_head.at(m_pos);
            else if (m_pos < fillEnd)
                data[n] = m_fill;
            else
                data[n] = m_tail.at(m_pos - fillEnd);
            ++n;
            ++m_pos;
        }
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_head;
    char m_fill;
    qint64 m_count;
    QByteArray m_tail;
    qint64 m_pos = 0;
};

struct Input {
    explicit Input(const QByteArray &bytes) : data(bytes), in(buffer, kFileName)
    {
        buffer.setBuffer(&data);
        buffer.open(QIODevice::ReadOnly);
    }
    QByteArray data;
    QBuffer buffer;
    ListInput in;
};

// What the reader read last, as the program keeps it between reads.
ElementRecordType lastRead;

}  // namespace

class TestReader : public QObject {
    Q_OBJECT

private slots:
    void init() { lastRead = ElementRecordType(); }

    void readsBothRecordForms_data();
    void readsBothRecordForms();
    void splitsTailAtTabs_data();
    void splitsTailAtTabs();
    void rejectsTailWithTooFewTabs_data();
    void rejectsTailWithTooFewTabs();

    void convertsLikeTheToolkit();
    void readsNumbers_data();
    void readsNumbers();
    void rejectsNumbers_data();
    void rejectsNumbers();
    void separatesItems_data();
    void separatesItems();
    void readsTexts_data();
    void readsTexts();

    void readsRecordsAcrossLines_data();
    void readsRecordsAcrossLines();
    void emptyInputHasNoRecord_data();
    void emptyInputHasNoRecord();
    void stopsAtEndInsideRecord_data();
    void stopsAtEndInsideRecord();
    void reportsLineAndFile_data();
    void reportsLineAndFile();

    void rejectsOverlongLine_data();
    void rejectsOverlongLine();
    void acceptsLineOfMaximumLength_data();
    void acceptsLineOfMaximumLength();

    void readsUtf8_data();
    void readsUtf8();
    void survivesBadBytes_data();
    void survivesBadBytes();

    void readsShippedElementFile();
    void readsTheSameInAnyPieces_data();
    void readsTheSameInAnyPieces();
    void badBytesReadTheSameInAnyPieces();
};

// ---- Records ------------------------------------------------------------------------------

void TestReader::readsBothRecordForms_data()
{
    QTest::addColumn<QByteArray>("input");

    const QByteArray comma = commaRecord();
    const QByteArray tabs = tabRecord();
    QTest::newRow("commas, text quoted, CR LF") << comma + "\r\n";
    QTest::newRow("commas, no line end at the end") << comma;
    QTest::newRow("25 TAB columns, LF") << tabs + "\n";
    QTest::newRow("25 TAB columns, CR LF") << tabs + "\r\n";
    QTest::newRow("25 TAB columns, no line end") << tabs;
    QTest::newRow("blanks after the commas")
        << kNumbers.join(", \t") + ",  \"" + tailBytes() + "\"\r\n";
    QTest::newRow("blanks before the commas")
        << kNumbers.join("  ,") + " \t,\"" + tailBytes() + "\"  \r\n";
    QTest::newRow("numbers separated by spaces")
        << kNumbers.join(' ') + " \"" + tailBytes() + "\"\n";
    QTest::newRow("one item a line") << kNumbers.join("\r\n") + "\r\n\"" + tailBytes() + "\"\r\n";
    QTest::newRow("blanks and blank lines in front") << "\r\n \t\r\n  \t" + comma + "\r\n";
    QTest::newRow("other ways to write the numbers")
        << QByteArray(
               "+1,1.00794E0,2.028e1,14.010,8.99E-05,7.,1,2.0,3,4,.79,0.32,72.8,117e-3,"
               "0.904,\"") +
               tailBytes() + "\"";
}

void TestReader::readsBothRecordForms()
{
    QFETCH(QByteArray, input);
    Input file(input);
    QVERIFY(!file.in.atEnd());
    QVERIFY_THROWS_NO_EXCEPTION(ReadElementRecord(file.in, lastRead));
    QCOMPARE(fieldsOf(lastRead), fieldsOf(expectedRecord()));
    QVERIFY(file.in.atEnd());
}

void TestReader::splitsTailAtTabs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("fields");

    const QStringList pieces = {"a", "b", "c", "d", "e", "f", "g", "S", "H", "Hydrogen"};
    QTest::newRow("ten pieces") << pieces.join('\t') << pieces;

    QStringList noName = pieces;
    noName[9].clear();
    QTest::newRow("nothing after the ninth TAB") << noName.join('\t') << noName;

    QStringList tabbedName = pieces;
    tabbedName[9] = QStringLiteral("Hydrogen\tX");
    QTest::newRow("tenth TAB stays in the name") << pieces.join('\t') + "\tX" << tabbedName;

    tabbedName[9] = QStringLiteral("Hydrogen\tX\t\tY\t");
    QTest::newRow("further TABs stay in the name")
        << pieces.join('\t') + "\tX\t\tY\t" << tabbedName;

    QStringList gap = pieces;
    gap[1].clear();
    QTest::newRow("two TABs in a row") << gap.join('\t') << gap;

    QStringList gaps = pieces;
    gaps[6].clear();
    gaps[7].clear();
    gaps[8].clear();
    QTest::newRow("three TABs in a row") << gaps.join('\t') << gaps;

    QStringList first = pieces;
    first[0].clear();
    QTest::newRow("text starting with a TAB") << first.join('\t') << first;

    QTest::newRow("nothing but nine TABs") << QString(9, QLatin1Char('\t')) << QStringList(10);

    QStringList commas = pieces;
    commas[0] = QStringLiteral("+1,-1");
    commas[1] = QStringLiteral("+2, +3");
    QTest::newRow("commas inside fields") << commas.join('\t') << commas;

    QStringList blanks = pieces;
    blanks[0] = QStringLiteral("  a ");
    blanks[9] = QStringLiteral(" Hydrogen  ");
    QTest::newRow("spaces inside fields kept") << blanks.join('\t') << blanks;
}

void TestReader::splitsTailAtTabs()
{
    QFETCH(QString, text);
    QFETCH(QStringList, fields);

    Input file(commaRecord(text.toUtf8()) + "\r\n");
    QVERIFY_THROWS_NO_EXCEPTION(ReadElementRecord(file.in, lastRead));
    QCOMPARE(lastRead.InputText, text);
    QCOMPARE(tailOf(lastRead), fields);
}

void TestReader::rejectsTailWithTooFewTabs_data()
{
    QTest::addColumn<int>("tabs");

    // With n TABs the first n fields are cut off; the next one has no TAB to end it.
    QTest::newRow("no TAB") << 0;
    QTest::newRow("one TAB") << 1;
    QTest::newRow("five TABs") << 5;
    QTest::newRow("eight TABs") << 8;
}

void TestReader::rejectsTailWithTooFewTabs()
{
    QFETCH(int, tabs);

    const QStringList pieces = {"a", "b", "c", "d", "e", "f", "g", "S", "H", "Hydrogen"};
    const QString text = pieces.mid(0, tabs + 1).join('\t');
    setTail(lastRead, QStringList(10, QStringLiteral("old")));
    lastRead.AtomicNumber = 99;

    Input file("\r\n" + commaRecord(text.toUtf8()) + "\r\n");
    try {
        ReadElementRecord(file.in, lastRead);
        QFAIL("a text item without nine TABs was accepted");
    } catch (const DataError &e) {
        QCOMPARE(e.kind(), DataError::Kind::TooFewTabs);
        QCOMPARE(e.line(), 2);
        QCOMPARE(e.file(), kFileName);
    }
    // Everything before the failing step has its new value, the rest is untouched.
    QStringList expected = pieces.mid(0, tabs);
    while (expected.size() < 10) expected << QStringLiteral("old");
    QCOMPARE(tailOf(lastRead), expected);
    QCOMPARE(lastRead.InputText, text);
    QCOMPARE(lastRead.AtomicNumber, qint16(1));
    QCOMPARE(lastRead.VaporisationEnthalpy, 0.904f);
}

// ---- Items --------------------------------------------------------------------------------

void TestReader::readsNumbers_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<bool>("asInt16");
    QTest::addColumn<double>("expected");

    QTest::newRow("int16 largest") << QByteArray("32767") << true << 32767.0;
    QTest::newRow("int16 smallest") << QByteArray("-32768") << true << -32768.0;
    QTest::newRow("int16 2.5 to even") << QByteArray("2.5") << true << 2.0;
    QTest::newRow("int16 3.5 to even") << QByteArray("3.5") << true << 4.0;
    QTest::newRow("int16 0.5 to even") << QByteArray("0.5") << true << 0.0;
    QTest::newRow("int16 -2.5 to even") << QByteArray("-2.5") << true << -2.0;
    QTest::newRow("int16 2.51 up") << QByteArray("2.51") << true << 3.0;
    QTest::newRow("int16 32767.4 down") << QByteArray("32767.4") << true << 32767.0;
    QTest::newRow("int16 -32768.5 to even") << QByteArray("-32768.5") << true << -32768.0;
    QTest::newRow("int16 -0") << QByteArray("-0") << true << 0.0;
    QTest::newRow("int16 plus sign") << QByteArray("+7") << true << 7.0;
    QTest::newRow("int16 exponent") << QByteArray("1.5E3") << true << 1500.0;
    QTest::newRow("int16 after blanks") << QByteArray(" \t 12") << true << 12.0;

    QTest::newRow("single decimals") << QByteArray("1.00794") << false << double(1.00794f);
    QTest::newRow("single -0") << QByteArray("-0") << false << 0.0;
    QTest::newRow("single -0.0") << QByteArray("-0.0") << false << 0.0;
    QTest::newRow("single no whole part") << QByteArray(".5") << false << 0.5;
    QTest::newRow("single trailing point") << QByteArray("5.") << false << 5.0;
    QTest::newRow("single exponent") << QByteArray("8.99E-05") << false << double(8.99E-05f);
    QTest::newRow("single lower-case exponent") << QByteArray("1e+10") << false << 1e10;
    QTest::newRow("single negative") << QByteArray("-2.5") << false << -2.5;
    QTest::newRow("single near the top") << QByteArray("3.4e38") << false << double(3.4e38f);
    QTest::newRow("single colour") << QByteArray("1.677721E+07") << false << 16777210.0;
    // The usual texts of the largest single: above FLT_MAX as doubles, but rounding to it.
    QTest::newRow("single largest, 8 digits")
        << QByteArray("3.4028235e38") << false << double(FLT_MAX);
    QTest::newRow("single largest, 7 digits, negative")
        << QByteArray("-3.402823E+38") << false << -double(3.402823e38f);
    QTest::newRow("single just below the rounding edge")
        << QByteArray("340282356779733661637539395458142568447") << false << double(FLT_MAX);
}

// Converting straight from the buffer gives exactly what the toolkit's own conversion
// gives, to the last bit of the double: short decimals, long mantissas, far exponents.
void TestReader::convertsLikeTheToolkit()
{
    QRandomGenerator random(20261207);
    const auto digits = [&](int n) {
        QByteArray d;
        for (int i = 0; i < n; ++i) d += char('0' + random.bounded(10));
        return d;
    };
    QByteArrayList tokens = {"0.1",
                             "9007199254740993",
                             "3.4028235e38",
                             "1e-50",
                             "4.9e-324",
                             "123456789012345678901234567890",
                             "0.000000000000000000000000000001",
                             "1.17549435e-38",
                             "16777217",
                             "0.30000000000000004",
                             "1e22",
                             "1e23",
                             "+.5e-0",
                             "-0.0e10"};
    for (int i = 0; i < 20000; ++i) {
        QByteArray t = random.bounded(4) == 0 ? "-" : "";
        t += digits(random.bounded(1, 21)) + '.' + digits(random.bounded(0, 21));
        if (random.bounded(3) == 0) t += 'E' + QByteArray::number(random.bounded(-45, 39));
        tokens << t;
    }
    for (const QByteArray &token : tokens) {
        const QString text = QString::fromLatin1(token);
        const std::optional<double> value = ListInput::decimalValue(text);
        QVERIFY2(value, token.constData());
        if (qFloatDistance(*value, text.toDouble()) != 0 ||
            std::signbit(*value) != token.startsWith('-'))
            QFAIL(qPrintable(QStringLiteral("%1 read as %2").arg(text).arg(*value, 0, 'g', 17)));
    }
}

void TestReader::readsNumbers()
{
    QFETCH(QByteArray, input);
    QFETCH(bool, asInt16);
    QFETCH(double, expected);

    Input file(input + "\r\n");
    double value = 0;
    QVERIFY_THROWS_NO_EXCEPTION(value = asInt16 ? file.in.readInt16() : file.in.readSingle());
    QCOMPARE(value, expected);
    QVERIFY(file.in.atEnd());
    // The check that counts bad settings lines without reading them agrees.
    QVERIFY(ListInput::startsWithSingle(input));
}

void TestReader::rejectsNumbers_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<bool>("asInt16");
    QTest::addColumn<DataError::Kind>("kind");

    const auto overflow = DataError::Kind::Overflow;
    const auto notANumber = DataError::Kind::NotANumber;
    QTest::newRow("int16 32768") << QByteArray("32768") << true << overflow;
    QTest::newRow("int16 -32769") << QByteArray("-32769") << true << overflow;
    QTest::newRow("int16 32767.5 rounds out") << QByteArray("32767.5") << true << overflow;
    QTest::newRow("int16 1e5") << QByteArray("1e5") << true << overflow;
    QTest::newRow("int16 1e99999") << QByteArray("1e99999") << true << overflow;
    QTest::newRow("single 1e99999") << QByteArray("1e99999") << false << overflow;
    QTest::newRow("single -1e99999") << QByteArray("-1e99999") << false << overflow;
    QTest::newRow("single 1e39") << QByteArray("1e39") << false << overflow;
    // Halfway between FLT_MAX and 2^128 rounds to even, which is infinity.
    QTest::newRow("single at the rounding edge")
        << QByteArray("340282356779733661637539395458142568448") << false << overflow;
    QTest::newRow("single 3.5e38") << QByteArray("3.5e38") << false << overflow;
    QTest::newRow("int16 abc") << QByteArray("abc") << true << notANumber;
    QTest::newRow("single abc") << QByteArray("abc") << false << notANumber;
    QTest::newRow("NaN") << QByteArray("NaN") << false << notANumber;
    QTest::newRow("Inf") << QByteArray("Inf") << false << notANumber;
    QTest::newRow("1e") << QByteArray("1e") << false << notANumber;
    QTest::newRow("empty item") << QByteArray(",5") << false << notANumber;
    QTest::newRow("empty int16 item") << QByteArray(" ,5") << true << notANumber;
    QTest::newRow("two points") << QByteArray("1.2.3") << false << notANumber;
    QTest::newRow("two signs") << QByteArray("--1") << true << notANumber;
    QTest::newRow("trailing letters") << QByteArray("12kg") << true << notANumber;
    QTest::newRow("hexadecimal") << QByteArray("0x10") << true << notANumber;
    QTest::newRow("quoted text") << QByteArray("\"H\"") << false << notANumber;
    // Digits of other scripts are not numbers here, however a regular expression's \\d sees them.
    QTest::newRow("full-width digits") << QString("１２").toUtf8() << true << notANumber;
    QTest::newRow("Arabic-Indic digit") << QString("٣.5").toUtf8() << false << notANumber;
    QTest::newRow("lone point") << QByteArray(".") << false << notANumber;
    QTest::newRow("sign only") << QByteArray("-") << true << notANumber;
    QTest::newRow("exponent without digits") << QByteArray("1e+") << false << notANumber;
    QTest::newRow("401 characters") << QByteArray(401, '1') << false << notANumber;
}

void TestReader::rejectsNumbers()
{
    QFETCH(QByteArray, input);
    QFETCH(bool, asInt16);
    QFETCH(DataError::Kind, kind);

    Input file(input + "\r\n");
    try {
        if (asInt16)
            file.in.readInt16();
        else
            file.in.readSingle();
        QFAIL("the item was accepted");
    } catch (const DataError &e) {
        QCOMPARE(e.kind(), kind);
        QCOMPARE(e.line(), 1);
        QCOMPARE(e.file(), kFileName);
    }
    if (!asInt16) QVERIFY(!ListInput::startsWithSingle(input));
}

void TestReader::separatesItems_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QList<double>>("numbers");

    QTest::newRow("comma: 1,5 is two items") << QByteArray("1,5") << QList<double>{1, 5};
    QTest::newRow("space") << QByteArray("1 5") << QList<double>{1, 5};
    QTest::newRow("TAB") << QByteArray("1\t5") << QList<double>{1, 5};
    QTest::newRow("CR LF") << QByteArray("1\r\n5") << QList<double>{1, 5};
    QTest::newRow("LF") << QByteArray("1\n5") << QList<double>{1, 5};
    QTest::newRow("CR") << QByteArray("1\r5") << QList<double>{1, 5};
    QTest::newRow("blanks around a comma") << QByteArray("1 \t, \t5") << QList<double>{1, 5};
    QTest::newRow("comma at the line end") << QByteArray("1,\r\n5,\r\n") << QList<double>{1, 5};
    QTest::newRow("decimal comma is a separator")
        << QByteArray("1,5,2.5") << QList<double>{1, 5, 2.5};
}

void TestReader::separatesItems()
{
    QFETCH(QByteArray, input);
    QFETCH(QList<double>, numbers);

    Input file(input);
    QList<double> read;
    while (!file.in.atEnd()) QVERIFY_THROWS_NO_EXCEPTION(read << file.in.readSingle());
    QCOMPARE(read, numbers);
}

void TestReader::readsTexts_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("texts");

    QTest::newRow("quoted keeps commas and TABs")
        << QByteArray("\"a,b\tc, d\"") << QStringList{"a,b\tc, d"};
    QTest::newRow("quoted keeps leading blanks")
        << QByteArray(" \"  \ta\"") << QStringList{"  \ta"};
    QTest::newRow("empty quoted text") << QByteArray("\"\",x") << QStringList{"", "x"};
    QTest::newRow("unquoted ends at a comma")
        << QByteArray("ab cd,ef") << QStringList{"ab cd", "ef"};
    QTest::newRow("unquoted keeps TABs") << QByteArray("a\tb\t,c") << QStringList{"a\tb\t", "c"};
    QTest::newRow("unquoted starts after blanks") << QByteArray(" \t ab") << QStringList{"ab"};
    QTest::newRow("unquoted ends at the line end")
        << QByteArray("ab\r\ncd\ref\ngh") << QStringList{"ab", "cd", "ef", "gh"};
    QTest::newRow("after the closing quote, up to the comma")
        << QByteArray("\"ab\"cd,ef") << QStringList{"ab", "ef"};
    QTest::newRow("unclosed quote ends at the line end")
        << QByteArray("\"ab,c\r\nd") << QStringList{"ab,c", "d"};
}

void TestReader::readsTexts()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, texts);

    Input file(input);
    QStringList read;
    while (!file.in.atEnd()) QVERIFY_THROWS_NO_EXCEPTION(read << file.in.readText());
    QCOMPARE(read, texts);
}

// ---- Lines and the end of the file -------------------------------------------------------

void TestReader::readsRecordsAcrossLines_data()
{
    QTest::addColumn<QByteArray>("input");

    QByteArray second = commaRecord();
    second.replace("1,1.00794", "2,4.0026");
    second.replace("氢", "氦");
    const QByteArray first = commaRecord();
    QTest::newRow("CR LF") << first + "\r\n" + second + "\r\n";
    QTest::newRow("LF") << first + "\n" + second + "\n";
    QTest::newRow("CR") << first + "\r" + second + "\r";
    QTest::newRow("blank lines between") << first + "\r\n\r\n\r\n" + second + "\r\n";
    QTest::newRow("lines of blanks between") << first + "\r\n  \r\n\t\r\n" + second + "\r\n";
    QTest::newRow("trailing blank lines") << first + "\r\n" + second + "\r\n\r\n \r\n\n\r";
    QTest::newRow("TAB form, CR") << tabRecord() + "\r" + second + "\r";
}

void TestReader::readsRecordsAcrossLines()
{
    QFETCH(QByteArray, input);

    Input file(input);
    QList<qint16> numbers;
    QStringList names;
    while (!file.in.atEnd()) {
        QVERIFY_THROWS_NO_EXCEPTION(ReadElementRecord(file.in, lastRead));
        numbers << lastRead.AtomicNumber;
        names << lastRead.ElementName;
    }
    QCOMPARE(numbers, (QList<qint16>{1, 2}));
    QCOMPARE(names, (QStringList{"氢", "氦"}));
    QCOMPARE(lastRead.AtomicWeight, 4.0026f);
}

void TestReader::emptyInputHasNoRecord_data()
{
    QTest::addColumn<QByteArray>("input");

    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("one line end") << QByteArray("\r\n");
    QTest::newRow("blank lines") << QByteArray("\n\n\r\r\n");
    QTest::newRow("blanks only") << QByteArray(" \t \r\n\t");
}

void TestReader::emptyInputHasNoRecord()
{
    QFETCH(QByteArray, input);

    lastRead = expectedRecord();
    Input file(input);
    QVERIFY(file.in.atEnd());
    QVERIFY(file.in.atEnd());
    QCOMPARE(fieldsOf(lastRead), fieldsOf(expectedRecord()));
}

void TestReader::stopsAtEndInsideRecord_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("itemsRead");

    QTest::newRow("after the atomic number") << QByteArray("1,") << 1;
    QTest::newRow("after the density") << kNumbers.mid(0, 5).join(',') + "\r\n" << 5;
    QTest::newRow("before the text") << kNumbers.join(',') + "\r\n\r\n" << 15;
    QTest::newRow("TAB form without the tail") << kNumbers.join('\t') << 15;
}

void TestReader::stopsAtEndInsideRecord()
{
    QFETCH(QByteArray, input);
    QFETCH(int, itemsRead);

    lastRead.AtomicNumber = 99;
    lastRead.VaporisationEnthalpy = 99;
    lastRead.InputText = QStringLiteral("old");
    Input file(input);
    QVERIFY(!file.in.atEnd());
    try {
        ReadElementRecord(file.in, lastRead);
        QFAIL("a cut-off record was accepted");
    } catch (const DataError &e) {
        QCOMPARE(e.kind(), DataError::Kind::PastEnd);
        QCOMPARE(e.file(), kFileName);
    }
    QCOMPARE(lastRead.AtomicNumber, qint16(1));
    QCOMPARE(lastRead.VaporisationEnthalpy, itemsRead == 15 ? 0.904f : 99.0f);
    QCOMPARE(lastRead.InputText, QStringLiteral("old"));
}

void TestReader::reportsLineAndFile_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("records");  // read before the failing one
    QTest::addColumn<DataError::Kind>("kind");
    QTest::addColumn<int>("line");

    const QByteArray good = commaRecord();
    QByteArray badWeight = good;
    badWeight.replace("1.00794", "1.0O794");
    QByteArray bigCount = good;
    bigCount.replace(",7,1,2,", ",7,1,40000,");
    QByteArray fewTabs = good;
    fewTabs.replace("\tx\t", " x ");
    const auto notANumber = DataError::Kind::NotANumber;

    QTest::newRow("third line, CR LF") << good + "\r\n\r\n" + badWeight + "\r\n"
                                       << 1 << notANumber << 3;
    QTest::newRow("third line, LF") << good + "\n\n" + badWeight + "\n" << 1 << notANumber << 3;
    QTest::newRow("third line, CR") << good + "\r\r" + badWeight + "\r" << 1 << notANumber << 3;
    QTest::newRow("first line") << badWeight + "\r\n" + good << 0 << notANumber << 1;
    QTest::newRow("overflow, second line") << good + "\r\n" + bigCount + "\r\n"
                                           << 1 << DataError::Kind::Overflow << 2;
    QTest::newRow("too few TABs, second line") << good + "\r\n" + fewTabs + "\r\n"
                                               << 1 << DataError::Kind::TooFewTabs << 2;
    QTest::newRow("item on its own line")
        << good + "\r\n" + kNumbers.mid(0, 3).join("\r\n") + "\r\nabc\r\n"
        << 1 << notANumber << 5;
    QTest::newRow("text on a line of its own") << kNumbers.join(",") + "\r\n\r\n\"a\tb\"\r\n"
                                               << 0 << DataError::Kind::TooFewTabs << 3;
    // A cut record is named by its own line, not by the line after the file's last line end.
    QTest::newRow("cut record, CR LF at the end")
        << good + "\r\n" + kNumbers.mid(0, 4).join(',') + "\r\n"
        << 1 << DataError::Kind::PastEnd << 2;
    QTest::newRow("cut record, blank lines after it")
        << good + "\n" + kNumbers.join(',') + "\n\n \n"
        << 1 << DataError::Kind::PastEnd << 2;
    QTest::newRow("cut record, no line end")
        << good + "\r\n" + kNumbers.mid(0, 4).join(',') << 1 << DataError::Kind::PastEnd << 2;
}

void TestReader::reportsLineAndFile()
{
    QFETCH(QByteArray, input);
    QFETCH(int, records);
    QFETCH(DataError::Kind, kind);
    QFETCH(int, line);

    Input file(input);
    for (int i = 0; i < records; ++i)
        QVERIFY_THROWS_NO_EXCEPTION(ReadElementRecord(file.in, lastRead));
    try {
        ReadElementRecord(file.in, lastRead);
        QFAIL("the bad record was accepted");
    } catch (const DataError &e) {
        QCOMPARE(e.kind(), kind);
        QCOMPARE(e.line(), line);
        QCOMPARE(e.file(), kFileName);
        QVERIFY2(e.message().contains(kFileName), qPrintable(e.message()));
        QVERIFY2(e.message().contains(QStringLiteral("第 %1 行").arg(line)),
                 qPrintable(e.message()));
    }
}

// ---- Limits and odd bytes -----------------------------------------------------------------

void TestReader::rejectsOverlongLine_data()
{
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<char>("fill");
    QTest::addColumn<QByteArray>("tail");

    const QByteArray firstLine = commaRecord() + "\r\n";
    const QByteArray numbers = kNumbers.join(',') + ',';
    QTest::newRow("quoted text") << firstLine + numbers + '"' << 'x' << tailBytes() + "\"\r\n";
    QTest::newRow("unquoted text") << firstLine + numbers << 'x' << QByteArray("\tx\r\n");
    QTest::newRow("TAB form") << firstLine + tabRecord() << 'x' << QByteArray("\n");
    QTest::newRow("number") << firstLine + "1" << '0' << QByteArray(",2\r\n");
    QTest::newRow("blanks before an item") << firstLine << ' ' << commaRecord() + "\r\n";
}

void TestReader::rejectsOverlongLine()
{
    QFETCH(QByteArray, head);
    QFETCH(char, fill);
    QFETCH(QByteArray, tail);

    // Well over the limit, but so little over it that reading the whole line would show.
    GeneratedDevice device(head, fill, ListInput::kMaxLineChars + 100000, tail);
    ListInput in(device, kFileName);
    QVERIFY_THROWS_NO_EXCEPTION(ReadElementRecord(in, lastRead));
    try {
        ReadElementRecord(in, lastRead);
        QFAIL("an overlong line was accepted");
    } catch (const DataError &e) {
        QCOMPARE(e.kind(), DataError::Kind::TooLong);
        QCOMPARE(e.line(), 2);
        QCOMPARE(e.file(), kFileName);
    }
    QVERIFY2(
        device.pulled() < device.total(),
        qPrintable(QStringLiteral("read %1 of %2 bytes").arg(device.pulled()).arg(device.total())));
}

void TestReader::acceptsLineOfMaximumLength_data()
{
    QTest::addColumn<QByteArray>("lineEnd");

    QTest::newRow("CR LF") << QByteArray("\r\n");
    QTest::newRow("LF") << QByteArray("\n");
    QTest::newRow("CR") << QByteArray("\r");
}

void TestReader::acceptsLineOfMaximumLength()
{
    QFETCH(QByteArray, lineEnd);

    const QByteArray head = commaRecord(tailBytes(kTail.mid(0, 9)) + '\t');
    const QByteArray start = head.left(head.size() - 1);  // up to the name, without the quote
    const qsizetype nameChars = ListInput::kMaxLineChars - start.size() - 1;
    QByteArray line = start + QByteArray(nameChars, 'n') + '"';
    QCOMPARE(line.size(), ListInput::kMaxLineChars);

    Input file(line + lineEnd + line + lineEnd);
    QVERIFY_THROWS_NO_EXCEPTION(ReadElementRecord(file.in, lastRead));
    QCOMPARE(lastRead.ElementName.size(), nameChars);
    QVERIFY_THROWS_NO_EXCEPTION(ReadElementRecord(file.in, lastRead));
    QCOMPARE(lastRead.ElementName.size(), nameChars);
    QVERIFY(file.in.atEnd());
}

void TestReader::readsUtf8_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("name");

    const QString farName = QString::fromUtf8("\xF0\xAC\xAC\xBB");  // U+2CB3B, beyond the BMP
    QStringList tail = kTail;
    tail[9] = farName;
    QTest::newRow("supplementary-plane name, quoted") << commaRecord(tailBytes(tail)) + "\r\n"
                                                      << farName;
    QTest::newRow("supplementary-plane name, TAB form") << tabRecord(tailBytes(tail)) + "\r\n"
                                                        << farName;
    tail[9] = QStringLiteral("鿏 ") + farName;
    QTest::newRow("mixed name") << commaRecord(tailBytes(tail)) << tail[9];
    // Editors on some systems start a UTF-8 file with a byte order mark.
    QTest::newRow("byte order mark at the start") << "\xEF\xBB\xBF" + commaRecord() << kTail[9];

    // The reader takes 64 KiB at a time; put the four bytes of the name across that boundary.
    tail[9] = farName;
    const QByteArray record = commaRecord(tailBytes(tail)) + "\r\n";
    const qsizetype at = record.indexOf("\xF0\xAC\xAC\xBB");
    for (int split = 1; split <= 3; ++split) {
        const QByteArray padded = QByteArray(65536 - split - at, ' ') + record;
        QTest::addRow("name cut after byte %d of a 64 KiB read", split) << padded << farName;
    }
}

void TestReader::readsUtf8()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, name);

    Input file(input);
    QVERIFY_THROWS_NO_EXCEPTION(ReadElementRecord(file.in, lastRead));
    QCOMPARE(lastRead.ElementName, name);
    QCOMPARE(lastRead.Symbol, QStringLiteral("H"));
    QCOMPARE(lastRead.VaporisationEnthalpy, 0.904f);
}

void TestReader::survivesBadBytes_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<bool>("reads");
    QTest::addColumn<QString>("symbol");  // when the record reads

    const auto withSymbol = [](const QByteArray &symbol) {
        QStringList tail = kTail;
        tail[8] = QStringLiteral("@");
        return commaRecord(tailBytes(tail).replace("@", symbol)) + "\r\n";
    };
    const QString bad = QString(QChar::ReplacementCharacter);
    QTest::newRow("byte FF") << withSymbol("H\xFF") << true << QString("H" + bad);
    QTest::newRow("cut-off sequence") << withSymbol("\xE6\xB0") << true << bad;
    QTest::newRow("overlong slash") << withSymbol("\xC0\xAF") << true << bad;
    QTest::newRow("encoded surrogate") << withSymbol("\xED\xA0\x80") << true << bad;
    QTest::newRow("NUL in a text")
        << withSymbol(QByteArray("H\0e", 3)) << true << QString::fromUtf16(u"H\0e", 3);
    QTest::newRow("NUL in a number") << QByteArray("1\0,", 3) + commaRecord() << false << QString();
    QTest::newRow("NULs only") << QByteArray(64, '\0') << false << QString();
    QTest::newRow("bad bytes only") << QByteArray(64, '\x80') << false << QString();
    QTest::newRow("byte order mark inside the file")
        << "\r\n\xEF\xBB\xBF" + commaRecord() << false << QString();
    QTest::newRow("cut-off sequence at the end")
        << commaRecord(tailBytes() + "\xE6\xB0").chopped(1) << true << QStringLiteral("H");
}

void TestReader::survivesBadBytes()
{
    QFETCH(QByteArray, input);
    QFETCH(bool, reads);
    QFETCH(QString, symbol);

    Input file(input);
    try {
        ReadElementRecord(file.in, lastRead);
        QVERIFY(reads);
        // How many U+FFFD stand for one bad sequence is the decoder's business.
        QString shown = lastRead.Symbol;
        shown.replace(QRegularExpression(QStringLiteral("\uFFFD+")),
                      QString(QChar::ReplacementCharacter));
        QCOMPARE(shown, symbol);
        QCOMPARE(lastRead.AtomicNumber, qint16(1));
        QCOMPARE(lastRead.VaporisationEnthalpy, 0.904f);
    } catch (const DataError &e) {
        QVERIFY2(!reads, e.what());
        QCOMPARE(e.kind(), DataError::Kind::NotANumber);
    }
}

void TestReader::readsShippedElementFile()
{
    QFile shipped(QStringLiteral(FERROVA_SOURCE_DIR "/Data/Elements.prn"));
    if (!shipped.open(QIODevice::ReadOnly)) QSKIP("no element data file in the source tree");
    ListInput in(shipped, shipped.fileName());
    qint16 expected = 0;
    while (!in.atEnd()) {
        QVERIFY_THROWS_NO_EXCEPTION(ReadElementRecord(in, lastRead));
        QCOMPARE(lastRead.AtomicNumber, ++expected);
        QVERIFY(!lastRead.Symbol.isEmpty());
        QVERIFY(!lastRead.ElementName.isEmpty());
    }
    QVERIFY(expected > 100);
}

QTEST_APPLESS_MAIN(TestReader)
#include "tst_reader.moc"

// The reader takes items straight out of its buffer, which grows a piece at a time and drops
// what it has read: the same file cut anywhere, a multi-byte character or a number split
// between two reads, ten times the shipped file (past the point where the buffer is
// trimmed), must give the same records.
void TestReader::readsTheSameInAnyPieces_data()
{
    QTest::addColumn<qint64>("piece");
    QTest::addColumn<int>("copies");
    QTest::newRow("one byte a read") << qint64(1) << 1;
    QTest::newRow("seven bytes a read") << qint64(7) << 1;
    QTest::newRow("whole file, ten times") << qint64(1) << 10;
    QTest::newRow("4093 bytes a read, ten times") << qint64(4093) << 10;
}

void TestReader::readsTheSameInAnyPieces()
{
    QFETCH(qint64, piece);
    QFETCH(int, copies);
    QFile file(QStringLiteral(FERROVA_SOURCE_DIR "/Data/Elements.prn"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll().repeated(copies);
    const auto readAll = [](QIODevice &device) {
        QStringList records;
        ListInput in(device, kFileName);
        while (!in.atEnd()) {
            ReadElementRecord(in, lastRead);
            const ElementRecordType &r = lastRead;
            records << QStringList{QString::number(r.AtomicNumber),
                                   QString::number(r.AtomicWeight, 'g', 9),
                                   QString::number(r.Density, 'g', 9),
                                   QString::number(r.VaporisationEnthalpy, 'g', 9),
                                   r.InputText,
                                   r.ElementName}
                           .join(QLatin1Char('|'));
        }
        return records;
    };
    QBuffer whole;
    whole.setData(bytes);
    whole.open(QIODevice::ReadOnly);
    const QStringList expected = readAll(whole);
    QCOMPARE(expected.size(), 109 * copies);
    TrickleDevice trickle(bytes, piece);
    QCOMPARE(readAll(trickle), expected);
}

// Invalid UTF-8 cut between two reads once lost characters; every cut must now give what
// one long read gives, replacement characters included.
void TestReader::badBytesReadTheSameInAnyPieces()
{
    QStringList tail = kTail;
    tail[9] = QStringLiteral("@");
    const QByteArray record =
        commaRecord(tailBytes(tail).replace("@",
                                            "\xEFgen\xE9"
                                            "73\xC2\xC2\xC3\xC2\xF0\x90\x80")) +
        "\r\n";
    Input whole(record);
    ReadElementRecord(whole.in, lastRead);
    const QString expected = lastRead.ElementName;
    QVERIFY(expected.contains(QChar::ReplacementCharacter));
    QVERIFY(expected.contains(QStringLiteral("gen")) && expected.contains(QStringLiteral("73")));
    for (qint64 piece = 1; piece <= 13; ++piece) {
        TrickleDevice trickle(record, piece);
        ListInput in(trickle, kFileName);
        ReadElementRecord(in, lastRead);
        QCOMPARE(lastRead.ElementName, expected);
    }
}
