#ifndef METRICS_M_METRIC_H
#define METRICS_M_METRIC_H

#include <vector>

#include "util/U_BPtr.h"
#include "util/U_String.h"

class C_CmdArgs;
class QL_String;

// How metric values would be written.  This program gathers no metric
// values, so every format writes nothing; the choice is still made from the
// command line so that the run's settings are honoured consistently.
enum M_MetricOutputFormat {
  mofNull = 0,   // metrics switched off, or debug keyword "null_metric_output"
  mofKTL = 1,    // the default when metrics are on, or "ktloutput"
  mofSimple = 2, // "simpleoutput"
  mofText = 3,   // "textoutput"
  mofFormat = 4, // "formatoutput"
  mofTessel2 = 5 // "tessel2output"
};

// The metric output format asked for by `cmdArgs`: null when the metrics
// option is off, else the first output keyword among the debug values,
// else the default.
M_MetricOutputFormat M_getMetricOutputFormat(const U_BPtr<C_CmdArgs>& cmdArgs);
const char* M_getMetricOutputFormatName(M_MetricOutputFormat format);

// The metric outputs of the run.  `append` registers an output for the
// output source under the output path; `flush` writes out what was gathered
// so far.  No metric values are gathered by this program: both calls only
// keep count, and never fail.
class M_Metric {
 public:
  struct Sink {
    U_String source;
    U_String outputPath;
    M_MetricOutputFormat format;
  };

  static void append(const QL_String& source, const QL_String& outputPath,
                     M_MetricOutputFormat format);
  static void flush();

  static const std::vector<Sink>& getSinks();
  static int getFlushCount();
};

#endif
