// The RTF writer, checked by reading its output back with a small independent RTF reader.
#include "files/rtf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

using namespace vyn;
using L = std::vector<std::string>;

namespace {

void DopiszUtf8(std::string& s, char32_t z) {
    if (z < 0x80)
        return s.push_back(static_cast<char>(z));
    const int dalsze = z < 0x800 ? 1 : z < 0x10000 ? 2 : 3;
    s.push_back(static_cast<char>((0xFF00 >> (dalsze + 1)) | (z >> (6 * dalsze))));
    for (int k = dalsze - 1; k >= 0; --k)
        s.push_back(static_cast<char>(0x80 | ((z >> (6 * k)) & 0x3F)));
}

// What a reader takes from a document: the paragraphs as UTF-8, the font table's text and the
// control words. CR and LF are ignored; \uN is a UTF-16 unit followed by one fallback
// character (a plain one or \'hh).
struct Odczyt {
    L Akapity{""};
    std::string Czcionki;
    L Slowa;
    bool Zrownowazony = false;
};

Odczyt Czytaj(const std::string& rtf) {
    Odczyt o;
    std::vector<bool> tablica{false}; // per group: inside the font table
    std::u16string jednostki;
    auto oproznij = [&] {
        for (std::size_t k = 0; k < jednostki.size(); ++k) {
            char32_t z = jednostki[k];
            if (z >= 0xD800 && z < 0xDC00 && k + 1 < jednostki.size())
                z = 0x10000 + ((z - 0xD800) << 10) + (jednostki[++k] - 0xDC00);
            DopiszUtf8(tablica.back() ? o.Czcionki : o.Akapity.back(), z);
        }
        jednostki.clear();
    };
    auto litera = [&](std::size_t k) {
        return k < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[k]));
    };
    for (std::size_t i = 0; i < rtf.size();) {
        const char c = rtf[i];
        const bool slowoU = rtf.compare(i, 2, "\\u") == 0 && !litera(i + 2);
        if (!slowoU)
            oproznij();
        if (c == '{' || c == '}') {
            c == '{' ? tablica.push_back(tablica.back()) : tablica.pop_back();
            if (tablica.empty())
                tablica.push_back(false); // one "}" too many: keep reading all the same
            // Balanced: the document's own group closes last, with nothing after it.
            o.Zrownowazony = tablica.size() == 1 && c == '}' &&
                             rtf.find_first_not_of("\r\n", i + 1) == std::string::npos;
            ++i;
        } else if (c == '\r' || c == '\n') {
            ++i;
        } else if (c != '\\') {
            DopiszUtf8(tablica.back() ? o.Czcionki : o.Akapity.back(),
                       static_cast<unsigned char>(c));
            ++i;
        } else if (!litera(i + 1)) { // \\ \{ \}
            DopiszUtf8(tablica.back() ? o.Czcionki : o.Akapity.back(),
                       static_cast<unsigned char>(rtf.at(i + 1)));
            i += 2;
        } else {
            std::size_t j = i + 1;
            while (litera(j))
                ++j;
            std::size_t k = j + (rtf[j] == '-');
            while (std::isdigit(static_cast<unsigned char>(rtf[k])))
                ++k;
            const std::string slowo = rtf.substr(i + 1, j - i - 1);
            o.Slowa.push_back(rtf.substr(i + 1, k - i - 1));
            if (rtf[k] == ' ')
                ++k;
            if (slowo == "u") {
                jednostki.push_back(static_cast<char16_t>(std::stoi(rtf.substr(j, k - j))));
                k += rtf.compare(k, 2, "\\'") == 0 ? 4 : 1;
            } else if (slowo == "fonttbl") {
                tablica.back() = true;
            } else if (slowo == "par") {
                o.Akapity.emplace_back();
            } else if (slowo == "tab") {
                o.Akapity.back() += '\t';
            }
            i = k;
        }
    }
    return o;
}

bool Jest(const Odczyt& o, const std::string& slowo) {
    return std::find(o.Slowa.begin(), o.Slowa.end(), slowo) != o.Slowa.end();
}

} // namespace

TEST(rtf_test, lines_read_back_as_the_same_paragraphs) {
    const L linie = {"Funkcja wejściowa",
                     "",
                     "1)",                        // a digit right after the paragraph mark
                     "       seven blanks ahead", // blanks right after it
                     "back\\slash {braces}",
                     "Zażółć gęślą jaźń ĄĘŁŃÓŚŹŻ",
                     "emoji 😀 and €",
                     "\xC2\x80\xE0\xA0\x80\xF0\x90\x80\x80", // the least of each length
                     "tab\there",
                     "",
                     ""};
    const auto o = Czytaj(DokumentRtf(linie));
    EXPECT_TRUE(o.Zrownowazony);
    EXPECT_EQ(o.Akapity, linie);
}

TEST(rtf_test, header_names_the_escaped_font_and_text_is_ascii_with_sixteen_bit_units) {
    const auto rtf = DokumentRtf({"x"}, {"DejaVu; {Sans}", 10.5});
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi", 0), 0u);
    const auto o = Czytaj(rtf);
    EXPECT_EQ(o.Czcionki, "DejaVu {Sans};");
    EXPECT_TRUE(Jest(o, "fs21") && Jest(o, "f0") && Jest(o, "uc1")); // size in half points
    EXPECT_EQ(o.Akapity, L{"x"});
    EXPECT_TRUE(Jest(Czytaj(DokumentRtf({"x"})), "fs16")); // 8 points by default

    const auto u = DokumentRtf({"ą😀"}); // signed units, U+1F600 as D83D DE00, each with "?"
    EXPECT_NE(u.find("\\u261\\'3f"), std::string::npos);
    EXPECT_NE(u.find("\\u-10179\\'3f\\u-8704\\'3f"), std::string::npos);
    EXPECT_EQ(std::count_if(u.begin(), u.end(), [](unsigned char c) { return c >= 0x80; }), 0);
}

TEST(rtf_test, broken_utf8_and_control_characters_do_not_break_the_document) {
    const auto o = Czytaj(DokumentRtf({"a\xC4"
                                       "b\xFF"
                                       "c\x01\x1F"
                                       "d\xE2\x82",
                                       "\xF0\x9F"}));
    EXPECT_TRUE(o.Zrownowazony);
    EXPECT_EQ(o.Akapity, (L{"a\uFFFDb\uFFFDcd\uFFFD\uFFFD", "\uFFFD\uFFFD"}));
    // An overlong form, a surrogate and a number past U+10FFFF are no characters either.
    for (const char* zly : {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80"})
        EXPECT_EQ(Czytaj(DokumentRtf({zly})).Akapity.at(0).find_first_not_of("\uFFFD"),
                  std::string::npos)
            << zly;
    const auto pusty = Czytaj(DokumentRtf({}));
    EXPECT_TRUE(pusty.Zrownowazony);
    EXPECT_EQ(pusty.Akapity, L{""});
}
