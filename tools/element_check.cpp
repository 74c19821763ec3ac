#include "element_check.h"

#include "elements/ValueSources.h"
#include "files/DataError.h"
#include "files/ListInput.h"

#include <QBuffer>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>

namespace ElementCheck {

namespace {

using mod_Vantrel::ElementRecordType;

constexpr float kRoomTemperature = 298.15f;
constexpr int kTailTabs = 9;

QString kindText(DataError::Kind kind)
{
    switch (kind) {
        case DataError::Kind::TooFewTabs:
            return QStringLiteral("fewer than nine TABs in the text item");
        case DataError::Kind::PastEnd: return QStringLiteral("record ends early");
        case DataError::Kind::Overflow: return QStringLiteral("number out of range");
        case DataError::Kind::NotANumber: return QStringLiteral("not a number");
        case DataError::Kind::TooLong: return QStringLiteral("line too long");
        default: return QStringLiteral("read error");
    }
}

bool isUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    return !decoder.hasError();
}

QString readerProblem(const DataError &e)
{
    if (e.kind() == DataError::Kind::TooFewTabs) return kindText(e.kind());
    return kindText(e.kind()) + QStringLiteral(": ") + e.detail();
}

// Electrons of the noble-gas core written in front of the first subshell.
int coreElectrons(const QString &core)
{
    static const QHash<QString, int> cores = {
        {QStringLiteral("[He]"), 2},  {QStringLiteral("[Ne]"), 10}, {QStringLiteral("[Ar]"), 18},
        {QStringLiteral("[Kr]"), 36}, {QStringLiteral("[Xe]"), 54}, {QStringLiteral("[Rn]"), 86}};
    return cores.value(core, -1);
}

int subshellCapacity(QChar letter)
{
    switch (letter.unicode()) {
        case 's': return 2;
        case 'p': return 6;
        case 'd': return 10;
        case 'f': return 14;
        default: return 0;
    }
}

void checkConfiguration(const ElementRecordType &r, int line, QList<Problem> &out)
{
    const QString texts[4] = {r.EConfigText1, r.EConfigText2, r.EConfigText3, r.EConfigText4};
    const int counts[4] = {r.EConfigCount1, r.EConfigCount2, r.EConfigCount3, r.EConfigCount4};
    static const QRegularExpression kFirst(QStringLiteral("^(\\[[A-Z][a-z]\\])?([1-7][spdf])$"));
    static const QRegularExpression kSubshell(QStringLiteral("^[1-7][spdf]$"));

    int electrons = 0;
    bool unusedSeen = false;
    for (int i = 0; i < 4; ++i) {
        const QString pair = QStringLiteral("configuration pair %1").arg(i + 1);
        if (texts[i] == QLatin1String("0")) {
            if (counts[i] != 0)
                out.append({line, pair + QStringLiteral(": text 0 with count %1").arg(counts[i])});
            unusedSeen = true;
            continue;
        }
        if (unusedSeen) out.append({line, pair + QStringLiteral(" follows an unused pair")});
        QString subshell = texts[i];
        if (i == 0) {
            const auto m = kFirst.match(texts[i]);
            if (!m.hasMatch()) {
                out.append(
                    {line, pair + QStringLiteral(": \"%1\" is not a subshell").arg(texts[i])});
                return;
            }
            if (!m.captured(1).isEmpty()) {
                const int core = coreElectrons(m.captured(1));
                if (core < 0) {
                    out.append(
                        {line,
                         pair + QStringLiteral(": %1 is not a noble-gas core").arg(m.captured(1))});
                    return;
                }
                electrons += core;
            }
            subshell = m.captured(2);
        } else if (!kSubshell.match(subshell).hasMatch()) {
            out.append({line, pair + QStringLiteral(": \"%1\" is not a subshell").arg(texts[i])});
            return;
        }
        const int capacity = subshellCapacity(subshell.at(1));
        if (counts[i] < 1 || counts[i] > capacity)
            out.append({line, pair + QStringLiteral(": %1 electrons in %2 (1 to %3)")
                                         .arg(counts[i])
                                         .arg(subshell)
                                         .arg(capacity)});
        electrons += counts[i];
    }
    if (texts[0] == QLatin1String("0"))
        out.append({line, QStringLiteral("electron configuration is empty")});
    else if (electrons != r.AtomicNumber)
        out.append(
            {line, QStringLiteral("electron configuration holds %1 electrons, atomic number is %2")
                       .arg(electrons)
                       .arg(r.AtomicNumber)});
}

QStringList oxidationStates(const QString &text, const QString &what, int line, QList<Problem> &out)
{
    static const QRegularExpression kState(QStringLiteral("^[+-][0-9]$"));
    if (text == QLatin1String("-")) return {};
    // The other states may start with "#": it shows as the comma after the stable ones.
    const bool other = what.startsWith(QLatin1String("other"));
    const QString list = other && text.startsWith(QLatin1Char('#')) ? text.mid(1) : text;
    const QStringList states = list.split(QLatin1Char('#'));
    for (const QString &s : states)
        if (!kState.match(s).hasMatch()) {
            out.append(
                {line, QStringLiteral("%1: \"%2\" is not a signed oxidation state").arg(what, s)});
            return {};
        }
    return states;
}

}  // namespace

