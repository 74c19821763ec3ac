#pragma once

#include <QSize>
#include <QString>

class ChartPlugin;

// `--export-table`: the periodic table coloured by a property, with its legend, as a PNG,
// SVG or PDF file, drawn by the grid and colouring the window shows, without a display.
namespace ColouredTable {

enum class Written { Done, UnknownProperty, UnknownFormat };

// The table coloured by the property `key` names, `size` pixels large (the table fitted,
// centred), or at its own size for an empty `size`, written to `path` through `output`.
// Throws DataError when the data file cannot be read or the file cannot be written.
Written write(ChartPlugin &output, const QString &key, const QString &path, QSize size);

}  // namespace ColouredTable
