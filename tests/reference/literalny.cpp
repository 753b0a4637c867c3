// The literal rules, step by step as written; see literalny.h.
#include "literalny.h"

#include <cctype>
#include <cstdlib>

namespace ref {

namespace {

constexpr std::uint32_t VAL = 0x3FFFFFF;
constexpr std::uint32_t COMB = 0x4000000;
constexpr std::uint32_t PRES = 0x8000000;

int PoliczGrupy(const std::string& t) {
    if (t.empty())
        return 0;
    int n = 0;
    for (std::size_t i = 1; i <= t.size() - 1; ++i) {
        char c = t[i - 1], d = t[i];
        if ((c == '+' && d != '+') || (c == ',' && d != ','))
            ++n;
    }
    return n + 1;
}

std::string SkladnikNaLitery(const std::string& K, std::uint32_t value, std::uint32_t mask) {
    std::string r;
    std::uint32_t w = 1;
    for (int p = static_cast<int>(K.size()); p >= 1; --p, w <<= 1) {
        char c = K[static_cast<std::size_t>(p - 1)];
        if ((value & w) && !(mask & w))
            r = std::string(1, static_cast<char>(std::toupper(c))) + r;
        else if (!(value & w) && !(mask & w))
            r = std::string(1, static_cast<char>(std::tolower(c))) + r;
    }
    return r;
}

bool JestWTablicy(const std::vector<std::uint32_t>& V, const std::vector<std::uint32_t>& M,
                  std::uint32_t value, std::uint32_t mask) {
    for (std::size_t s = 1; s < V.size() && (V[s] & PRES); ++s)
        if (M[s] == mask && (M[s] | (V[s] & VAL)) == ((value & VAL) | mask))
            return true;
    return false;
}

std::string Wiersz(int n, std::size_t N) {
    double pary = static_cast<double>(N) * static_cast<double>(N - (N ? 1 : 0)) / 2;
    std::string c;
    if (N < 9999) {
        c = std::to_string(static_cast<unsigned long long>(pary));
    } else {
        double tys = static_cast<double>(N) * static_cast<double>(N - 1) / 2000.0;
        // nearest, halves to even
        double f = static_cast<double>(static_cast<long long>(tys));
        double rest = tys - f;
        long long v = static_cast<long long>(f);
        if (rest > 0.5 || (rest == 0.5 && v % 2 == 1))
            ++v;
        c = std::to_string(v) + "000";
    }
    return std::to_string(n) + " " + std::to_string(N) + " " + c;
}

struct Stan {
    std::string K;
    int L = 0;
    std::string KanonicznaLiterowa, KanonicznaRobocza, KanonicznaDziesietna;
    std::vector<std::uint32_t> Mintermy, WA, MA, WB, MB, PW, PM;
    int LicznikProstych = 1;
    Wynik w;
    // chart
    std::vector<std::vector<char>> T;
    std::vector<int> P1, P2, P3;
    int NajlepszaDlugosc = 0, DolnaGranica = 0, IloscMinimalnych = 0;
    std::string Istotne;
    bool naprawiona = true;
    std::size_t maksPostaci = 1000;

    void RozwinGrupe(const std::string& term, int p) {
        if (static_cast<int>(term.size()) == L) {
            KanonicznaLiterowa += term + "+";
            return;
        }
        char c = K[static_cast<std::size_t>(p - 1)];
        char lo = static_cast<char>(std::tolower(c)), up = static_cast<char>(std::toupper(c));
        if (term.find(lo) == std::string::npos && term.find(up) == std::string::npos) {
            RozwinGrupe(term + lo, p + 1);
            RozwinGrupe(term + up, p + 1);
        } else {
            RozwinGrupe(term, p + 1);
        }
    }

