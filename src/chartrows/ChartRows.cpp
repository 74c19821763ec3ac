#include "ChartRows.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "files/NumberText.h"

namespace {

// A number as singleText() writes it in `locale`; also accepts the C locale's form so a
// value typed with a decimal point still reads in a decimal-comma locale.
double parseNumber(const QString &text, const QLocale &locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("NaN"), Qt::CaseInsensitive) == 0) return std::nan("");
    if (trimmed.compare(QLatin1String("Inf"), Qt::CaseInsensitive) == 0) return HUGE_VAL;
    if (trimmed.compare(QLatin1String("-Inf"), Qt::CaseInsensitive) == 0) return -HUGE_VAL;
    // singleText() never groups digits, so "1.234" in a decimal-comma locale is not 1234.
    QLocale strict = locale;
    strict.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    double value = strict.toDouble(trimmed, &ok);
    if (ok) return value;
    value = QLocale::c().toDouble(trimmed, &ok);
    return ok ? value : 0.0;
}

}  // namespace

void ChartRows::setColumnCount(int n)
{
    m_columnCount = std::max(0, n);
}

bool ChartRows::setRowCount(int n)
{
    n = std::max(0, n);
    if (n == rowCount()) return false;
    m_values.resize(n, 0.0);
    m_labels.resize(n);
    m_names.resize(n);
    m_row = std::min(m_row, n);
    if (m_row == 0 && n > 0) m_row = 1;
    return true;
}

void ChartRows::setRowLabel(const QString &label)
{
    m_pendingLabel = label;
    m_labelPending = true;
}

QString ChartRows::rowLabel(int row) const
{
    return row >= 1 && row <= rowCount() ? m_labels.at(row - 1) : QString();
}

bool ChartRows::setRow(int row)
{
    if (row < 1 || row > rowCount()) {
        m_labelPending = false;
        m_pendingLabel.clear();
        throw std::out_of_range(QStringLiteral("曲线图的行号 %1 不在 1 到 %2 之间")
                                    .arg(row)
                                    .arg(rowCount())
                                    .toStdString());
    }
    m_row = row;
    if (!m_labelPending) return false;
    m_labelPending = false;
    const QString label = std::exchange(m_pendingLabel, QString());
    m_names[row - 1].clear();
    if (m_labels[row - 1] == label) return false;
    m_labels[row - 1] = label;
    return true;
}

void ChartRows::setRowName(const QString &name)
{
    if (m_row < 1)
        throw std::out_of_range(QStringLiteral("曲线图还没有行，无法写入元素名称").toStdString());
    m_names[m_row - 1] = name;
}

QString ChartRows::rowName(int row) const
{
    return row >= 1 && row <= rowCount() ? m_names.at(row - 1) : QString();
}

bool ChartRows::setData(const QString &text)
{
    if (m_row < 1)
        throw std::out_of_range(QStringLiteral("曲线图还没有行，无法写入数值").toStdString());
    m_values[m_row - 1] = parseNumber(text, QLocale());
    return true;
}

QString ChartRows::data() const
{
    return m_row < 1 ? QString() : singleText(float(m_values.at(m_row - 1)));
}

double ChartRows::value(int row) const
{
    return row >= 1 && row <= rowCount() ? m_values.at(row - 1) : 0.0;
}
