#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// Names a resource type or a resource in a module: a 16-bit number, or a name. Names match
// ignoring ASCII case, as the resource compiler stores them in upper case.
class ResourceId {
public:
    static ResourceId number(uint16_t id) { return ResourceId(id, {}); }
    static ResourceId named(std::string name) { return ResourceId(0, std::move(name)); }

    bool isNumber() const { return m_name.empty(); }
    uint16_t id() const { return m_id; }
    const std::string& name() const { return m_name; }
    // "#2" for a number, the name otherwise: for messages.
    std::string toString() const
    {
        if (!isNumber())
            return m_name;
        std::string text(1, '#');
        text += std::to_string(m_id);
        return text;
    }

private:
    ResourceId(uint16_t id, std::string name) : m_id(id), m_name(std::move(name)) {}

    uint16_t m_id = 0;
    std::string m_name;
};

// Standard resource types.
inline constexpr uint16_t RT_BITMAP = 2;

} // namespace platform
