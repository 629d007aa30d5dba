#include "cli/JsonWriter.h"

#include "platform/base/CodePage.h"

#include <cstdio>
#include <ostream>

namespace morva::cli {

std::string JsonWriter::Quote(std::string_view ansiText)
{
    const std::string utf8 = platform::CodePage().toUtf8(ansiText);
    std::string out = "\"";
    for (const char c : utf8) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

void JsonWriter::NewLine()
{
    m_out << "\n" << std::string(m_levels.size() * 2, ' ');
}

void JsonWriter::BeforeValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_levels.empty())
        return;
    Level& level = m_levels.back();
    if (!level.empty)
        m_out << ",";
    level.empty = false;
    NewLine();
}

JsonWriter& JsonWriter::Key(std::string_view key)
{
    BeforeValue();
    m_out << Quote(key) << ": ";
    m_afterKey = true;
    return *this;
}

void JsonWriter::BeginObject()
{
    BeforeValue();
    m_out << "{";
    m_levels.push_back({true});
}

void JsonWriter::EndObject()
{
    const bool empty = m_levels.back().empty;
    m_levels.pop_back();
    if (!empty)
        NewLine();
    m_out << "}";
    if (m_levels.empty())
        m_out << "\n";
}

void JsonWriter::BeginArray()
{
    BeforeValue();
    m_out << "[";
    m_levels.push_back({false});
}

void JsonWriter::EndArray()
{
    const bool empty = m_levels.back().empty;
    m_levels.pop_back();
    if (!empty)
        NewLine();
    m_out << "]";
    if (m_levels.empty())
        m_out << "\n";
}

void JsonWriter::String(std::string_view ansiText)
{
    BeforeValue();
    m_out << Quote(ansiText);
}

void JsonWriter::Number(int64_t value)
{
    BeforeValue();
    m_out << value;
}

void JsonWriter::Bool(bool value)
{
    BeforeValue();
    m_out << (value ? "true" : "false");
}

void JsonWriter::Null()
{
    BeforeValue();
    m_out << "null";
}

} // namespace morva::cli
