#include "ModVantrel.h"

#include "DataError.h"
#include "ListInput.h"

namespace mod_Vantrel {

ElementRecordType ElementRecord;
QString DataFilePath;
qint16 LoopIndex = 0;
QString TailRest;
QString TabPos;
float SettingValue = 0;
float AtomicRadiusColor = 0;
float CovalentRadiusColor = 0;
qint16 ChartWindowsMode = 0;
qint16 ElementGroupMode = 0;
qint16 HighlightedButton = 0;
qint16 ChartProperty = 0;
qint16 LastButton = 0;
qint16 ExitAnswer = 0;
qint16 OptionsWindowOpen = False;
qint16 ChartWindowOpen = False;
qint16 NormalGridShown = True;
qint32 SymbolColor = 0;
qint16 HoveredElement = 1;
float SelectedColor = 0;

void ResetModuleState()
{
    ElementRecord = ElementRecordType();
    DataFilePath.clear();
    LoopIndex = 0;
    TailRest.clear();
    TabPos.clear();
    SettingValue = 0;
    AtomicRadiusColor = CovalentRadiusColor = 0;
    ChartWindowsMode = ElementGroupMode = 0;
    HighlightedButton = ChartProperty = LastButton = ExitAnswer = 0;
    OptionsWindowOpen = ChartWindowOpen = False;
    NormalGridShown = True;
    SymbolColor = 0;
    HoveredElement = 1;
    SelectedColor = 0;
}

namespace {

QString *tailField(int index)
{
    ElementRecordType &r = ElementRecord;
    QString *fields[] = {&r.OxidationStates, &r.EConfigText1, &r.EConfigText2, &r.EConfigText3,
                         &r.EConfigText4,    &r.SkippedText,  &r.PhaseCode,    &r.Symbol};
    return fields[index - 1];
}

// The text before the TAB at TabPos; a missing TAB is a malformed record.
QString textBeforeTab(const QString &text, const ListInput &in)
{
    const int tab = TabPos.toInt();
    if (tab == 0)
        throw DataError(DataError::Kind::TooFewTabs, in.fileName(), in.itemLine(),
                        QStringLiteral("元素记录的文本项应有十个以制表符分隔的字段"));
    return text.left(tab - 1);
}

void splitTail(const ListInput &in)
{
    const QString &text = ElementRecord.InputText;
    TabPos = QString::number(text.indexOf(QLatin1Char('\t')) + 1);
    ElementRecord.StableOxidationStates = textBeforeTab(text, in);
    TailRest = text.mid(TabPos.toInt());
    for (LoopIndex = 1; LoopIndex <= 9; ++LoopIndex) {
        TabPos = QString::number(TailRest.indexOf(QLatin1Char('\t')) + 1);
        if (LoopIndex <= 8)
            *tailField(LoopIndex) = textBeforeTab(TailRest, in);
        else
            ElementRecord.ElementName = TailRest;
        TailRest = TailRest.mid(TabPos.toInt());
    }
}

}  // namespace

void ReadElementRecord(ListInput &fileNumber1)
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
    r.InputText = in.readText();
    splitTail(in);
}

}  // namespace mod_Vantrel
