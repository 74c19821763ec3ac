#include "TypeAhead.h"

#include <utility>

namespace {

using Entries = QVector<TypeAhead::Entry>;

int findNumber(const QString &typed, const Entries &entries)
{
    const int number = typed.toInt();
    for (const TypeAhead::Entry &entry : entries)
        if (entry.index == number) return entry.index;
    return 0;
}

// Entries keep their order, so among several that begin with the text the first wins.
int findText(const QString &typed, const Entries &entries, bool whole)
{
    for (const TypeAhead::Entry &entry : entries)
        for (const QString &text : {entry.symbol, entry.name}) {
            const bool match = whole ? text.compare(typed, Qt::CaseInsensitive) == 0
                                     : text.startsWith(typed, Qt::CaseInsensitive);
            if (match) return entry.index;
        }
    return 0;
}

}  // namespace

int TypeAhead::find(const QString &typed, const Entries &entries)
{
    if (typed.isEmpty()) return 0;
    if (isNumber(typed)) return findNumber(typed, entries);
    if (int exact = findText(typed, entries, true)) return exact;
    return findText(typed, entries, false);
}

int TypeAhead::type(const QString &text, qint64 ms, const Entries &entries)
{
    if (m_typed.isEmpty() || ms - m_lastMs > kPauseMs) m_typed.clear();
    m_lastMs = ms;
    m_typed += text;
    int found = find(m_typed, entries);
    if (found == 0 && isNumber(m_typed) && m_typed.size() > text.size()) {
        m_typed = text;
        found = find(m_typed, entries);
    }
    return found;
}

QString TypeAhead::take()
{
    return std::exchange(m_typed, QString());
}

bool TypeAhead::isNumber(const QString &typed)
{
    for (QChar c : typed)
        if (!c.isDigit()) return false;
    return !typed.isEmpty();
}
