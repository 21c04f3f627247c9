#include "shell/zamykanie.h"

#include "kit/okno_edycji.h"
#include "engine/engine_error.h"
#include "store/tdm.h"

namespace mirta::shell {

namespace {

struct PytanieOZapis {
    const char* komponent;
    const char* edycja;
    const char* dopisanie;
};

// The civil staff bonus is asked about too: leaving it out would lose a typed bonus silently.
constexpr PytanieOZapis kPytania[] = {
    {"TPracownicy", " Czy zapisać dane pracownika ?", "Czy dopisać nowego pracownika ?"},
    {"TWyksztalcenie", " Czy zapisać dane o wykształceniu pracownika ?",
     "Czy dopisać nowe dane o wykształceniu pracownika ?"},
    {"TKursy", " Czy zapisać dane o wykształceniu uzupełniającym ?",
     "Czy dopisać nowe dane o wykształceniu uzupełniającym ?"},
    {"TRodzina", " Czy zapisać dane o członku rodziny ?",
     "Czy dopisać nowe dane o członku rodziny ?"},
    {"TPracStop", " Czy zapisać dane o stopniu pracownika ?",
     "Czy dopisać nowe dane o stopniu pracownika ?"},
    {"TPracGrup", " Czy zapisać dane o grupie pracownika ?",
     "Czy dopisać nowe dane o grupie pracownika ?"},
    {"TStanowiska", " Czy zapisać dane o stanowisku pracownika ?",
     "Czy dopisać nowe stanowisko pracownika ?"},
    {"TStanowiskaE", " Czy zapisać dane o stanowisku etatowym pracownika ?",
     "Czy dopisać nowe stanowisko etatowe pracownika ?"},
    {"TZatrudnienie", " Czy zapisać dane o formie zatrudnienia pracownika ?",
     "Czy dopisać nową formę zatrudnienia pracownika ?"},
    {"TSzkodliwe", " Czy zapisać dane o grupie szkodliwości pracownika ?",
     "Czy dopisać nową grupę szkodliwości pracownika ?"},
    {"TDodSluzbowy", " Czy zapisać dane o dodatku służbowym pracownika ?",
     "Czy dopisać nowy dodatek służbowy pracownika ?"},
    {"TDodInny", " Czy zapisać dane o dodatku innym pracownika ?",
     "Czy dopisać nowy dodatek inny pracownika ?"},
    {"TPremPracCyw", " Czy zapisać dane o premii pracownika cywilnego ?",
     "Czy dopisać nową premię pracownika cywilnego ?"},
    {"TNagrody", " Czy zapisać dane o nagrodzie pracownika ?",
     "Czy dopisać nową nagrodę pracownika ?"},
    {"TPopZatrudnienie", "Czy zapisać dane o poprzednim zatrudnieniu pracownika ?",
     "Czy dopisać nowe poprzednie zatrudnienie pracownika ?"},
    {"TZawieszenia", "Czy zapisać dane o zawieszeniu pracownika ?",
     "Czy dopisać nowe zawieszenie pracownika ?"},
    {"TWypowiedzenia", "Czy zapisać dane o wypowiedzeniu pracownika ?",
     "Czy dopisać nowe wypowiedzenie pracownika ?"},
    {"TZwolnienia", "Czy zapisać dane o zwolnieniu pracownika ?",
     "Czy dopisać nowe zwolnienie pracownika ?"},
    {"TBadania", "Czy zapisać dane o badaniu pracownika ?",
     "Czy dopisać nowe badanie pracownika ?"},
    {"TDodZatrudnienie", "Czy zapisać dane o dodatkowym zatrudnieniu pracownika ?",
     "Czy dopisać nowe dodatkowe zatrudnienie pracownika ?"},
    {"TEmRentGrInw", "Czy zapisać dane o rentach/emeryturach/grupach inwalidzkich pracownika ?",
     "Czy dopisać nową rentę/emeryturę/grupę inwalidzką pracownika ?"},
    {"TUrlopy", "Czy zapisać dane o urlopie pracownika ?", "Czy dopisać nowy urlop pracownika ?"},
    {"TChoroby", "Czy zapisać dane o chorobie pracownika ?",
     "Czy dopisać nowe dane choroby pracownika ?"},
    {"TNieobecnosci", "Czy zapisać dane o nieobecności pracownika ?",
     "Czy dopisać nowe dane nieobecności pracownika ?"},
    {"TDecyzja", "Czy zapisać dane o nowej decyzji pracownika ?",
     "Czy dopisać nową decyzję pracownika ?"},
    {"TOrdery", "Czy zapisać dane o nowym orderze ?", "Czy dopisać nowy order ?"},
    {"TKary", "Czy zapisać dane o nowej karze pracownika ?", "Czy dopisać nową karę pracownika ?"},
    {"TWyroznienia", "Czy zapisać dane o nowym wyróżnieniu pracownika ?",
     "Czy dopisać nowe wyróżnienie pracownika ?"},
};

}  // namespace

AkcjaZamkniecia ZapytajOZapisPrzyZamknieciu(store::TDM& tdm, store::Dialogi& dialogi) {
    for (const PytanieOZapis& p : kPytania) {
        store::TableComponent* komponent = tdm.Find(p.komponent);
        if (komponent && komponent->IsOpen() &&
            !kit::ZapytajOZapis({p.edycja, p.dopisanie, kTytulKontroliKadrowej}, **komponent,
                                dialogi))
            return AkcjaZamkniecia::Zostaw;
    }
    return AkcjaZamkniecia::Zamknij;
}

void ZapiszEdycjeAutomatyczna(store::TDM& tdm, bool edycjaAutomatyczna) {
    engine::Dataset& hasla = *tdm.THasla;
    hasla.CheckBrowseMode();
    const int32_t uzytkownik = tdm.Sesja().Identyfikator;
    const int id = hasla.FieldIndex("Identyfikator");
    for (int64_t i = 0; i < hasla.RecordCount(); ++i) {
        const engine::Value v = hasla.RowAt(i).At(id);
        if (v.IsNull() || v.AsInteger() != uzytkownik)
            continue;
        hasla.MoveTo(i);
        hasla.Edit();
        try {
            hasla.SetField("Pole1", engine::Value::Logical(!edycjaAutomatyczna));
            hasla.Post();
        } catch (...) {
            if (hasla.Editing())
                hasla.Cancel();
            throw;
        }
        return;
    }
    throw engine::EngineError("Brak użytkownika " + std::to_string(uzytkownik) +
                              " w tabeli Hasla.DB");
}

}  // namespace mirta::shell
