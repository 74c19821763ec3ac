// The element card: its exact lines for the shipped iron and for a record with gaps, the
// temperatures in °C, and the two clipboard formats.

#include <QMimeData>
#include <QtTest>
#include <memory>

#include "elements/ElementCard.h"
#include "files/ElementFile.h"
#include "files/ModVantrel.h"

using mod_Vantrel::ElementRecordType;
Q_DECLARE_METATYPE(ElementRecordType)

namespace {

ElementRecordType shippedRecord(int atomicNumber)
{
    ElementRecordType found;
    ElementFile::scan(ElementFile::Numbers::Any, [&](const ElementRecordType &record) {
        if (record.AtomicNumber != atomicNumber) return ElementFile::Next::Continue;
        found = record;
        return ElementFile::Next::Stop;
    });
    return found;
}

// Every value the data can leave out, left out.
ElementRecordType recordWithGaps()
{
    ElementRecordType r;
    r.AtomicNumber = 109;
    r.AtomicWeight = 278;
    r.StableOxidationStates = QStringLiteral("-");
    r.OxidationStates = QStringLiteral("#+1#-");
    r.EConfigText1 = r.EConfigText2 = r.EConfigText3 = r.EConfigText4 = QStringLiteral("0");
    r.Symbol = QStringLiteral("Mt");
    r.ElementName = QStringLiteral("鿏");
    return r;
}

}  // namespace

class TestElementCard : public QObject {
    Q_OBJECT

private slots:
    void text_data()
    {
        QTest::addColumn<ElementRecordType>("record");
        QTest::addColumn<QString>("card");
        QTest::newRow("iron, every value")
            << shippedRecord(26)
            << "铁 Fe\n原子序数 26\n原子量 55.845\n"
               "熔点 1811.15 K（1538 °C）\n沸点 3134.15 K（2861 °C）\n"
               "密度 7.874 g/cm³\n氧化态 +2,+3（常见），+1,+4,+5,+6\n"
               "电子结构 [Ar]3d6 4s2";
        QTest::newRow("gaps")
            << recordWithGaps()
            << "鿏 Mt\n原子序数 109\n原子量 278\n熔点 无数据\n沸点 无数据\n"
               "密度 无数据\n氧化态 无数据\n电子结构 无数据";
    }
    void text()
    {
        QFETCH(ElementRecordType, record);
        QFETCH(QString, card);
        QCOMPARE(ElementCard::text(record), card);
    }

    void celsius_data()
    {
        QTest::addColumn<float>("kelvin");
        QTest::addColumn<QString>("celsius");
        QTest::newRow("iron melts") << 1811.15f << "1538";
        QTest::newRow("hydrogen boils") << 20.271f << "-252.879";
        QTest::newRow("water freezes") << 273.15f << "0";
        QTest::newRow("absolute zero") << 0.f << "-273.15";
    }
    void celsius()
    {
        QFETCH(float, kelvin);
        QFETCH(QString, celsius);
        QCOMPARE(ElementCard::celsiusText(kelvin), celsius);
    }

    void clipboardFormats()
    {
        const ElementRecordType iron = shippedRecord(26);
        std::unique_ptr<QMimeData> data(ElementCard::mimeData(iron));
        QCOMPARE(data->formats(), QStringList({"text/plain", "text/html"}));
        QCOMPARE(data->text(), ElementCard::text(iron));
        const QString html = data->html();
        QVERIFY(html.contains("<tr><td>熔点</td><td>1811.15 K（1538 °C）</td></tr>"));
        QVERIFY(html.contains("<td>[Ar]3d<sup>6</sup> 4s<sup>2</sup></td>"));
        QCOMPARE(html.count("<tr>"), ElementCard::text(iron).count('\n') + 1);
    }
};

QTEST_GUILESS_MAIN(TestElementCard)
#include "tst_elementcard.moc"
