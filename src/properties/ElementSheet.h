#pragma once

#include <QList>
#include <QString>

#include "files/ModVantrel.h"

class QMimeData;

// Everything the program knows of one element, grouped as the element sheet shows it:
// the element file's values and those of Data/Properties.csv, each with its unit, the
// sources it was taken from and the notes on its conditions. The window, the command line
// and the clipboard share it.
namespace ElementSheet {

struct Row {
    QString label;   // "电负性（鲍林）"
    QString value;   // with its unit, or "无数据"
    QString source;  // the short names of its sources ("mendeleev 库（引 CRC）")
    QString about;   // "来源：…" and, on a line of its own, "注：…"
};

struct Group {
    QString title;  // 基本, 原子, 物理, 热学与电学, 丰度与发现
    QList<Row> rows;
};

enum class Part { Whole, BeyondCard };

// The groups for `record`; BeyondCard leaves out what the element's card already says (the
// command line prints the card first, as before). Reads Data/Properties.csv when first asked
// (DataError).
QList<Group> groups(const mod_Vantrel::ElementRecordType &record, Part part = Part::Whole);

// What a screen reader says of a row: "电负性（鲍林） 1.83，来源：…；注：…".
QString speech(const Row &row);
// The groups as text: a group's title on a line, then "  label value" per row.
QString text(const QList<Group> &groups);
// "铁 Fe" and the groups as one HTML table: property, value, source and notes.
QString html(const QString &heading, const QList<Group> &groups);
// Both in one clipboard object; the caller owns it.
QMimeData *mimeData(const mod_Vantrel::ElementRecordType &record);

}  // namespace ElementSheet
