#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace platform {
class Registry;
struct LogFont;
} // namespace platform

namespace morva {

// The two settings of the IDE's editor that the completion list needs to place itself.
struct EditorSettings {
    int tabSize = 4;
    int lineHeight = 20;
};

// Measures the pixel height of a text in a font; none when the font cannot be made.
using TextHeightMeasure = std::function<std::optional<int>(const platform::LogFont& font, std::string_view text)>;

// Reads the IDE's C/C++ tab size and the height of a line in its source-window font from the
// IDE's per-user registry key for `ideVersion`. Whatever is missing keeps its value in
// `settings`.
void ReadEditorSettings(const platform::Registry& registry, const std::string& ideVersion,
                        const TextHeightMeasure& measure, EditorSettings& settings);

} // namespace morva
