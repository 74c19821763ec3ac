#pragma once

#include <QString>

#include "files/ModVantrel.h"

class QMimeData;

// An element's values as one card, a value a line with its unit, for the clipboard and for
// anything else that prints an element. The numbers are written as the details panel writes
// them (NumberText); a value the data file leaves at 0 because it is unknown reads "无数据".
namespace ElementCard {

// Degrees Celsius of a temperature in kelvin, worked from the kelvin as the panel shows it.
float celsius(float kelvin);
// The same written as the panel writes its numbers: 1811.15 gives "1538".
QString celsiusText(float kelvin);
// A temperature with both units, "1811.15 K（1538 °C）", or "无数据" for a 0.
QString temperatureText(float kelvin);

// A stored oxidation-states field as shown: every "#" a comma, nothing when it ends in "-".
QString oxidationFieldText(const QString &field);

// The card as plain text, lines joined by "\n":
//   铁 Fe / 原子序数 26 / 原子量 55.845 / 熔点 1811.15 K（1538 °C） / 沸点 ... / 密度 7.874 g/cm³
//   / 氧化态 +2,+3（常见），+1,+4,+5,+6 / 电子结构 [Ar]3d6 4s2
// `record` must hold the fields as read from the file (the panel rewrites the oxidation
// states of the record it shows).
QString text(const mod_Vantrel::ElementRecordType &record);
// The same values as an HTML table, so that office programs paste a table.
QString html(const mod_Vantrel::ElementRecordType &record);
// Both formats in one clipboard object (text/plain and text/html); the caller owns it.
QMimeData *mimeData(const mod_Vantrel::ElementRecordType &record);

}  // namespace ElementCard
