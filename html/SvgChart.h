#ifndef HTML_SVGCHART_H
#define HTML_SVGCHART_H

#include <string>
#include <vector>

namespace kxdf_html {

// One bar of a horizontal bar chart.
struct Bar {
  std::string label;  // UTF-8, escaped when written
  int value = 0;
  std::string href;   // where the bar links to; empty for none
};

// Layout of the chart, in SVG user units.
struct ChartLayout {
  int labelWidth = 200;  // column of the labels
  int barWidth = 250;    // the length of the longest bar
  int rowHeight = 26;
  int padding = 8;
  size_t labelChars = 28;  // longer labels are shortened (full text in a tooltip)
};

// The length of a bar: proportional to value, the largest value filling
// full; a positive value never drops below one unit.
int barLength(int value, int maxValue, int full);

// An inline SVG element drawing the bars in the given order, each with
// its label, its length and its value; title is its accessible name.
std::string barChartSvg(const std::string& title, const std::vector<Bar>& bars,
                        const ChartLayout& layout = ChartLayout());

}  // namespace kxdf_html

#endif
