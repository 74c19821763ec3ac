#include "PropertyCommands.h"

#include "ElementSheet.h"
#include "PropertyCatalogue.h"
#include "PropertyCharts.h"

namespace PropertyCommands {

QString sheetText(const mod_Vantrel::ElementRecordType &record)
{
    return ElementSheet::text(ElementSheet::groups(record, ElementSheet::Part::BeyondCard));
}

QStringList tableHeadings()
{
    QStringList headings;
    for (const Property &property : PropertyCatalogue::all())
        headings.append(PropertyCatalogue::title(property));
    return headings;
}

QStringList tableCells(int atomicNumber)
{
    QStringList cells;
    for (const Property &property : PropertyCatalogue::all())
        cells.append(PropertyCatalogue::plainText(atomicNumber, property));
    return cells;
}

QString keyLines(int perLine, int indent)
{
    const QStringList keys = PropertyCharts::keys();
    QStringList lines;
    for (int i = 0; i < keys.size(); i += perLine)
        lines.append(keys.mid(i, perLine).join(QLatin1Char(' ')));
    return lines.join(QLatin1Char('\n') + QString(indent, QLatin1Char(' ')));
}

}  // namespace PropertyCommands
