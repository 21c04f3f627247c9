#include "compute/staz.h"

#include <algorithm>

namespace mirta::compute {

namespace {

DataKal KoniecRoku(int32_t rok) {
    return DataKal{rok, 12, 31};
}

// Joins records given in start order into periods and sums their lengths up to r.
class Scalanie {
public:
    Scalanie(DataKal r, SladScalania* slad) : m_r(r), m_slad(slad) {}

    bool Przyjety(DataKal od) const { return od <= m_r; }

    // The record's fate, written down when a trace is kept.
    void Zapisz(DataKal od, DataKal doDnia, LosRekordu los) {
        if (m_slad)
            m_slad->rekordy.push_back({od, doDnia, los});
    }

    void Dodaj(DataKal od, DataKal doDnia) {
        Zapisz(od, doDnia, LosRekordu::Liczony);
        const DataKal koniec = Obetnij(doDnia);
        if (m_s.Pusta()) {
            m_s = od;
            if (!doDnia.Pusta())
                m_e = koniec;
        } else if (m_e.Pusta()) {
            if (!doDnia.Pusta())
                m_e = koniec;
        } else if (PoprzedniDzien(od) == m_e) {
            m_e = koniec;  // continues the period; an open end leaves it open
        } else {
            m_suma = m_suma + Okres(m_s, m_e);
            m_s = od;
            m_e = koniec;
        }
    }

    // Called once, at the end.
    OkresLMD Suma() {
        if (m_s.Pusta())
            return m_suma;
        return m_suma + Okres(m_s, m_e.Pusta() ? m_r : m_e);
    }

private:
    DataKal Obetnij(DataKal d) const { return m_r < d ? m_r : d; }

    OkresLMD Okres(DataKal od, DataKal doDnia) {
        const OkresLMD d = DlugoscOkresu(od, doDnia);
        if (m_slad)
            m_slad->okresy.push_back({od, doDnia, d});
        return d;
    }