const QList<MeltingAboveBoiling> &meltingAboveBoilingExceptions()
{
    static const QList<MeltingAboveBoiling> list = {
        // Graphite sublimes at 1 atm (3825 C); it melts only at the triple point, about 10 MPa.
        {6,
         "carbon: boiling point is the sublimation point, melting point the triple point at about "
         "10 MPa"},
        // Grey arsenic sublimes at 1 atm; the liquid exists only above about 3.6 MPa.
        {33,
         "arsenic: boiling point is the sublimation point, melting point is under about 3.6 MPa"},
    };
    return list;
}

QList<Problem> checkRecord(const ElementRecordType &r, int line)
{
    QList<Problem> out;
    const int z = r.AtomicNumber;
    if (z < 1 || z > kElementCount)
        out.append(
            {line, QStringLiteral("atomic number %1 outside 1..%2").arg(z).arg(kElementCount)});

    static const QStringList kPhases = {QStringLiteral("S"), QStringLiteral("L"),
                                        QStringLiteral("G"), QStringLiteral("Y")};
    if (!kPhases.contains(r.PhaseCode))
        out.append(
            {line, QStringLiteral("phase code \"%1\" is not S, L, G or Y").arg(r.PhaseCode)});

    static const QRegularExpression kSymbol(QStringLiteral("^[A-Z][a-z]{0,2}$"));
    if (!kSymbol.match(r.Symbol).hasMatch())
        out.append({line, QStringLiteral("\"%1\" is not an element symbol").arg(r.Symbol)});
    if (r.ElementName.trimmed().isEmpty())
        out.append({line, QStringLiteral("element name is empty")});

    const struct {
        float value;
        const char *name;
    } nonNegative[] = {
        {r.AtomicWeight, "atomic weight"},
        {r.BoilingPoint, "boiling point"},
        {r.MeltingPoint, "melting point"},
        {r.Density, "density"},
        {r.AtomicRadius, "atomic radius"},
        {r.CovalentRadius, "covalent radius"},
        {r.FusionEnthalpy, "enthalpy of fusion"},
        {r.VaporisationEnthalpy, "enthalpy of vaporisation"},
    };
    for (const auto &v : nonNegative)
        if (v.value < 0)
            out.append(
                {line, QStringLiteral("negative %1 (%2)").arg(QLatin1String(v.name)).arg(v.value)});
    if (r.AtomicWeight <= 0)
        out.append({line, QStringLiteral("atomic weight missing")});
    else if (r.AtomicWeight < z)
        out.append(
            {line, QStringLiteral("atomic weight %1 below the atomic number").arg(r.AtomicWeight)});

    if (r.MeltingPoint > 0 && r.BoilingPoint > 0 && r.MeltingPoint > r.BoilingPoint) {
        const auto &ex = meltingAboveBoilingExceptions();
        const bool excused = std::any_of(ex.begin(), ex.end(), [z](const MeltingAboveBoiling &e) {
            return e.atomicNumber == z;
        });
        if (!excused)
            out.append({line, QStringLiteral("melting point %1 K above boiling point %2 K")
                                  .arg(r.MeltingPoint)
                                  .arg(r.BoilingPoint)});
    }

    // The phase at 298 K must agree with the temperatures that are known.
    const bool meltsBelowRoom = r.MeltingPoint > 0 && r.MeltingPoint <= kRoomTemperature;
    const bool meltsAboveRoom = r.MeltingPoint > kRoomTemperature;
    const bool boilsBelowRoom = r.BoilingPoint > 0 && r.BoilingPoint <= kRoomTemperature;
    const bool boilsAboveRoom = r.BoilingPoint > kRoomTemperature;
    if (r.PhaseCode == QLatin1String("S") && (meltsBelowRoom || boilsBelowRoom))
        out.append({line, QStringLiteral("phase S, but the element melts below 298 K")});
    if (r.PhaseCode == QLatin1String("L") && (meltsAboveRoom || boilsBelowRoom))
        out.append(
            {line, QStringLiteral("phase L, but 298 K is outside the melting-boiling range")});
    if (r.PhaseCode == QLatin1String("G") && boilsAboveRoom)
        out.append({line, QStringLiteral("phase G, but the element boils above 298 K")});

    checkConfiguration(r, line, out);

    const QStringList stable = oxidationStates(
        r.StableOxidationStates, QStringLiteral("stable oxidation states"), line, out);
    const QStringList other =
        oxidationStates(r.OxidationStates, QStringLiteral("other oxidation states"), line, out);
    for (const QStringList &list : {stable, other}) {
        QStringList seen;
        for (const QString &s : list) {
            if (seen.contains(s))
                out.append({line, QStringLiteral("oxidation state %1 listed twice").arg(s)});
            seen.append(s);
        }
    }
    for (const QString &s : stable)
        if (other.contains(s))
            out.append(
                {line, QStringLiteral("oxidation state %1 listed as stable and as other").arg(s)});
    return out;
}

