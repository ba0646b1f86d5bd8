#include <gtest/gtest.h>

#include <vector>

#include "config/C_CmdArgs.h"
#include "config/C_Options.h"
#include "intl/QL_String.h"
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

TEST(MetricOutput, AppendAndFlushAcceptEverything) {
  const size_t sinks = M_Metric::getSinks().size();
  const int flushes = M_Metric::getFlushCount();
  M_Metric::append(QL_String::create("/p/project.cma", eceEUC), QL_String::create("/p", eceEUC),
                   mofKTL);
  M_Metric::append(QL_String(), QL_String(), mofNull);
  M_Metric::flush();
  ASSERT_EQ(M_Metric::getSinks().size(), sinks + 2);
  EXPECT_EQ(M_Metric::getSinks()[sinks].source, "/p/project.cma");
  EXPECT_EQ(M_Metric::getSinks()[sinks].format, mofKTL);
  EXPECT_EQ(M_Metric::getFlushCount(), flushes + 1);
}
