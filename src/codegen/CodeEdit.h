#pragma once

#include "codegen/CodeWriterServices.h"
#include "codegen/GeneratedLineEditor.h"
#include "codegen/SourceEditSession.h"

#include <string>

namespace morva {

// One designer operation's edits: a session over the project's files, the line editor on it,
// and the rebuilding of a class's controls after each re-parse of its header or source (from
// the session's own resource script, so new string-table entries are already seen).
class CodeEdit {
public:
    explicit CodeEdit(const CodeWriterServices& services);
    // An edit that was not committed is discarded while everything the rebuild uses is alive.
    ~CodeEdit();
    CodeEdit(const CodeEdit&) = delete;
    CodeEdit& operator=(const CodeEdit&) = delete;

    SourceEditSession& Session() { return m_session; }
    GeneratedLineEditor& Lines() { return m_lines; }
    const CodeWriterServices& Services() const { return m_services; }

    bool Commit() { return m_session.Commit(); }

private:
    void RebuildControls(const std::string& path);

    CodeWriterServices m_services;
    SourceEditSession m_session;
    GeneratedLineEditor m_lines;
};

} // namespace morva
