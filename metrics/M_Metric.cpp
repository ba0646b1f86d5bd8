#include "metrics/M_Metric.h"

#include "config/C_CmdArgs.h"
#include "config/C_Options.h"
#include "intl/QL_String.h"

namespace {

struct FormatKeyword {
  const char* keyword;
  M_MetricOutputFormat format;
};

// Debug keywords that choose the metric output, in the order they are
// looked for.
const FormatKeyword kFormatKeywords[] = {
    {"null_metric_output", mofNull}, {"simpleoutput", mofSimple}, {"textoutput", mofText},
    {"formatoutput", mofFormat},     {"ktloutput", mofKTL},       {"tessel2output", mofTessel2},
};

struct MetricState {
  std::vector<M_Metric::Sink> sinks;
  int flushes = 0;
};

MetricState& state() {
  static MetricState s;
  return s;
}

}  // namespace

M_MetricOutputFormat M_getMetricOutputFormat(const U_BPtr<C_CmdArgs>& cmdArgs) {
  if (!cmdArgs.isSet()) return mofNull;
  if (!C_getArgMetrics(cmdArgs->getOptions())) return mofNull;
  for (const FormatKeyword& entry : kFormatKeywords) {
    if (C_hasDebug(cmdArgs, entry.keyword)) return entry.format;
  }
  return mofKTL;
}

const char* M_getMetricOutputFormatName(M_MetricOutputFormat format) {
  switch (format) {
    case mofNull: return "null";
    case mofKTL: return "ktl";
    case mofSimple: return "simple";
    case mofText: return "text";
    case mofFormat: return "format";
    case mofTessel2: return "tessel2";
  }
  return "unknown";
}

void M_Metric::append(const QL_String& source, const QL_String& outputPath,
                      M_MetricOutputFormat format) {
  state().sinks.push_back(Sink{source.get(), outputPath.get(), format});
}

void M_Metric::flush() { ++state().flushes; }

const std::vector<M_Metric::Sink>& M_Metric::getSinks() { return state().sinks; }

int M_Metric::getFlushCount() { return state().flushes; }
