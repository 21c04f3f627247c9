// The address list: name, registered address and home address of every listed employee.
#include <algorithm>

#include "reports/raporty_wewn.h"
#include "store/pola_rekordu.h"

namespace mirta::reports {

namespace {

std::string MaleLitery(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

// Polish capitals differ from small letters in their second UTF-8 byte only for ASCII-free
// pairs, so a byte-wise lower-casing plus the Polish pairs is enough for this comparison.
std::string BezWielkosciLiter(std::string s) {
    static const std::pair<const char*, const char*> kPary[] = {{"Ą", "ą"}, {"Ć", "ć"}, {"Ę", "ę"},
                                                                {"Ł", "ł"}, {"Ń", "ń"}, {"Ó", "ó"},
                                                                {"Ś", "ś"}, {"Ź", "ź"}, {"Ż", "ż"}};
    for (auto [w, m] : kPary)
        for (size_t i = s.find(w); i != std::string::npos; i = s.find(w, i))
            s.replace(i, 2, m);
    return MaleLitery(std::move(s));
}

class ListaAdresow : public Raport {
public:
    explicit ListaAdresow(KontekstWydruku& k)
        : m_k(k), m_jednostka(k.dane.NazwaJednostki()), m_czas(CzasDruku(k.parametry)) {}

    std::string Tytul() const override { return "Dane osobowe pracownikow."; }
    std::vector<std::string> Kolumny() const override {
        return {"Nazwisko i imiona", "Adres zameldowania", "Adres zamieszkania"};
    }

    Pasmo Naglowek(int strona) override {
        const double w = Geometria().SzerokoscRobocza();
        Pasmo p = PasmoTekstu(
            m_k.miara, 0, w, "Zestawienie pracowników zatrudnionych w: " + m_jednostka, {10, true});
        Pasmo druk;
        druk.wysokosc = kWierszTekstu;
        DodajCzasDruku(druk, 0, w, m_czas, "Strona nr: " + std::to_string(strona));
        DolaczPonizej(p, druk);
        DolaczPonizej(p, PasmoTekstu(m_k.miara, 0, w,
                                     "Komórka organizacyjna: " +
                                         (m_k.parametry.komorka
                                              ? m_k.parametry.nazwaKomorki
                                              : std::string("Wszystkie komórki organizacyjne."))));
        Pasmo tytuly;
        const auto k = Kolumny();
        for (int i = 0; i < 3; ++i)
            tytuly.teksty.push_back(Tekst(X(i), 0, Szer(i), k[i], kPogrubiona));
        tytuly.wysokosc = kWierszTekstu;
        DolaczPonizej(p, tytuly);
        p.linie.push_back({0, p.wysokosc + 1, w, p.wysokosc + 1, 1});
        p.wysokosc += 4;
        return p;
    }

    Pasmo Stopka(int) override {
        Pasmo p;
        p.wysokosc = 6;
        p.linie.push_back({0, 3, Geometria().SzerokoscRobocza(), 3, 1});
        return p;
    }

    size_t LiczbaPozycji() const override { return m_k.pracownicy.size(); }

    void Pozycja(size_t i, UkladStron& uklad) override {
        const engine::RowView& r = m_k.pracownicy[i];
        auto t = [&](const char* pole) { return store::Przyciety(r[pole]); };
        const std::string nazwa = Polacz({t("Nazwisko"), t("Imie1"), t("Imie2")});
        const std::string zameldowanie =
            BezWielkosciLiter(t("Poczta")) == BezWielkosciLiter(t("Miejscowosc"))
                ? Polacz({t("KodPocztowy"), t("Poczta"), t("Ulica"), t("NrDomuiMieszkania")})
                : Polacz({t("KodPocztowy"), t("Poczta"), t("Miejscowosc"), t("Ulica"),
                          t("NrDomuiMieszkania")});
        std::string zamieszkanie =
            Polacz({t("KodPocztaZamieszkania"), t("MiejscowoscAdresZamieszka")});
        if (!t("TelefonZamieszkania").empty())
            zamieszkanie += " tel: " + t("TelefonZamieszkania");
        // Three columns side by side; the band is as tall as the longest of them.
        Pasmo p;
        const std::string teksty[] = {nazwa, zameldowanie, zamieszkanie};
        for (int k = 0; k < 3; ++k) {
            Pasmo kol = PasmoTekstu(m_k.miara, X(k), Szer(k), teksty[k], kZwykla, k + 1);
            p.teksty.insert(p.teksty.end(), kol.teksty.begin(), kol.teksty.end());
            p.wysokosc = std::max(p.wysokosc, kol.wysokosc);
        }
        p.wysokosc += 2;
        uklad.Dodaj(p);
    }

    Pasmo Zakonczenie(int strona) override {
        const double w = Geometria().SzerokoscRobocza();
        Pasmo p;
        p.linie.push_back({0, 1, w, 1, 1});
        p.wysokosc = 3;
        DolaczPonizej(
            p, PasmoTekstu(m_k.miara, 0, w, "Koniec wydruku na stronie: " + std::to_string(strona),
                           kPogrubiona));
        return p;
    }

private:
    double X(int k) const {
        const double w = Geometria().SzerokoscRobocza();
        return k == 0 ? 0 : k == 1 ? w * 0.30 : w * 0.65;
    }
    double Szer(int k) const {
        const double w = Geometria().SzerokoscRobocza();
        return (k == 2 ? w : X(k + 1)) - X(k) - 4;
    }

    KontekstWydruku& m_k;
    std::string m_jednostka, m_czas;
};

}  // namespace

std::unique_ptr<Raport> UtworzListeAdresow(KontekstWydruku& k) {
    return std::make_unique<ListaAdresow>(k);
}

}  // namespace mirta::reports
