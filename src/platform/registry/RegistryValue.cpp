#include "platform/registry/RegistryValue.h"

namespace platform {

namespace {

std::string withTerminator(std::string_view text)
{
    std::string data(text);
    data.push_back('\0');
    return data;
}

} // namespace

RegistryValue RegistryValue::fromString(std::string_view text)
{
    return RegistryValue(String, withTerminator(text));
}

RegistryValue RegistryValue::fromExpandString(std::string_view text)
{
    return RegistryValue(ExpandString, withTerminator(text));
}

RegistryValue RegistryValue::fromStrings(const std::vector<std::string>& items)
{
    std::string data;
    for (const std::string& item : items)
        data += withTerminator(item);
    data.push_back('\0');
    return RegistryValue(MultiString, std::move(data));
}

RegistryValue RegistryValue::fromDword(uint32_t number)
{
    std::string data(4, '\0');
    for (int i = 0; i < 4; ++i)
        data[i] = static_cast<char>((number >> (8 * i)) & 0xFF);
    return RegistryValue(Dword, std::move(data));
}

RegistryValue RegistryValue::fromBinary(std::string_view bytes)
{
    return RegistryValue(Binary, std::string(bytes));
}

std::string RegistryValue::text() const
{
    return m_data.substr(0, m_data.find('\0'));
}

std::optional<uint32_t> RegistryValue::firstDword() const
{
    if (m_data.size() < 4)
        return std::nullopt;
    uint32_t number = 0;
    for (int i = 0; i < 4; ++i)
        number |= static_cast<uint32_t>(static_cast<unsigned char>(m_data[i])) << (8 * i);
    return number;
}

std::vector<std::string> RegistryValue::strings() const
{
    std::vector<std::string> items;
    size_t start = 0;
    while (start < m_data.size()) {
        size_t end = m_data.find('\0', start);
        if (end == std::string::npos)
            end = m_data.size();
        if (end == start)
            break; // the empty item ends the list
        items.push_back(m_data.substr(start, end - start));
        start = end + 1;
    }
    return items;
}

} // namespace platform
