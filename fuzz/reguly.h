// Rules every fuzzer checks: what a well-formed function text is, and how a broken rule ends
// the run (a message and abort(), which libFuzzer records as a crash with its input).
#pragma once

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace fuzz {

[[noreturn]] inline void Blad(const std::string& opis, std::string_view tekst = {}) {
    std::fprintf(stderr, "Naruszona reguła: %s\n  tekst: \"%.*s\"\n", opis.c_str(),
                 static_cast<int>(tekst.size()), tekst.data());
    std::abort();
}

inline void Sprawdz(bool warunek, const std::string& opis, std::string_view tekst = {}) {
    if (!warunek)
        Blad(opis, tekst);
}

inline bool Litera(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
inline bool Cyfra(char c) {
    return c >= '0' && c <= '9';
}

// What is wrong with a text by the rules of its notation, or empty. Letter notation: letters
// and "+", no two "+" side by side, no variable twice in one group. Decimal notation: digits and
// ",", no two "," side by side. A separator may stand first or last. The range of the numbers is
// not a rule of the text (the editor lets one number grow past it and then refuses keys).
inline std::string BladNotacji(std::string_view f, bool dziesietna) {
    // The don't-care part follows one ";" and keeps the same rules.
    if (const auto s = f.find(';'); s != std::string_view::npos) {
        if (s == 0)
            return "średnik na początku";
        if (f.find(';', s + 1) != std::string_view::npos)
            return "dwa średniki";
        const std::string przed = BladNotacji(f.substr(0, s), dziesietna);
        return przed.empty() ? BladNotacji(f.substr(s + 1), dziesietna) : przed;
    }
    const char separator = dziesietna ? ',' : '+';
    std::array<bool, 26> wGrupie{};
    for (std::size_t i = 0; i < f.size(); ++i) {
        const char c = f[i];
        if (c == separator) {
            if (i + 1 < f.size() && f[i + 1] == separator)
                return "dwa separatory obok siebie";
            wGrupie.fill(false);
            continue;
        }
        if (dziesietna) {
            if (!Cyfra(c))
                return std::string("znak spoza zapisu dziesiętnego: ") + c;
            continue;
        }
        if (!Litera(c))
            return std::string("znak spoza zapisu literowego: ") + c;
        const int k = (c >= 'a' ? c - 'a' : c - 'A');
        if (wGrupie[static_cast<std::size_t>(k)])
            return std::string("litera dwa razy w grupie: ") + c;
        wGrupie[static_cast<std::size_t>(k)] = true;
    }
    return {};
}

// Characters of the function part (before any ";") that are not separators: what the letter
// count label shows.
inline int Znaki(std::string_view f) {
    int n = 0;
    for (char c : f.substr(0, f.find(';')))
        n += (c != '+' && c != ',');
    return n;
}

} // namespace fuzz
