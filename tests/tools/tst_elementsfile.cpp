// The shipped Data/Elements.prn, read through the program's reader: spot checks of values
// against well-known figures, completeness, and the names against the committee's list.

#include <QFile>
#include <QMap>
#include <QtTest>

#include "files/DataError.h"
#include "files/ListInput.h"
#include "files/ModVantrel.h"

using mod_Vantrel::ElementRecordType;

namespace {

const QString kShipped = QStringLiteral(FERROVA_SOURCE_DIR "/Data/Elements.prn");
const QString kNames = QStringLiteral(FERROVA_SOURCE_DIR "/data/chinese-names.csv");

float numberField(const ElementRecordType &r, const QString &field)
{
    if (field == QLatin1String("weight")) return r.AtomicWeight;
    if (field == QLatin1String("boiling")) return r.BoilingPoint;
    if (field == QLatin1String("melting")) return r.MeltingPoint;
    if (field == QLatin1String("density")) return r.Density;
    if (field == QLatin1String("atomicRadius")) return r.AtomicRadius;
    if (field == QLatin1String("covalentRadius")) return r.CovalentRadius;
    if (field == QLatin1String("affinity")) return r.ElectronAffinity;
    if (field == QLatin1String("fusion")) return r.FusionEnthalpy;
    if (field == QLatin1String("vaporisation")) return r.VaporisationEnthalpy;
    qFatal("unknown field %s", qPrintable(field));
}

}  // namespace

class TestElementsFile : public QObject {
    Q_OBJECT

    QList<ElementRecordType> m_records;
    QMap<int, ElementRecordType> m_byNumber;

    const ElementRecordType &element(int z)
    {
        if (!m_byNumber.contains(z)) qFatal("element %d not in the file", z);
        return m_byNumber[z];
    }

private slots:
    void initTestCase()
    {
        QFile file(kShipped);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(kShipped));
        ListInput in(file, kShipped);
        try {
            mod_Vantrel::ElementRecordType record;
            while (!in.atEnd()) {
                mod_Vantrel::ReadElementRecord(in, record);
                m_records.append(record);
                m_byNumber.insert(record.AtomicNumber, record);
            }
        } catch (const DataError &e) {
            QFAIL(e.what());
        }
    }

    void everyElementOnce()
    {
        QCOMPARE(m_records.size(), 109);
        QList<int> numbers;
        for (const ElementRecordType &r : m_records) numbers.append(r.AtomicNumber);
        std::sort(numbers.begin(), numbers.end());
        for (int z = 1; z <= 109; ++z) QCOMPARE(numbers.at(z - 1), z);
    }

    void numbers_data()
    {
        QTest::addColumn<int>("z");
        QTest::addColumn<QString>("field");
        QTest::addColumn<double>("expected");
        QTest::addColumn<double>("tolerance");

        QTest::newRow("Fe weight") << 26 << "weight" << 55.845 << 0.0005;
        QTest::newRow("Fe melting") << 26 << "melting" << 1811.0 << 1.0;
        QTest::newRow("Fe boiling") << 26 << "boiling" << 3134.0 << 1.0;
        QTest::newRow("Fe density") << 26 << "density" << 7.874 << 0.0005;
        QTest::newRow("Hg melting") << 80 << "melting" << 234.32 << 0.01;
        QTest::newRow("W melting") << 74 << "melting" << 3695.0 << 1.0;
        QTest::newRow("He boiling") << 2 << "boiling" << 4.22 << 0.01;
        QTest::newRow("Cl electron affinity") << 17 << "affinity" << 349.0 << 1.0;
        QTest::newRow("C covalent radius") << 6 << "covalentRadius" << 0.75 << 0.005;
        // Unbound anions are stored as 0, never as the negative estimates some tables carry.
        QTest::newRow("He electron affinity") << 2 << "affinity" << 0.0 << 0.0;
        QTest::newRow("N electron affinity") << 7 << "affinity" << 0.0 << 0.0;
        // Potassium's two enthalpies are easily swapped.
        QTest::newRow("K fusion") << 19 << "fusion" << 2.33 << 0.05;
        QTest::newRow("K vaporisation") << 19 << "vaporisation" << 76.9 << 1.0;
        // Current handbook and IUPAC figures; older tables give W 35 kJ/mol and Ar 39.948.
        QTest::newRow("W fusion") << 74 << "fusion" << 52.31 << 0.005;
        QTest::newRow("Ar weight") << 18 << "weight" << 39.95 << 0.0005;
    }

    void numbers()
    {
        QFETCH(int, z);
        QFETCH(QString, field);
        QFETCH(double, expected);
        QFETCH(double, tolerance);
        const double actual = numberField(element(z), field);
        QVERIFY2(qAbs(actual - expected) <= tolerance,
                 qPrintable(
                     QStringLiteral("%1 is %2, expected %3").arg(field).arg(actual).arg(expected)));
    }

    void liquidsAndSynthetics()
    {
        QCOMPARE(element(80).PhaseCode, QStringLiteral("L"));  // Hg
        QCOMPARE(element(35).PhaseCode, QStringLiteral("L"));  // Br
        for (int z : {43, 61, 93, 100, 109}) QCOMPARE(element(z).PhaseCode, QStringLiteral("Y"));
        QCOMPARE(element(92).PhaseCode, QStringLiteral("S"));  // U occurs naturally
    }

    void caesiumLargestInPeriodSix()
    {
        const ElementRecordType &cs = element(55);
        for (int z = 56; z <= 86; ++z)
            QVERIFY2(element(z).AtomicRadius < cs.AtomicRadius, qPrintable(element(z).Symbol));
    }

    // Radii times 80 twips must give circles that fit the 480-twip cells.
    void radiiFitTheCells()
    {
        for (const ElementRecordType &r : m_records) {
            QVERIFY2(r.AtomicRadius * 80 <= 240, qPrintable(r.Symbol));
            QVERIFY2(r.CovalentRadius * 80 <= 240, qPrintable(r.Symbol));
            QVERIFY2(r.CovalentRadius > 0, qPrintable(r.Symbol));
        }
    }

    void namesMatchTheCommitteeList_data()
    {
        QTest::addColumn<int>("z");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("name");

        QFile file(kNames);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            qFatal("cannot open %s", qPrintable(kNames));
        const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
        for (int i = 1; i < lines.size(); ++i) {  // after the header
            const QStringList cells = lines.at(i).split(',');
            if (cells.size() != 3) qFatal("bad line %d in %s", i + 1, qPrintable(kNames));
            QTest::newRow(qPrintable(cells.at(1)))
                << cells.at(0).toInt() << cells.at(1) << cells.at(2);
        }
    }

    void namesMatchTheCommitteeList()
    {
        QFETCH(int, z);
        QFETCH(QString, symbol);
        QFETCH(QString, name);
        const ElementRecordType &r = element(z);
        QCOMPARE(r.Symbol, symbol);
        QCOMPARE(r.ElementName, name);
    }
};

QTEST_GUILESS_MAIN(TestElementsFile)
#include "tst_elementsfile.moc"
