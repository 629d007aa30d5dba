#pragma once

#include <string>

namespace morva {

class ISourceText;

// Brings a file from `oldText` (what it holds now) to `newText`. A file open as an IDE document
// gets only the lines that differ, replaced through the editor, so that the document keeps its
// caret, undo history and the rest of its text; any other file is rewritten whole. False when
// the edit or the write failed.
bool ApplySourceTextChange(ISourceText& sources, const std::string& path, const std::string& oldText,
                           const std::string& newText);

} // namespace morva
