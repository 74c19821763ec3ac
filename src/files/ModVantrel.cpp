#include "ModVantrel.h"

#include "DataError.h"
#include "ListInput.h"

namespace mod_Vantrel {

namespace {

// The first TAB at or after `from`, or -1. A plain loop: the fields are a few characters
// long, too short for the toolkit's vectorised search to pay off.
qsizetype findTab(QStringView text, qsizetype from)
{
    for (qsizetype i = from; i < text.size(); ++i)
        if (text[i] == QLatin1Char('\t')) return i;
    return -1;
}

[[noreturn]] void missingTab(const ListInput &in)
{
    throw DataError(DataError::Kind::TooFewTabs, in.fileName(), in.itemLine(),
                    QStringLiteral("元素记录的文本项应有十个以制表符分隔的字段"));
}

// Cuts the text item at its first nine TABs: the stable oxidation states, the other
// states, the four configuration texts, the skipped text, phase code and symbol; the rest
// after the ninth TAB is the name. Every click and chart reads the whole file, so each
// field is copied once, straight out of the item.
void splitTail(const ListInput &in, ElementRecordType &r)
{
    QString *const fields[] = {&r.StableOxidationStates, &r.OxidationStates, &r.EConfigText1,
                               &r.EConfigText2,          &r.EConfigText3,    &r.EConfigText4,
                               &r.SkippedText,           &r.PhaseCode,       &r.Symbol};
    const QStringView text = r.InputText;
    qsizetype start = 0;
    for (QString *field : fields) {
        const qsizetype tab = findTab(text, start);
        if (tab < 0) missingTab(in);
        copyText(*field, text.mid(start, tab - start));
        start = tab + 1;
    }
    copyText(r.ElementName, text.mid(start));
}

}  // namespace

void ReadElementRecord(ListInput &fileNumber1, ElementRecordType &ElementRecord)
{
    ListInput &in = fileNumber1;
    ElementRecordType &r = ElementRecord;
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
    splitTail(in, r);
}

}  // namespace mod_Vantrel
