// mirta dziennik: the change journal through a filter, and the administrator's archive of old
// entries.
#include <iostream>

#include "cli/commands.h"
#include "cli/values.h"
#include "store/dziennik_slowami.h"
#include "store/dziennik_zmian.h"
#include "store/tdm.h"
#include "wspolne/dialogi.h"

namespace mirta::cli {

namespace {

std::optional<engine::CivilDate> Data(Invocation& call, const char* opcja, bool& zla) {
    const std::string* t = call.Value(opcja);
    if (!t)
        return std::nullopt;
    const auto d = ParseDate(*t);
    if (!d) {
        zla = true;
        return std::nullopt;
    }
    return engine::CivilDate{d->rok, d->miesiac, d->dzien};
}

int Archiwizuj(Invocation& call, Sesja& s, engine::CivilDate przed) {
    if (!s.tdm->Sesja().Administrator) {
        s.dialogi.Blad("Nie masz uprawnień administratora systemu !!!", store::kTytulBledu);
        return kExitFailure;
    }
    const std::string nazwa = store::PlikArchiwumDziennika(przed);
    const std::string archiwum = s.tdm->DataDirectory() + "/" + nazwa;
    if (s.dialogi.TakNie(
            "Przenieść wpisy dziennika zmian sprzed " +
                engine::FormatDate(engine::DayNumberFromCivil(przed.year, przed.month, przed.day)) +
                " do pliku " + nazwa + " ?",
            "Dziennik zmian", store::Ikona::Pytanie,
            store::Odpowiedz::Nie) != store::Odpowiedz::Tak)
        return kExitFailure;  // no terminal and no --tak: the Dialogi stopped the command
    const size_t n = store::ArchiwizujDziennik(engine::FileSystem::Real(), s.tdm->DataDirectory(),
                                               przed, archiwum);
    call.Term().out << "Przeniesiono wpisów: " << n << '\n' << archiwum << std::endl;
    return kExitOk;
}

}  // namespace

int RunDziennik(Invocation& call) {
    store::FiltrDziennika f;
    bool zla = false;
    f.od = Data(call, "--od", zla);
    f.doDnia = Data(call, "--do", zla);
    const auto przed = Data(call, "--archiwizuj-przed", zla);
    if (zla)
        return call.UsageError("Niepoprawna data: RRRR-MM-DD.");
    if (const std::string* p = call.Value("--pracownik")) {
        const auto id = ParseInteger(*p, 1, 2147483647);
        if (!id)
            return call.UsageError("Niepoprawny identyfikator pracownika.");
        f.pracownik = static_cast<int32_t>(*id);
    }
    if (const std::string* u = call.Value("--uzytkownik"))
        f.uzytkownik = *u;
    if (const std::string* t = call.Value("--tabela"))
        f.tabela = *t;
    auto s = call.Zaloguj();
    if (!s)
        return kExitFailure;
    if (przed)
        return Archiwizuj(call, *s, *przed);
    // In the window's words: captions, labels, code texts and names.
    store::DziennikSlowami slowami(*s->tdm, s->tdm->Sesja().DataPrzetwarzania.year);
    for (const store::WpisDziennika& wpis :
         store::CzytajDziennik(engine::FileSystem::Real(), s->tdm->DataDirectory(), f)) {
        const store::WpisSlowami w = slowami.Opisz(wpis);
        call.Term().out << w.kiedy << '\t' << w.uzytkownik << '\t' << w.operacja << '\t' << w.tabela
                        << '\t' << w.pracownik << '\t' << w.pole << '\t' << w.stara << '\t'
                        << w.nowa << '\t' << w.klucz << '\n';
    }
    call.Term().out.flush();
    return kExitOk;
}

}  // namespace mirta::cli
