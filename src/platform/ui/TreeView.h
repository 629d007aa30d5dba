#pragma once

#include "platform/ui/Desktop.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/WindowExtra.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace platform {

class Painter;

namespace treeStyle {
inline constexpr uint32_t HasButtons = 0x1;     // a plus or minus box before items with children
inline constexpr uint32_t HasLines = 0x2;       // dotted lines join items to their parents
inline constexpr uint32_t LinesAtRoot = 0x4;    // top-level items get buttons and lines too
inline constexpr uint32_t ShowSelectionAlways = 0x20;
} // namespace treeStyle

// Codes of the tree's own msg::Notify notifications (besides notification::SelectionChanged
// and notification::DoubleClicked); NotifyData::item names the item.
namespace treeNotification {
inline constexpr uint32_t Expanded = 0x100;
inline constexpr uint32_t Collapsed = 0x101;
} // namespace treeNotification

// A tree of items with images from an image list; items with children open and close with
// their button, a double-click or the keyboard. Items are named by ids that are never reused.
class TreeView : public WindowExtra {
public:
    using Item = uint32_t;
    static constexpr Item none = 0; // also the invisible root
    static constexpr Item last = 0xFFFFFFFF;
    static constexpr int32_t indent = 19;
    static constexpr const char* className = "TreeView";
    static Status registerClass(Desktop& desktop);
    static TreeView* of(Desktop& desktop, WindowHandle window) { return desktop.extra<TreeView>(window); }

    TreeView(Desktop& desktop, WindowHandle window) : m_desktop(desktop), m_window(window) {}
    int64_t handle(const Message& m);

    void setImageList(std::shared_ptr<const ImageList> images);
    // Inserts under `parent` after the sibling `after` (last: at the end, none: first);
    // returns none when the parent does not exist.
    Item insertItem(Item parent, const std::string& text, int image = -1, int selectedImage = -1, int64_t data = 0,
                    Item after = last);
    bool deleteItem(Item item); // with its descendants
    void clear();
    bool exists(Item item) const { return item != none && m_nodes.count(item) != 0; }
    size_t count() const { return m_nodes.size(); }

    std::string text(Item item) const;
    bool setText(Item item, const std::string& text);
    int64_t data(Item item) const;
    Item parentOf(Item item) const;
    std::vector<Item> childrenOf(Item item) const;

    bool expand(Item item, bool open);
    bool isExpanded(Item item) const;
    // Selects and shows the item (opening its ancestors); none clears the selection.
    void select(Item item);
    Item selection() const { return m_selection; }

    // The items shown, top to bottom, whether scrolled into view or not.
    std::vector<Item> visibleItems() const;
    int32_t rowHeight() const;
    Rect rowRect(Item item) const; // in client coordinates; empty when not shown
    Item itemFromPoint(Point client) const;
    Rect buttonRect(Item item) const;
    Rect buttonRectAt(Item item, int32_t rowTop) const;
    int firstVisibleRow() const { return m_top; }

private:
    struct Node {
        Item parent = none;
        std::vector<Item> children;
        std::string text;
        int image = -1;
        int selectedImage = -1;
        int64_t data = 0;
        bool expanded = false;
    };
    uint32_t bits() const;
    int depth(Item item) const;
    int32_t itemLeft(Item item) const; // where the image starts
    void collect(Item parent, std::vector<Item>& out) const;
    void notifyParent(uint32_t code, Item item);
    void selectAndNotify(Item item);
    void ensureVisible(Item item);
    void keyDown(uint32_t code);
    void paint(Painter& painter);

    Desktop& m_desktop;
    WindowHandle m_window;
    std::map<Item, Node> m_nodes;
    std::vector<Item> m_roots;
    Item m_nextId = 1;
    Item m_selection = none;
    int m_top = 0;
    bool m_focused = false;
    std::shared_ptr<const ImageList> m_images;
};

} // namespace platform
