#ifndef CONF_CODEC_H
#define CONF_CODEC_H

#include <string>

#include <nlohmann/json.hpp>

namespace conf {

enum class Kind { Text, Number, Flag };

// How a value of a kind is written; only the kinds below exist.
template <Kind K>
struct Codec;

template <>
struct Codec<Kind::Text> {
    static nlohmann::json encode(const std::string& text) { return text; }
};

template <>
struct Codec<Kind::Number> {
    static nlohmann::json encode(double number) { return number; }
};

template <>
struct Codec<Kind::Flag> {
    static nlohmann::json encode(bool flag) { return flag ? "on" : "off"; }
};

// A point of the plane, stored as a two-element array.
struct Point {
    double x = 0;
    double y = 0;
};

// Encodes a value of kind K into doc under key.
template <Kind K, typename V>
void put(nlohmann::json& doc, const std::string& key, const V& value)
{
    doc[key] = Codec<K>::encode(value);
}

// Encodes a list of values under key.
template <Kind K, typename V>
void put(nlohmann::json& doc, const std::string& key, const std::vector<V>& values)
{
    for (const V& value : values)
        doc[key].push_back(Codec<K>::encode(value));
}

}  // namespace conf

namespace nlohmann {

template <>
struct adl_serializer<conf::Point> {
    static void to_json(json& doc, const conf::Point& p) { doc = json::array({p.x, p.y}); }
    static void from_json(const json& doc, conf::Point& p)
    {
        p.x = doc.at(0).get<double>();
        p.y = doc.at(1).get<double>();
    }
};

}  // namespace nlohmann

#endif
