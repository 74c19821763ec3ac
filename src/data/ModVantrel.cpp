#include "ModVantrel.h"

#include "DataError.h"
#include "ListInput.h"

#include <iterator>

namespace mod_Vantrel {

ModuleState state;

namespace {

// Writes n in decimal into `field`, reusing its storage.
void setNumber(QString &field, qsizetype n)
{
    char16_t digits[24];
    qsizetype first = std::size(digits);
    do {
        digits[--first] = char16_t(u'0' + n % 10);
        n /= 10;
    } while (n > 0);
    copyText(field, QStringView(digits + first, std::size(digits) - first));
}

// The first TAB at or after `from`, or -1. A plain loop: the fields are a few characters
// long, too short for the toolkit's vectorised search to pay off.
qsizetype findTab(QStringView text, qsizetype from)
{
    for (qsizetype i = from; i < text.size(); ++i)
        if (text[i] == QLatin1Char('\t')) return i;
    return -1;
}

// A missing TAB is a malformed record. The scratch variables are left as the failing
// step of the split leaves them.
[[noreturn]] void missingTab(const ListInput &in, int step, QStringView rest)
{
    state.TabPos = QStringLiteral("0");
    if (step > 0) {
        state.LoopIndex = static_cast<qint16>(step);
        state.TailRest = rest.toString();
    }
    throw DataError(DataError::Kind::TooFewTabs, in.fileName(), in.itemLine(),
                    QStringLiteral("元素记录的文本项应有十个以制表符分隔的字段"));
}

// Cuts the text item at its first nine TABs: the stable oxidation states, then LoopIndex
// 1 to 8 (other states, the four configuration texts, the skipped text, phase code,
// symbol), and everything after the ninth TAB is the name. Every click and chart reads
// the whole file, so each field is copied once, straight out of the item.
void splitTail(const ListInput &in)
{
    ElementRecordType &r = state.ElementRecord;
    QString *const fields[] = {&r.StableOxidationStates, &r.OxidationStates, &r.EConfigText1,
                               &r.EConfigText2,          &r.EConfigText3,    &r.EConfigText4,
                               &r.SkippedText,           &r.PhaseCode,       &r.Symbol};
    const QStringView text = r.InputText;
    qsizetype start = 0;
    for (int step = 0; step < 9; ++step) {
        const qsizetype tab = findTab(text, start);
        if (tab < 0) missingTab(in, step, text.mid(start));
        copyText(*fields[step], text.mid(start, tab - start));
        start = tab + 1;
    }
    copyText(r.ElementName, text.mid(start));
    // The last step looks for a TAB in the name itself: TabPos is its position (0 when
    // there is none) and TailRest the text after it.
    const qsizetype nameTab = findTab(r.ElementName, 0) + 1;
    setNumber(state.TabPos, nameTab);
    copyText(state.TailRest, QStringView(r.ElementName).mid(nameTab));
    state.LoopIndex = 10;
}

}  // namespace

void ReadElementRecord(ListInput &fileNumber1)
{
    ListInput &in = fileNumber1;
    ElementRecordType &r = state.ElementRecord;
    r.AtomicNumber = in.readInt16();
    r.AtomicWeight = in.readSingle();
    r.BoilingPoint = in.readSingle();
    r.MeltingPoint = in.readSingle();
    r.Density = in.readSingle();
    r.SkippedInteger = in.readInt16();
    r.EConfigCount1 = in.readInt16();
    r.EConfigCount2 = in.readInt16();
    r.EConfigCount3 = in.readInt16();
    r.EConfigCount4 = in.readInt16();
    r.AtomicRadius = in.readSingle();
    r.CovalentRadius = in.readSingle();
    r.ElectronAffinity = in.readSingle();
    r.FusionEnthalpy = in.readSingle();
    r.VaporisationEnthalpy = in.readSingle();
    in.readText(r.InputText);
    splitTail(in);
}

}  // namespace mod_Vantrel
