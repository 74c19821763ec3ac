#include "Legend.h"

#include "elements/ElementNames.h"
#include "files/NumberText.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

const QColor kNoDataGrey(160, 160, 160);
constexpr int kGradientStops = 16;
constexpr double kBarHeight = 18;
constexpr double kTickLength = 4;
constexpr double kSwatchWidth = 28;
constexpr double kGap = 6;
constexpr int kMostNamed = 3;  // elements named for one extreme, the rest counted

QString elementText(int atomicNumber)
{
    const ElementNames::Names *names = ElementNames::find(atomicNumber);
    if (!names) return QString::number(atomicNumber);
    return QStringLiteral("%1 %2").arg(QString::fromUtf8(names->chinese),
                                       QString::fromUtf8(names->symbol));
}

// "最低 0.95 K：氦 He", naming at most three elements that share the value.
QString extremeText(const QString &word, const PropertyValues &values, double extreme)
{
    QStringList named;
    int count = 0;
    int first = 0;
    for (int n = 1; n <= mod_Vantrel::kElementCount; ++n) {
        if (values.value(n) != extreme) continue;
        if (!first) first = n;
        if (++count <= kMostNamed) named.append(elementText(n));
    }
    QString text = QStringLiteral("%1 %2：%3")
                       .arg(word, values.valueText(first), named.join(QStringLiteral("、")));
    if (count > kMostNamed) text += QStringLiteral(" 等 %1 种").arg(count);
    return text;
}

QString tickText(double value)
{
    return singleText(float(value));
}

}  // namespace

LegendData::LegendData(const PropertyValues &values) : scale(values)
{
    title = values.unit.isEmpty() ? values.label
                                  : QStringLiteral("%1 (%2)").arg(values.label, values.unit);
    if (scale.isLogarithmic()) title += QStringLiteral("（对数刻度）");
    for (const std::optional<double> &value : values.values)
        if (!value) ++missing;
    if (scale.kind() == ColourScale::Kind::Empty) return;
    lowest = extremeText(QStringLiteral("最低"), values, scale.minimum());
    highest = extremeText(QStringLiteral("最高"), values, scale.maximum());
}

QString LegendData::missingText() const
{
    return QStringLiteral("无数据：%1 种元素").arg(missing);
}

QString LegendData::spoken() const
{
    QStringList parts{title};
    if (!lowest.isEmpty()) parts << lowest << highest;
    parts << missingText();
    return parts.join(QStringLiteral("；"));
}

namespace Legend {

QBrush noDataBrush()
{
    return QBrush(kNoDataGrey, Qt::BDiagPattern);
}

QVector<double> ticks(const ColourScale &scale)
{
    if (scale.kind() == ColourScale::Kind::Empty) return {};
    if (scale.kind() == ColourScale::Kind::Single) return {scale.minimum()};
    QVector<double> between;
    if (scale.isLogarithmic()) {
        for (double p = std::ceil(std::log10(scale.minimum())); std::pow(10, p) < scale.maximum();
             ++p)
            between.append(std::pow(10, p));
    } else {
        // The roundest step that leaves two to ten values between the ends.
        const double span = scale.maximum() - scale.minimum();
        double step = std::pow(10, std::floor(std::log10(span)));
        if (span / step < 2) step /= 2;
        for (double v = std::ceil(scale.minimum() / step) * step; v < scale.maximum(); v += step)
            between.append(v);
    }
    // A round value too near an end would print over the end's own.
    constexpr double kNearestEnd = 0.12;
    QVector<double> values{scale.minimum()};
    for (double v : between) {
        const double p = scale.position(v);
        if (p >= kNearestEnd && p <= 1 - kNearestEnd) values.append(v);
    }
    values.append(scale.maximum());
    return values;
}

double height(const QFont &font)
{
    const double line = QFontMetricsF(font).height();
    return 5 * line + kBarHeight + kTickLength + 3 * kGap / 2;
}

namespace {

void paintBar(QPainter &painter, const QRectF &bar, const ColourScale &scale)
{
    if (scale.kind() == ColourScale::Kind::Single) {
        painter.fillRect(bar, ColourScale::viridis(0.5));
    } else {
        QLinearGradient gradient(bar.topLeft(), bar.topRight());
        for (int i = 0; i <= kGradientStops; ++i)
            gradient.setColorAt(double(i) / kGradientStops,
                                ColourScale::viridis(double(i) / kGradientStops));
        painter.fillRect(bar, gradient);
    }
    painter.setPen(Qt::black);
    painter.drawRect(bar);
}

void paintTicks(QPainter &painter, const QRectF &bar, const ColourScale &scale)
{
    const QFontMetricsF metrics(painter.font());
    // The ends are written first; a round value between them only where its text has room
    // beside those already written (a long end such as "2372.323" reaches far in).
    QVector<double> values = ticks(scale);
    if (values.size() > 1) std::rotate(values.begin() + 1, values.end() - 1, values.end());
    constexpr double kTextGap = 6;
    QVector<QPair<double, double>> written;
    for (double value : values) {
        const double x = bar.left() + scale.position(value) * bar.width();
        painter.drawLine(QPointF(x, bar.bottom()), QPointF(x, bar.bottom() + kTickLength));
        const QString text = tickText(value);
        const double width = metrics.horizontalAdvance(text);
        const double left = std::clamp(x - width / 2, bar.left(), bar.right() - width);
        const bool crowded =
            std::any_of(written.begin(), written.end(), [&](const QPair<double, double> &span) {
                return left < span.second + kTextGap && left + width + kTextGap > span.first;
            });
        if (crowded) continue;
        written.append({left, left + width});
        painter.drawText(QPointF(left, bar.bottom() + kTickLength + metrics.ascent()), text);
    }
}

}  // namespace

void paint(QPainter &painter, const QRectF &area, const LegendData &legend)
{
    painter.save();
    const QFontMetricsF metrics(painter.font());
    const double line = metrics.height();
    painter.setPen(Qt::black);
    double y = area.top();
    painter.drawText(QPointF(area.left(), y + metrics.ascent()), legend.title);
    y += line + kGap / 2;
    if (legend.scale.kind() != ColourScale::Kind::Empty) {
        const QRectF bar(area.left(), y, area.width() - 1, kBarHeight);
        paintBar(painter, bar, legend.scale);
        paintTicks(painter, bar, legend.scale);
        y = bar.bottom() + kTickLength + line + kGap / 2;
        // One line each: several elements may share an extreme.
        for (const QString &extreme : {legend.lowest, legend.highest}) {
            painter.drawText(QPointF(area.left(), y + metrics.ascent()), extreme);
            y += line;
        }
        y += kGap / 2;
    }
    const QRectF swatch(area.left(), y, kSwatchWidth, line);
    painter.fillRect(swatch, Qt::white);
    painter.fillRect(swatch, noDataBrush());
    painter.drawRect(swatch);
    painter.drawText(QPointF(swatch.right() + kGap, y + metrics.ascent()), legend.missingText());
    painter.restore();
}

}  // namespace Legend
