#pragma once

// Producing documents: a template (an RTF file, usually registered in Wydruki.DB) filled with
// one employee's data, its suggested file name, and the checks made before it is produced.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "documents/document.h"
#include "documents/slownik_tagow.h"
#include "documents/tag_values.h"

namespace mirta::store {
class Dialogi;
class TDM1;
class ZrodlaObliczen;
}  // namespace mirta::store

namespace mirta::documents {

// A row of Wydruki.DB.
struct SzablonWydruku {
    std::string nazwaWydruku;  // may hold tags; substituted it names the produced document
    std::string nazwaZbioru;   // the template file, as stored ("WZORY\KARTA.RTF")
    std::string identyfikatorSystemowy;
    int iloscKolumn = 1;
    bool portret = true;
    bool zawijanie = false;
    bool edytor = true;
    std::string inicjacja;  // "<Wym|Decyzje>": the employee must have decisions
};

// Every registered template, in the registry's order (read from the file, no cursor moved).
std::vector<SzablonWydruku> CzytajSzablony(store::TDM1& tdm1);
// The registered template whose file is `sciezka` (compared as the registry stores names,
// and by the file it resolves to); nothing when none is.
std::optional<SzablonWydruku> SzablonPliku(store::TDM1& tdm1, const std::string& sciezka);

// Where a stored template name points: relative names are in the data directory, '\' and
// letter case as the files' original platform wrote them.
std::string SciezkaSzablonu(const std::string& katalogDanych, const std::string& nazwaZbioru);

// The template check before a document is produced for an employee: the template has a file
// name, the file exists, and an employee the template needs decisions of has some. Shows the
// failure's message and gives false. `szablon` null: no template registered.
bool KontrolaSzablonu(const SzablonWydruku* szablon, store::ZrodlaObliczen& zrodla,
                      int32_t pracownik, store::Dialogi& dialogi);
// Its last step alone: a template whose Inicjacja holds "<Wym|Decyzje>" needs the employee's
// decisions.
bool KontrolaInicjacji(const SzablonWydruku& szablon, store::ZrodlaObliczen& zrodla,
                       int32_t pracownik, store::Dialogi& dialogi);

// The template file read as a document. Throws RtfError with the user's message when the
// file is missing, unreadable or no RTF.
Document WczytajSzablon(const std::string& sciezka);

// Every tag of the document replaced by the employee's value, formatting kept.
void WypelnijDokument(Document& dokument, TagValues& wartosci);

// The one entry point of "Wydruk według wzorca.": the template at `sciezkaSzablonu` filled for
// employee `pracownik`, with the history rows `wybrane` as the current ones (unset: the last).
// Throws RtfError as WczytajSzablon; an identifier without an employee fills empty forms.
Document DokumentPracownika(const std::string& sciezkaSzablonu, store::ZrodlaObliczen& zrodla,
                            int32_t pracownik, const WybraneWiersze& wybrane = {});
// The same as RTF bytes, ready to be written to a file.
std::string RtfDokumentuPracownika(const std::string& sciezkaSzablonu,
                                   store::ZrodlaObliczen& zrodla, int32_t pracownik,
                                   const WybraneWiersze& wybrane = {});

// Text made safe as part of a file name: \ / : * ? " < > | and control characters become '_'.
std::string BezpiecznaNazwa(std::string_view tekst);

// Tag values made safe for file names (the tags of a template's title).
class WartosciDoNazwyPliku : public TagValues {
public:
    explicit WartosciDoNazwyPliku(TagValues& wartosci) : m_wartosci(wartosci) {}
    const std::vector<std::string>& Tags() const override { return m_wartosci.Tags(); }
    std::optional<std::string> Value(std::string_view tag) override;

private:
    TagValues& m_wartosci;
};

// The produced document's name from the template's title (NazwaWydruku with its tags
// replaced by safe values); empty when the title gives nothing.
std::string NazwaDokumentu(std::string_view nazwaWydruku, TagValues& wartosci);
// The name of an employee's document when no title gives one: "Nazwisko_Imię_ID.rtf".
std::string NazwaDokumentuPracownika(const DaneTagow& dane, int32_t pracownik);

}  // namespace mirta::documents
