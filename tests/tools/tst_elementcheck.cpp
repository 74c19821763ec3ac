// Rules of the element data checker: single records, the whole set, and file layout.

#include <QtTest>
#include <functional>

#include "element_check.h"

using mod_Vantrel::ElementRecordType;
using Edit = std::function<void(ElementRecordType &)>;
Q_DECLARE_METATYPE(Edit)

namespace {

// A correct record (iron) for the rules to start from.
ElementRecordType iron()
{
    ElementRecordType r;
    r.AtomicNumber = 26;
    r.AtomicWeight = 55.845f;
    r.BoilingPoint = 3134.15f;
    r.MeltingPoint = 1811.15f;
    r.Density = 7.874f;
    r.SkippedInteger = 8;
    r.EConfigText1 = QStringLiteral("[Ar]3d");
    r.EConfigCount1 = 6;
    r.EConfigText2 = QStringLiteral("4s");
    r.EConfigCount2 = 2;
    r.EConfigText3 = r.EConfigText4 = QStringLiteral("0");
    r.AtomicRadius = 1.4f;
    r.CovalentRadius = 1.16f;
    r.ElectronAffinity = 14.6f;
    r.FusionEnthalpy = 13.8f;
    r.VaporisationEnthalpy = 340;
    r.StableOxidationStates = QStringLiteral("+2#+3");
    r.OxidationStates = QStringLiteral("-2#-1#+1#+4#+5#+6");
    r.SkippedText = QStringLiteral("Iron");
    r.PhaseCode = QStringLiteral("S");
    r.Symbol = QStringLiteral("Fe");
    r.ElementName = QStringLiteral("铁");
    return r;
}

QByteArray line(int z, const QByteArray &phase = "S", const QByteArray &numbers = {})
{
    // A record for element z that passes every rule: the nearest noble-gas core below z,
    // then the remaining electrons spread over f, d, s and p subshells.
    static const int cores[] = {0, 2, 10, 18, 36, 54, 86};
    static const char *names[] = {"", "[He]", "[Ne]", "[Ar]", "[Kr]", "[Xe]", "[Rn]"};
    int c = 0;
    while (c + 1 < 7 && cores[c + 1] < z) ++c;
    const int rest = z - cores[c];
    // Rest is at most 32: split over f, d, s, p as needed.
    int parts[4] = {qMin(rest, 14), 0, 0, 0};
    int left = rest - parts[0];
    parts[1] = qMin(left, 10);
    left -= parts[1];
    parts[2] = qMin(left, 2);
    left -= parts[2];
    parts[3] = left;
    const char *shells[] = {"4f", "5d", "6s", "6p"};
    QByteArrayList texts, counts;
    for (int i = 0; i < 4; ++i) {
        if (parts[i] > 0) {
            texts << QByteArray(i == 0 ? names[c] : "") + shells[i];
            counts << QByteArray::number(parts[i]);
        }
    }
    while (texts.size() < 4) {
        texts << "0";
        counts << "0";
    }
    const QByteArray nums = numbers.isEmpty()
                                ? QByteArray::number(z) + "," + QByteArray::number(2 * z + 1) +
                                      ",2000,1000,5,1," + counts.join(',') + ",1,1,0,1,1"
                                : numbers;
    return nums + ",\"-\t-\t" + texts.join('\t') + "\tX\t" + phase + "\tXx\tx\"\r\n";
}

QByteArray wholeFile()
{
    QByteArray bytes;
    for (int z = 1; z <= 109; ++z) bytes += line(z);
    return bytes;
}

bool mentions(const QList<ElementCheck::Problem> &problems, const QString &text, int lineNo = -1)
{
    for (const auto &p : problems)
        if (p.message.contains(text) && (lineNo < 0 || p.line == lineNo)) return true;
    return false;
}

QString listed(const QList<ElementCheck::Problem> &problems)
{
    QStringList out;
    for (const auto &p : problems) out << QStringLiteral("%1: %2").arg(p.line).arg(p.message);
    return out.join(QStringLiteral("; "));
}

}  // namespace

