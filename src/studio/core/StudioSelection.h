#pragma once

#include "platform/ideapi/IdeTextSelection.h"

#include <cstddef>

namespace studio {

class StudioDocument;

// The selection of a studio document: an anchor and a caret, as offsets into its text.
class StudioSelection : public platform::IdeTextSelection {
public:
    explicit StudioSelection(StudioDocument& document) : m_document(document) {}

    int currentLine() const override;
    int currentColumn() const override;
    void moveTo(int line, int column, bool extend) override;
    void goToLine(int line, bool select) override;
    void charLeft(bool extend, int count) override;
    void wordLeft(bool extend) override;
    std::string text() const override;
    void setText(const std::string& text) override;
    void deleteSelection() override;

    size_t anchor() const { return m_anchor; }
    size_t caret() const { return m_caret; }
    // Keeps both ends inside a text that changed under the selection.
    void clampTo(size_t length);

private:
    void placeCaret(size_t offset, bool extend);

    StudioDocument& m_document;
    size_t m_anchor = 0;
    size_t m_caret = 0;
};

} // namespace studio