    DataKal m_r;
    SladScalania* m_slad;
    DataKal m_s;
    DataKal m_e;
    OkresLMD m_suma;
};

bool Dopuszczony(const RekordPoprzedniegoZatrudnienia& p, RodzajStazu rodzaj) {
    switch (rodzaj) {
        case RodzajStazu::Wysluga:
            return p.doWyslugi;
        case RodzajStazu::Sluzba:
            return p.wSluzbie;
        case RodzajStazu::NagrodaJubileuszowa:
            return p.doNagrodyJubileuszowej;
        case RodzajStazu::Emerytura:
            return p.doEmerytury;
    }
    return false;
}

DataKal DataNadpisujaca(const DaneStazu& dane, RodzajStazu rodzaj) {
    switch (rodzaj) {
        case RodzajStazu::Wysluga:
            return dane.dataDoWyslugi;
        case RodzajStazu::Sluzba:
            return dane.dataDoSluzby;
        case RodzajStazu::NagrodaJubileuszowa:
            return dane.dataDoNagrodyJubileuszowe;
        case RodzajStazu::Emerytura:
            return dane.dataDoEmerytury;
    }
    return {};
}

}  // namespace

OkresLMD ScaloneZatrudnienie(std::span<const RekordZatrudnienia> rekordy, RodzajStazu rodzaj,
                             DataKal r, SladScalania* slad) {
    Scalanie s(r, slad);
    for (const auto& z : rekordy) {
        if (!s.Przyjety(z.dataOd)) {
            s.Zapisz(z.dataOd, z.dataDo, LosRekordu::PoDacie);
            continue;
        }
        if (rodzaj == RodzajStazu::Sluzba &&
            z.identyfikatorFormyZatrudn >= kPierwszaFormaPozaSluzba) {
            s.Zapisz(z.dataOd, z.dataDo, LosRekordu::PozaSluzba);
            continue;
        }
        s.Dodaj(z.dataOd, z.dataDo);
    }
    return s.Suma();
}

OkresLMD ScalonePoprzednieZatrudnienie(std::span<const RekordPoprzedniegoZatrudnienia> rekordy,
                                       std::optional<RodzajStazu> rodzaj, DataKal r,
                                       SladScalania* slad) {
    Scalanie s(r, slad);
    for (const auto& p : rekordy) {
        if (!s.Przyjety(p.dataOd)) {
            s.Zapisz(p.dataOd, p.dataDo, LosRekordu::PoDacie);
            continue;
        }
        if (rodzaj && !Dopuszczony(p, *rodzaj)) {
            s.Zapisz(p.dataOd, p.dataDo, LosRekordu::NieDopuszczony);
            continue;
        }
        s.Dodaj(p.dataOd, p.dataDo);
    }
    return s.Suma();
}

OkresLMD UrlopBezplatny(std::span<const RekordUrlopu> urlopy, DataKal r,
                        std::vector<UrlopWSladzie>* slad) {
    OkresLMD suma;
    for (size_t i = 0; i < urlopy.size(); ++i) {
        const RekordUrlopu& u = urlopy[i];
        if (u.rodzajUrlopu != kRodzajUrlopuBezplatnego || u.dataOd.Pusta() || r < u.dataOd)
            continue;
        const DataKal koniec = u.dataDo.Pusta() || !(u.dataDo < r) ? r : u.dataDo;
        const OkresLMD d = DlugoscOkresu(u.dataOd, koniec);
        if (slad)
            slad->push_back({i, u.dataOd, koniec, d});
        suma = suma + d;
    }
    return suma;
}

SkladnikiStazu Skladniki(const DaneStazu& dane, RodzajStazu rodzaj, DataKal r,
                         SladSkladnikow* slad) {
    return SkladnikiStazu{
        ScaloneZatrudnienie(dane.zatrudnienie, rodzaj, r, slad ? &slad->zatrudnienie : nullptr),
        ScalonePoprzednieZatrudnienie(dane.poprzednieZatrudnienie, rodzaj, r,
                                      slad ? &slad->poprzednie : nullptr),
        UrlopBezplatny(dane.urlopy, r, slad ? &slad->urlopy : nullptr)};
}

OkresLMD Staz(const DaneStazu& dane, RodzajStazu rodzaj, DataKal r) {
    const DataKal nadpisana = DataNadpisujaca(dane, rodzaj);
    if (!nadpisana.Pusta())
        return DlugoscOkresu(nadpisana, r);
    const SkladnikiStazu s = Skladniki(dane, rodzaj, r);
    return s.zatrudnienie + s.poprzednie - s.urlopBezplatny;
}

int ProcentWyslugiCywila(int32_t lata) {
    if (lata < 5)
        return 0;
    return lata > 20 ? 20 : lata;
}

double ProcentWyslugiFunkcjonariusza(int32_t lata) {
    if (lata < 2)
        return 0;
    if (lata <= 20)
        return lata;
    return std::min(25.0, 20 + (lata - 20) * 0.5);
}

// The count T = p + length(1 January, c) grows with c; instead of trying every day, each
// month of the following year is checked in two steps: its days before the last one, where
// T's days may carry one month once p's days and c's day pass 30, and its last day, where
// the month itself completes. The first c whose T leaves p's years is the day found.
WzrostStazu NastepnyWzrost(OkresLMD p, int32_t rok) {
    const DataKal start{rok + 1, 1, 1};
    if (p.miesiace >= 0 && p.miesiace <= 11 && p.dni >= 0 && p.dni <= 30) {
        // A count as the seniority rules produce it completes its year in month 12 - m of
        // the following year: on day 31 - d when the month has more days, else on its last.
        const int miesiac = 12 - p.miesiace;
        const int dlugosc = DniMiesiaca(start.rok, miesiac);
        const int dzien = std::max(1, 31 - p.dni);
        const DataKal c{start.rok, static_cast<uint8_t>(miesiac),
                        static_cast<uint8_t>(dzien <= dlugosc - 1 ? dzien : dlugosc)};
        return WzrostStazu{NastepnyDzien(c), p.lata + 1};
    }
    const int64_t przenosKonca = p.dni > 30 ? p.dni / 31 : 0;
    for (int k = 0;; ++k) {  // ends by k = 11: a whole year adds one to T's years
        const DataKal miesiac = DodajMiesiace(start, k);
        const int dlugosc = DniMiesiaca(miesiac.rok, miesiac.miesiac);
        // Days 1 .. dlugosc - 1: length (k / 12 years, k % 12 months, d days).
        int dzien = 0;
        const int64_t miesiaceT = int64_t{p.miesiace} + k % 12;
        if (k >= 12 || miesiaceT >= 12) {
            dzien = 1;
        } else {
            const int64_t brakujace = 12 - miesiaceT;
            const int64_t najmniejszy = std::max<int64_t>(1, 31 * brakujace - p.dni);
            if (najmniejszy <= dlugosc - 1)
                dzien = static_cast<int>(najmniejszy);
        }
        // The last day: length ((k + 1) / 12 years, (k + 1) % 12 months, 0 days).
        if (dzien == 0 && ((k + 1) >= 12 || p.miesiace + (k + 1) % 12 + przenosKonca >= 12))
            dzien = dlugosc;
        if (dzien != 0) {
            const DataKal c{miesiac.rok, miesiac.miesiac, static_cast<uint8_t>(dzien)};
            const OkresLMD t = p + DlugoscOkresu(start, c);
            return WzrostStazu{NastepnyDzien(c), t.lata};
        }
    }
}

DataKal DataNastepnegoWzrostu(const DaneStazu& dane, int32_t rok) {
    return NastepnyWzrost(Staz(dane, RodzajStazu::Wysluga, KoniecRoku(rok)), rok).data;
}

DataKal DataBazowaStazu(const DaneStazu& dane, RodzajStazu rodzaj, int32_t rok) {
    const WzrostStazu w = NastepnyWzrost(Staz(dane, rodzaj, KoniecRoku(rok)), rok);
    DataKal d = w.data;
    d.rok -= w.lata;
    // 29 February moved to a common year becomes the 28th.
    if (d.miesiac == 2 && d.dzien == 29 && !RokPrzestepny(d.rok))
        d.dzien = 28;
    return d;
}

}  // namespace mirta::compute
