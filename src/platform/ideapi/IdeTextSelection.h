#pragma once

#include <string>

namespace platform {

// The selection of a text document. Lines and columns count from 1; a column is a character
// position in its line (a tab is one column). The selection runs from an anchor to the caret.
class IdeTextSelection {
public:
    virtual ~IdeTextSelection() = default;

    virtual int currentLine() const = 0;
    virtual int currentColumn() const = 0;
    // Moves the caret; with `extend` the anchor stays and the selection grows or shrinks.
    // Positions past the end of a line or of the text are clamped to it.
    virtual void moveTo(int line, int column, bool extend) = 0;
    // Moves the caret to the start of a line; with `select` the whole line is selected.
    virtual void goToLine(int line, bool select) = 0;
    // Moves the caret `count` characters left; with `extend` the selection grows.
    virtual void charLeft(bool extend, int count) = 0;
    // Moves the caret to the start of the word left of it.
    virtual void wordLeft(bool extend) = 0;

    // The selected text.
    virtual std::string text() const = 0;
    // Replaces the selection; the caret ends after the new text with nothing selected.
    virtual void setText(const std::string& text) = 0;
    virtual void deleteSelection() = 0;
};

} // namespace platform
