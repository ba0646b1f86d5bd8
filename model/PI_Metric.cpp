// Metric values of the "S" records (stored once a metric registration
// switched them on; otherwise every answer is null or 0).
#include <cstdlib>

#include "model/PI_Guard.h"
#include "model/PI_Interface.h"
#include "model/P_MetricStore.h"

char const* PI_getMetricStringValue(char const* entity, char const* metric) {
  return PI_GUARDED(nullptr, P_MetricStore::getValue(entity, metric));
}

int PI_getMetricIntegralValue(char const* entity, char const* metric) {
  return P_guard(__func__, 0, [&]() -> int {
    const char* value = P_MetricStore::getValue(entity, metric);
    return value ? static_cast<int>(std::strtol(value, nullptr, 10)) : 0;
  });
}

double PI_getMetricFloatingValue(char const* entity, char const* metric) {
  return P_guard(__func__, 0.0, [&]() -> double {
    const char* value = P_MetricStore::getValue(entity, metric);
    return value ? std::strtod(value, nullptr) : 0.0;
  });
}

int PI_hasMetric(char const* entity, char const* metric) {
  return PI_GUARDED(0, PI_getMetricStringValue(entity, metric) != nullptr);
}
