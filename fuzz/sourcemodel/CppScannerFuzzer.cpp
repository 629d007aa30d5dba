// Arbitrary text through the C++ scanner: every search and bracket match stays inside the text
// and pairs consistently.

#include "sourcemodel/CppScanner.h"

#include <cstdlib>
#include <string_view>

using morva::CppScanner;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const CppScanner scanner(text);
    // Each backward match walks from the text's start: pairing is checked for the first braces
    // only, so that an input of many braces is not a quadratic run for the fuzzer.
    constexpr int kPairedBraces = 64;
    int pairedBraces = 0;
    for (std::string_view word : {"class", "::", "{", "BEGIN_MESSAGE_MAP"}) {
        for (size_t found = scanner.findToken(word, 0); found != CppScanner::npos; found = scanner.findToken(word, found + 1)) {
            if (found + word.size() > size)
                std::abort();
            if (word == "{" && pairedBraces++ < kPairedBraces) {
                // An opener inside an #else branch pairs forward but is skipped backward.
                const size_t close = scanner.matchingClose(found);
                const size_t back = close == CppScanner::npos ? CppScanner::npos : scanner.matchingOpen(close);
                if (close != CppScanner::npos && (close >= size || text[close] != '}' || (back != CppScanner::npos && back >= close)))
                    std::abort();
            }
        }
    }
    (void)scanner.findWord("class", 0);
    (void)scanner.findTokenBackward(";", size);
    (void)scanner.identifierBefore(size);
    (void)scanner.identifierAfter(0);
    return 0;
}
