#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morva::cli {

// Writes one JSON document to a stream, indented two blanks per level. Texts of the model are
// ANSI bytes (code page 1252); they are written as UTF-8 with JSON's escapes, so that any
// JSON reader accepts the output. Keys are written as given (they are ASCII).
class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : m_out(out) {}

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // The key of the next value inside an object.
    JsonWriter& Key(std::string_view key);

    void String(std::string_view ansiText);
    void Number(int64_t value);
    void Bool(bool value);
    void Null();
    void OptionalNumber(const std::optional<int64_t>& value) { value ? Number(*value) : Null(); }

    // A quoted, escaped JSON string of ANSI text.
    static std::string Quote(std::string_view ansiText);

private:
    void BeforeValue();
    void NewLine();

    struct Level {
        bool isObject;
        bool empty = true;
    };
    std::ostream& m_out;
    std::vector<Level> m_levels;
    bool m_afterKey = false;
};

} // namespace morva::cli