    void TworzKanonicznaLiterowa(const std::string& F) {
        KanonicznaLiterowa.clear();
        int grupy = PoliczGrupy(F);
        std::size_t pos = 0;
        for (int g = 0; g < grupy; ++g) {
            std::string grupa;
            while (pos < F.size() && F[pos] != '+')
                grupa += F[pos++];
            ++pos;
            RozwinGrupe(grupa, 1);
        }
        std::size_t i = 0;
        while (i < KanonicznaLiterowa.size()) {
            std::size_t e = KanonicznaLiterowa.find('+', i);
            std::string term = KanonicznaLiterowa.substr(i, e - i);
            i = e + 1;
            std::string norm(static_cast<std::size_t>(L), 'X');
            for (char c : term)
                norm[K.find(static_cast<char>(std::toupper(c)))] = c;
            if (KanonicznaRobocza.find(norm) == std::string::npos)
                KanonicznaRobocza += norm + "+";
        }
        KanonicznaLiterowa = KanonicznaRobocza.substr(0, KanonicznaRobocza.size() - 1);
    }

    void TworzKanonicznaDziesietna() {
        KanonicznaDziesietna.clear();
        int k = 1;
        int j = 0;
        std::uint32_t v = 0;
        for (int i = static_cast<int>(KanonicznaLiterowa.size()) - 1; i >= -1; --i) {
            if (i == -1 || KanonicznaLiterowa[static_cast<std::size_t>(i)] == '+') {
                WA[static_cast<std::size_t>(k)] = v | PRES;
                Mintermy[static_cast<std::size_t>(k)] = v | PRES;
                ++k;
                KanonicznaDziesietna += std::to_string(v) + ",";
                v = 0;
                j = 0;
                continue;
            }
            char c = KanonicznaLiterowa[static_cast<std::size_t>(i)];
            if (c == std::toupper(c))
                v += 1u << j;
            ++j;
        }
        KanonicznaDziesietna.pop_back();
    }

    void Dziesietna(const std::string& F) {
        std::size_t i = 0;
        int k = 1;
        while (i < F.size()) {
            if (F[i] == ',') {
                ++i;
                continue;
            }
            std::string cyfry;
            while (i < F.size() && F[i] != ',')
                cyfry += F[i++];
            std::uint32_t v = static_cast<std::uint32_t>(std::stoul(cyfry));
            KanonicznaLiterowa += SkladnikNaLitery(K, v, 0) + "+";
            Mintermy[static_cast<std::size_t>(k)] = v | PRES;
            WA[static_cast<std::size_t>(k)] = v | PRES;
            ++k;
            KanonicznaDziesietna += cyfry + ",";
        }
        KanonicznaDziesietna.pop_back();
        KanonicznaLiterowa.pop_back();
    }

    // ---- chart ----
    int OstatniWiersz() const {
        int r = 0;
        while (static_cast<std::size_t>(r + 1) < PW.size() &&
               (PW[static_cast<std::size_t>(r + 1)] & PRES))
            ++r;
        return r;
    }
    int OstatniaKolumna() const {
        int c = 0;
        while (static_cast<std::size_t>(c + 1) < Mintermy.size() &&
               (Mintermy[static_cast<std::size_t>(c + 1)] & PRES))
            ++c;
        return c;
    }
    char& t(int r, int c) { return T[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]; }
    std::string Litery(int r) {
        return SkladnikNaLitery(K, PW[static_cast<std::size_t>(r)],
                                PM[static_cast<std::size_t>(r)]);
    }

