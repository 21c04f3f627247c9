#include "rodo/zestawienia_rodo.h"

#include "compute/teksty_dat.h"
#include "store/dziennik_zmian.h"

namespace mirta::rodo {

std::string TekstOsob(const std::vector<int32_t>& pracownicy) {
    constexpr size_t kPokazanych = 20;
    std::string t;
    for (size_t i = 0; i < pracownicy.size() && i < kPokazanych; ++i)
        t += (i ? ", " : "") + std::to_string(pracownicy[i]);
    if (pracownicy.size() > kPokazanych)
        t += "... (razem " + std::to_string(pracownicy.size()) + ")";
    return t;
}

Zestawienie ZestawienieUdostepnien(const std::vector<store::Udostepnienie>& wpisy,
                                   std::string filtr) {
    Zestawienie z;
    z.tytul = "Rejestr udostępnień danych osobowych";
    z.podtytul = std::move(filtr);
    z.kolumny = {"Nr", "Kiedy", "Użytkownik", "Komu", "Co", "Opis i plik", "Kogo dotyczy"};
    z.szerokosci = {0.04, 0.12, 0.08, 0.13, 0.08, 0.33, 0.22};
    z.podsumowanie = "Razem udostępnień: ";
    for (const store::Udostepnienie& u : wpisy)
        z.wiersze.push_back({std::to_string(u.numer), store::TekstChwili(u.kiedy), u.uzytkownik,
                             u.odbiorca, u.rodzaj, u.cel.empty() ? u.opis : u.opis + ": " + u.cel,
                             TekstOsob(u.pracownicy)});
    return z;
}

Zestawienie ZestawienieUpowaznien(const std::vector<Upowaznienie>& upowaznienia) {
    Zestawienie z;
    z.tytul = "Rejestr osób upoważnionych do przetwarzania danych osobowych";
    z.kolumny = {"Użytkownik", "Imię i nazwisko", "Data nadania", "Data cofnięcia",
                 "Zakres upoważnienia"};
    z.szerokosci = {0.1, 0.25, 0.12, 0.12, 0.41};
    z.podsumowanie = "Razem użytkowników: ";
    for (const Upowaznienie& u : upowaznienia)
        z.wiersze.push_back({u.nazwaKrotka, u.nazwaPelna,
                             u.nadane.Pusta() ? "" : compute::TekstDaty(u.nadane),
                             u.cofniete.Pusta() ? "" : compute::TekstDaty(u.cofniete),
                             u.zakres.empty() ? u.zakresBiezacy : u.zakres});
    return z;
}

Zestawienie ZestawienieAktDoZniszczenia(const std::vector<store::OkresAktPracownika>& osoby) {
    Zestawienie z;
    z.tytul = "Akta osobowe po okresie przechowywania";
    z.kolumny = {"Identyfikator", "Nazwisko i imię", "Koniec zatrudnienia",
                 "Koniec przechowywania"};
    z.szerokosci = {0.14, 0.42, 0.22, 0.22};
    z.pozioma = false;
    z.podsumowanie = "Razem osób: ";
    for (const store::OkresAktPracownika& o : osoby) {
        z.wiersze.push_back({std::to_string(o.pracownik), o.nazwisko,
                             compute::TekstDaty(o.zwolnienie), compute::TekstDaty(o.koniec)});
        z.pracownicy.push_back(o.pracownik);
    }
    return z;
}

}  // namespace mirta::rodo
