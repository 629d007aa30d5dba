#pragma once

#include "codegen/GeneratedLineKind.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {
class MessageService;
} // namespace platform

namespace morva {

class CClassItem;
class CControlItem;
class CProject;

// Markers of the generated blocks.
inline constexpr std::string_view kDeclarationStart = "//{{AFX_TFX_CTRL_DECLR_START";
inline constexpr std::string_view kDeclarationEnd = "//}}AFX_TFX_CTRL_DECLR_END";
inline constexpr std::string_view kCreationStart = "//{{AFX_TFX_CTRL_IMPL_START";
inline constexpr std::string_view kCreationEnd = "//}}AFX_TFX_CTRL_IMPL_END";
inline constexpr std::string_view kFormDataStart = "//{{AFX_TFX_FORM_DATA_START";
inline constexpr std::string_view kFormDataEnd = "//}}AFX_TFX_FORM_DATA_END";

// The file a line of that kind goes to: the form header, the form source (the file of
// CreateTFXControls, else of OnCreate, else the implementation file), the map files,
// resource.h or the resource script. Empty when the class gives none.
std::string FileForKind(const CClassItem& item, const CProject& project, uint32_t kind);

// Where a new line of the kind goes in `text` (the text of the file FileForKind names), or
// nothing. A missing message map or AFX_MSG_MAP block shows its message; a missing string
// table shows the resource script's.
std::optional<size_t> FindInsertPosition(const CClassItem& item, std::string_view text, uint32_t kind,
                                         platform::MessageService& messages);

// The blanks and tabs at the start of the line holding `position`.
std::string_view IndentationAt(std::string_view text, size_t position);

// The range [first, end) of an existing line of the kind for the control: its creation
// statement (0x1, from the member name through its ";"), its declaration statement (0x2, up to
// its ";"), its string-table entry (0x40000, from the symbol through the closing quote) or the
// form's m_nResID line (0x800000). Nothing for other kinds or when the line is not there.
struct TextRange {
    size_t first;
    size_t end;
};
std::optional<TextRange> FindExistingLine(const CClassItem& item, const CControlItem& control, std::string_view text,
                                          uint32_t kind);
// The same for explicit names: the creation line of the member that names the identifier
// symbol (any, when it is empty), the declaration of the member, the string-table entry of
// the symbol.
std::optional<TextRange> FindCreationLine(const CClassItem& item, std::string_view text, std::string_view memberName,
                                          std::string_view identifierSymbol);
std::optional<TextRange> FindDeclaration(const CClassItem& item, std::string_view text, std::string_view memberName);
std::optional<TextRange> FindStringTableEntry(std::string_view script, std::string_view propStringSymbol);
// The range widened to whole lines when only blanks share the lines with it, so that removing
// it leaves no empty line.
TextRange WholeLines(std::string_view text, TextRange range);

} // namespace morva
