#pragma once

#include <QString>
#include <QtGlobal>

class ListInput;

// State shared by all windows for the whole run, and the element record reader.
namespace mod_Vantrel {

// Flags are 16-bit integers: true is -1, false is 0.
constexpr qint16 True = -1;
constexpr qint16 False = 0;

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

extern ElementRecordType ElementRecord;

// Reader and file state.
extern QString DataFilePath;  // path of the data file about to be opened
extern qint16 LoopIndex;      // shared loop counter; ReadElementRecord leaves it at 10
extern QString TailRest;      // reader scratch: the text after the TAB found last
extern QString TabPos;        // reader scratch: 1-based position of that TAB, as decimal text

// Settings.
extern float SettingValue;  // number of the settings line read last
extern float AtomicRadiusColor;
extern float CovalentRadiusColor;
extern qint16 ChartWindowsMode;  // 0 chart pane, 1 chart window
extern qint16 ElementGroupMode;  // 1 group colouring on

// Window state.
extern qint16 HighlightedButton;
extern qint16 ChartProperty;  // 0 to 8
extern qint16 LastButton;
extern qint16 ExitAnswer;
extern qint16 OptionsWindowOpen;
extern qint16 ChartWindowOpen;
extern qint16 NormalGridShown;
extern qint32 SymbolColor;
extern qint16 HoveredElement;
extern float SelectedColor;

// Back to the values the program starts with (tests start every case from here).
void ResetModuleState();

// Reads the next record of the open element data file ("file number 1") into
// ElementRecord. Throws DataError on a malformed record; the fields assigned before the
// failing step keep their new values, as the reader assigns them in file order.
void ReadElementRecord(ListInput &fileNumber1);

}  // namespace mod_Vantrel
