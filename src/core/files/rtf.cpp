// The RTF writer: UTF-8 decoding and the escapes of RTF text.
#include "files/rtf.h"

#include <cmath>
#include <cstdint>
#include <string_view>

namespace vyn {

namespace {

constexpr char32_t Zastepczy = 0xFFFD;

// The next code point of UTF-8 text; a malformed sequence gives U+FFFD and skips one byte.
char32_t NastepnyZnak(std::string_view s, std::size_t& i) {
    const auto bajt = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b = bajt(i++);
    if (b < 0x80)
        return b;
    int dalsze = 0;
    char32_t znak = 0;
    char32_t najmniejszy = 0;
    if ((b & 0xE0) == 0xC0) {
        dalsze = 1, znak = b & 0x1F, najmniejszy = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        dalsze = 2, znak = b & 0x0F, najmniejszy = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        dalsze = 3, znak = b & 0x07, najmniejszy = 0x10000;
    } else {
        return Zastepczy;
    }
    if (i + static_cast<std::size_t>(dalsze) > s.size())
        return Zastepczy;
    for (int k = 0; k < dalsze; ++k) {
        const unsigned char c = bajt(i + static_cast<std::size_t>(k));
        if ((c & 0xC0) != 0x80)
            return Zastepczy;
        znak = (znak << 6) | (c & 0x3F);
    }
    if (znak < najmniejszy || znak > 0x10FFFF || (znak >= 0xD800 && znak <= 0xDFFF))
        return Zastepczy;
    i += static_cast<std::size_t>(dalsze);
    return znak;
}

// \uN takes a signed 16-bit number. The fallback "?" is written as \'3f: some readers take a
// bare character after \uN together with the letters that follow it.
void DopiszU(std::string& rtf, char32_t jednostka) {
    rtf += "\\u";
    rtf += std::to_string(static_cast<std::int16_t>(static_cast<std::uint16_t>(jednostka)));
    rtf += "\\'3f";
}

void DopiszTekst(std::string& rtf, std::string_view tekst) {
    for (std::size_t i = 0; i < tekst.size();) {
        const char32_t znak = NastepnyZnak(tekst, i);
        if (znak == '\\' || znak == '{' || znak == '}') {
            rtf += '\\';
            rtf += static_cast<char>(znak);
        } else if (znak == '\t') {
            rtf += "\\tab ";
        } else if (znak < 0x20 || znak == 0x7F) {
            continue;
        } else if (znak < 0x80) {
            rtf += static_cast<char>(znak);
        } else if (znak <= 0xFFFF) {
            DopiszU(rtf, znak);
        } else {
            const char32_t v = znak - 0x10000;
            DopiszU(rtf, 0xD800 + (v >> 10));
            DopiszU(rtf, 0xDC00 + (v & 0x3FF));
        }
    }
}

} // namespace

std::string DokumentRtf(const std::vector<std::string>& linie, const CzcionkaRtf& czcionka) {
    std::string nazwa;
    for (char c : czcionka.Nazwa)
        if (c != ';') // ends the font table entry
            nazwa += c;
    const long polpunkty = std::lround(czcionka.RozmiarPunkty * 2);

    std::string rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fnil\\fcharset0 ";
    DopiszTekst(rtf, nazwa);
    rtf += ";}}\n\\viewkind4\\pard\\f0\\fs" + std::to_string(polpunkty > 0 ? polpunkty : 16) + ' ';
    for (std::size_t k = 0; k < linie.size(); ++k) {
        if (k > 0)
            rtf += "\n\\par "; // a space ends the word whatever the line begins with
        DopiszTekst(rtf, linie[k]);
    }
    rtf += "}\n";
    return rtf;
}

} // namespace vyn
