// mirta akta ...: the electronic personnel file from the command line.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "akta/akta_osobowe.h"
#include "akta/przekazanie.h"
#include "akta/spis_akt.h"
#include "cli/commands.h"
#include "cli/values.h"
#include "engine/file_system.h"
#include "reports/format_wydruku.h"
#include "reports/qt/miara_qt.h"
#include "reports/qt/rysowanie.h"
#include "store/tdm.h"
#include "wspolne/dialogi.h"

namespace mirta::cli {

namespace {

namespace fs = std::filesystem;

std::optional<int32_t> Identyfikator(const std::string& t) {
    const auto id = ParseInteger(t, 1, 2147483647);
    if (!id)
        return std::nullopt;
    return static_cast<int32_t>(*id);
}

std::string Data(engine::CivilDate d) {
    if (!engine::IsValidCivil(d.year, d.month, d.day))
        return "";
    return engine::FormatDate(engine::DayNumberFromCivil(d.year, d.month, d.day));
}

// The session and the personnel file of its data directory.
struct SesjaAkt {
    std::unique_ptr<Sesja> sesja;
    std::unique_ptr<akta::AktaOsobowe> akta;
};

SesjaAkt Zaloguj(Invocation& call) {
    SesjaAkt s;
    s.sesja = call.Zaloguj();
    if (s.sesja)
        s.akta = std::make_unique<akta::AktaOsobowe>(
            engine::FileSystem::Real(), s.sesja->tdm->DataDirectory(), s.sesja->tdm->Sesja());
    return s;
}

std::optional<akta::OsobaAkt> Osoba(SesjaAkt& s, int32_t id) {
    auto osoba = akta::ZnajdzOsobe(s.sesja->tdm->TPracownicy->GetTable(), id);
    if (!osoba)
        s.sesja->dialogi.Blad("Nie ma pracownika o identyfikatorze " + std::to_string(id) + " !!!",
                              store::kTytulBledu);
    return osoba;
}

// The table of contents drawn with Qt's fonts into a PDF, through a private folder.
std::string PdfSpisu(const akta::SpisAkt& spis) {
    reports::ui::ZapewnijAplikacjeQt();
    const reports::Wydruk w = akta::WydrukSpisu(spis, reports::ui::MiaraQt());
    std::string wzor = (fs::temp_directory_path() / "mirta-spis-XXXXXX").string();
    if (!::mkdtemp(wzor.data()))
        throw akta::BladAkt("Nie można utworzyć folderu tymczasowego na spis akt.");
    const fs::path plik = fs::path(wzor) / "spis.pdf";
    std::string bajty;
    try {
        reports::ui::ZapiszPdf(w, QString::fromStdString(plik.string()));
        std::ifstream f(plik, std::ios::binary);
        std::stringstream s;
        s << f.rdbuf();
        bajty = s.str();
    } catch (...) {
        std::error_code ec;
        fs::remove_all(wzor, ec);
        throw;
    }
    std::error_code ec;
    fs::remove_all(wzor, ec);
    return bajty;
}

int Blad(SesjaAkt& s, const std::exception& e) {
    s.sesja->dialogi.Blad(e.what(), akta::kTytulAkt);
    return kExitFailure;
}

}  // namespace

int RunAktaLista(Invocation& call) {
    const auto id = Identyfikator(call.Operands()[0]);
    if (!id)
        return call.UsageError("Niepoprawny identyfikator pracownika.");
    auto s = Zaloguj(call);
    if (!s.sesja)
        return kExitFailure;
    if (!Osoba(s, *id))
        return kExitFailure;
    try {
        for (const akta::DokumentAkt& d : s.akta->Dokumenty(*id))
            call.Term().out << d.czesc << '\t' << d.numer << '\t' << d.tytul << '\t'
                            << Data(d.dataDokumentu) << '\t' << Data(d.dataZlozenia) << '\t'
                            << d.ktoZlozyl << '\t' << d.rozmiar << '\t' << d.sha256 << '\t'
                            << akta::kFolderAkt << '/' << d.pracownik << '/' << d.nazwaPliku
                            << '\n';
        call.Term().out.flush();
        return kExitOk;
    } catch (const std::exception& e) {
        return Blad(s, e);
    }
}

int RunAktaDodaj(Invocation& call) {
    const auto& args = call.Operands();
    const auto id = Identyfikator(args[0]);
    if (!id)
        return call.UsageError("Niepoprawny identyfikator pracownika.");
    akta::NowyDokument nowy;
    nowy.czesc = args[1];
    if (const std::string* t = call.Value("--tytul"))
        nowy.tytul = *t;
    if (const std::string* t = call.Value("--data")) {
        const auto d = ParseDate(*t);
        if (!d)
            return call.UsageError("Niepoprawna data dokumentu: RRRR-MM-DD.");
        nowy.dataDokumentu = {d->rok, d->miesiac, d->dzien};
    }
    auto s = Zaloguj(call);
    if (!s.sesja)
        return kExitFailure;
    if (!Osoba(s, *id))
        return kExitFailure;
    try {
        // The same bytes filed again would only duplicate the document: asked first.
        std::ifstream f(args[2], std::ios::binary);
        std::stringstream bajty;
        bajty << f.rdbuf();
        const auto takie = s.akta->TakieSame(*id, akta::Sha256(bajty.str()));
        if (f && !takie.empty() &&
            s.sesja->dialogi.TakNie("Ten sam plik jest już w aktach (część " + takie[0].czesc +
                                        ", nr " + std::to_string(takie[0].numer) + ": " +
                                        takie[0].tytul + "). Dodać go ponownie ?",
                                    akta::kTytulAkt, store::Ikona::Pytanie,
                                    store::Odpowiedz::Nie) != store::Odpowiedz::Tak)
            return kExitFailure;
        const akta::DokumentAkt d = s.akta->Dodaj(*id, args[2], nowy);
        call.Term().out << d.czesc << '\t' << d.numer << '\t' << d.tytul << '\t' << d.sha256 << '\t'
                        << akta::kFolderAkt << '/' << d.pracownik << '/' << d.nazwaPliku
                        << std::endl;
        return kExitOk;
    } catch (const std::exception& e) {
        return Blad(s, e);
    }
}

int RunAktaEksport(Invocation& call) {
    const auto& args = call.Operands();
    const auto id = Identyfikator(args[0]);
    if (!id)
        return call.UsageError("Niepoprawny identyfikator pracownika.");
    if (fs::path(args[1]).extension() != ".zip" && fs::path(args[1]).extension() != ".ZIP")
        return call.UsageError("Plik przekazania musi mieć rozszerzenie .zip.");
    auto s = Zaloguj(call);
    if (!s.sesja)
        return kExitFailure;
    const auto osoba = Osoba(s, *id);
    if (!osoba)
        return kExitFailure;
    try {
        if (fs::exists(args[1]) &&
            s.sesja->dialogi.TakNie("Plik " + args[1] + " już istnieje. Zastąpić go ?",
                                    akta::kTytulAkt, store::Ikona::Pytanie,
                                    store::Odpowiedz::Nie) != store::Odpowiedz::Tak)
            return kExitFailure;
        const akta::SpisAkt spis = akta::ZbierzSpis(*s.akta, *osoba);
        const auto w = akta::EksportujAkta(*s.akta, spis, args[1], PdfSpisu);
        call.Term().out << "Dokumentów: " << w.dokumentow << ", bajtów: " << w.bajtow
                        << "; sumy SHA-256 sprawdzone.\n"
                        << args[1] << std::endl;
        return kExitOk;
    } catch (const std::exception& e) {
        return Blad(s, e);
    }
}

int RunAktaImport(Invocation& call) {
    const auto& args = call.Operands();
    const auto id = Identyfikator(args[1]);
    if (!id)
        return call.UsageError("Niepoprawny identyfikator pracownika.");
    auto s = Zaloguj(call);
    if (!s.sesja)
        return kExitFailure;
    const auto osoba = Osoba(s, *id);
    if (!osoba)
        return kExitFailure;
    try {
        const auto w = akta::ImportujAkta(*s.akta, args[0], *osoba);
        call.Term().out << "Dodano dokumentów: " << w.dodane
                        << " (z innym numerem: " << w.przenumerowane
                        << "), pominięto już obecnych: " << w.pominiete << std::endl;
        return kExitOk;
    } catch (const std::exception& e) {
        return Blad(s, e);
    }
}

int RunAktaSprawdz(Invocation& call) {
    auto s = Zaloguj(call);
    if (!s.sesja)
        return kExitFailure;
    try {
        const auto dokumenty = s.akta->Dokumenty(0);
        const auto n = s.akta->Sprawdz();
        for (const akta::Niezgodnosc& x : n)
            call.Term().out << x.dokument.pracownik << '\t' << x.dokument.czesc << '\t'
                            << x.dokument.numer << '\t' << x.dokument.tytul << '\t' << x.opis
                            << '\n';
        call.Term().out.flush();
        call.Term().err << "Sprawdzono dokumentów: " << dokumenty.size()
                        << ", niezgodnych: " << n.size() << ".\n";
        return n.empty() ? kExitOk : kExitFailure;
    } catch (const std::exception& e) {
        return Blad(s, e);
    }
}

}  // namespace mirta::cli
