#include <string>
#include <vector>

#include "conf/codec.h"

nlohmann::json encodeAll()
{
    nlohmann::json doc;
    conf::put<conf::Kind::Text>(doc, "name", std::string("grid"));
    conf::put<conf::Kind::Number>(doc, "scale", 0.25);
    conf::put<conf::Kind::Flag>(doc, "debug", true);
    conf::put<conf::Kind::Number>(doc, "sizes", std::vector<double>{1.0, 2.0});
    conf::Point origin{1.5, -2.0};
    doc["origin"] = origin;
    const auto back = doc["origin"].get<conf::Point>();
    doc["sum"] = back.x + back.y;
    return doc;
}
