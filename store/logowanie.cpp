#include "engine/edit_scope.h"
#include "engine/engine_error.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/udostepnienia.h"
#include "wspolne/blad_danych.h"

namespace mirta::store {
namespace {

bool PlikIstnieje(engine::FileSystem& fs, const std::string& katalog, const std::string& plik) {
    return fs.Exists(engine::ResolvePath(fs, katalog + "/" + plik));
}

std::string Tekst(const engine::Value& v) {
    return v.IsNull() ? std::string() : v.AsText();
}

}  // namespace

bool TDM1::WybierzRokUrlopowy(int rok) {
    const std::string& katalog = DataDirectory();
    if (rok >= kPierwszyRokPlikowUrlopow) {
        const std::string nalezne = PlikUrlopowNaleznych(rok);
        const std::string wykorzystane = PlikUrlopowWykorzystanych(rok);
        if (!PlikIstnieje(Fs(), katalog, nalezne) || !PlikIstnieje(Fs(), katalog, wykorzystane))
            return false;
        SetFile(TUrlopNalez, nalezne);
        SetFile(TUrlopNaleznyRoboczy, nalezne);
        SetFile(TUrlopy, wykorzystane);
        SetFile(TUrlopyRoboczy, wykorzystane);
        m_tdm.UstawRokUrlopowyZamkniety(PlikIstnieje(Fs(), katalog, PlikUrlopowNaleznych(rok + 1)));
    } else {
        m_tdm.UstawRokUrlopowyZamkniety(
            PlikIstnieje(Fs(), katalog, PlikUrlopowNaleznych(kPierwszyRokPlikowUrlopow)));
    }
    return true;
}

bool TDM::FunkcjaStartowa(const DaneStartowe* okno) {
    if (!okno) {
        m_dialogi.Blad("Niepoprawne wywołanie funkcji startowej !!!", kTytulBledu);
        return false;
    }
    const engine::CivilDate data = okno->data;
    // The calendar never holds an impossible date; typed dates may.
    if (!m_tdm1 || data.year <= 0 || !engine::IsValidCivil(data.year, data.month, data.day) ||
        !m_tdm1->WybierzRokUrlopowy(data.year)) {
        m_dialogi.Blad("Niepoprawna data przetwarzania !!!", kTytulBledu);
        return false;
    }
    engine::Dataset& hasla = *THasla;
    hasla.CheckBrowseMode();
    const int nazwa = hasla.FieldIndex("NazwaKrotka"), haslo = hasla.FieldIndex("Haslo"),
              id = hasla.FieldIndex("Identyfikator");
    for (int64_t i = 0; i < hasla.RecordCount(); ++i) {
        engine::RowView wiersz = hasla.RowAt(i);
        if (Tekst(wiersz.At(nazwa)) != okno->nazwa)
            continue;
        const int32_t identyfikator =
            wiersz.At(id).IsNull() ? 0 : static_cast<int32_t>(wiersz.At(id).AsInteger());
        // A user with a hash logs in by it alone; the others by the clear text still stored.
        std::optional<bool> zgodne = m_hasla.Sprawdz(identyfikator, okno->haslo);
        const bool zahaszowane = zgodne.has_value();
        if (!zgodne)
            zgodne = Tekst(wiersz.At(haslo)) == okno->haslo;
        if (!*zgodne)
            continue;
        if (!wiersz["Przegladanie"].AsLogical()) {
            m_dialogi.Blad("Cofnięto uprawnienia dla użytkownika !!!", kTytulBledu);
            return true;
        }
        Zaloguj(i, okno->haslo, zahaszowane, data);
        return true;
    }
    m_dialogi.Blad("Niepoprawne dane użytkownika !!!", kTytulBledu);
    return false;
}

void TDM::Zaloguj(int64_t wiersz, const std::string& haslo, bool zahaszowane,
                  engine::CivilDate data) {
    engine::Dataset& hasla = *THasla;
    engine::RowView r = hasla.RowAt(wiersz);
    auto logiczne = [&](const char* pole) {
        const engine::Value& v = r[pole];
        return !v.IsNull() && v.AsLogical();
    };
    SesjaUzytkownika s;
    s.Przegladanie = logiczne("Przegladanie");
    s.Aktualizowanie = logiczne("Aktualizowanie");
    s.Administrator = logiczne("Administrator");
    s.Pole1 = logiczne("Pole1");
    s.TrybUrlopowy = logiczne("Pole2");
    s.Pole3 = logiczne("Pole3");
    s.Pole4 = logiczne("Pole4");
    s.NazwaKrotka = Tekst(r["NazwaKrotka"]);
    s.NazwaPelna = Tekst(r["NazwaPelna"]);
    s.Pole10 = r["Pole10"].IsNull() ? 0 : static_cast<int32_t>(r["Pole10"].AsInteger());
    s.Identyfikator = static_cast<int32_t>(r["Identyfikator"].AsInteger());
    s.DataPrzetwarzania = data;
    s.RokUrlopowyZamkniety = m_sesja.RokUrlopowyZamkniety;
    s.MusiUstawicHaslo = haslo.empty();
    if (!zahaszowane)
        ZapiszHaslo(s.Identyfikator, haslo);
    m_sesja = s;
    UstawRejestrUdostepnien(Fs(), DataDirectory(), s.NazwaKrotka, this);
}

void TDM::UstawHaslo(int32_t identyfikator, const std::string& haslo) {
    if (haslo.empty())
        throw BladDanych("Hasło nie może być puste !!!");
    ZapiszHaslo(identyfikator, haslo);
    if (identyfikator == m_sesja.Identyfikator)
        m_sesja.MusiUstawicHaslo = false;
}

void TDM::ZapiszHaslo(int32_t identyfikator, const std::string& haslo) {
    engine::Dataset& hasla = *THasla;
    hasla.CheckBrowseMode();
    const int id = hasla.FieldIndex("Identyfikator");
    int64_t wiersz = -1;
    for (int64_t i = 0; i < hasla.RecordCount() && wiersz < 0; ++i) {
        const engine::Value v = hasla.RowAt(i).At(id);
        if (!v.IsNull() && v.AsInteger() == identyfikator)
            wiersz = i;
    }
    if (wiersz < 0)
        throw engine::EngineError("Brak użytkownika " + std::to_string(identyfikator) +
                                  " w tabeli Hasla.DB");
    // The hash first: should the second write fail, the user still logs in by the hash.
    m_hasla.Zapisz(identyfikator, haslo);
    hasla.MoveTo(wiersz);
    engine::EditScope zmiana(hasla, engine::EditScope::Mode::Edit);
    hasla.SetField("Haslo", engine::Value::Text(MagazynHasel::LosoweHaslo()));
    zmiana.Post();
}

bool TDM::SprawdzHaslo(int32_t identyfikator, const std::string& haslo) {
    if (auto zgodne = m_hasla.Sprawdz(identyfikator, haslo))
        return *zgodne;
    engine::Dataset& hasla = *THasla;
    for (int64_t i = 0; i < hasla.RecordCount(); ++i) {
        engine::RowView r = hasla.RowAt(i);
        if (!r["Identyfikator"].IsNull() && r["Identyfikator"].AsInteger() == identyfikator)
            return Tekst(r["Haslo"]) == haslo;
    }
    return false;
}

void TDM::UstawIteracjeHasel(int iteracje) {
    m_hasla = MagazynHasel(Fs(), DataDirectory(), iteracje);
}

}  // namespace mirta::store