    void Przebieg() {
        for (auto& row : T)
            std::fill(row.begin(), row.end(), 0);
        int R = OstatniWiersz(), C = OstatniaKolumna();
        for (int r = 1; r <= R; ++r)
            for (int c = 1; c <= C; ++c) {
                std::uint32_t m = PM[static_cast<std::size_t>(r)];
                t(r, c) = (PW[static_cast<std::size_t>(r)] & ~m) ==
                          (Mintermy[static_cast<std::size_t>(c)] & ~m);
            }
        for (int c = 1; c <= C; ++c) {
            int ile = 0, ktory = 0;
            for (int r = 1; r <= R; ++r)
                if (t(r, c)) {
                    ++ile;
                    ktory = r;
                }
            if (ile == 1) {
                t(0, c) = 1;
                t(ktory, 0) = 1;
            }
        }
        for (int r = 1; r <= R; ++r)
            if (t(r, 0)) {
                Istotne += Litery(r) + "+";
                for (int c = 1; c <= C; ++c)
                    if (t(r, c))
                        t(0, c) = 1;
            }
        int c = 1;
        while (Mintermy[static_cast<std::size_t>(c)] & PRES) {
            if (!t(0, c)) {
                ++c;
                continue;
            }
            int Lc = OstatniaKolumna();
            if (c == Lc) {
                Mintermy[static_cast<std::size_t>(c)] = 0;
                continue;
            }
            Mintermy[static_cast<std::size_t>(c)] = Mintermy[static_cast<std::size_t>(Lc)];
            t(0, c) = t(0, Lc);
            for (int r = 1; r <= R; ++r)
                t(r, c) = t(r, Lc);
            Mintermy[static_cast<std::size_t>(Lc)] = 0;
        }
        C = OstatniaKolumna();
        int r = 1;
        while (PW[static_cast<std::size_t>(r)] & PRES) {
            if (!t(r, 0)) {
                ++r;
                continue;
            }
            int Lr = OstatniWiersz();
            if (r == Lr) {
                PW[static_cast<std::size_t>(r)] = PM[static_cast<std::size_t>(r)] = 0;
                continue;
            }
            PW[static_cast<std::size_t>(r)] = PW[static_cast<std::size_t>(Lr)];
            PM[static_cast<std::size_t>(r)] = PM[static_cast<std::size_t>(Lr)];
            t(r, 0) = t(Lr, 0);
            for (int cc = 1; cc <= C; ++cc)
                t(r, cc) = t(Lr, cc);
            PW[static_cast<std::size_t>(Lr)] = PM[static_cast<std::size_t>(Lr)] = 0;
        }
    }

    void ZamienWiersze(int i, int j) {
        auto ui = static_cast<std::size_t>(i), uj = static_cast<std::size_t>(j);
        std::swap(PW[ui], PW[uj]);
        std::swap(PM[ui], PM[uj]);
        std::swap(P1[ui], P1[uj]);
        std::swap(P3[ui], P3[uj]);
        std::swap(P2[ui], P2[uj]);
        int C = OstatniaKolumna();
        for (int c = 1; c <= C; ++c)
            std::swap(t(i, c), t(j, c));
    }

    void SzukajPokrycia(std::vector<char> P, std::string tt, int r) {
        tt += Litery(r) + "+";
        int len = static_cast<int>(tt.size());
        if (len > NajlepszaDlugosc && NajlepszaDlugosc != 0)
            return;
        int C = OstatniaKolumna(), R = OstatniWiersz();
        bool dodaje = false;
        for (int c = 1; c <= C; ++c)
            if (t(r, c) && !P[static_cast<std::size_t>(c)])
                dodaje = true;
        if (!dodaje)
            return;
        for (int c = 1; c <= C; ++c)
            if (t(r, c))
                P[static_cast<std::size_t>(c)] = 1;
        if (!naprawiona && len < DolnaGranica) {
            for (int r2 = r + 1; r2 <= R; ++r2)
                SzukajPokrycia(P, tt, r2);
            return;
        }
        for (int c = 1; c <= C; ++c)
            if (!P[static_cast<std::size_t>(c)]) {
                for (int r2 = r + 1; r2 <= R; ++r2)
                    SzukajPokrycia(P, tt, r2);
                return;
            }
        if (len < NajlepszaDlugosc || NajlepszaDlugosc == 0) {
            NajlepszaDlugosc = len;
            IloscMinimalnych = 0;
            w.PostacieMinimalne.clear();
            w.Obcieto = false;
        }
        ++IloscMinimalnych;
        std::string forma = Istotne + tt;
        forma.pop_back();
        if (w.PostacieMinimalne.size() < maksPostaci)
            w.PostacieMinimalne.push_back(forma);
        else
            w.Obcieto = true;
    }

