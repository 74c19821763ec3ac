#include "ColourNames.h"

namespace ColourNames {

namespace {

struct Entry {
    const char *name;
    float colour;
};

// All six numbers are below 2^24, so a float holds them exactly and == is safe.
const Entry kEntries[] = {
    {"白色", 16777210}, {"橙色", 33023}, {"灰色", 15132390},
    {"青色", 16776960}, {"黄色", 65535}, {"绿色", 65280},
};

const char *const kListOrder[] = {"橙色", "白色", "灰色", "青色", "黄色", "绿色"};

}  // namespace

QStringList listOrder()
{
    QStringList names;
    for (const char *name : kListOrder) names.append(QString::fromUtf8(name));
    return names;
}

std::optional<float> colourOf(const QString &name)
{
    for (const Entry &entry : kEntries)
        if (name == QString::fromUtf8(entry.name)) return entry.colour;
    return std::nullopt;
}

std::optional<QString> nameOf(float colour)
{
    for (const Entry &entry : kEntries)
        if (colour == entry.colour) return QString::fromUtf8(entry.name);
    return std::nullopt;
}

}  // namespace ColourNames
