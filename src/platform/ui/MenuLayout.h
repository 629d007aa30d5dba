#pragma once

#include "platform/base/Geometry.h"
#include "platform/ui/Menu.h"

#include <memory>
#include <string>
#include <vector>

namespace platform {

class Font;
class Painter;
class SystemColors;

// Where the items of a menu go: the titles of a menu bar side by side, the items of a popup
// one under the other. Shared by the painting and the hit tests so that both agree.
namespace menuLayout {
inline constexpr int32_t barTitlePadding = 6;  // on each side of a bar title
inline constexpr int32_t popupItemHeight = 18;
inline constexpr int32_t popupSeparatorHeight = 9;
inline constexpr int32_t popupCheckColumn = 18; // left of the text: the check mark
inline constexpr int32_t popupArrowColumn = 18; // right of the text: the submenu arrow
inline constexpr int32_t popupFrame = 3;        // the raised frame around a popup

std::vector<Rect> barTitleRects(const Menu& menu, const Font& font, const Rect& bar);
// Item rectangles inside a popup whose top left is (0, 0), and the popup's whole size.
std::vector<Rect> popupItemRects(const Menu& menu, const Font& font, Size* popupSize);
// The text before the tab and the shortcut after it.
std::pair<std::string, std::string> splitShortcut(const std::string& text);

void paintBar(Painter& painter, const SystemColors& colors, const std::shared_ptr<const Font>& font, const Menu& menu, const Rect& bar,
              int highlighted);
void paintPopup(Painter& painter, const SystemColors& colors, const std::shared_ptr<const Font>& font, const Menu& menu, int highlighted);
} // namespace menuLayout

} // namespace platform
