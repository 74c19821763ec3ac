#pragma once

#include <QString>
#include <QtGlobal>

class ListInput;

// The element record and its reader.
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
    QString InputText;               // the packed tail, as read
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

// Reads the next record of the open element data file ("file number 1") into
// `ElementRecord`. Throws DataError on a malformed record; the fields assigned before the
// failing step keep their new values, as the reader assigns them in file order.
void ReadElementRecord(ListInput &fileNumber1, ElementRecordType &ElementRecord);

}  // namespace mod_Vantrel
