// The demo unit's document templates: a leave card, a service certificate, a pay notice and
// a letter of appointment, written as RTF into WZORY and registered in Wydruki.DB.
#include <string>
#include <vector>

#include "documents/document.h"
#include "documents/rtf_writer.h"
#include "engine/file_system.h"
#include "tools/demo_wewn.h"
#include "tools/zapis_tabeli.h"

namespace mirta::tools {

namespace {

using documents::Alignment;
using documents::Document;
using documents::Paragraph;
using documents::Run;

constexpr const char* kKatalogWzorow = "WZORY";

// A line of a template: text with **bold** stretches, and how the paragraph stands.
struct Linia {
    std::string tekst;
    Alignment wyrownanie = Alignment::Left;
    int punkty = 12;
};

Paragraph Akapit(const Linia& l) {
    Paragraph p;
    p.format.alignment = l.wyrownanie;
    p.format.spaceAfter = 120;
    p.markFormat.halfPoints = l.punkty * 2;
    bool pogrubione = false;
    size_t od = 0;
    while (od <= l.tekst.size()) {
        const size_t gwiazdki = l.tekst.find("**", od);
        const std::string kawalek = l.tekst.substr(od, gwiazdki - od);
        if (!kawalek.empty()) {
            Run r;
            r.text = kawalek;
            r.format.bold = pogrubione;
            r.format.halfPoints = l.punkty * 2;
            p.runs.push_back(std::move(r));
        }
        if (gwiazdki == std::string::npos)
            break;
        pogrubione = !pogrubione;
        od = gwiazdki + 2;
    }
    return p;
}

Document Szablon(const std::vector<Linia>& linie) {
    Document d;
    d.fonts.push_back(documents::CzcionkaCE(0, "Times New Roman", "froman"));
    d.page.width = 11906;  // A4
    d.page.height = 16838;
    d.page.marginLeft = d.page.marginRight = 1418;
    d.page.marginTop = d.page.marginBottom = 1134;
    for (const Linia& l : linie)
        d.body.emplace_back(Akapit(l));
    return d;
}

struct SzablonDemo {
    const char* nazwaWydruku;
    const char* plik;
    const char* inicjacja;
    std::vector<Linia> linie;
};

const std::vector<SzablonDemo>& Szablony() {
    static const std::vector<SzablonDemo> kSzablony = {
        {"Karta urlopowa <<NAZWISKO>> <<IMIE1>>",
         "KARTA_URLOPOWA.RTF",
         "",
         {
             {"Komenda Miejska RIR w Łomży", Alignment::Left, 10},
             {"Łomża, dnia <<Data|Mies>> r.", Alignment::Right},
             {"**KARTA URLOPOWA**", Alignment::Center, 16},
             {"Pan<<i| >> **<<IMIE12 NAZWISKO>>**"},
             {"stanowisko: <<Stanowisko|Nazwa|Kon>>, stopień: <<Stopień|Nazwa|Kon>>"},
             {"zatrudniony od <<DataZatrudnienia>>, staż pracy <<LataPracyWysługa>> lat"},
             {"Udziela się urlopu wypoczynkowego w wymiarze ____ dni, od ____________ "
              "do ____________."},
             {"Zastępstwo pełni: ______________________________"},
             {"podpis przełożonego", Alignment::Right, 9},
         }},
        {"Zaświadczenie o służbie <<NAZWISKO>> <<IMIE1>>",
         "ZASWIADCZENIE_SLUZBA.RTF",
         "",
         {
             {"Komenda Miejska RIR w Łomży", Alignment::Left, 10},
             {"Łomża, dnia <<Data|Mies>> r.", Alignment::Right},
             {"**ZAŚWIADCZENIE**", Alignment::Center, 16},
             {"Zaświadcza się, że Pan<<i| >> **<<IMIE1 NAZWISKO>>**, urodzon<<i|u>> "
              "<<DataUrodzenia>> w miejscowości <<MiejsceUrodzenia>>, syn/córka <<ImięOjca>>,"},
             {"pełni służbę w Komendzie Miejskiej RIR w Łomży od dnia <<DataZatrudnienia>> "
              "na stanowisku **<<Stanowisko|Nazwa|Kon>>** w stopniu **<<Stopień|Nazwa|Kon>>**."},
             {"Wysługa lat do celów emerytalnych: <<LataPracyEmerytura>> lat."},
             {"Zaświadczenie wydaje się na prośbę zainteresowan<<i|u>>."},
             {"Komendant Miejski", Alignment::Right},
         }},
        {"Informacja o uposażeniu <<NAZWISKO>> <<IMIE1>>",
         "INFORMACJA_PLACOWA.RTF",
         "",
         {
             {"Komenda Miejska RIR w Łomży", Alignment::Left, 10},
             {"Łomża, dnia <<Data|Mies>> r.", Alignment::Right},
             {"**INFORMACJA O UPOSAŻENIU**", Alignment::Center, 16},
             {"Pan<<i| >> **<<IMIE12 NAZWISKO>>**, <<Stopień|Nazwa|Kon>>"},
             {"Uposażenie zasadnicze (<<Grupa|Nazwa|Kon>>): **<<Grupa|PlacaKon|Kon>> zł**"},
             {"Dodatek za wysługę lat <<ProcentWysługa|Strażak>>%: **<<KwotaWysługa|Strażak>> "
              "zł**"},
             {"Dodatek za stopień: **<<Stopień|Kwota|Kon>> zł**"},
             {"Dodatek służbowy: **<<DodatekSłużbowy|Kwota|Kon>> zł**"},
             {"Dodatek motywacyjny: **<<DodatekMotywacyjny|Kwota>> zł**"},
             {"Razem: **<<Grupa|PlacaKon|Strażak>> zł**"},
             {"słownie:<<Grupa|PlacaKon|Strażak|Słow>>"},
             {"Najbliższy wzrost dodatku za wysługę lat przypada na dzień <<DzieńZmianaWysługa>>.",
              Alignment::Left, 10},
         }},
        {"Powołanie <<NAZWISKO>> <<IMIE1>> <<Decyzja|Nr|Kon>>",
         "POWOLANIE.RTF",
         "<Wym|Decyzje>",
         {
             {"Komenda Miejska RIR w Łomży", Alignment::Left, 10},
             {"Łomża, dnia <<Decyzja|Data|Mies|Kon>> r.", Alignment::Right},
             {"**DECYZJA PERSONALNA nr <<Decyzja|Nr|Kon>>**", Alignment::Center, 14},
             {"w sprawie powołania na stanowisko", Alignment::Center},
             {"Powołuję Pan<<i|u>> **<<IMIE1 NAZWISKO>>** na stanowisko "
              "**<<Stanowisko|Nazwa|Kon>>** od dnia <<Stanowisko|Data|Kon>>."},
             {"Uposażenie zasadnicze (<<Grupa|Nazwa|Kon>>) w wysokości "
              "<<Grupa|PlacaKon|Kon>> zł (słownie:<<Grupa|PlacaKon|Słow|Kon>>)"},
             {"Od decyzji przysługuje odwołanie w terminie 14 dni od dnia jej doręczenia."},
             {"Komendant Miejski", Alignment::Right},
         }},
    };
    return kSzablony;
}

}  // namespace

void ZapiszSzablony(KontekstDemo& k) {
    const std::string katalog = k.katalog + "/" + kKatalogWzorow;
    k.fs.CreateDirectories(katalog);
    ZapisTabeli rejestr(k.fs, k.katalog, "Wydruki.DB");
    for (const SzablonDemo& s : Szablony()) {
        const std::string rtf = documents::WriteRtf(Szablon(s.linie));
        auto plik = k.fs.Open(katalog + "/" + s.plik, engine::OpenMode::Create);
        plik->WriteAt(0, rtf.data(), rtf.size());
        plik->Sync();
        engine::Record w = rejestr.Nowy();
        rejestr.Tekst(w, "NazwaWydruku", s.nazwaWydruku);
        rejestr.Tekst(w, "NazwaZbioru", std::string(kKatalogWzorow) + "\\" + s.plik);
        rejestr.Liczba(w, "IloscKolumn", 1);
        rejestr.Logiczne(w, "Portret", true);
        rejestr.Logiczne(w, "Zawijanie", true);
        rejestr.Logiczne(w, "Edytor", true);
        rejestr.Tekst(w, "Inicjacja", s.inicjacja);
        rejestr.Dodaj(std::move(w));
    }
    rejestr.Zamknij();
    k.liczniki.emplace_back("Wydruki.DB", rejestr.Tabela().RowCount());
}

}  // namespace mirta::tools
