#include "ChartAccessible.h"

#include "ChartControl.h"
#include "ChartKeys.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace ChartAccessible {

namespace {

constexpr int kBarSpot = 6;  // px: a bar's item covers this square around the bar's middle

ChartControl *chartOf(const QWidget *view)
{
    return view ? qobject_cast<ChartControl *>(view->parentWidget()) : nullptr;
}

class AccessibleBar : public QAccessibleInterface {
public:
    AccessibleBar(QWidget *view, int row) : m_view(view), m_row(row) {}

    bool isValid() const override
    {
        const ChartControl *chart = chartOf(m_view);
        return chart && m_row <= chart->rowCount();
    }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_view);
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    // The bar's value is its name, heard first; where it comes from follows as its
    // description, the tooltip's other lines.
    QString text(QAccessible::Text t) const override
    {
        const QString tip = isValid() ? chartOf(m_view)->toolTipText(m_row) : QString();
        if (t == QAccessible::Name) return tip.section(QLatin1Char('\n'), 0, 0);
        if (t == QAccessible::Description) return tip.section(QLatin1Char('\n'), 1);
        return QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        if (!isValid()) return QRect();
        const ChartControl *chart = chartOf(m_view);
        const QPoint middle = chart->mapToGlobal(chart->barPosition(m_row));
        return QRect(middle - QPoint(kBarSpot / 2, kBarSpot / 2), QSize(kBarSpot, kBarSpot));
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.invisible = !isValid();
        state.focused =
            isValid() && m_view->hasFocus() && chartOf(m_view)->keys().current() == m_row;
        return state;
    }
    int row() const { return m_row; }
    const QWidget *view() const { return m_view; }

private:
    QPointer<QWidget> m_view;
    int m_row;
};

// The bars' items are made when a reader first asks for them and live as long as the chart's.
class AccessibleChartView : public QAccessibleWidget {
public:
    explicit AccessibleChartView(QWidget *view) : QAccessibleWidget(view, QAccessible::Chart) {}
    ~AccessibleChartView() override
    {
        for (QAccessible::Id id : std::as_const(m_bars)) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override
    {
        const ChartControl *chart = chartOf(widget());
        return chart ? chart->rowCount() : 0;
    }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount()) return nullptr;
        QAccessible::Id &id = m_bars[index];
        if (!id)
            id = QAccessible::registerAccessibleInterface(new AccessibleBar(widget(), index + 1));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const auto *bar = dynamic_cast<const AccessibleBar *>(child);
        return bar && bar->view() == widget() ? bar->row() - 1 : -1;
    }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

private:
    mutable QHash<int, QAccessible::Id> m_bars;
};

QAccessibleInterface *chartViewFactory(const QString &className, QObject *object)
{
    if (className != QLatin1String("QChartView") || !object->isWidgetType() ||
        !qobject_cast<ChartControl *>(object->parent()))
        return nullptr;
    return new AccessibleChartView(static_cast<QWidget *>(object));
}

}  // namespace

void install()
{
    static const bool installed = (QAccessible::installFactory(chartViewFactory), true);
    Q_UNUSED(installed);
}

void focusBar(QWidget *view, int row)
{
    if (!QAccessible::isActive() || !view->hasFocus()) return;
    QAccessibleEvent event(view, QAccessible::Focus);
    event.setChild(row - 1);
    QAccessible::updateAccessibility(&event);
}

}  // namespace ChartAccessible
