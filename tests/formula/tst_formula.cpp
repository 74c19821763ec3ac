#include <QTest>

#include "formula/FormulaMass.h"
#include "formula/FormulaParser.h"

class TestFormula : public QObject {
    Q_OBJECT
private:
    FormulaMass::Weights m_weights;

private slots:
    void initTestCase() { m_weights = FormulaMass::Weights::fromFile(); }

    // Handbook molar masses (g/mol) of what students weigh, in every way they write it.
    void molarMass_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<double>("grams");
        QTest::addColumn<int>("charge");
        QTest::newRow("water") << "H2O" << 18.015 << 0;
        QTest::newRow("subscripts") << "H₂O" << 18.015 << 0;
        QTest::newRow("blue vitriol") << "CuSO4·5H2O" << 249.68 << 0;
        QTest::newRow("bullet, spaces") << "CuSO4 • 5H2O" << 249.68 << 0;
        QTest::newRow("asterisk") << "CuSO4*5H2O" << 249.68 << 0;
        QTest::newRow("full stop") << "CuSO4.5H2O" << 249.68 << 0;
        QTest::newRow("calcium phosphate") << "Ca3(PO4)2" << 310.17 << 0;
        QTest::newRow("ferrocyanide hydrate") << "K4[Fe(CN)6]·3H2O" << 422.39 << 0;
        QTest::newRow("full-width brackets") << "Ca（OH）2" << 74.09 << 0;
        QTest::newRow("full-width letters") << "Ｃａ（ＯＨ）２" << 74.09 << 0;
        QTest::newRow("braces") << "{[(CH3)]2}2" << 60.14 << 0;
        QTest::newRow("CO is not Co") << "CO" << 28.010 << 0;
        QTest::newRow("cobalt") << "Co" << 58.933 << 0;
        QTest::newRow("leading count") << "2H2O" << 36.031 << 0;
        QTest::newRow("alum") << "KAl(SO4)2·12H2O" << 474.37 << 0;
        QTest::newRow("heavy water") << "D2O" << 20.027 << 0;
        QTest::newRow("tritiated water") << "T2O" << 22.031 << 0;
        QTest::newRow("sulfate, caret") << "SO4^2-" << 96.06 << -2;
        QTest::newRow("sulfate, space") << "SO4 2-" << 96.06 << -2;
        QTest::newRow("sulfate, superscript") << "SO₄²⁻" << 96.06 << -2;
        QTest::newRow("ferricyanide") << "[Fe(CN)6]3-" << 211.95 << -3;
        QTest::newRow("ammonium") << "NH4+" << 18.038 << 1;
        QTest::newRow("iron(III), caret") << "Fe^3+" << 55.843 << 3;
        QTest::newRow("signs counted") << "Fe+++" << 55.843 << 3;
    }
    void molarMass()
    {
        QFETCH(QString, formula);
        QFETCH(double, grams);
        QFETCH(int, charge);
        Formula::Error error;
        const auto parsed = Formula::parse(formula, &error);
        QVERIFY2(parsed, qPrintable(error.message()));
        QCOMPARE(parsed->charge, charge);
        const FormulaMass::Result result = FormulaMass::compute(*parsed, m_weights);
        QVERIFY2(qAbs(result.molarMass - grams) < 0.01, qPrintable(result.massText));
        // Shown to no more digits than the weights and their uncertainty carry.
        QVERIFY2(qAbs(result.massText.section(' ', 0, 0).toDouble() - grams) < 0.01,
                 qPrintable(result.massText));
    }

    void rounding()
    {
        const auto mass = [this](const char *formula) {
            return FormulaMass::compute(*Formula::parse(QString::fromUtf8(formula), nullptr),
                                        m_weights);
        };
        QCOMPARE(mass("H2O").massText, QStringLiteral("18.015 ± 0.002"));
        QCOMPARE(mass("CuSO4·5H2O").massText, QStringLiteral("249.68 ± 0.03"));
        // A mass number is no weight: the result says so and claims no uncertainty.
        const FormulaMass::Result technetium = mass("TcO4-");
        QVERIFY(technetium.lines.first().massNumber);
        QVERIFY(technetium.uncertainty < 0);
        QVERIFY(technetium.notes.join(' ').contains(QStringLiteral("质量数")));
        QVERIFY(technetium.notes.join(' ').contains(QStringLiteral("电子")));
    }

    // Where the message points, counted in characters from 1 (0: the whole formula).
    void errors_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("says");
        QTest::newRow("no such element") << "Xx2" << 1 << "第 1 个字符：没有元素 'Xx'";
        QTest::newRow("unknown inside") << "CuSO4Xx" << 6 << "没有元素 'Xx'";
        QTest::newRow("lower case") << "co" << 1 << "大写字母";
        QTest::newRow("unclosed") << "Ca3(PO4" << 4 << "没有配对的右括号";
        QTest::newRow("stray closing") << "H2O)" << 4 << "前面没有配对的左括号";
        QTest::newRow("wrong kind") << "K4[Fe(CN)6)" << 11 << "不配对";
        QTest::newRow("empty brackets") << "H2()" << 3 << "括号里没有元素";
        QTest::newRow("zero count") << "H0" << 2 << "不能是 0";
        QTest::newRow("nothing after the dot") << "CuSO4·" << 6 << "后面缺少内容";
        QTest::newRow("count alone") << "CuSO4·5" << 7 << "没有元素";
        QTest::newRow("space inside") << "Cu SO4" << 3 << "空格";
        QTest::newRow("space in brackets") << "Ca( OH)2" << 4 << "空格";
        QTest::newRow("charge or count") << "Fe3+" << 3 << "分不清";
        QTest::newRow("two-digit charge or count") << "SO42-" << 3 << "分不清";
        QTest::newRow("charge not last") << "Na+Cl" << 3 << "最后";
        QTest::newRow("mixed signs") << "Fe+-" << 4 << "正负号";
        QTest::newRow("strange character") << "H2O!" << 4 << "不认识";
        QTest::newRow("count overflow") << "(((H999999)999999)999999)" << 18 << "太大";
        QTest::newRow("empty") << "   " << 0 << "请输入";
        QTest::newRow("too deep") << QString(101, '(') + "H" + QString(101, ')') << 101 << "100 层";
        QTest::newRow("too long") << QString(10001, 'H') << 0 << "太长";
    }
    void errors()
    {
        QFETCH(QString, formula);
        QFETCH(int, position);
        QFETCH(QString, says);
        Formula::Error error;
        QVERIFY(!Formula::parse(formula, &error));
        QCOMPARE(error.position, position);
        QVERIFY2(error.message().contains(says), qPrintable(error.message()));
    }

    // The largest formula allowed, at the deepest nesting, answers (in well under 10 ms on
    // the reference machine: bench/bench_formula measures it).
    void largestFormula()
    {
        QString formula = QString(100, '(') + "CuSO4" + QString(100, ')');
        while (formula.size() + 6 <= Formula::kMaxLength) formula += "·5H2O";
        formula += QString(Formula::kMaxLength - formula.size(), 'H');
        QCOMPARE(formula.size(), Formula::kMaxLength);
        Formula::Error error;
        const auto parsed = Formula::parse(formula, &error);
        QVERIFY2(parsed, qPrintable(error.message()));
        QVERIFY(FormulaMass::compute(*parsed, m_weights).molarMass > 0);
    }
};

QTEST_GUILESS_MAIN(TestFormula)
#include "tst_formula.moc"
