// A small Rich Text writer: plain lines in one font as an RTF document.
//
// The document has a header with a one-entry font table and one paragraph per line. Text is
// taken as UTF-8: "\", "{" and "}" are escaped, a tab becomes \tab, other control characters
// are dropped, and every character beyond ASCII is written as \uN with "?" (as \'3f) for
// readers that do not know it (two \u words, a surrogate pair, above U+FFFF; invalid UTF-8 gives
// U+FFFD).
#pragma once

#include <string>
#include <vector>

namespace vyn {

struct CzcionkaRtf {
    std::string Nazwa = "MS Sans Serif";
    double RozmiarPunkty = 8;
};

std::string DokumentRtf(const std::vector<std::string>& linie, const CzcionkaRtf& czcionka = {});

} // namespace vyn
