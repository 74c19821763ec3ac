#include "LegendView.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

constexpr int kWidthChars = 40;  // room for an extreme with three elements
constexpr int kMargin = 4;

}  // namespace

LegendView::LegendView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("legend"));
    setAccessibleName(QStringLiteral("图例"));
    setFocusPolicy(Qt::TabFocus);  // a keyboard user reaches it and hears it
}

void LegendView::setLegend(const std::optional<LegendData> &legend)
{
    m_legend = legend;
    setAccessibleDescription(legend ? legend->spoken() : QStringLiteral("未着色"));
    update();
}

QSize LegendView::sizeHint() const
{
    return QSize(fontMetrics().averageCharWidth() * kWidthChars,
                 int(Legend::height(font())) + 2 * kMargin);
}

void LegendView::paintEvent(QPaintEvent *)
{
    if (!m_legend) return;
    QPainter painter(this);
    painter.setFont(font());
    Legend::paint(painter, QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin),
                  *m_legend);
}
