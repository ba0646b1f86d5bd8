#include <gtest/gtest.h>

#include <vector>

#include "config/C_CmdArgs.h"
#include "config/C_Options.h"
#include "metrics/M_Metric.h"

TEST(MetricOutput, FormatFollowsMetricsOptionAndDebugKeywords) {
  EXPECT_EQ(M_getMetricOutputFormat(U_BPtr<C_CmdArgs>()), mofNull);

  U_BPtr<C_CmdArgs> args(new C_CmdArgs("ktlpp"));
  EXPECT_EQ(M_getMetricOutputFormat(args), mofKTL);
  C_getArgDebug(args->getOptions()) = std::vector<U_String>{"log", "textoutput", "simpleoutput"};
  EXPECT_EQ(M_getMetricOutputFormat(args), mofSimple);  // keyword order, not argument order
  C_getArgDebug(args->getOptions()) = std::vector<U_String>{"tessel2output", "null_metric_output"};
  EXPECT_EQ(M_getMetricOutputFormat(args), mofNull);
  C_getArgDebug(args->getOptions()) = std::vector<U_String>{"formatoutput"};
  EXPECT_EQ(M_getMetricOutputFormat(args), mofFormat);
  C_getArgMetrics(args->getOptions()) = false;
  EXPECT_EQ(M_getMetricOutputFormat(args), mofNull);
}
