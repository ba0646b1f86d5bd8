#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "conf/codec.h"
#include "conf/setting.h"

std::string describe(const nlohmann::json& doc);

int main()
{
    const auto doc = nlohmann::json::parse(R"({"width": 3, "scale": 0.5, "tags": ["a", "b"], "debug": "on"})");
    conf::Setting<int> width("width");
    conf::Setting<double> scale("scale", 1.0);
    conf::Setting<std::vector<std::string>> tags("tags");
    conf::Setting<bool> debug("debug");
    conf::readAll(doc, width, scale, tags);
    debug.read(doc);
    conf::Setting<std::map<std::string, std::vector<int>>> groups("groups");
    groups.read(doc);
    std::printf("%d %.1f %zu %d %ld %d\n", width.value(), scale.value(), tags.size(), debug.on(),
                width.as<long>(), width < scale);
    std::puts(describe(doc).c_str());
    return 0;
}
