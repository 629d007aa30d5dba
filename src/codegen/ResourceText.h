#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {
class MessageService;
} // namespace platform

namespace morva {

class CFormModel;

// Readers and site finders over the texts of resource.h and the resource script. They work on
// any bytes, never read outside the text, skip comments, and accept CR LF or bare LF line ends.
// Symbols match as whole words, so IDC_TEXT1 never finds IDC_TEXT10.

enum class PictureType { Bitmap, Icon, Cursor };

// The type of a picture file by the text after its name's first dot (BMP when not ICO or CUR).
PictureType PictureTypeOf(std::string_view filePath);
// "BITMAP", "ICON" or "CURSOR".
std::string_view PictureTypeWord(PictureType type);
// "IDB_BITMAP", "IDI_ICON" or "IDC_CURSOR".
std::string_view PictureSymbolPrefix(PictureType type);
// The file name without its folder part.
std::string_view FileNameOf(std::string_view path);

// The value of the first definition of the symbol (decimal or 0x hex); 0 when missing.
long SymbolValue(std::string_view header, std::string_view symbol);
// The symbols defined with exactly this value text.
std::vector<std::string> SymbolsWithValue(std::string_view header, std::string_view value);
bool SymbolDefined(std::string_view header, std::string_view symbol);
// One more than the largest string identifier of the script's string tables; 1 without any
// entry; 0 when a table is damaged (no BEGIN, an unclosed string).
long NextStringId(std::string_view script, std::string_view header);

// Rewrite the counter line's value; false when the line is missing.
bool SetNextControlValue(std::string& header, long controlCounter);
bool SetNextResourceValue(std::string& header, long resourceCounter);

// Where new #define lines go in resource.h: the start of the line after the last #define before
// the APSTUDIO block, or 0.
size_t SymbolSite(std::string_view header);
// Where new string-table entries go: the start of the last table's END line. Shows the
// missing-table message and answers nothing when the script has no string table.
std::optional<size_t> StringTableSite(std::string_view script, platform::MessageService& messages);
// Where a new picture line goes; nothing when the section comment is missing.
std::optional<size_t> BitmapSite(std::string_view script);
std::optional<size_t> IconSite(std::string_view script);
std::optional<size_t> CursorSite(std::string_view script);
std::optional<size_t> PictureSite(std::string_view script, PictureType type);

// The generated lines of a picture resource with number n and picture file path.
std::string PictureHeaderLine(PictureType type, long n);
std::string PictureScriptLine(PictureType type, long n, std::string_view filePath);

// The quoted file name of the symbol's picture line (offsets of the text between the quotes).
struct QuotedRange {
    size_t first;
    size_t end;
};
std::optional<QuotedRange> FindPictureFileName(std::string_view script, std::string_view symbol);

// Whether any control of the given forms carries both symbols.
bool SymbolsInUse(std::span<const CFormModel* const> forms, std::string_view identifierSymbol,
                  std::string_view propStringSymbol);

} // namespace morva