QList<Problem> checkSources(const ElementRecordType &r, int line)
{
    using ValueSources::Field;
    const auto hasList = [](const QString &states) { return states != QLatin1String("-"); };
    const struct {
        Field field;
        bool hasValue;
        const char *name;
    } values[] = {
        {Field::AtomicWeight, r.AtomicWeight != 0, "atomic weight"},
        {Field::BoilingPoint, r.BoilingPoint != 0, "boiling point"},
        {Field::MeltingPoint, r.MeltingPoint != 0, "melting point"},
        {Field::Density, r.Density != 0, "density"},
        {Field::AtomicRadius, r.AtomicRadius != 0, "atomic radius"},
        {Field::CovalentRadius, r.CovalentRadius != 0, "covalent radius"},
        {Field::ElectronAffinity, r.ElectronAffinity != 0, "electron affinity"},
        {Field::FusionEnthalpy, r.FusionEnthalpy != 0, "enthalpy of fusion"},
        {Field::VaporisationEnthalpy, r.VaporisationEnthalpy != 0, "enthalpy of vaporisation"},
        {Field::StableOxidationStates, hasList(r.StableOxidationStates), "stable oxidation states"},
        {Field::OtherOxidationStates, hasList(r.OxidationStates), "other oxidation states"},
        {Field::Configuration, r.EConfigText1 != QLatin1String("0"), "electron configuration"},
    };
    QList<Problem> out;
    for (const auto &v : values) {
        const QString code = ValueSources::sourceCode(r.AtomicNumber, v.field);
        if (!v.hasValue) continue;
        if (code.isEmpty() || code == QLatin1String("-"))
            out.append({line, QStringLiteral("%1 has no source").arg(QLatin1String(v.name))});
        else if (!ValueSources::isDefined(code))
            out.append({line, QStringLiteral("%1: source %2 has no definition")
                                  .arg(QLatin1String(v.name), code)});
    }
    return out;
}

