#pragma once

#include <memory>
#include <string>
#include <unordered_map>

#include "store/data_module.h"
#include "store/filtr_pracownikow.h"
#include "store/hasla.h"
#include "store/pracownicy.h"
#include "store/sesja.h"
#include "store/stawki.h"
#include "wspolne/dialogi.h"

namespace mirta::store {

class TDM1;

// What the start window hands to the login.
struct DaneStartowe {
    engine::CivilDate data;  // the processing date chosen
    std::string nazwa;
    std::string haslo;
};

// The data module of the employee master table, its service history, education, family,
// distinctions, most dictionaries, the parameters, the calendar and the users; holds the
// session and the employee filter.
class TDM : public DataModule {
public:
    // Opens every table marked for the start; the first that cannot be opened throws.
    // `dzis` is the computer's date, the processing date until the login.
    TDM(engine::FileSystem& fs, std::string katalogDanych, Dialogi& dialogi,
        engine::CivilDate dzis);
    ~TDM() override;

    const SesjaUzytkownika& Sesja() const override { return m_sesja; }
    Dialogi& Dialogi_() { return m_dialogi; }

    // The login: checks the processing date (selecting the leave tables of its year), then
    // the user; shows its own messages. True when the start window may close: logged in, or
    // the user's rights were revoked (then nobody is logged in). `okno` null: no start window.
    bool FunkcjaStartowa(const DaneStartowe* okno);
    // Sets a user's password (Part of the users' administration and the first login with an
    // empty one). Throws BladDanych for an empty password.
    void UstawHaslo(int32_t identyfikator, const std::string& haslo);
    // Whether `haslo` is the user's password.
    [[nodiscard]] bool SprawdzHaslo(int32_t identyfikator, const std::string& haslo);
    // Iterations for password hashes written from now on.
    void UstawIteracjeHasel(int iteracje);

    FiltrPracownikow& Filtr() { return m_filtr; }
    // Applies changed filter settings to the employee list.
    void OdswiezListePracownikow();
    // The processing date as a day number.
    int32_t DzienPrzetwarzania() const;

    // Current rank and position names of an employee; empty when none.
    std::string AktualnyStopien(int32_t pracownik);
    std::string AktualneStanowisko(int32_t pracownik);
    // The name of a position of the dictionary; empty for an identifier it lacks.
    std::string NazwaStanowiska(int32_t stanowisko);
    BiezaceStopnieIStanowiska& Biezace() { return m_biezace; }

    // Komorki.db follows KomNad.db only while the organisational window is open.
    void PolaczKomorki(bool polacz);

    void UstawRokUrlopowyZamkniety(bool zamkniety) { m_sesja.RokUrlopowyZamkniety = zamkniety; }
    void UstawTDM1(TDM1* tdm1) { m_tdm1 = tdm1; }

    // Rates of ranks and pay groups, and the salary bases.
    DaneStopniiGrup& Stawki() { return m_stawki; }
    PodstawyWynagrodzen& PodstawyWyn() { return m_podstawyWyn; }

