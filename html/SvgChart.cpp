#include "html/SvgChart.h"

#include <algorithm>

#include "html/Escape.h"

namespace kxdf_html {

int barLength(int value, int maxValue, int full) {
  if (value <= 0 || maxValue <= 0) return 0;
  const long long scaled = (static_cast<long long>(value) * full + maxValue / 2) / maxValue;
  return static_cast<int>(std::clamp<long long>(scaled, 1, full));
}

namespace {

std::string bar(const Bar& b, int row, int maxValue, const ChartLayout& l) {
  const int y = l.padding + row * l.rowHeight;
  const int mid = y + l.rowHeight / 2;
  const int length = barLength(b.value, maxValue, l.barWidth);
  const std::string value = std::to_string(b.value);
  std::string out = "<g class=\"bar\">";
  out += "<title>" + escapeHtml(b.label) + ": " + value + "</title>";
  if (!b.href.empty()) out += "<a href=\"" + escapeHtml(b.href) + "\">";
  out += "<text x=\"" + std::to_string(l.labelWidth - 8) + "\" y=\"" + std::to_string(mid) +
         "\" text-anchor=\"end\" dominant-baseline=\"middle\">" +
         escapeHtml(shortenUtf8(b.label, l.labelChars)) + "</text>";
  out += "<rect x=\"" + std::to_string(l.labelWidth) + "\" y=\"" + std::to_string(y + 4) + "\" width=\"" +
         std::to_string(length) + "\" height=\"" + std::to_string(l.rowHeight - 8) + "\" rx=\"3\"/>";
  if (!b.href.empty()) out += "</a>";
  out += "<text class=\"value\" x=\"" + std::to_string(l.labelWidth + length + 6) + "\" y=\"" +
         std::to_string(mid) + "\" dominant-baseline=\"middle\">" + value + "</text>";
  return out + "</g>\n";
}

}  // namespace

std::string barChartSvg(const std::string& title, const std::vector<Bar>& bars, const ChartLayout& l) {
  int maxValue = 0;
  for (const Bar& b : bars) maxValue = std::max(maxValue, b.value);
  const int width = l.labelWidth + l.barWidth + 50;
  const int height = 2 * l.padding + static_cast<int>(bars.size()) * l.rowHeight;
  std::string out = "<svg class=\"chart\" xmlns=\"http://www.w3.org/2000/svg\" role=\"img\" width=\"" +
                    std::to_string(width) + "\" height=\"" + std::to_string(height) + "\" viewBox=\"0 0 " +
                    std::to_string(width) + " " + std::to_string(height) + "\" aria-label=\"" +
                    escapeHtml(title) + "\">\n";
  for (size_t i = 0; i < bars.size(); ++i) out += bar(bars[i], static_cast<int>(i), maxValue, l);
  return out + "</svg>\n";
}

}  // namespace kxdf_html
