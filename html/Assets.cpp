#include "html/Assets.h"

namespace kxdf_html {

const char* styleSheet() {
  return R"css(:root { --accent: #2457a6; --muted: #5f6b7a; --line: #d8dee6; --code-bg: #f6f8fa; --hl: #fff1a8; }
* { box-sizing: border-box; }
[hidden] { display: none !important; }
body { margin: 0; font: 15px/1.5 system-ui, -apple-system, "Segoe UI", Roboto, "DejaVu Sans", sans-serif; color: #1f2933; background: #fff; }
header.site { background: #1f3b63; color: #fff; padding: 10px 24px; }
header.site a { color: #fff; text-decoration: none; }
header.site .brand { font-weight: 600; font-size: 17px; margin-right: 18px; }
nav.sections { display: flex; flex-wrap: wrap; gap: 4px 14px; margin-top: 4px; font-size: 13px; }
nav.sections a { opacity: .85; }
nav.sections a[aria-current] { opacity: 1; text-decoration: underline; }
main { max-width: 1100px; margin: 0 auto; padding: 16px 24px 48px; }
h1 { font-size: 26px; margin: 8px 0 16px; }
h2 { font-size: 20px; margin: 24px 0 8px; border-bottom: 1px solid var(--line); padding-bottom: 4px; }
h3, h4, h5 { display: inline; margin: 0; }
h3 { font-size: 17px; } h4 { font-size: 15px; } h5 { font-size: 14px; color: #33404f; }
a { color: var(--accent); }
details { margin: 6px 0; }
details.entry { border: 1px solid var(--line); border-radius: 6px; padding: 6px 12px; margin: 10px 0; }
details > summary { cursor: pointer; padding: 2px 0; }
details .body { padding-left: 14px; }
details.l4, details.l5 { border-left: 3px solid var(--line); padding-left: 8px; }
p.text { margin: 4px 0; }
p.filelink { margin: 8px 0 2px; font-size: 13px; }
p.filelink a, p.filelink span { font-family: "DejaVu Sans Mono", Menlo, Consolas, monospace; }
pre.verbatim { font: 13px/1.45 "DejaVu Sans Mono", Menlo, Consolas, monospace; background: var(--code-bg); border: 1px solid var(--line); border-radius: 4px; padding: 8px 12px; overflow-x: auto; }
.gap { height: .6em; }
figure.fragment { margin: 4px 0 10px; border: 1px solid var(--line); border-radius: 4px; background: var(--code-bg); overflow-x: auto; }
figure.fragment figcaption { font-size: 12px; color: var(--muted); padding: 2px 8px; border-bottom: 1px solid var(--line); background: #eef2f6; }
.code { font: 13px/1.45 "DejaVu Sans Mono", Menlo, Consolas, monospace; padding: 4px 0; }
.code .line { white-space: pre; padding: 0 8px; }
.code .ln { display: inline-block; min-width: 3.5em; padding-right: 10px; text-align: right; color: var(--muted); text-decoration: none; user-select: none; }
.code a.ln:hover { color: var(--accent); text-decoration: underline; }
.src .line:target, .src .line.hl { background: var(--hl); }
.code .ctl { color: #a3262a; background: #fbe3e4; border-radius: 2px; }
.filter { margin: 8px 0 12px; display: flex; gap: 8px; align-items: center; }
.filter input { flex: 1; max-width: 360px; padding: 5px 8px; border: 1px solid #b8c2cc; border-radius: 4px; font: inherit; }
.filter button { padding: 4px 10px; border: 1px solid #b8c2cc; border-radius: 4px; background: #f3f5f8; font: inherit; font-size: 13px; cursor: pointer; }
ul.files { columns: 2; padding-left: 20px; }
ul.files li { break-inside: avoid; }
.note { color: var(--muted); }
.cards { display: flex; flex-wrap: wrap; gap: 12px; margin: 8px 0 20px; }
.card { flex: 1 1 150px; border: 1px solid var(--line); border-radius: 8px; padding: 10px 14px; background: #f9fbfd; }
.card .num { font-size: 28px; font-weight: 600; color: #1f3b63; }
.card .what { font-size: 13px; color: var(--muted); }
table.summary { border-collapse: collapse; width: 100%; }
table.summary th, table.summary td { text-align: left; padding: 6px 10px; border-bottom: 1px solid var(--line); vertical-align: top; }
table.summary th { font-size: 13px; color: var(--muted); font-weight: 600; }
.charts { display: flex; flex-wrap: wrap; gap: 24px; }
.charts figure { margin: 0; }
.charts figcaption { font-weight: 600; margin-bottom: 4px; }
svg.chart text { font-size: 12px; fill: #1f2933; }
svg.chart text.value { fill: var(--muted); }
svg.chart rect { fill: #3b73c4; }
svg.chart a:hover rect { fill: #1f3b63; }
table.kxdf { border-collapse: collapse; } table.kxdf td, table.kxdf th { border: 1px solid var(--line); padding: 2px 6px; }
footer { color: var(--muted); font-size: 12px; margin-top: 32px; }
)css";
}

const char* script() {
  return R"js((function () {
  "use strict";
  // Filter box: hides the entries whose text does not contain the query.
  var filter = document.getElementById("filter");
  if (filter) {
    filter.hidden = false;
    var input = filter.querySelector("input");
    input.addEventListener("input", function () {
      var q = input.value.trim().toLowerCase();
      document.querySelectorAll("[data-filter]").forEach(function (el) {
        el.hidden = q !== "" && el.textContent.toLowerCase().indexOf(q) < 0;
      });
    });
    filter.querySelectorAll("button[data-open]").forEach(function (button) {
      button.addEventListener("click", function () {
        var open = button.getAttribute("data-open") === "1";
        document.querySelectorAll("main details").forEach(function (d) { d.open = open; });
      });
    });
  }
  // Source lines named by the address: #L10 or #L10-L20.
  function mark() {
    document.querySelectorAll(".line.hl").forEach(function (el) { el.classList.remove("hl"); });
    var m = /^#L(\d+)(?:-L(\d+))?$/.exec(window.location.hash);
    if (!m) return;
    var from = parseInt(m[1], 10), to = m[2] ? parseInt(m[2], 10) : from;
    if (to < from) { var t = from; from = to; to = t; }
    var first = null;
    for (var i = from; i <= to && i - from < 100000; i++) {
      var line = document.getElementById("L" + i);
      if (!line) break;
      line.classList.add("hl");
      if (!first) first = line;
    }
    if (first) first.scrollIntoView({ block: "center" });
  }
  window.addEventListener("hashchange", mark);
  mark();
})();
)js";
}

}  // namespace kxdf_html
