#pragma once

#include "platform/ui/Desktop.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/WindowExtra.h"

#include <functional>
#include <memory>
#include <optional>

namespace platform {

class Font;

// A dialog window built from a template: its controls are created from the items (dialog
// units converted with the template's font), Tab and the arrow keys move the focus, Enter
// presses the default button and Escape cancels. The buttons with the ids commandIds::Ok and
// commandIds::Cancel end a modal dialog with their id unless the handler takes them.
class Dialog : public WindowExtra {
public:
    // Sees every message of the dialog first; a value means it was handled (and is the answer).
    using Handler = std::function<std::optional<int64_t>(Dialog&, const Message&)>;

    static constexpr const char* className = "Dialog";
    static Status registerClass(Desktop& desktop);
    static Dialog* of(Desktop& desktop, WindowHandle window) { return desktop.extra<Dialog>(window); }

    // Runs the dialog modally over its owner (disabled meanwhile) and answers the value it was
    // ended with; commandIds::Cancel when the loop had to stop without an answer.
    static Result<int64_t> runModal(Desktop& desktop, const DialogTemplate& dialogTemplate, WindowHandle owner,
                                    Handler handler = {});
    // A modeless dialog; it is destroyed when ended.
    static Result<WindowHandle> create(Desktop& desktop, const DialogTemplate& dialogTemplate, WindowHandle owner,
                                       Handler handler = {});

    Dialog(Desktop& desktop, WindowHandle window) : m_desktop(desktop), m_window(window) {}
    int64_t handle(const Message& m);

    Desktop& desktop() { return m_desktop; }
    WindowHandle window() const { return m_window; }
    WindowHandle item(int32_t id) const { return m_desktop.childById(m_window, id); }
    std::string itemText(int32_t id) const { return m_desktop.text(item(id)); }
    void setItemText(int32_t id, const std::string& text) { m_desktop.setText(item(id), text); }
    void end(int64_t result);
    bool isEnded() const { return m_ended; }
    int64_t result() const { return m_result; }

    // Average character width and height of the dialog font; dialog units are a quarter of the
    // first and an eighth of the second.
    Size baseUnits() const { return m_baseUnits; }
    Rect toPixels(const Rect& dialogUnits) const;
    static Size baseUnitsOf(const Font& font);

    // The dialog keyboard: true when the message was used for moving the focus or pressing a
    // button. The modal loop calls it; a modeless dialog's owner may too.
    bool translate(WindowHandle target, const Message& m);
    void focusNext(bool backwards);
    WindowHandle defaultButton() const;

private:
    struct Build {
        const DialogTemplate* dialogTemplate = nullptr;
        Handler handler;
        std::shared_ptr<const Font> font;
    };
    void build(const Build& build);
    std::vector<WindowHandle> tabOrder() const;
    WindowHandle focusedChild() const;
    void moveInGroup(bool backwards);
    void press(WindowHandle button, int32_t fallbackId);
    bool pressMnemonic(char c);

    Desktop& m_desktop;
    WindowHandle m_window;
    Handler m_handler;
    std::shared_ptr<const Font> m_font;
    Size m_baseUnits{6, 13};
    bool m_modal = false;
    bool m_ended = false;
    int64_t m_result = 0;
    char m_swallowChar = 0;
    WindowHandle m_lastFocus;
};

} // namespace platform
