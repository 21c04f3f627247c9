#include "documents/strona_wynagrodzen.h"

#include <optional>
#include <string>
#include <vector>

#include "compute/data_kal.h"
#include "compute/teksty.h"
#include "compute/teksty_dat.h"
#include "compute/zaokraglij.h"
#include "documents/dane_tagow.h"
#include "documents/informacja_zbiorcza.h"
#include "store/stawki.h"

namespace mirta::documents {

namespace {

using compute::DataKal;

const std::string kSeparator(77, '-');

DataKal ZDnia(int32_t dzien) {
    return compute::DataZNumeruDnia(dzien);
}

class Strona {
public:
    Strona() { m_d.fonts.push_back(CzcionkaCE(0, "DejaVu Sans Mono", "fmodern")); }

    void Wiersz(const std::string& tekst, bool pogrubiony = false) {
        Paragraph p;
        if (!tekst.empty()) {
            Run r;
            r.text = tekst;
            r.format.bold = pogrubiony;
            p.runs.push_back(std::move(r));
        }
        m_d.body.emplace_back(std::move(p));
    }
    void Naglowek(const DaneTagow& dane) {
        // The names bold, the rest as it stands around them.
        Paragraph p;
        const std::string tekst = NaglowekPracownika(dane);
        const std::string imiona = ImionaINazwisko(dane);
        const size_t gdzie = imiona.empty() ? std::string::npos : tekst.find(imiona);
        auto dodaj = [&](std::string t, bool b) {
            if (t.empty())
                return;
            Run r;
            r.text = std::move(t);
            r.format.bold = b;
            p.runs.push_back(std::move(r));
        };
        if (gdzie == std::string::npos) {
            dodaj(tekst, false);
        } else {
            dodaj(tekst.substr(0, gdzie), false);
            dodaj(imiona, true);
            dodaj(tekst.substr(gdzie + imiona.size()), false);
        }
        m_d.body.emplace_back(std::move(p));
    }
    Document Wynik() { return std::move(m_d); }

private:
    Document m_d;
};

// The lines of the rates of one rank or group (each multiplied by `mnoznik`) that overlap
// [od, do]: consecutive rates make periods sharing their boundary day; the last stays open.
void LinieStawek(Strona& s, const std::vector<compute::WpisStawki>& stawki, char flaga,
                 double mnoznik, DataKal od, DataKal doDnia) {
    std::vector<compute::WpisStawki> wariant;
    for (const auto& w : stawki)
        if (w.ubruttowienie == flaga)
            wariant.push_back(w);
    for (size_t k = 0; k < wariant.size(); ++k) {
        const DataKal a = ZDnia(wariant[k].dzien);
        const bool otwarty = k + 1 == wariant.size();
        const DataKal b = otwarty ? DataKal{} : ZDnia(wariant[k + 1].dzien);
        if (doDnia < a || (!otwarty && b < od))
            continue;
        const DataKal poczatek = a < od ? od : a;
        const DataKal koniec = otwarty || doDnia < b ? doDnia : b;
        s.Wiersz(compute::TekstDaty(poczatek) + " " + compute::TekstDaty(koniec) + "  " +
                 compute::TekstKwoty(compute::Zaokraglij(wariant[k].wartosc * mnoznik, 2)) +
                 (otwarty ? " zł." : "zł."));
    }
}

char Flaga(const std::string& ubruttowienie) {
    return ubruttowienie == "T" ? 'T' : 'N';
}

void Stopnie(Strona& s, const DaneTagow& d, const store::DaneStopniiGrup& stawki) {
    if (d.stopnie.empty())
        return;
    s.Wiersz("Wyposażenie za stopnie. Nazwa, objęci ZUS.");
    struct Okres {
        DataKal od, doDnia;
        const DaneTagow::Stopien* stopien;
    };
    auto wypisz = [&](const Okres& o) {
        if (o.doDnia < o.od || o.stopien->nazwa.empty())
            return;
        const char flaga = Flaga(o.stopien->ubruttowienie);
        s.Wiersz(o.stopien->nazwa + (flaga == 'T' ? " TAK" : " NIE"), true);
        for (const auto& st : stawki.Stopnie())
            if (st.IdentyfikatorStopnia == o.stopien->identyfikator)
                LinieStawek(s, st.stawki, flaga, 1.0, o.od, o.doDnia);
    };
    std::optional<Okres> otwarty;
    for (const DaneTagow::Stopien& r : d.stopnie) {
        if (otwarty) {
            otwarty->doDnia = r.dataOdKiedy;
            wypisz(*otwarty);
            otwarty.reset();
        }
        const Okres nowy{r.dataOdKiedy, r.dataObowiazywania, &r};
        if (r.dataObowiazywania.Poprawna())
            wypisz(nowy);
        else
            otwarty = nowy;
    }
    if (otwarty) {
        otwarty->doDnia = d.dataPrzetwarzania;
        wypisz(*otwarty);
    }
    s.Wiersz(kSeparator);
}

void Grupy(Strona& s, const DaneTagow& d, store::DaneStopniiGrup& stawki) {
    if (d.grupy.empty())
        return;
    s.Wiersz("Wyposażenie za grupy płacowe. Nazwa, objęci ZUS.");
    for (size_t i = 0; i < d.grupy.size(); ++i) {
        const DaneTagow::Grupa& g = d.grupy[i];
        const DataKal od = g.dataOdKiedy;
        const DataKal doDnia = i + 1 < d.grupy.size()        ? d.grupy[i + 1].dataOdKiedy
                               : d.dataZwolnienia.Poprawna() ? d.dataZwolnienia
                                                             : d.dataPrzetwarzania;
        const char flaga = Flaga(g.ubruttowienie);
        s.Wiersz(g.nazwa + (flaga == 'T' ? " TAK" : " NIE"), true);
        if (g.placaZasadnicza > 0.001) {
            s.Wiersz(compute::TekstDaty(od) + " " + compute::TekstDaty(doDnia) + "  " +
                     compute::TekstKwoty(g.placaKoncowa) + " zł.");
        } else if (auto* grupa = stawki.ZnajdzGrupe(g.identyfikator)) {
            LinieStawek(s, grupa->stawki, flaga, g.mnoznik.value_or(0), od, doDnia);
        }
    }
}

}  // namespace

Document StronaWynagrodzen(const DaneTagow& dane, store::DaneStopniiGrup& stawki) {
    Strona s;
    DaneTagow naglowek = dane;
    const char podzial = dane.obraz.dane.podzial;
    if (podzial == 0)
        naglowek.obraz.dane.podzial = '2';  // an empty division reads as civil here
    else if (podzial < '1' || podzial > '4') {
        s.Wiersz("Niewłaściwy kod podziału dla pracownika.");
        return s.Wynik();
    }
    s.Naglowek(naglowek);
    s.Wiersz(kSeparator);
    Stopnie(s, dane, stawki);
    Grupy(s, dane, stawki);
    return s.Wynik();
}

}  // namespace mirta::documents
