#include "store/tdm1.h"

#include "store/etaty.h"
#include "store/rodzaje_urlopow.h"
#include "store/slowniki.h"
#include "store/urlop_nalezny.h"
#include "store/szablony_wydrukow.h"
#include "store/urlopy.h"
#include "store/zakonczenie_zatrudnienia.h"
#include "store/zasady_wspolne.h"

namespace mirta::store {

TDM1::TDM1(TDM& tdm) : DataModule("TDM1", tdm.Fs(), tdm.DataDirectory()), m_tdm(tdm) {
    AddPeer(tdm);
    tdm.AddPeer(*this);
    tdm.UstawTDM1(this);
    m_obliczenieNaleznego = ObliczenieNaleznegoZDanych(*this);
    SetEditingList({"TUrlopy", "TEmRentGrInw", "TDodZatrudnienie", "TPopZatrudnienie",
                    "TZawieszenia", "TWypowiedzenia", "TZwolnienia", "TBadania", "TChoroby",
                    "TNieobecnosci", "TDecyzja", "TUrlopNalez"});
    try {
        OpenAll(Otwieranie::PrzyStarcie);
    } catch (...) {
        tdm.RemovePeer(*this);
        tdm.UstawTDM1(nullptr);
        throw;
    }
}

TDM1::~TDM1() {
    m_tdm.RemovePeer(*this);
    m_tdm.UstawTDM1(nullptr);
}

void TDM1::Prepare(TableComponent& c) {
    PodlaczZasadyWspolne(*this, c);
    PodlaczSlownik(*this, c);
    if (&c == &TRodzUrlop)
        PodlaczRodzajeUrlopow(*this, c);
    PodlaczUrlopy(*this, c);
    PodlaczZakonczenieZatrudnienia(*this, c);
    PodlaczSzablonyWydrukow(*this, c);
    if (&c == &TGlowkaStrukturyEtatow || &c == &TPozStrukturyEtatow)
        PodlaczStruktureEtatow(*this, c);
    PodlaczPoOperacjach(*this, c);
}

void TDM1::PokazZebraneKomunikaty() {
    auto komunikaty = std::move(m_zebraneKomunikaty);
    m_zebraneKomunikaty.clear();
    for (const auto& k : komunikaty)
        m_tdm.Dialogi_().Blad(k, kTytulBledu);
}

}  // namespace mirta::store
