#pragma once

#include "platform/base/CodePage.h"

#include <string>
#include <string_view>

namespace platform {

// How a text file's bytes hold its text. The system works on ANSI text; files saved by other
// editors as UTF-8 or UTF-16 with a byte-order mark are read as ANSI text and written back in
// their own encoding, so that an edit never mixes two encodings in one file.
enum class TextEncoding { Ansi, Utf8Bom, Utf16Le, Utf16Be };

struct DecodedText {
    std::string text;                            // ANSI, in the code page
    TextEncoding encoding = TextEncoding::Ansi;
    // Encoding the text again gives the file's bytes back: no character was outside the code
    // page and the bytes were well formed. Only such a file can be edited and written back.
    bool lossless = true;
};

// The file's encoding by its byte-order mark, and its text in the code page (characters the
// code page lacks become '?').
DecodedText decodeText(std::string_view bytes, const CodePage& codePage = CodePage());
// ANSI text as the bytes of a file in the encoding, byte-order mark included.
std::string encodeText(std::string_view ansi, TextEncoding encoding, const CodePage& codePage = CodePage());
// The encoding a file's first bytes announce.
TextEncoding detectEncoding(std::string_view bytes);

} // namespace platform