    void WybierzPostacieMinimalne() {
        w.ProsteImplikanty.clear();
        for (int r = 1; r <= OstatniWiersz(); ++r)
            w.ProsteImplikanty += Litery(r) + ",";
        if (!w.ProsteImplikanty.empty())
            w.ProsteImplikanty.pop_back();
        T.assign(static_cast<std::size_t>(OstatniWiersz()) + 2,
                 std::vector<char>(static_cast<std::size_t>(OstatniaKolumna()) + 2, 0));
        Przebieg();
        Przebieg();
        int R = OstatniWiersz();
        if (R == 0) {
            if (!Istotne.empty())
                Istotne.pop_back();
            if (Istotne.empty())
                Istotne = "1";
            w.PostacieMinimalne = {Istotne};
            w.ImplikantyIstotne = Istotne;
            return;
        }
        int C = OstatniaKolumna();
        P1.assign(PW.size(), 0);
        P2.assign(PW.size(), 0);
        P3.assign(PW.size(), 0);
        for (int r = 1; r <= R; ++r)
            for (int c = 1; c <= C; ++c)
                P1[static_cast<std::size_t>(r)] += t(r, c);
        for (int i = 1; i <= R; ++i)
            for (int j = 1; j <= R; ++j)
                if (P1[static_cast<std::size_t>(i)] > P1[static_cast<std::size_t>(j)])
                    ZamienWiersze(i, j);
        std::vector<char> Pokryte(static_cast<std::size_t>(C) + 1, 0);
        int g = 1;
        int ge = g;
        while (ge + 1 <= R &&
               P1[static_cast<std::size_t>(ge + 1)] == P1[static_cast<std::size_t>(g)])
            ++ge;
        for (int r = g; r <= ge; ++r)
            P2[static_cast<std::size_t>(r)] = P1[static_cast<std::size_t>(r)];
        while (ge + 1 <= R) {
            for (int r = g; r <= ge; ++r)
                for (int c = 1; c <= C; ++c)
                    if (t(r, c))
                        Pokryte[static_cast<std::size_t>(c)] = 1;
            int ng = ge + 1, nge = ng;
            while (nge + 1 <= R &&
                   P1[static_cast<std::size_t>(nge + 1)] == P1[static_cast<std::size_t>(ng)])
                ++nge;
            for (int r = ng; r <= nge; ++r) {
                int n = 0;
                for (int c = 1; c <= C; ++c)
                    if (t(r, c) && !Pokryte[static_cast<std::size_t>(c)])
                        ++n;
                P2[static_cast<std::size_t>(r)] = n;
            }
            g = ng;
            ge = nge;
        }
        for (int i = 1; i <= R; ++i)
            for (int j = 1; j <= R; ++j)
                if (P2[static_cast<std::size_t>(i)] > P2[static_cast<std::size_t>(j)])
                    ZamienWiersze(i, j);
        P3[1] = P1[1];
        for (int i = 1; i <= R; ++i) {
            if (i + 1 > R)
                continue;
            std::fill(Pokryte.begin(), Pokryte.end(), 0);
            for (int c = 1; c <= C; ++c)
                if (t(i + 1, c))
                    Pokryte[static_cast<std::size_t>(c)] = 1;
            for (int m = i + 1; m <= R; ++m) {
                int n = 0;
                for (int c = 1; c <= C; ++c)
                    if (t(m, c) && !Pokryte[static_cast<std::size_t>(c)])
                        ++n;
                P3[static_cast<std::size_t>(m)] = n;
            }
            for (int b = i + 1; b <= R; ++b)
                for (int d = 1;
                     d <= R && P1[static_cast<std::size_t>(d)] == P1[static_cast<std::size_t>(b)];
                     ++d)
                    if (P3[static_cast<std::size_t>(b)] > P3[static_cast<std::size_t>(d)])
                        ZamienWiersze(b, d);
        }
        {
            int n = C, suma = P1[1], idx = 1;
            std::string tekst;
            while ((PW[static_cast<std::size_t>(idx)] & PRES) && n > suma) {
                suma += P1[static_cast<std::size_t>(idx)];
                ++idx;
                tekst += Litery(idx) + "+";
            }
            DolnaGranica = static_cast<int>(tekst.size());
        }
        IloscMinimalnych = 0;
        for (int r = 1; r <= R; ++r)
            SzukajPokrycia(std::vector<char>(static_cast<std::size_t>(C) + 1, 0), "", r);
        if (w.PostacieMinimalne.empty()) {
            std::string e = Istotne;
            if (!e.empty())
                e.pop_back();
            w.PostacieMinimalne = {e.empty() ? std::string("1") : e};
        }
        if (!Istotne.empty())
            Istotne.pop_back();
        w.ImplikantyIstotne = Istotne;
        w.DolnaGranica = DolnaGranica;
    }
};

} // namespace

bool TablicaPomocnicza(int n, std::vector<std::uint32_t>& V, std::vector<std::uint32_t>& M,
                       std::vector<std::uint32_t>& V2, std::vector<std::uint32_t>& M2,
                       std::vector<std::uint32_t>& prosteW, std::vector<std::uint32_t>& prosteM,
                       int& licznikProstych, std::string& wiersz, std::size_t pojemnosc) {
    std::fill(V2.begin(), V2.end(), 0);
    std::fill(M2.begin(), M2.end(), 0);
    std::size_t k = 1;
    for (std::size_t i = 1; V[i] & PRES; ++i) {
        std::uint32_t v = V[i] & VAL;
        for (std::size_t j = i + 1; V[j] & PRES; ++j) {
            if (M[j] != M[i])
                continue;
            std::uint32_t d = v ^ (V[j] & VAL);
            if (__builtin_popcount(d) != 1)
                continue;
            int b = __builtin_ctz(d);
            std::uint32_t mask = M[i] | (1u << b);
            std::uint32_t value = v | PRES | mask;
            if (!JestWTablicy(V2, M2, value, mask)) {
                V2[k] = value;
                M2[k] = mask;
                ++k;
                if (k > pojemnosc)
                    return false;
            }
            V[i] |= COMB;
            V[j] |= COMB;
        }
    }
    std::size_t N = 0;
    while (V[N + 1] & PRES)
        ++N;
    wiersz = Wiersz(n, N);
    for (std::size_t i = 1; V[i] & PRES; ++i)
        if (!(V[i] & COMB) && !JestWTablicy(prosteW, prosteM, V[i], M[i])) {
            prosteW[static_cast<std::size_t>(licznikProstych)] = V[i];
            prosteM[static_cast<std::size_t>(licznikProstych)] = M[i];
            ++licznikProstych;
        }
    return true;
}

Wynik Minimalizuj(const std::string& funkcja, bool dziesietny, const std::string& kodowanie,
                  bool naprawionaGranica, std::size_t pojemnosc, std::size_t maksPostaci) {
    Stan s;
    s.K = kodowanie;
    s.L = static_cast<int>(kodowanie.size());
    s.naprawiona = naprawionaGranica;
    s.maksPostaci = maksPostaci;
    const std::size_t rozmiar = pojemnosc + 2;
    for (auto* v : {&s.Mintermy, &s.WA, &s.MA, &s.WB, &s.MB, &s.PW, &s.PM})
        v->assign(rozmiar, 0);
    if (dziesietny)
        s.Dziesietna(funkcja);
    else {
        s.TworzKanonicznaLiterowa(funkcja);
        s.TworzKanonicznaDziesietna();
    }
    s.w.KanonicznaLiterowa = s.KanonicznaLiterowa;
    s.w.KanonicznaDziesietna = s.KanonicznaDziesietna;
    for (int n = 1; n <= s.L; ++n) {
        std::string wiersz;
        bool ok = (n % 2 == 1) ? TablicaPomocnicza(n, s.WA, s.MA, s.WB, s.MB, s.PW, s.PM,
                                                   s.LicznikProstych, wiersz, pojemnosc)
                               : TablicaPomocnicza(n, s.WB, s.MB, s.WA, s.MA, s.PW, s.PM,
                                                   s.LicznikProstych, wiersz, pojemnosc);
        if (!ok) // a table reached its capacity
            return s.w;
        s.w.Szczegoly.push_back(wiersz);
    }
    s.WybierzPostacieMinimalne();
    return s.w;
}

} // namespace ref
