// Finding an element by any of its names.

#include <QtTest>

#include "elements/ElementNames.h"

class TestElementNames : public QObject {
    Q_OBJECT

private slots:
    void match_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QVector<int>>("found");  // best first; only the first ones compared
        using V = QVector<int>;
        QTest::newRow("Chinese") << "钨" << V{74};
        QTest::newRow("Chinese beyond the basic plane") << "𬭳" << V{106};
        QTest::newRow("pinyin without tone") << "wu" << V{74};
        QTest::newRow("pinyin with tone mark") << "tiě" << V{26};
        QTest::newRow("pinyin with tone number") << "tie3" << V{26};
        QTest::newRow("upper case pinyin") << "TIE" << V{26};
        QTest::newRow("tone mark picks among equals") << "xǐ" << V{106, 34, 50};
        QTest::newRow("tone number picks among equals") << "xi1" << V{34, 50, 106};
        QTest::newRow("v for ü") << "lv4" << V{17};
        QTest::newRow("English") << "tungsten" << V{74};
        QTest::newRow("other spelling") << "caesium" << V{55};
        QTest::newRow("beginning of a name") << "tungs" << V{74};
        QTest::newRow("whole names before beginnings") << "na" << V{11, 93, 10};
        QTest::newRow("symbol") << "W" << V{74};
        QTest::newRow("number") << "74" << V{74};
        QTest::newRow("no such number") << "110" << V{};
        QTest::newRow("CAS number") << " 7439-89-6 " << V{26};
        QTest::newRow("CAS number, wrong check digit") << "7439-89-5" << V{};
        QTest::newRow("no match") << "xyz" << V{};
        QTest::newRow("blank") << "  " << V{};
    }
    void match()
    {
        QFETCH(QString, typed);
        QFETCH(QVector<int>, found);
        const QVector<int> all = ElementNames::match(typed);
        QCOMPARE(all.mid(0, found.size()), found);
        if (found.isEmpty()) QVERIFY(all.isEmpty());
    }

    void suggestion()
    {
        QCOMPARE(ElementNames::suggestion(*ElementNames::find(26)), "铁 Fe 26 tiě iron");
        QVERIFY(!ElementNames::find(110));
    }
};

QTEST_GUILESS_MAIN(TestElementNames)
#include "tst_elementnames.moc"
