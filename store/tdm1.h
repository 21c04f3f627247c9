#pragma once

#include <set>
#include <string>

#include "store/data_module.h"
#include "store/rodzaje_urlopow.h"
#include "store/tdm.h"
#include "store/urlopy.h"

namespace mirta::store {

// The data module of leave, absences, employment-end records, leave types, report
// definitions, grid layouts, the SPD tables and the staffing structure. Its employee tables
// follow TDM.TPracownicy.
class TDM1 : public DataModule {
public:
    // Opens every table marked for the start. REQUIRES: tdm outlives this module.
    explicit TDM1(TDM& tdm);
    ~TDM1() override;

    const SesjaUzytkownika& Sesja() const override { return m_tdm.Sesja(); }
    TDM& Tdm() const { return m_tdm; }

    // Points the leave tables at the files of the processing year `rok` and works out whether
    // that year is closed. False when a file of the year is missing (from 2006 on).
    [[nodiscard]] bool WybierzRokUrlopowy(int rok);

    // The leave types in memory, read again after every change of RodzUrlop.db.
    RodzajeUrlopow& Rodzaje() { return m_rodzajeUrlopow; }
    // The suspension mark of the leave rows' calculated fields; set it through
    // ZawieszenieObliczenUrlopow.
    bool ObliczeniaUrlopowZawieszone() const { return m_obliczeniaUrlopowZawieszone; }
    void UstawZawieszenieObliczenUrlopow(bool zawieszone) {
        m_obliczeniaUrlopowZawieszone = zawieszone;
    }
    // The entitlement computation a new or posted leave-due year stores; none: the stored
    // values stay as they are.
    const ObliczenieUrlopuNaleznego& ObliczenieNaleznego() const { return m_obliczenieNaleznego; }
    void UstawObliczenieNaleznego(ObliczenieUrlopuNaleznego obliczenie) {
        m_obliczenieNaleznego = std::move(obliczenie);
    }
    // Messages of computations made while rows were fetched: collected, each shown once when
    // the user's operation ends.
    void ZbierzKomunikat(const std::string& tekst) { m_zebraneKomunikaty.insert(tekst); }
    void PokazZebraneKomunikaty();

    TableComponent TUrlopy{*this, "TUrlopy"};
    TableComponent TUrlopyRoboczy{*this, "TUrlopyRoboczy"};
    TableComponent TUrlopNalez{*this, "TUrlopNalez"};
    TableComponent TUrlopNaleznyRoboczy{*this, "TUrlopNaleznyRoboczy"};
    TableComponent TChoroby{*this, "TChoroby"};
    TableComponent TNieobecnosci{*this, "TNieobecnosci"};
    TableComponent TRodzUrlop{*this, "TRodzUrlop"};
    TableComponent TZawieszenia{*this, "TZawieszenia"};
    TableComponent TWypowiedzenia{*this, "TWypowiedzenia"};
    TableComponent TZwolnienia{*this, "TZwolnienia"};
    TableComponent TDecyzja{*this, "TDecyzja"};
    TableComponent TPopZatrudnienie{*this, "TPopZatrudnienie"};
    TableComponent TDodZatrudnienie{*this, "TDodZatrudnienie"};
    TableComponent TBadania{*this, "TBadania"};
    TableComponent TEmRentGrInw{*this, "TEmRentGrInw"};
    TableComponent TPodpowiedzi{*this, "TPodpowiedzi"};
    TableComponent TGlowkaStrukturyEtatow{*this, "TGlowkaStrukturyEtatow"};
    TableComponent TPozStrukturyEtatow{*this, "TPozStrukturyEtatow"};
    TableComponent TSlRodzSw{*this, "TSlRodzSw"};
    TableComponent TSlGrupInw{*this, "TSlGrupInw"};
    TableComponent TRoboczy{*this, "TRoboczy"};
    TableComponent TGridy{*this, "TGridy"};
    TableComponent TDaneGrid{*this, "TDaneGrid"};
    TableComponent TNazwyWyd{*this, "TNazwyWyd"};
    TableComponent TPozWyd{*this, "TPozWyd"};
    TableComponent TWydruki{*this, "TWydruki"};
    TableComponent TRejPrzesylek{*this, "TRejPrzesylek"};
    TableComponent THarmonogramPrzesylek{*this, "THarmonogramPrzesylek"};
    TableComponent TPrzesylki{*this, "TPrzesylki"};
    TableComponent TPrzesHarm{*this, "TPrzesHarm"};
    TableComponent TGlowkiPlikow{*this, "TGlowkiPlikow"};
    TableComponent TPozPlikow{*this, "TPozPlikow"};
    TableComponent TSPDWynagrodzenia{*this, "TSPDWynagrodzenia"};
    TableComponent TSPDParametry{*this, "TSPDParametry"};
    TableComponent TSPDKartoteka{*this, "TSPDKartoteka"};

protected:
    void Prepare(TableComponent& component) override;

private:
    TDM& m_tdm;
    RodzajeUrlopow m_rodzajeUrlopow{TRodzUrlop};
    bool m_obliczeniaUrlopowZawieszone = false;
    ObliczenieUrlopuNaleznego m_obliczenieNaleznego;
    std::set<std::string> m_zebraneKomunikaty;
};

}  // namespace mirta::store
