// Documents from templates: one employee's, every listed employee's, the tag reference and
// the check of a template's tags.
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/obliczenia_pracownika.h"
#include "cli/opcje_filtru.h"
#include "documents/dane_tagow.h"
#include "documents/dokument_pracownika.h"
#include "documents/rtf_reader.h"
#include "documents/rtf_writer.h"
#include "documents/slownik_tagow.h"
#include "documents/template_check.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/udostepnienia.h"
#include "store/zrodla_obliczen.h"
#include "wspolne/dialogi.h"
#include "wspolne/zapis_atomowy.h"

namespace mirta::cli {

namespace {

namespace fs = std::filesystem;
using documents::Document;
using documents::RtfError;

constexpr const char* kTytulZapisu = "Zapis dokumentu.";

// Through the atomic writer: a failed write leaves any earlier file whole.
bool ZapiszPlik(const fs::path& plik, const std::string& bajty, store::Dialogi& dialogi) {
    try {
        wspolne::ZapiszAtomowo(plik, bajty);
    } catch (const std::exception&) {
        dialogi.Blad("Nie udało się zapisać pliku: " + plik.string() + " !!!", store::kTytulBledu);
        return false;
    }
    return true;
}

// The template read once; its registry row, when it is registered, for the title and the
// decisions check.
struct Szablon {
    Document dokument;
    std::optional<documents::SzablonWydruku> rejestr;
};
std::optional<Szablon> WczytajSzablon(const std::string& sciezka, store::TDM1& tdm1,
                                      store::Dialogi& dialogi) {
    try {
        return Szablon{documents::WczytajSzablon(sciezka), documents::SzablonPliku(tdm1, sciezka)};
    } catch (const RtfError& e) {
        dialogi.Blad(e.what(), store::kTytulBledu);
        return std::nullopt;
    }
}

// The decisions check of a registered template; an unregistered file has none.
bool MoznaWypelnic(const Szablon& s, store::ZrodlaObliczen& zrodla, int32_t pracownik,
                   store::Dialogi& dialogi) {
    return !s.rejestr || documents::KontrolaInicjacji(*s.rejestr, zrodla, pracownik, dialogi);
}

std::string Wypelniony(const Szablon& s, documents::TagValues& tagi) {
    Document d = s.dokument;
    documents::WypelnijDokument(d, tagi);
    return documents::WriteRtf(d);
}

// The file of one employee's document in a run over the list: the registry's title, else the
// names and identifier; a name met before in the run gets the identifier added.
std::string NazwaPliku(const Szablon& s, documents::TagiPracownika& tagi, int32_t id,
                       std::set<std::string>& uzyte) {
    std::string nazwa;
    if (s.rejestr)
        nazwa =
            fs::path(documents::NazwaDokumentu(s.rejestr->nazwaWydruku, tagi)).filename().string();
    if (nazwa.empty())
        nazwa = documents::NazwaDokumentuPracownika(tagi.Dane(), id);
    fs::path p(nazwa);
    if (p.extension().empty())
        p += ".rtf";
    if (!uzyte.insert(p.string()).second) {
        p = p.stem().string() + "_" + std::to_string(id) + p.extension().string();
        uzyte.insert(p.string());
    }
    return p.string();
}

}  // namespace

int RunDokument(Invocation& call) {
    const auto& args = call.Operands();
    const auto id = IdentyfikatorZArgumentow({args[1]});
    if (!id)
        return call.UsageError("Niepoprawny identyfikator pracownika.");
    auto s = call.Zaloguj();
    if (!s)
        return kExitFailure;
    const auto szablon = WczytajSzablon(args[0], *s->tdm1, s->dialogi);
    if (!szablon)
        return kExitFailure;
    store::ZrodlaObliczen zrodla(*s->tdm, *s->tdm1);
    documents::TagiPracownika tagi(zrodla, *id);
    if (!tagi.Znaleziony()) {
        s->dialogi.Blad("Nie ma pracownika o identyfikatorze " + std::to_string(*id) + " !!!",
                        store::kTytulBledu);
        return kExitFailure;
    }
    if (!MoznaWypelnic(*szablon, zrodla, *id, s->dialogi))
        return kExitFailure;
    const fs::path wynik = args[2];
    if (fs::exists(wynik) &&
        s->dialogi.TakNie("Plik " + wynik.string() + " już istnieje. Zastąpić go?", kTytulZapisu,
                          store::Ikona::Pytanie, store::Odpowiedz::Nie) != store::Odpowiedz::Tak)
        return kExitFailure;
    if (!ZapiszPlik(wynik, Wypelniony(*szablon, tagi), s->dialogi))
        return kExitFailure;
    store::Udostepniono(store::kOdbiorcaPlik, store::kRodzajDokument, args[0], wynik.string(),
                        {*id});
    std::printf("%s\n", wynik.string().c_str());
    std::fflush(stdout);
    zrodla.Komunikaty().Pokaz(s->dialogi);
    return kExitOk;
}

int RunDokumenty(Invocation& call) {
    const auto filtr = CzytajFiltr(call);
    if (!filtr)
        return kExitUsage;
    auto s = call.Zaloguj();
    if (!s)
        return kExitFailure;
    const auto szablon = WczytajSzablon(call.Operands()[0], *s->tdm1, s->dialogi);
    if (!szablon)
        return kExitFailure;
    const fs::path katalog = call.Operands()[1];
    std::error_code blad;
    fs::create_directories(katalog, blad);
    if (blad || !fs::is_directory(katalog)) {
        s->dialogi.Blad("Nie można utworzyć katalogu: " + katalog.string() + " !!!",
                        store::kTytulBledu);
        return kExitFailure;
    }
    s->tdm->Filtr() = *filtr;
    s->tdm->OdswiezListePracownikow();
    std::vector<int32_t> lista;
    auto& p = *s->tdm->TPracownicy;
    for (int64_t i = 0; i < p.RecordCount(); ++i)
        lista.push_back(static_cast<int32_t>(p.RowAt(i)["Identyfikator"].AsInteger()));

    store::ZrodlaObliczen zrodla(*s->tdm, *s->tdm1);
    // Names first, so the one question about files already there comes before any write.
    struct Zadanie {
        int32_t id;
        fs::path plik;
    };
    std::vector<Zadanie> zadania;
    std::set<std::string> uzyte;
    size_t istniejace = 0;
    for (int32_t id : lista) {
        documents::TagiPracownika tagi(zrodla, id);
        zadania.push_back({id, katalog / NazwaPliku(*szablon, tagi, id, uzyte)});
        istniejace += fs::exists(zadania.back().plik);
    }
    if (istniejace > 0 &&
        s->dialogi.TakNie("W katalogu " + katalog.string() + " są już pliki o nazwach " +
                              "dokumentów (" + std::to_string(istniejace) + "). Zastąpić je?",
                          kTytulZapisu, store::Ikona::Pytanie,
                          store::Odpowiedz::Nie) != store::Odpowiedz::Tak)
        return kExitFailure;

    int bledy = 0;
    std::vector<int32_t> zapisani;
    for (const Zadanie& z : zadania) {
        documents::TagiPracownika tagi(zrodla, z.id);
        if (!MoznaWypelnic(*szablon, zrodla, z.id, s->dialogi) ||
            !ZapiszPlik(z.plik, Wypelniony(*szablon, tagi), s->dialogi)) {
            ++bledy;
            continue;
        }
        std::printf("%s\n", z.plik.string().c_str());
        zapisani.push_back(z.id);
    }
    if (!zapisani.empty())
        store::Udostepniono(store::kOdbiorcaPlik, store::kRodzajDokument, call.Operands()[0],
                            katalog.string(), zapisani);
    std::fflush(stdout);
    zrodla.Komunikaty().Pokaz(s->dialogi);
    if (bledy > 0) {
        s->dialogi.Blad("Nie powstało dokumentów: " + std::to_string(bledy) + " z " +
                            std::to_string(zadania.size()) + " !!!",
                        store::kTytulBledu);
        return kExitFailure;
    }
    return kExitOk;
}

int RunTagi(Invocation&) {
    for (const documents::OpisTagu& t : documents::OpisyTagow())
        std::printf("%.*s\t%.*s\n", static_cast<int>(t.tag.size()), t.tag.data(),
                    static_cast<int>(t.opis.size()), t.opis.data());
    return kExitOk;
}

int RunSprawdzSzablon(Invocation& call) {
    const std::string& sciezka = call.Operands()[0];
    Document dokument;
    try {
        dokument = documents::WczytajSzablon(sciezka);
    } catch (const RtfError& e) {
        call.Dialogi().Blad(e.what(), store::kTytulBledu);
        return kExitFailure;
    }
    const auto nieznane = documents::FindUnknownTags(dokument, documents::TagiDokumentow());
    for (const documents::UnknownTag& t : nieznane)
        std::printf("%d\t%s\n", t.line, t.text.c_str());
    std::fflush(stdout);
    if (nieznane.empty())
        return kExitOk;
    call.Dialogi().Blad(
        "Nieznanych symboli w szablonie: " + std::to_string(nieznane.size()) + " !!!",
        store::kTytulBledu);
    return kExitFailure;
}

}  // namespace mirta::cli