QList<Problem> checkSet(const QList<LineRecord> &records)
{
    QList<Problem> out;
    QHash<int, int> firstLine;
    for (const LineRecord &lr : records) {
        const int z = lr.record.AtomicNumber;
        if (firstLine.contains(z))
            out.append({lr.line, QStringLiteral("atomic number %1 already on line %2")
                                     .arg(z)
                                     .arg(firstLine.value(z))});
        else
            firstLine.insert(z, lr.line);
    }
    for (int z = 1; z <= kElementCount; ++z)
        if (!firstLine.contains(z)) out.append({0, QStringLiteral("element %1 missing").arg(z)});
    return out;
}

QList<Problem> checkFile(const QByteArray &bytes, const QString &fileName)
{
    QList<Problem> out;

    if (!isUtf8(bytes)) out.append({0, QStringLiteral("file is not valid UTF-8")});
    if (bytes.startsWith("\xEF\xBB\xBF"))
        out.append({1, QStringLiteral("file starts with a byte order mark")});
    if (bytes.isEmpty())
        out.append({0, QStringLiteral("file is empty")});
    else if (!bytes.endsWith("\r\n"))
        out.append({0, QStringLiteral("last line has no CR LF line end")});

    // Each line on its own, so that one broken record does not hide the rest.
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();  // after the final line end
    QList<LineRecord> records;
    bool recordSeen = false;
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        QByteArray line = lines.at(i);
        const bool hasCr = line.endsWith('\r');
        if (hasCr)
            line.chop(1);
        else if (i + 1 < lines.size())
            out.append({lineNo, QStringLiteral("line end is LF, not CR LF")});
        if (line.trimmed().isEmpty()) {
            out.append({lineNo, recordSeen ? QStringLiteral("blank line")
                                           : QStringLiteral("blank line before the first record")});
            continue;
        }
        recordSeen = true;

        QBuffer device;
        device.setData(line + "\r\n");
        device.open(QIODevice::ReadOnly);
        ListInput in(device, fileName);
        ElementRecordType record;
        try {
            mod_Vantrel::ReadElementRecord(in, record);
        } catch (const DataError &e) {
            out.append({lineNo, readerProblem(e)});
            continue;
        }
        if (!in.atEnd())
            out.append({lineNo, QStringLiteral("more items after the record's text item")});
        const int tabs = int(record.InputText.count(QLatin1Char('\t')));
        if (tabs > kTailTabs)
            out.append(
                {lineNo, QStringLiteral("%1 TABs in the text item, nine expected").arg(tabs)});
        out += checkRecord(record, lineNo);
        records.append({lineNo, record});
    }
    out += checkSet(records);

    // Finally the way the program reads it: the whole file in one pass.
    if (out.isEmpty()) {
        QBuffer device;
        device.setData(bytes);
        device.open(QIODevice::ReadOnly);
        ListInput in(device, fileName);
        int count = 0;
        ElementRecordType record;
        try {
            while (!in.atEnd()) {
                mod_Vantrel::ReadElementRecord(in, record);
                ++count;
            }
            if (count != records.size())
                out.append({0, QStringLiteral("the program reads %1 records, the lines hold %2")
                                   .arg(count)
                                   .arg(records.size())});
        } catch (const DataError &e) {
            out.append({e.line(), QStringLiteral("program's reader stops: ") + readerProblem(e)});
        }
    }

    std::stable_sort(out.begin(), out.end(),
                     [](const Problem &a, const Problem &b) { return a.line < b.line; });
    return out;
}

QList<Problem> checkFileSources(const QByteArray &bytes, const QString &fileName)
{
    QBuffer device;
    device.setData(bytes);
    device.open(QIODevice::ReadOnly);
    ListInput in(device, fileName);
    QList<Problem> out;
    mod_Vantrel::ElementRecordType record;
    for (int line = 1; !in.atEnd(); ++line) {
        mod_Vantrel::ReadElementRecord(in, record);
        out += checkSources(record, line);
    }
    return out;
}

}  // namespace ElementCheck
