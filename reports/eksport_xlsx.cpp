#include "reports/eksport_xlsx.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <stdexcept>

#include "compute/data_kal.h"
#include "reports/eksport.h"
#include "reports/miara_tekstu.h"

namespace mirta::reports {

namespace {

// A plain decimal number ("12", "-3,50", "1 234.5" is not one: grouping makes it text).
// Numbers with a leading zero (identifiers, codes) stay text.
std::optional<double> JakoLiczba(const std::string& t) {
    if (t.empty() || t.size() > 15)
        return std::nullopt;
    std::string s = t;
    std::replace(s.begin(), s.end(), ',', '.');
    const size_t cyfry = s[0] == '-' ? 1 : 0;
    if (s.size() > cyfry + 1 && s[cyfry] == '0' && s[cyfry + 1] != '.')
        return std::nullopt;
    double x = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), x);
    if (ec != std::errc() || p != s.data() + s.size())
        return std::nullopt;
    return x;
}

int Cyfry(const std::string& t, size_t od, size_t n) {
    int v = 0;
    for (size_t i = od; i < od + n; ++i) {
        if (t[i] < '0' || t[i] > '9')
            return -1;
        v = v * 10 + (t[i] - '0');
    }
    return v;
}

// "2007-12-31" or "31-12-2007".
std::optional<compute::DataKal> JakoData(const std::string& t) {
    if (t.size() != 10)
        return std::nullopt;
    compute::DataKal d;
    if (t[4] == '-' && t[7] == '-') {
        d = {Cyfry(t, 0, 4), uint8_t(std::max(0, Cyfry(t, 5, 2))),
             uint8_t(std::max(0, Cyfry(t, 8, 2)))};
    } else if (t[2] == '-' && t[5] == '-') {
        d = {Cyfry(t, 6, 4), uint8_t(std::max(0, Cyfry(t, 3, 2))),
             uint8_t(std::max(0, Cyfry(t, 0, 2)))};
    } else {
        return std::nullopt;
    }
    if (!d.Poprawna() || d.rok < 1900)
        return std::nullopt;
    return d;
}

}  // namespace

void EksportXlsx(const Wydruk& w, const std::string& plik) {
    lxw_workbook_options opcje = {};
    opcje.constant_memory = LXW_FALSE;
    lxw_workbook* wb = workbook_new_opt(plik.c_str(), &opcje);
    if (!wb)
        throw std::runtime_error("Nie można utworzyć pliku " + plik + ".");
    lxw_worksheet* ws = workbook_add_worksheet(wb, "Wydruk");
    lxw_format* pogrubiony = workbook_add_format(wb);
    format_set_bold(pogrubiony);
    lxw_format* data = workbook_add_format(wb);
    format_set_num_format(data, "yyyy-mm-dd");
    lxw_format* calkowita = workbook_add_format(wb);
    format_set_num_format(calkowita, "0");
    lxw_format* ulamkowa = workbook_add_format(wb);
    format_set_num_format(ulamkowa, "#,##0.00");
    std::map<int, size_t> szerokosci;
    lxw_row_t wiersz = 0;
    if (!w.kolumny.empty()) {
        for (size_t k = 0; k < w.kolumny.size(); ++k) {
            worksheet_write_string(ws, 0, lxw_col_t(k), w.kolumny[k].c_str(), pogrubiony);
            szerokosci[int(k)] = std::min<size_t>(LiczbaZnakow(w.kolumny[k]), 40);
        }
        worksheet_freeze_panes(ws, 1, 0);
        wiersz = 1;
    }
    // A layout that gave its records as rows: each value in its column, as its type.
    for (const WierszArkusza& r : w.arkusz) {
        for (size_t k = 0; k < r.size() && k < LXW_COL_MAX; ++k) {
            const KomorkaArkusza& v = r[k];
            const lxw_col_t c = lxw_col_t(k);
            std::string pokazany;
            switch (v.rodzaj) {
                case RodzajWartosci::Liczba: {
                    const bool cala = v.liczba == double(int64_t(v.liczba));
                    worksheet_write_number(ws, wiersz, c, v.liczba, cala ? calkowita : ulamkowa);
                    pokazany = std::to_string(int64_t(v.liczba)) + (cala ? "" : ",00");
                    break;
                }
                case RodzajWartosci::Data: {
                    const compute::DataKal d = compute::DataZNumeruDnia(v.dzien);
                    lxw_datetime dt = {d.rok, d.miesiac, d.dzien, 0, 0, 0};
                    worksheet_write_datetime(ws, wiersz, c, &dt, data);
                    pokazany = "2000-01-01";
                    break;
                }
                case RodzajWartosci::Tekst:
                    if (!v.tekst.empty())
                        worksheet_write_string(ws, wiersz, c, v.tekst.c_str(), nullptr);
                    pokazany = v.tekst;
                    break;
            }
            size_t& sz = szerokosci[int(k)];
            sz = std::max(sz, std::min<size_t>(LiczbaZnakow(pokazany), 60));
        }
        if (++wiersz >= LXW_ROW_MAX)
            break;
    }
    // Otherwise the printed table lines.
    const std::vector<Strona> bezStron;
    for (const Strona& s : w.arkusz.empty() ? w.strony : bezStron) {
        for (const auto& linia : WierszeStrony(s)) {
            std::map<int, std::string> komorki;
            std::map<int, const ElementTekstu*> pierwsze;
            for (const ElementTekstu* t : linia) {
                if (t->kolumna <= 0)
                    continue;
                auto& k = komorki[t->kolumna - 1];
                k += (k.empty() ? "" : " ") + t->tekst;
                pierwsze.emplace(t->kolumna - 1, t);
            }
            if (komorki.empty())
                continue;
            for (auto& [kolumna, tekst] : komorki) {
                const ElementTekstu* e = pierwsze[kolumna];
                const lxw_col_t c = lxw_col_t(kolumna);
                const bool jeden = tekst == e->tekst;
                if (jeden && e->rodzaj == RodzajWartosci::Liczba) {
                    worksheet_write_number(ws, wiersz, c, e->liczba, nullptr);
                } else if (auto x = JakoLiczba(tekst)) {
                    worksheet_write_number(ws, wiersz, c, *x, nullptr);
                } else if (auto d = JakoData(tekst)) {
                    lxw_datetime dt = {d->rok, d->miesiac, d->dzien, 0, 0, 0};
                    worksheet_write_datetime(ws, wiersz, c, &dt, data);
                } else {
                    worksheet_write_string(ws, wiersz, c, tekst.c_str(), nullptr);
                }
                size_t& sz = szerokosci[kolumna];
                sz = std::max(sz, std::min<size_t>(LiczbaZnakow(tekst), 80));
            }
            if (++wiersz >= LXW_ROW_MAX)
                break;
        }
    }
    for (auto [kolumna, sz] : szerokosci)
        worksheet_set_column(ws, lxw_col_t(kolumna), lxw_col_t(kolumna),
                             double(std::max<size_t>(sz, 4) + 2), nullptr);
    const lxw_error blad = workbook_close(wb);
    if (blad != LXW_NO_ERROR)
        throw std::runtime_error("Nie udało się zapisać pliku " + plik + " (" + lxw_strerror(blad) +
                                 ").");
}

}  // namespace mirta::reports
