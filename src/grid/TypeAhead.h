#pragma once

#include <QString>
#include <QVector>

// Finding an element by typing: its symbol ("F", then "e" for Fe) or its atomic number
// ("2", then "6"), with no more than a second between two keys.
class TypeAhead {
public:
    static constexpr qint64 kPauseMs = 1000;

    struct Entry {
        int index;
        QString symbol;
        QString name;
    };

    // Adds `text` typed at `ms` (any steady clock, in milliseconds) and returns the index of
    // the entry the keys typed so far name, or 0. Digits that name nothing together start
    // over with the last one; letters are kept for the find field (take()).
    int type(const QString &text, qint64 ms, const QVector<Entry> &entries);
    const QString &typed() const { return m_typed; }
    // The keys typed so far; the next key starts afresh.
    QString take();
    static bool isNumber(const QString &typed);

    // The entry `typed` names: digits an atomic number; otherwise a symbol or name, an
    // exact match before one that begins with the text, letter case ignored. 0 for none.
    static int find(const QString &typed, const QVector<Entry> &entries);

private:
    QString m_typed;
    qint64 m_lastMs = 0;
};
