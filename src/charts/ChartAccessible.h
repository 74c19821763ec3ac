#pragma once

class QWidget;

// What screen readers get from a chart: its view is a chart named by its heading, with one
// item per bar named by the first line of the bar's tooltip ("Fe 铁: 1811.15 K") and
// described by the others (where the value comes from). The keyboard's bar is
// announced by moving the reader's focus onto its item; a change of the chart's own name or
// description would not do, as the toolkit's bridge sends such changes without their text.
namespace ChartAccessible {

// Readers get a view's interface once and keep it, so this runs before the first chart view
// is made (ChartControl does it).
void install();

// The keyboard has moved to bar `row` (from 1) of the chart shown in `view`.
void focusBar(QWidget *view, int row);

}  // namespace ChartAccessible
