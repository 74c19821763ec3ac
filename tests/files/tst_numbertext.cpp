// How numbers are shown: whole numbers, and singles in seven significant digits.

#include <QtTest>

#include "files/NumberText.h"

class TestNumberText : public QObject {
    Q_OBJECT

private slots:
    void integerText_data();
    void integerText();
    void singleText_data();
    void singleText();
};

void TestNumberText::integerText_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("negative") << -5 << "-5";
    QTest::newRow("zero") << 0 << "0";
    QTest::newRow("largest") << 32767 << "32767";
    QTest::newRow("smallest") << -32768 << "-32768";
}

void TestNumberText::integerText()
{
    QFETCH(int, value);
    QFETCH(QString, text);

    QCOMPARE(::integerText(qint16(value)), text);
}

void TestNumberText::singleText_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("german");

    QTest::newRow("atomic weight") << 1.00794f << "1.00794" << false;
    QTest::newRow("two decimals") << 14.01f << "14.01" << false;
    QTest::newRow("whole number") << 20.f << "20" << false;
    QTest::newRow("negative") << -2.5f << "-2.5" << false;
    QTest::newRow("zero") << 0.f << "0" << false;
    QTest::newRow("minus zero") << -0.f << "0" << false;
    QTest::newRow("seven digits stay fixed") << 1234567.f << "1234567" << false;
    QTest::newRow("eight digits go scientific") << 16777210.f << "1.677721E+07" << false;
    QTest::newRow("ten to the 10") << 1e10f << "1E+10" << false;
    QTest::newRow("negative scientific") << -16777210.f << "-1.677721E+07" << false;
    QTest::newRow("0.0001 stays fixed") << 0.0001f << "0.0001" << false;
    QTest::newRow("0.00001 goes scientific") << 0.00001f << "1E-05" << false;
    QTest::newRow("density of hydrogen") << 0.0000899f << "8.99E-05" << false;
    QTest::newRow("smallest normal single") << 1.17549435e-38f << "1.175494E-38" << false;
    QTest::newRow("largest single") << 3.4028235e38f << "3.402823E+38" << false;
    QTest::newRow("rounds up to 1E+07") << 9999999.5f << "1E+07" << false;
    QTest::newRow("just below 1E+07") << 9999999.f << "9999999" << false;
    QTest::newRow("just below 0.1") << 0.099999994f << "0.09999999" << false;
    QTest::newRow("rounds up to 2") << 1.99999994f << "2" << false;
    QTest::newRow("seventh digit rounded") << 1.23456789f << "1.234568" << false;
    QTest::newRow("German decimals") << 1.00794f << "1,00794" << true;
    QTest::newRow("German scientific") << 0.0000899f << "8,99E-05" << true;
    QTest::newRow("German whole number") << 16777210.f << "1,677721E+07" << true;
    QTest::newRow("German no group separator") << 1234567.f << "1234567" << true;
}

void TestNumberText::singleText()
{
    QFETCH(float, value);
    QFETCH(QString, text);
    QFETCH(bool, german);

    const QLocale locale = german ? QLocale(QLocale::German, QLocale::Germany) : QLocale::c();
    QCOMPARE(::singleText(value, locale), text);
}

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
