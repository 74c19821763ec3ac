#pragma once

#include <QString>
#include <QtGlobal>

class ListInput;

// State shared by all windows for the whole run, and the element record reader.
namespace mod_Vantrel {

// Flags are 16-bit integers: true is -1, false is 0.
constexpr qint16 True = -1;
constexpr qint16 False = 0;

// The data file describes elements 1 to 109; every grid, chart and loop over them uses this.
constexpr int kElementCount = 109;

// The one current element record; every read overwrites it field by field.
struct ElementRecordType {
    qint16 AtomicNumber = 0;
    float AtomicWeight = 0;
    float BoilingPoint = 0;  // K; stands before the melting point in the file
    float MeltingPoint = 0;  // K
    float Density = 0;       // g/cm^3
    qint16 SkippedInteger = 0;
    qint16 EConfigCount1 = 0;
    qint16 EConfigCount2 = 0;
    qint16 EConfigCount3 = 0;
    qint16 EConfigCount4 = 0;
    float AtomicRadius = 0;
    float CovalentRadius = 0;
    float ElectronAffinity = 0;      // kJ/mol
    float FusionEnthalpy = 0;        // kJ/mol
    float VaporisationEnthalpy = 0;  // kJ/mol
    QString InputText;               // the packed tail; also the key of the settings line read last
    QString StableOxidationStates;
    QString OxidationStates;
    QString EConfigText1;
    QString EConfigText2;
    QString EConfigText3;
    QString EConfigText4;
    QString SkippedText;
    QString PhaseCode;
    QString Symbol;
    QString ElementName;
};

// The state every window shares for the whole run. Starting values are the member
// defaults, so going back to them is one assignment.
struct ModuleState {
    ElementRecordType ElementRecord;  // the current record

    // Reader and file state.
    QString DataFilePath;  // path of the data file about to be opened
    qint16 LoopIndex = 0;  // the reader's field counter; ReadElementRecord leaves it at 10
    QString TailRest;      // reader scratch: the text after the TAB found last
    QString TabPos;        // reader scratch: 1-based position of that TAB, as decimal text

    // Settings.
    float SettingValue = 0;  // number of the settings line read last
    float AtomicRadiusColor = 0;
    float CovalentRadiusColor = 0;
    qint16 ChartWindowsMode = 0;  // 0 chart pane, 1 chart window
    qint16 ElementGroupMode = 0;  // 1 group colouring on

    // Window state.
    qint16 HighlightedButton = 0;
    qint16 ChartProperty = 0;  // 0 to 8
    qint16 LastButton = 0;
    qint16 ExitAnswer = 0;
    qint16 OptionsWindowOpen = False;
    qint16 ChartWindowOpen = False;
    qint16 NormalGridShown = True;
    qint32 SymbolColor = 0;
    qint16 HoveredElement = 1;
    float SelectedColor = 0;
};

extern ModuleState state;

// Back to the values the program starts with (tests start every case from here).
inline void resetModuleState()
{
    state = ModuleState();
}

// Reads the next record of the open element data file ("file number 1") into
// ElementRecord. Throws DataError on a malformed record; the fields assigned before the
// failing step keep their new values, as the reader assigns them in file order.
void ReadElementRecord(ListInput &fileNumber1);

}  // namespace mod_Vantrel
