#include "compute/data_kal.h"

#include <cmath>

namespace mirta::compute {

namespace {

// 0001-01-01 is day 1; the Unix epoch 1970-01-01 is day 719163.
constexpr int64_t kNumerDniaEpoki = 719163;
// 1899-12-30, day 0 of the platform date-time values.
constexpr int64_t kNumerDniaZeraDateTime = 693594;
// The platform decodes years 1..9999 only.
constexpr double kNajmniejszyDateTime = -693593.0;
constexpr double kNajwiekszyDateTime = 2958466.0;

int64_t FloorDiv(int64_t a, int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// A date that the day stepping can move: any year, a real month and a day inside it.
bool Krokowa(DataKal d) {
    return d.miesiac >= 1 && d.miesiac <= 12 && d.dzien >= 1 &&
           d.dzien <= DniMiesiaca(d.rok, d.miesiac);
}

// Reads 1..maxCyfr digits; advances pos.
bool CzytajLiczbe(std::string_view t, size_t& pos, int maxCyfr, int64_t& wynik, int& cyfr) {
    wynik = 0;
    cyfr = 0;
    while (pos < t.size() && t[pos] >= '0' && t[pos] <= '9' && cyfr < maxCyfr) {
        wynik = wynik * 10 + (t[pos] - '0');
        ++pos;
        ++cyfr;
    }
    return cyfr > 0;
}

bool Separator(char c) {
    return c == '-' || c == '/' || c == '.';
}

}  // namespace

// Civil-from-days and days-from-civil over 400-year eras (H. Hinnant's algorithms).
int64_t NumerDnia(DataKal d) {
    const int64_t m = d.miesiac;
    const int64_t y = static_cast<int64_t>(d.rok) - (m <= 2);
    const int64_t era = FloorDiv(y, 400);
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d.dzien - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + kNumerDniaEpoki;
}

DataKal DataZNumeruDnia(int64_t numer) {
    const int64_t z = numer - kNumerDniaEpoki + 719468;
    const int64_t era = FloorDiv(z, 146097);
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int64_t dzien = doy - (153 * mp + 2) / 5 + 1;
    const int64_t miesiac = mp < 10 ? mp + 3 : mp - 9;
    const int64_t rok = yoe + era * 400 + (miesiac <= 2);
    return DataKal{static_cast<int32_t>(rok), static_cast<uint8_t>(miesiac),
                   static_cast<uint8_t>(dzien)};
}

DataKal NastepnyDzien(DataKal d) {
    if (!Krokowa(d))
        return d;
    if (d.dzien < DniMiesiaca(d.rok, d.miesiac)) {
        ++d.dzien;
    } else if (d.miesiac < 12) {
        ++d.miesiac;
        d.dzien = 1;
    } else {
        d = DataKal{d.rok + 1, 1, 1};
    }
    return d;
}

DataKal PoprzedniDzien(DataKal d) {
    if (!Krokowa(d))
        return d;
    if (d.dzien > 1) {
        --d.dzien;
    } else if (d.miesiac > 1) {
        --d.miesiac;
        d.dzien = static_cast<uint8_t>(DniMiesiaca(d.rok, d.miesiac));
    } else {
        d = DataKal{d.rok - 1, 12, 31};
    }
    return d;
}

DataKal DodajDni(DataKal d, int64_t n) {
    if (!Krokowa(d) || n == 0)
        return d;
    return DataZNumeruDnia(NumerDnia(d) + n);
}

DataKal DodajMiesiace(DataKal d, int32_t n) {
    if (!Krokowa(d))
        return d;
    const int64_t indeks = static_cast<int64_t>(d.rok) * 12 + (d.miesiac - 1) + n;
    const int64_t rok = FloorDiv(indeks, 12);
    const int miesiac = static_cast<int>(indeks - rok * 12) + 1;
    const int dlugosc = DniMiesiaca(rok, miesiac);
    return DataKal{static_cast<int32_t>(rok), static_cast<uint8_t>(miesiac),
                   static_cast<uint8_t>(d.dzien < dlugosc ? d.dzien : dlugosc)};
}

int PorownajDaty(DataKal a, DataKal b) {
    const bool pa = a.Poprawna();
    const bool pb = b.Poprawna();
    if (!pa || !pb)
        return pa == pb ? 0 : (pa ? 1 : -1);
    const auto w = a <=> b;
    return w < 0 ? -1 : (w > 0 ? 1 : 0);
}

int64_t RoznicaDni(DataKal p, DataKal q) {
    if (!p.Poprawna())
        return kRoznicaBezP;
    if (!q.Poprawna())
        return kRoznicaBezQ;
    return NumerDnia(p) - NumerDnia(q);
}

int64_t DniWlacznie(DataKal a, DataKal b) {
    const int64_t r = RoznicaDni(b, a);
    return r >= 0 ? r + 1 : r - 1;
}

int DzienTygodnia(DataKal d) {
    if (!d.Poprawna())
        return 0;
    // Day 1 (0001-01-01) was a Monday.
    const int64_t n = NumerDnia(d) - 1;
    return static_cast<int>(n - FloorDiv(n, 7) * 7) + 1;
}

DataKal DataZTekstu(std::string_view tekst) {
    while (!tekst.empty() && tekst.front() == ' ')
        tekst.remove_prefix(1);
    while (!tekst.empty() && tekst.back() == ' ')
        tekst.remove_suffix(1);
    size_t pos = 0;
    int64_t a = 0, b = 0, c = 0;
    int cyfrA = 0, cyfrB = 0, cyfrC = 0;
    if (!CzytajLiczbe(tekst, pos, 4, a, cyfrA))
        return {};
    if (pos >= tekst.size() || !Separator(tekst[pos]))
        return {};
    const char sep = tekst[pos++];
    if (!CzytajLiczbe(tekst, pos, 2, b, cyfrB))
        return {};
    if (pos >= tekst.size() || tekst[pos] != sep)
        return {};
    ++pos;
    if (!CzytajLiczbe(tekst, pos, 4, c, cyfrC) || pos != tekst.size())
        return {};
    DataKal d;
    if (cyfrA <= 2 && cyfrC == 4 && sep == '.') {
        d = DataKal{static_cast<int32_t>(c), static_cast<uint8_t>(b), static_cast<uint8_t>(a)};
    } else if (cyfrA == 4 && cyfrC <= 2) {  // "26-12-31" or "31.12.26" is no year 26
        d = DataKal{static_cast<int32_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c)};
    } else {
        return {};
    }
    return d.Poprawna() ? d : DataKal{};
}

bool PoprawnyTekstDaty(std::string_view tekst) {
    return DataZTekstu(tekst).Poprawna();
}

DataKal DataZDateTime(double wartosc) {
    if (wartosc == 0 || !std::isfinite(wartosc))
        return {};
    if (wartosc <= kNajmniejszyDateTime - 1 || wartosc >= kNajwiekszyDateTime)
        return {};
    const DataKal d =
        DataZNumeruDnia(kNumerDniaZeraDateTime + static_cast<int64_t>(std::trunc(wartosc)));
    return d.Poprawna() ? d : DataKal{};
}

double DataNaDateTime(DataKal d) {
    if (!d.Poprawna())
        return 0;
    return static_cast<double>(NumerDnia(d) - kNumerDniaZeraDateTime);
}

int64_t DniWlacznieDateTime(double a, double b) {
    const DataKal da = DataZDateTime(a);
    const DataKal db = DataZDateTime(b);
    if (!da.Poprawna() || !db.Poprawna())
        return 0;
    return DniWlacznie(da, db);
}

}  // namespace mirta::compute
