#include <QBuffer>
#include <QTest>

#include "elements/ValueSources.h"
#include "files/DataError.h"
#include "files/DataFiles.h"
#include "files/ModVantrel.h"
#include "properties/PropertyCatalogue.h"
#include "properties/PropertyFile.h"

class TestProperties : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { DataFiles::setProgramFolder(QStringLiteral(FERROVA_SOURCE_DIR)); }
    void catalogueMatchesFileAndSources();
    void independentReferences_data();
    void independentReferences();
    void refusedFiles_data();
    void refusedFiles();
};

// Every property of the catalogue is in the shipped file with its unit (the reader
// refuses it otherwise), every value has a source that data/sources.csv defines, and
// every chartable property has numbers for at least 15 elements (critical pressure has 20).
void TestProperties::catalogueMatchesFileAndSources()
{
    const PropertyTable &table = PropertyFile::shipped();
    for (const Property &property : PropertyCatalogue::all()) {
        const QString column = QString::fromUtf8(property.column);
        QVERIFY2(table.hasColumn(column), property.key);
        QVERIFY2(PropertyCatalogue::find(QString::fromUtf8(property.key)) == &property,
                 property.key);
        int numbers = 0;
        for (int z = 1; z <= mod_Vantrel::kElementCount; ++z) {
            const PropertyCell *cell = table.cell(z, column);
            QVERIFY(cell);
            QCOMPARE(cell->text.isEmpty(), cell->source.isEmpty());
            for (const QString &code : cell->source.split(QLatin1Char('+'), Qt::SkipEmptyParts))
                QVERIFY2(ValueSources::isDefined(code),
                         qPrintable(column + QLatin1Char(' ') + code));
            if (PropertyCatalogue::value(z, QString::fromUtf8(property.key))) ++numbers;
        }
        if (property.chartable) QVERIFY2(numbers >= 15, property.key);
    }
}

// Rows checked against the Blue Obelisk element list (bodr-elements.xml), which the
// file's values were not taken from, and against the everyday textbook facts.
void TestProperties::independentReferences_data()
{
    QTest::addColumn<int>("z");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Fe electronegativity") << 26 << "electronegativity"
                                          << "1.83";
    QTest::newRow("F electronegativity") << 9 << "electronegativity"
                                         << "3.98";
    QTest::newRow("Fe first ionisation, eV") << 26 << "ionisation-ev"
                                             << "7.9024681 eV";
    QTest::newRow("Fe first ionisation, kJ/mol") << 26 << "ionisation"
                                                 << "762.5 kJ/mol";
    QTest::newRow("Na first ionisation") << 11 << "ionisation-ev"
                                         << "5.13907696 eV";
    QTest::newRow("C van der Waals radius") << 6 << "vdw-radius"
                                            << "170 pm";
    QTest::newRow("Fe crystal") << 26 << "crystal-structure"
                                << "体心立方";
    QTest::newRow("Cu crystal") << 29 << "crystal-structure"
                                << "面心立方";
    QTest::newRow("Si crystal") << 14 << "crystal-structure"
                                << "金刚石型";
    QTest::newRow("Fe category") << 26 << "category"
                                 << "过渡金属";
    QTest::newRow("Na category") << 11 << "category"
                                 << "碱金属";
    QTest::newRow("Ce category") << 58 << "category"
                                 << "镧系元素";
    QTest::newRow("Fe CAS") << 26 << "cas"
                            << "7439-89-6";
    QTest::newRow("Nd discovery, not 1925") << 60 << "discovery-year"
                                            << "1885";
    QTest::newRow("He sea water, exponent") << 2 << "abundance-sea"
                                            << "7×10⁻⁶ mg/L";
    QTest::newRow("Fe no discovery year") << 26 << "discovery-year"
                                          << "无数据";
}

void TestProperties::independentReferences()
{
    QFETCH(int, z);
    QFETCH(QString, key);
    QFETCH(QString, shown);
    const Property *property = PropertyCatalogue::find(key);
    QVERIFY(property);
    QCOMPARE(PropertyCatalogue::text(z, *property), shown);
}

namespace {

// A file the catalogue accepts, with one row: `row` fills the cells of element 1.
QByteArray fileWith(const QByteArray &row, const QByteArray &unitOverride = {})
{
    QByteArray header = "Z,symbol";
    QByteArray cells = "1,H";
    for (const Property &property : PropertyCatalogue::all()) {
        const QByteArray column(property.column);
        if (header.contains("," + column + ",") || header.contains("," + column + " [")) continue;
        QByteArray unit = property.fileUnit;
        if (!unitOverride.isEmpty() && column == "thermal_conductivity") unit = unitOverride;
        header += "," + column + (unit.isEmpty() ? "" : " [" + unit + "]") + "," + column +
                  "_src," + column + "_note";
        cells += ",,,";
    }
    return header + "\n" + (row.isEmpty() ? cells : row) + "\n";
}

}  // namespace

void TestProperties::refusedFiles_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("line");
    const QByteArray good = fileWith({});
    QTest::newRow("empty") << QByteArray() << int(DataError::Kind::PastEnd) << 0;
    QTest::newRow("other unit") << fileWith({}, "W/(cm·K)") << int(DataError::Kind::BadTable) << 1;
    QTest::newRow("short row") << fileWith("1,H,3") << int(DataError::Kind::BadTable) << 2;
    QTest::newRow("no such element") << QByteArray(good).replace("\n1,H", "\n110,Ds")
                                     << int(DataError::Kind::NoSuchElement) << 2;
    QTest::newRow("twice") << good + good.mid(good.indexOf('\n') + 1)
                           << int(DataError::Kind::BadTable) << 3;
    QTest::newRow("quote") << QByteArray(good).replace("\n1,H", "\n1,\"H")
                           << int(DataError::Kind::BadTable) << 2;
    QTest::newRow("rows missing") << good << int(DataError::Kind::PastEnd) << 2;
    QByteArray number = good;
    const int at = number.indexOf("electronegativity");
    QVERIFY(at > 0);
    const int commas = number.left(at).count(',');
    QList<QByteArray> cells = number.split('\n').at(1).split(',');
    cells[commas] = "1,8";  // a decimal comma splits the row: one column too many
    QTest::newRow("decimal comma") << number.left(number.indexOf('\n') + 1) + cells.join(',') + "\n"
                                   << int(DataError::Kind::BadTable) << 2;
    cells[commas] = "1.8x";
    QTest::newRow("not a number") << number.left(number.indexOf('\n') + 1) + cells.join(',') + "\n"
                                  << int(DataError::Kind::NotANumber) << 2;
}

void TestProperties::refusedFiles()
{
    QFETCH(QByteArray, contents);
    QFETCH(int, kind);
    QFETCH(int, line);
    QBuffer buffer(&contents);
    buffer.open(QIODevice::ReadOnly);
    try {
        PropertyFile::read(buffer, QStringLiteral("Properties.csv"));
        QFAIL("accepted");
    } catch (const DataError &e) {
        QCOMPARE(int(e.kind()), kind);
        QCOMPARE(e.line(), line);
        QVERIFY(!e.detail().isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestProperties)
#include "tst_properties.moc"