class TestElementCheck : public QObject {
    Q_OBJECT

private slots:
    void correctRecordPasses()
    {
        const auto problems = ElementCheck::checkRecord(iron(), 7);
        QVERIFY2(problems.isEmpty(), qPrintable(listed(problems)));
    }

    void recordRules_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QString>("expected");

        QTest::newRow("number 0") << Edit([](auto &r) { r.AtomicNumber = 0; }) << "outside 1..109";
        QTest::newRow("phase lower case")
            << Edit([](auto &r) { r.PhaseCode = "s"; }) << "phase code";
        QTest::newRow("negative density")
            << Edit([](auto &r) { r.Density = -7.874f; }) << "negative density";
        QTest::newRow("negative covalent radius")
            << Edit([](auto &r) { r.CovalentRadius = -1; }) << "negative covalent radius";
        QTest::newRow("negative vaporisation") << Edit([](auto &r) { r.VaporisationEnthalpy = -1; })
                                               << "negative enthalpy of vaporisation";
        QTest::newRow("no weight")
            << Edit([](auto &r) { r.AtomicWeight = 0; }) << "atomic weight missing";
        QTest::newRow("melting above boiling")
            << Edit([](auto &r) { std::swap(r.MeltingPoint, r.BoilingPoint); })
            << "above boiling point";
        QTest::newRow("solid melting below room")
            << Edit([](auto &r) { r.MeltingPoint = 250; }) << "phase S";
        QTest::newRow("liquid melting above room")
            << Edit([](auto &r) { r.PhaseCode = "L"; }) << "phase L";
        QTest::newRow("configuration one short")
            << Edit([](auto &r) { r.EConfigCount1 = 5; }) << "holds 25 electrons";
        QTest::newRow("d shell overfull") << Edit([](auto &r) {
            r.EConfigCount1 = 11;
            r.EConfigCount2 = 2;
            r.AtomicNumber = 31;
            r.AtomicWeight = 69.7f;
        }) << "electrons in 3d";
        QTest::newRow("pair after unused pair") << Edit([](auto &r) {
            r.EConfigText2 = "0";
            r.EConfigCount2 = 0;
            r.EConfigText3 = "4s";
            r.EConfigCount3 = 2;
        }) << "follows an unused pair";
        QTest::newRow("unsigned state") << Edit([](auto &r) { r.StableOxidationStates = "2#3"; })
                                        << "not a signed oxidation state";
        QTest::newRow("state in both lists") << Edit([](auto &r) { r.OxidationStates = "+3#+6"; })
                                             << "listed as stable and as other";
        QTest::newRow("state twice")
            << Edit([](auto &r) { r.StableOxidationStates = "+2#+2"; }) << "listed twice";
        QTest::newRow("bad symbol")
            << Edit([](auto &r) { r.Symbol = "FE"; }) << "not an element symbol";
    }

    void recordRules()
    {
        QFETCH(Edit, edit);
        QFETCH(QString, expected);
        ElementRecordType r = iron();
        edit(r);
        const auto problems = ElementCheck::checkRecord(r, 7);
        QVERIFY2(mentions(problems, expected, 7), qPrintable(listed(problems)));
    }

    void unknownValuesAreNotProblems()
    {
        ElementRecordType r = iron();
        r.BoilingPoint = r.MeltingPoint = r.Density = r.AtomicRadius = 0;
        r.ElectronAffinity = r.FusionEnthalpy = r.VaporisationEnthalpy = 0;
        r.StableOxidationStates = r.OxidationStates = QStringLiteral("-");
        r.PhaseCode = QStringLiteral("Y");
        const auto problems = ElementCheck::checkRecord(r, 1);
        QVERIFY2(problems.isEmpty(), qPrintable(listed(problems)));
    }

    void sublimingElementsAreExcused()
    {
        ElementRecordType carbon = iron();
        carbon.AtomicNumber = 6;
        carbon.AtomicWeight = 12.011f;
        carbon.MeltingPoint = 4762.15f;
        carbon.BoilingPoint = 4098.15f;
        carbon.EConfigText1 = QStringLiteral("[He]2s");
        carbon.EConfigCount1 = 2;
        carbon.EConfigText2 = QStringLiteral("2p");
        carbon.EConfigCount2 = 2;
        QVERIFY(!mentions(ElementCheck::checkRecord(carbon, 6), QStringLiteral("above boiling")));

        ElementRecordType other = carbon;
        other.AtomicNumber = 8;  // same temperatures on an element without the excuse
        other.EConfigCount2 = 4;
        QVERIFY(mentions(ElementCheck::checkRecord(other, 8), QStringLiteral("above boiling")));

        for (const auto &e : ElementCheck::meltingAboveBoilingExceptions())
            QVERIFY(QByteArray(e.why).size() > 20);  // every exception says why
    }

    void wholeFileOfValidRecordsPasses()
    {
        const auto problems = ElementCheck::checkFile(wholeFile(), QStringLiteral("t.prn"));
        QVERIFY2(problems.isEmpty(), qPrintable(listed(problems)));
    }

    void fileProblems_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("expected");

        QByteArray bytes = wholeFile();
        QTest::newRow("LF line ends")
            << QByteArray(bytes).replace("\r\n", "\n") << 1 << "LF, not CR LF";
        QTest::newRow("no final line end") << bytes.left(bytes.size() - 2) << 0 << "no CR LF";
        QTest::newRow("blank line at the end") << bytes + "\r\n" << 110 << "blank line";
        QTest::newRow("broken UTF-8")
            << QByteArray(bytes).replace("\tx\"", "\t\xFFx\"") << 0 << "UTF-8";

        QByteArrayList lines = bytes.split('\n');
        auto withLine = [&](int z, const QByteArray &text) {
            QByteArrayList copy = lines;
            copy[z - 1] = text;
            return copy.join('\n');
        };
        QByteArray fe = line(26);
        QTest::newRow("too few tabs")
            << withLine(26, QByteArray(fe).replace("\tX\t", "X\t").chopped(1)) << 26
            << "fewer than nine TABs";
        QTest::newRow("too many tabs")
            << withLine(26, QByteArray(fe).replace("\tx\"", "\tx\ty\"").chopped(1)) << 26
            << "10 TABs";
        QTest::newRow("letter in a number")
            << withLine(26, QByteArray(fe).replace("26,53,", "26,5e,").chopped(1)) << 26
            << "not a number";
        QTest::newRow("extra item") << withLine(26, fe.chopped(2) + ",7\r") << 26 << "more items";
        QTest::newRow("duplicate")
            << withLine(27, line(26).chopped(1)) << 27 << "already on line 26";
        QTest::newRow("phase code") << withLine(30, line(30, "Q").chopped(1)) << 30 << "phase code";
    }

    void fileProblems()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, line);
        QFETCH(QString, expected);
        const auto problems = ElementCheck::checkFile(bytes, QStringLiteral("t.prn"));
        QVERIFY2(mentions(problems, expected, line), qPrintable(listed(problems)));
    }

    // A broken record must not hide the problems on later lines.
    void laterLinesStillChecked()
    {
        QByteArrayList lines = wholeFile().split('\n');
        lines[9] = "10,oops\r";
        lines[59] = line(60, "Q").chopped(1);
        const auto problems = ElementCheck::checkFile(lines.join('\n'), QStringLiteral("t.prn"));
        QVERIFY(mentions(problems, QStringLiteral("not a number"), 10));
        QVERIFY(mentions(problems, QStringLiteral("phase code"), 60));
        QVERIFY(mentions(problems, QStringLiteral("element 10 missing"), 0));
    }
};

QTEST_GUILESS_MAIN(TestElementCheck)
#include "tst_elementcheck.moc"
