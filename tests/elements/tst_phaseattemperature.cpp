// The state of matter from the melting and boiling points, at and between the boundaries.

#include <QtTest>
#include <cmath>

#include "elements/PhaseAtTemperature.h"

using PhaseAtTemperature::Phase;

class TestPhaseAtTemperature : public QObject {
    Q_OBJECT

private slots:
    void phaseAt_data()
    {
        QTest::addColumn<float>("melting");
        QTest::addColumn<float>("boiling");
        QTest::addColumn<double>("kelvin");
        QTest::addColumn<Phase>("phase");
        const float feMelt = 1811.15f, feBoil = 3134.15f, cSubl = 4098.15f, cTriple = 4762.15f;
        QTest::newRow("solid") << feMelt << feBoil << 300.0 << Phase::Solid;
        QTest::newRow("absolute zero") << feMelt << feBoil << 0.0 << Phase::Solid;
        QTest::newRow("just below melting") << feMelt << feBoil << 1811.14 << Phase::Solid;
        QTest::newRow("at melting") << feMelt << feBoil << 1811.15 << Phase::Liquid;
        QTest::newRow("liquid") << feMelt << feBoil << 2273.15 << Phase::Liquid;
        QTest::newRow("at boiling") << feMelt << feBoil << 3134.15 << Phase::Liquid;
        QTest::newRow("just above boiling")
            << feMelt << feBoil << double(std::nextafter(feBoil, 1e9f)) << Phase::Gas;
        QTest::newRow("sublimes, below") << cTriple << cSubl << 300.0 << Phase::Solid;
        QTest::newRow("sublimes, at boiling") << cTriple << cSubl << 4098.15 << Phase::Solid;
        QTest::newRow("sublimes, above") << cTriple << cSubl << 4200.0 << Phase::Gas;
        QTest::newRow("sublimes, above melting") << cTriple << cSubl << 5000.0 << Phase::Gas;
        QTest::newRow("neither point") << 0.f << 0.f << 300.0 << Phase::Unknown;
        QTest::newRow("no melting, gas") << 0.f << 4.222f << 300.0 << Phase::Gas;
        QTest::newRow("no melting, below boiling") << 0.f << 4.222f << 2.0 << Phase::Unknown;
        QTest::newRow("no boiling, solid") << 575.15f << 0.f << 300.0 << Phase::Solid;
        QTest::newRow("no boiling, above melting") << 575.15f << 0.f << 600.0 << Phase::Unknown;
    }
    void phaseAt()
    {
        QFETCH(float, melting);
        QFETCH(float, boiling);
        QFETCH(double, kelvin);
        QFETCH(Phase, phase);
        QCOMPARE(PhaseAtTemperature::phaseAt(melting, boiling, kelvin), phase);
    }
};

QTEST_APPLESS_MAIN(TestPhaseAtTemperature)
#include "tst_phaseattemperature.moc"
