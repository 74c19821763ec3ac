// Arbitrary bytes as Properties.csv: the reader either gives a table that answers for every
// element or refuses the file with a DataError that names a line of it and a reason.
#include <QBuffer>
#include <QByteArray>
#include <cstdint>

#include "FuzzSupport.h"
#include "files/DataError.h"
#include "files/ModVantrel.h"
#include "properties/PropertyCatalogue.h"
#include "properties/PropertyFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    try {
        const PropertyTable table = PropertyFile::read(buffer, QStringLiteral("Properties.csv"));
        for (int z = 1; z <= mod_Vantrel::kElementCount; ++z)
            for (const Property &property : PropertyCatalogue::all())
                if (!table.cell(z, QString::fromUtf8(property.column)))
                    FuzzSupport::fault("property reader", "an accepted table lacks a cell");
    } catch (const DataError &error) {
        if (error.line() < 0 || error.line() > FuzzSupport::lineCount(bytes))
            FuzzSupport::fault("property reader", "error line outside the file");
        if (error.detail().isEmpty())
            FuzzSupport::fault("property reader", "error without a reason");
    }
    return 0;
}