    TableComponent TParametry{*this, "TParametry"};
    TableComponent TPracownicy{*this, "TPracownicy"};
    TableComponent TPracStop{*this, "TPracStop"};
    TableComponent TPracStopRob{*this, "TPracStopRob"};
    TableComponent TPracGrup{*this, "TPracGrup"};
    TableComponent TPracGrupRob{*this, "TPracGrupRob"};
    TableComponent TStanowiska{*this, "TStanowiska"};
    TableComponent TStanowiskaRob{*this, "TStanowiskaRob"};
    TableComponent TStanowiskaE{*this, "TStanowiskaE"};
    TableComponent TZatrudnienie{*this, "TZatrudnienie"};
    TableComponent TSzkodliwe{*this, "TSzkodliwe"};
    TableComponent TDodSluzbowy{*this, "TDodSluzbowy"};
    TableComponent TDodInny{*this, "TDodInny"};
    TableComponent TNagrody{*this, "TNagrody"};
    TableComponent TPremPracCyw{*this, "TPremPracCyw"};
    TableComponent TWyksztalcenie{*this, "TWyksztalcenie"};
    TableComponent TKursy{*this, "TKursy"};
    TableComponent TRodzina{*this, "TRodzina"};
    TableComponent TOrdery{*this, "TOrdery"};
    TableComponent TKary{*this, "TKary"};
    TableComponent TWyroznienia{*this, "TWyroznienia"};
    TableComponent TCzasPracy{*this, "TCzasPracy"};
    TableComponent TKalendarz{*this, "TKalendarz"};
    TableComponent TKomorkaNad{*this, "TKomorkaNad"};
    TableComponent TKomorkaPod{*this, "TKomorkaPod"};
    TableComponent TSlowStopni{*this, "TSlowStopni"};
    TableComponent TStawStopni{*this, "TStawStopni"};
    TableComponent TSlowGrup{*this, "TSlowGrup"};
    TableComponent TStawGrup{*this, "TStawGrup"};
    TableComponent TPodstawy{*this, "TPodstawy"};
    TableComponent TPremie{*this, "TPremie"};
    TableComponent TSlowStanowisk{*this, "TSlowStanowisk"};
    TableComponent TSlowFormZatr{*this, "TSlowFormZatr"};
    TableComponent TWydawcy{*this, "TWydawcy"};
    TableComponent TRodzWyk{*this, "TRodzWyk"};
    TableComponent TStNaukowe{*this, "TStNaukowe"};
    TableComponent TTytZawod{*this, "TTytZawod"};
    TableComponent TRodzajeKursow{*this, "TRodzajeKursow"};
    TableComponent TSlowPokrew{*this, "TSlowPokrew"};
    TableComponent TSlowOrderow{*this, "TSlowOrderow"};
    TableComponent TSlowOrganowNadajacych{*this, "TSlowOrganowNadajacych"};
    TableComponent TSlowKar{*this, "TSlowKar"};
    TableComponent TSlowWyr{*this, "TSlowWyr"};
    TableComponent TSlowStatPracCyw{*this, "TSlowStatPracCyw"};
    TableComponent TPowodZdarzeniaKadrowego{*this, "TPowodZdarzeniaKadrowego"};
    TableComponent TRodzajZdarzeniaKadrowego{*this, "TRodzajZdarzeniaKadrowego"};
    TableComponent TParametryFirmy{*this, "TParametryFirmy"};
    TableComponent TParDruk{*this, "TParDruk"};
    TableComponent THasla{*this, "THasla"};

protected:
    void Prepare(TableComponent& component) override;

private:
    void PrzygotujBiezace();
    // Writes the hash and overwrites the clear text; the empty password of a first login too.
    void ZapiszHaslo(int32_t identyfikator, const std::string& haslo);
    void Zaloguj(int64_t wiersz, const std::string& haslo, bool zahaszowane,
                 engine::CivilDate data);

    // Names of a dictionary by identifier, read again whenever its file changed.
    class SlownikNazw {
    public:
        SlownikNazw(std::string poleId, std::string poleNazwy)
            : m_poleId(std::move(poleId)), m_poleNazwy(std::move(poleNazwy)) {}
        std::string Nazwa(TableComponent& slownik, int32_t id);

    private:
        std::string m_poleId, m_poleNazwy;
        engine::Table* m_tabela = nullptr;
        engine::ChangeStamp m_stamp;
        uint64_t m_wiersze = 0;
        std::unordered_map<int32_t, std::string> m_nazwy;
    };

    Dialogi& m_dialogi;
    TDM1* m_tdm1 = nullptr;
    SesjaUzytkownika m_sesja;
    FiltrPracownikow m_filtr;
    BiezaceStopnieIStanowiska m_biezace;
    DaneStopniiGrup m_stawki;
    PodstawyWynagrodzen m_podstawyWyn;
    MagazynHasel m_hasla;
    SlownikNazw m_nazwyStopni{"IdentyfikatorStopnia", "NazwaStopnia"};
    SlownikNazw m_nazwyStanowisk{"IdentyfikatorStanowiska", "NazwaStanowiska"};
};

}  // namespace mirta::store
