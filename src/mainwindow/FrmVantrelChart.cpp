// The main window's chart pane and the radius view: the pane made on first use, folded and
// unfolded; the toolbar's chart and radius commands filled from the data file.
#include "FrmVantrel.h"
#include "app/AppState.h"
#include "chartplugin/ChartPlugin.h"
#include "files/ElementFile.h"
#include "files/Settings.h"
#include "grid/GridKeys.h"
#include "grid/PeriodicGrid.h"
#include "plugins/Plugins.h"
#include "widgets/Commands.h"
#include "widgets/ImageButtons.h"
#include "widgets/ToolbarKeys.h"
#include "widgets/Twips.h"

#include <QFrame>
#include <QLabel>

using namespace mod_Vantrel;

namespace {

constexpr double kChartHeight = 3855;  // twips, the chart control as made
constexpr int kMissingMargin = 24;     // pixels each side of the text for a missing chart

}  // namespace

// Qt Charts takes about 20 ms to make the chart control, and the empty chart shows nothing
// the user needs at once: its plugin is loaded and the control made right after the first
// frame, or earlier when something asks for it.
ChartPane *frm_Vantrel::msc_Options() const
{
    if (!m_chart) {
        QString problem;
        ChartPlugin *plugin = Plugins::charts(&problem);
        if (!plugin) {
            showChartMissing(problem);
            return nullptr;
        }
        m_chart = plugin->createPane(m_chartFrame, *m_app);
        m_chart->setObjectName(QStringLiteral("msc_Options"));
        m_chart->setGeometry(Twips::rect(-210, -480, 9015, kChartHeight));
        if (m_chartFrame->isVisible()) m_chart->show();
        m_chart->setTabHandler([this](bool forward) {
            if (forward)
                m_grid->keys().focusPosition(Qt::TabFocusReason);
            else
                m_toolbarKeys->focusCurrent(Qt::BacktabFocusReason);
        });
    }
    return m_chart;
}

// Said once, where the chart would be.
void frm_Vantrel::showChartMissing(const QString &problem) const
{
    if (m_chartFrame->findChild<QLabel *>(QStringLiteral("chartMissing"))) return;
    auto *text = new QLabel(Plugins::chartsMissingText(problem), m_chartFrame);
    text->setObjectName(QStringLiteral("chartMissing"));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignCenter);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setGeometry(m_chartFrame->rect().adjusted(kMissingMargin, 0, -kMissingMargin, 0));
    text->show();
}

double frm_Vantrel::chartHeightTwips() const
{
    return m_chart ? m_chart->heightTwips() : kChartHeight;
}

bool frm_Vantrel::chartPaneFolded() const
{
    // The toolkit keeps heights in whole pixels, so "folded" is anything within a pixel.
    return qAbs(outerHeightTwips() - kFoldedHeight) < Twips::kPerPixel;
}

void frm_Vantrel::toggleChartPane()
{
    if (chartPaneFolded()) msc_Options();
    setOuterHeightTwips(chartPaneFolded() ? chartHeightTwips() + kFoldedHeight : kFoldedHeight);
}

void frm_Vantrel::foldForChartWindow()
{
    // The chart button stays hidden while the chart window stands in for the chart pane.
    hideHighlight(Command::ShowChart);
    setOuterHeightTwips(kFoldedHeight);
}

void frm_Vantrel::GetChartAndGraph()
{
    const bool circles = Command::drawsRadiusCircles(m_app->LastButton());
    const ChartPane::RowStep step = [this, circles](const ElementRecordType &r) {
        if (circles) DrawCircleForRadii(r);
    };
    if (ChartPane *chart = msc_Options()) {
        chart->chartFromFile(m_app->ChartProperty(), step);
        return;
    }
    // Without the chart the radius circles are still drawn, from the same records.
    for (const ElementRecordType &record : ElementFile::latestRecords()) step(record);
}

void frm_Vantrel::DrawCircleForRadii(const ElementRecordType &record)
{
    m_app->setNormalGridShown(False);
    const Settings::Values &settings = m_app->settings();
    if (m_app->LastButton() == Command::AtomicRadiusChart)
        m_grid->showRadiusCell(record, record.AtomicRadius, settings.AtomicRadiusColor);
    if (m_app->LastButton() == Command::CovalentRadiusChart)
        m_grid->showRadiusCell(record, record.CovalentRadius, settings.CovalentRadiusColor);
}
