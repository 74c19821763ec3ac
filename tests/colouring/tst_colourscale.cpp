#include <QtTest>
#include <cmath>

#include "colouring/ColourScale.h"
#include "colouring/Legend.h"

using Kind = ColourScale::Kind;

namespace {

const double kNone = std::nan("");

// Elements 1, 2, 3, ... with `list`'s values; kNone leaves one without.
PropertyValues valuesOf(const QVector<double> &list, bool logScale = false)
{
    PropertyValues values;
    values.label = QStringLiteral("熔点");
    values.unit = QStringLiteral("K");
    values.logScale = logScale;
    for (int i = 0; i < list.size(); ++i)
        if (!std::isnan(list[i])) values.setValue(i + 1, list[i]);
    return values;
}

}  // namespace

class TestColourScale : public QObject {
    Q_OBJECT
private slots:
    void scale_data();
    void scale();
    void symbolsReadOnTheWholeScale();
    void legendNamesTheExtremes();
};

void TestColourScale::scale_data()
{
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<bool>("logHint");
    QTest::addColumn<double>("probe");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<double>("position");
    QTest::addColumn<QColor>("symbol");  // on the probe's colour

    const QColor black(Qt::black);
    const QColor white(Qt::white);
    QTest::newRow("linear, the lowest dark")
        << QVector<double>{1, 2, 3} << false << 1.0 << Kind::Linear << 0.0 << white;
    QTest::newRow("linear, the middle teal takes black")
        << QVector<double>{1, 2, 3} << false << 2.0 << Kind::Linear << 0.5 << black;
    QTest::newRow("linear, the highest light")
        << QVector<double>{1, 2, 3} << false << 3.0 << Kind::Linear << 1.0 << black;
    QTest::newRow("negative values")
        << QVector<double>{-10, 0, 10} << false << 0.0 << Kind::Linear << 0.5 << black;
    QTest::newRow("two decades stay linear")
        << QVector<double>{1, 100} << false << 50.5 << Kind::Linear << 0.5 << black;
    QTest::newRow("three decades: logarithmic")
        << QVector<double>{1, 1000} << false << 10.0 << Kind::Logarithmic << 1.0 / 3 << white;
    QTest::newRow("a zero keeps it linear")
        << QVector<double>{0, 1, 1000} << false << 500.0 << Kind::Linear << 0.5 << black;
    QTest::newRow("logarithmic when the property asks")
        << QVector<double>{1, 100} << true << 10.0 << Kind::Logarithmic << 0.5 << black;
    QTest::newRow("missing values left out")
        << QVector<double>{kNone, 2, kNone, 4} << false << 3.0 << Kind::Linear << 0.5 << black;
    QTest::newRow("values beyond the ends clamped")
        << QVector<double>{2, 4} << false << 9.0 << Kind::Linear << 1.0 << black;
    QTest::newRow("one element only")
        << QVector<double>{kNone, 7} << false << 7.0 << Kind::Single << 0.5 << black;
    QTest::newRow("all equal") << QVector<double>{5, 5, 5} << false << 5.0 << Kind::Single << 0.5
                               << black;
    QTest::newRow("no value at all")
        << QVector<double>{kNone, kNone} << false << 1.0 << Kind::Empty << 0.5 << QColor();
}

void TestColourScale::scale()
{
    QFETCH(QVector<double>, values);
    QFETCH(bool, logHint);
    QFETCH(double, probe);
    QFETCH(Kind, kind);
    QFETCH(double, position);
    QFETCH(QColor, symbol);

    const ColourScale scale(valuesOf(values, logHint));
    QCOMPARE(scale.kind(), kind);
    QVERIFY(std::abs(scale.position(probe) - position) < 1e-9);
    const QColor colour = scale.colour(probe);
    QCOMPARE(colour.isValid(), symbol.isValid());
    QVERIFY(!scale.colour(std::nullopt).isValid());
    if (!colour.isValid()) return;
    QCOMPARE(colour, ColourScale::viridis(position));
    QCOMPARE(Contrast::symbolColour(colour), symbol);
    if (kind == Kind::Linear || kind == Kind::Logarithmic)
        QVERIFY(std::abs(scale.valueAt(position) -
                         std::clamp(probe, scale.minimum(), scale.maximum())) < 1e-9);
}

void TestColourScale::symbolsReadOnTheWholeScale()
{
    // The guidelines' own figures: black on white, and grey #777 just short of 4.5.
    QCOMPARE(Contrast::ratio(Qt::black, Qt::white), 21.0);
    QVERIFY(std::abs(Contrast::ratio(QColor(0x77, 0x77, 0x77), Qt::white) - 4.48) < 0.01);
    QCOMPARE(ColourScale::viridis(0), QColor(68, 1, 84));
    QCOMPARE(ColourScale::viridis(1), QColor(253, 231, 37));
    for (int step = 0; step <= 255; ++step) {
        const QColor background = ColourScale::viridis(step / 255.0);
        const double ratio = Contrast::ratio(background, Contrast::symbolColour(background));
        QVERIFY2(ratio >= Contrast::kMinimumRatio, qPrintable(background.name()));
    }
}

void TestColourScale::legendNamesTheExtremes()
{
    // Helium's and carbon's entries; hydrogen without one; lithium shares carbon's value.
    const LegendData legend(valuesOf({kNone, 0.95, 453.7, kNone, kNone, 3823, 3823}));
    QCOMPARE(legend.title, QStringLiteral("熔点 (K)（对数刻度）"));
    QCOMPARE(legend.lowest, QStringLiteral("最低 0.95 K：氦 He"));
    QCOMPARE(legend.highest, QStringLiteral("最高 3823 K：碳 C、氮 N"));
    QCOMPARE(legend.missing, mod_Vantrel::kElementCount - 4);
    const QVector<double> ticks = Legend::ticks(legend.scale);
    QCOMPARE(ticks.first(), 0.95);
    QCOMPARE(ticks.last(), 3823.0);
}

QTEST_GUILESS_MAIN(TestColourScale)
#include "tst_colourscale.moc"
