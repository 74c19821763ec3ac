#include "ValueSources.h"

#include <QMap>
#include <algorithm>
#include <iterator>

namespace ValueSources {

namespace {

constexpr int kElementCount = 109;
const QString kNoSource = QStringLiteral("-");

struct SourceEntry {
    const char *code;
    const char *shortName;
    const char *name;
};

struct NoteEntry {
    int atomicNumber;
    Field field;
    NoteKind kind;
    const char *text;
};

#include "ValueSourcesTable.inc"

static_assert(std::size(kValueSources) == kElementCount, "one row of sources per element");

const SourceEntry *findSource(const QString &code)
{
    for (const SourceEntry &s : kSources)
        if (code == QLatin1String(s.code)) return &s;
    return nullptr;
}

template <typename Visit>
void forEachNote(int atomicNumber, Field field, Visit visit)
{
    for (const NoteEntry &n : kNotes)
        if (n.atomicNumber == atomicNumber && n.field == field) visit(n);
}

}  // namespace

QString sourceCode(int atomicNumber, Field field)
{
    if (atomicNumber < 1 || atomicNumber > kElementCount) return QString();
    return QString::fromUtf8(kValueSources[atomicNumber - 1][int(field)]);
}

bool isDefined(const QString &code)
{
    return findSource(code) != nullptr;
}

QString sourceOf(int atomicNumber, Field field)
{
    const SourceEntry *s = findSource(sourceCode(atomicNumber, field));
    return s ? QString::fromUtf8(s->name) : QString();
}

QString shortName(const QString &code)
{
    const SourceEntry *s = findSource(code);
    return s ? QString::fromUtf8(s->shortName) : code;
}

QString fullName(const QString &code)
{
    const SourceEntry *s = findSource(code);
    return s ? QString::fromUtf8(s->name) : QString();
}

QStringList notesOf(int atomicNumber, Field field)
{
    QStringList notes;
    forEachNote(atomicNumber, field,
                [&notes](const NoteEntry &n) { notes.append(QString::fromUtf8(n.text)); });
    return notes;
}

QString noteOf(int atomicNumber, Field field)
{
    return notesOf(atomicNumber, field).join(QStringLiteral("；"));
}

QString describe(int atomicNumber, Field field, bool hasValue)
{
    const QString source = sourceOf(atomicNumber, field);
    QStringList lines;
    if (!hasValue)
        lines.append(QStringLiteral("来源：无（没有测得的数值）"));
    else if (source.isEmpty())
        // A value the shipped data does not have: the file was edited or replaced.
        lines.append(QStringLiteral("来源：未记录"));
    else
        lines.append(QStringLiteral("来源：") + source);
    const QString note = noteOf(atomicNumber, field);
    if (!note.isEmpty()) lines.append(QStringLiteral("注：") + note);
    return lines.join(QLatin1Char('\n'));
}

QString summary(Field field, const QList<int> &atomicNumbers, const QList<int> &withoutValue)
{
    QMap<QString, int> counts;
    int none = 0;
    for (const int z : atomicNumbers) {
        const QString code = sourceCode(z, field);
        if (withoutValue.contains(z) || code.isEmpty() || code == kNoSource)
            ++none;
        else
            ++counts[code];
    }
    QList<QPair<int, QString>> ranked;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        ranked.append({-it.value(), it.key()});
    std::sort(ranked.begin(), ranked.end());
    QStringList parts;
    for (const auto &r : ranked)
        parts.append(QStringLiteral("%1 %2").arg(shortName(r.second)).arg(-r.first));
    if (none > 0) parts.append(QStringLiteral("无数据 %1").arg(none));
    return parts.isEmpty() ? QString()
                           : QStringLiteral("来源：") + parts.join(QStringLiteral("，"));
}

}  // namespace ValueSources
