// Test helpers: seeded random functions and a truth-table evaluator that reads function and
// form texts on its own, so that results are checked against the meaning of the input.
#pragma once

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace testy {

// Truth table of a letter text (groups joined by "+"; trailing "+" ignored, any other empty
// group is 1; "1" alone is the constant) over `kodowanie`, index = minterm number.
inline std::vector<char> TablicaPrawdyLiter(std::string tekst, const std::string& kodowanie) {
    const int l = static_cast<int>(kodowanie.size());
    std::vector<char> t(std::size_t{1} << l, 0);
    if (tekst == "1") {
        std::fill(t.begin(), t.end(), 1);
        return t;
    }
    if (tekst.find_first_not_of('+') != std::string::npos)
        while (tekst.back() == '+')
            tekst.pop_back();
    std::vector<std::string> grupy{""};
    for (char c : tekst) {
        if (c == '+')
            grupy.emplace_back();
        else
            grupy.back().push_back(c);
    }
    for (std::uint32_t m = 0; m < t.size(); ++m)
        for (const auto& g : grupy) {
            bool prawda = true;
            for (char c : g) {
                const auto p = kodowanie.find(static_cast<char>(std::toupper(c)));
                const bool bit = (m >> (l - 1 - static_cast<int>(p))) & 1;
                if (bit != (c >= 'A' && c <= 'Z'))
                    prawda = false;
            }
            if (prawda) {
                t[m] = 1;
                break;
            }
        }
    return t;
}

inline std::vector<char> TablicaPrawdyLiczb(const std::string& tekst, int l) {
    std::vector<char> t(std::size_t{1} << l, 0);
    std::string liczba;
    for (std::size_t i = 0; i <= tekst.size(); ++i) {
        if (i == tekst.size() || tekst[i] == ',') {
            if (!liczba.empty())
                t[std::stoul(liczba)] = 1;
            liczba.clear();
        } else {
            liczba.push_back(tekst[i]);
        }
    }
    return t;
}

// A random letter function over the first `l` letters: `grupy` groups, each letter in a group
// with probability `gestosc`, negated half the time, letters in random order.
inline std::string LosowaLiterowa(std::mt19937& los, int l, int grupy, double gestosc) {
    std::string f;
    std::uniform_real_distribution<double> u(0, 1);
    for (int g = 0; g < grupy; ++g) {
        std::string grupa;
        for (int i = 0; i < l; ++i)
            if (u(los) < gestosc)
                grupa.push_back(u(los) < 0.5 ? static_cast<char>('a' + i)
                                             : static_cast<char>('A' + i));
        if (grupa.empty())
            grupa.push_back(
                static_cast<char>('A' + static_cast<int>(los() % static_cast<unsigned>(l))));
        std::shuffle(grupa.begin(), grupa.end(), los);
        if (!f.empty())
            f.push_back('+');
        f += grupa;
    }
    return f;
}

// A random decimal function: `ile` numbers below 2^l, repeats allowed when `powtorzenia`, the
// largest number always 2^l - 1 so that the ascending encoding has exactly l letters.
inline std::string LosowaDziesietna(std::mt19937& los, int l, int ile, bool powtorzenia) {
    const std::uint32_t zakres = 1u << l;
    std::vector<std::uint32_t> liczby;
    std::vector<char> jest(zakres, 0);
    liczby.push_back(zakres - 1);
    jest[zakres - 1] = 1;
    while (static_cast<int>(liczby.size()) < ile) {
        const std::uint32_t v = static_cast<std::uint32_t>(los() % zakres);
        if (jest[v] && !powtorzenia) {
            if (std::count(jest.begin(), jest.end(), 1) == static_cast<long>(zakres))
                break;
            continue;
        }
        jest[v] = 1;
        liczby.push_back(v);
    }
    std::shuffle(liczby.begin(), liczby.end(), los);
    std::string f;
    for (auto v : liczby) {
        if (!f.empty())
            f.push_back(',');
        f += std::to_string(v);
    }
    return f;
}

} // namespace testy
