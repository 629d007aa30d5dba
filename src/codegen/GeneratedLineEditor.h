#pragma once

#include "codegen/GeneratedLineKind.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {
class MessageService;
} // namespace platform

namespace morva {

class CClassItem;
class CControlItem;
class CProject;
class SourceEditSession;

// Inserts, replaces and deletes generated lines of a class in the files of an edit session.
// The file is the one the kind names; the position comes from the class's parsed positions;
// a header or source file is parsed again after each edit so that the next one finds fresh
// positions. Texts are handed in without indentation and line break: the editor adds what
// the kind asks for.
class GeneratedLineEditor {
public:
    GeneratedLineEditor(SourceEditSession& session, const CProject& project, platform::MessageService& messages);

    // False when the file does not exist (with a message) or the kind's site is missing.
    // Kinds 0x1000000 and 0x2000000 insert nothing and succeed when the text is there already.
    bool InsertLine(CClassItem& item, uint32_t kind, std::string_view text, bool lineBreak = true);
    // Finds the control's existing line of the kind (creation line, declaration, string-table
    // entry, m_nResID line) and replaces it with `text` or removes it; false when it is not there.
    bool ReplaceLine(CClassItem& item, const CControlItem& control, uint32_t kind, std::string_view text);
    bool DeleteLine(CClassItem& item, const CControlItem& control, uint32_t kind);
    // Replaces the range of an existing line found by FindExistingLine-style lookups.
    bool ReplaceRange(CClassItem& item, uint32_t kind, size_t first, size_t end, std::string_view text);
    // Removes the range together with its line when nothing else stands on it.
    bool DeleteRange(CClassItem& item, uint32_t kind, size_t first, size_t end);

    // The working text of the file the kind names, loaded on first use; null when missing
    // (with the "does not exist" message).
    const std::string* FileText(const CClassItem& item, uint32_t kind, std::string* path = nullptr);

    SourceEditSession& Session() { return m_session; }
    const CProject& Project() const { return m_project; }
    platform::MessageService& Messages() { return m_messages; }

private:
    bool EditAndReparse(const std::string& path, uint32_t kind, size_t first, size_t end, const std::string& text);

    SourceEditSession& m_session;
    const CProject& m_project;
    platform::MessageService& m_messages;
};

} // namespace morva
