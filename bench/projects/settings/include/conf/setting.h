#ifndef CONF_SETTING_H
#define CONF_SETTING_H

#include <map>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

namespace conf {

// A named value read from a configuration document.
template <typename T>
class Setting {
public:
    explicit Setting(std::string key, T fallback = T{}) : m_key(std::move(key)), m_value(std::move(fallback)) {}
    const std::string& key() const { return m_key; }
    const T& value() const { return m_value; }
    void read(const nlohmann::json& doc)
    {
        if (doc.contains(m_key))
            m_value = doc.at(m_key).template get<T>();
    }
    template <typename U>
    U as() const { return static_cast<U>(m_value); }
private:
    std::string m_key;
    T m_value;
};

// A list setting collects values one by one.
template <typename T>
class Setting<std::vector<T>> {
public:
    explicit Setting(std::string key) : m_key(std::move(key)) {}
    void add(T value) { m_values.push_back(std::move(value)); }
    std::size_t size() const { return m_values.size(); }
    void read(const nlohmann::json& doc)
    {
        if (doc.contains(m_key))
            for (const auto& item : doc.at(m_key))
                add(item.template get<T>());
    }
private:
    std::string m_key;
    std::vector<T> m_values;
};

// A switch: a flag that is off unless the document says "on".
template <>
class Setting<bool> {
public:
    explicit Setting(std::string key) : m_key(std::move(key)) {}
    bool on() const { return m_on; }
    void read(const nlohmann::json& doc);
private:
    std::string m_key;
    bool m_on = false;
};

// Values of several types under one section.
template <typename... Ts>
struct Section {
    std::string name;
    std::tuple<Setting<Ts>...> settings;
    static constexpr std::size_t count() { return sizeof...(Ts); }
};

// Reads every setting of a pack from one document.
template <typename... Ts>
void readAll(const nlohmann::json& doc, Setting<Ts>&... settings)
{
    (settings.read(doc), ...);
}

// Two settings are ordered by their keys.
template <typename T, typename U>
bool operator<(const Setting<T>& a, const Setting<U>& b) { return a.key() < b.key(); }

template <typename T, typename U>
bool operator<=(const Setting<T>& a, const Setting<U>& b) { return !(b < a); }

}  // namespace conf

#endif
