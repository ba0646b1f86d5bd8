#include <string>
#include <vector>

#include "conf/setting.h"

namespace conf {

void Setting<bool>::read(const nlohmann::json& doc)
{
    m_on = doc.contains(m_key) && doc.at(m_key) == "on";
}

}  // namespace conf

namespace {

struct Limits {
    conf::Setting<int> low{"low", 0};
    conf::Setting<int> high{"high", 100};
};

}  // namespace

std::string describe(const nlohmann::json& doc)
{
    Limits limits;
    limits.low.read(doc);
    limits.high.read(doc);
    conf::Setting<std::vector<double>> weights("weights");
    weights.add(0.5);
    weights.read(doc);
    conf::Section<int, double, std::string> section{
        "main", {conf::Setting<int>("a"), conf::Setting<double>("b"), conf::Setting<std::string>("c")}};
    return std::to_string(limits.low.value()) + ".." + std::to_string(limits.high.value()) + " " +
           std::to_string(weights.size()) + " " + std::to_string(section.count()) +
           (limits.low <= limits.high ? " ordered" : " reversed");
}
