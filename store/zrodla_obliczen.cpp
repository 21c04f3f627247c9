#include "store/zrodla_obliczen.h"

#include <algorithm>

#include "compute/zakres_lat.h"
#include "engine/file_system.h"
#include "store/kalendarz.h"
#include "store/katalog.h"
#include "store/otwarcie_tabel.h"
#include "store/pola_rekordu.h"
#include "store/tdm.h"
#include "store/tdm1.h"

namespace mirta::store {
namespace {

using engine::Value;

char Litera(const Value& v, char brak) {
    return PierwszaLitera(v, brak);
}

}  // namespace

int PoleTabeli(const engine::Table& t, std::string_view nazwa) {
    const auto& pola = t.Fields();
    for (size_t i = 0; i < pola.size(); ++i)
        if (pola[i].name == nazwa)
            return static_cast<int>(i);
    return -1;
}

std::vector<engine::Record> WierszePracownika(engine::Table& t, int32_t pracownik,
                                              int polePracownika, const std::vector<int>* pola) {
    std::vector<engine::Record> wiersze;
    auto czytaj = [&](uint64_t r) { return pola ? t.ReadFields(r, *pola) : t.ReadRow(r); };
    const uint64_t n = t.RowCount();
    if (polePracownika == 0 && t.KeyFieldCount() >= 1) {
        for (uint64_t r = t.LowerBound({Value::Integer(pracownik)}); r < n; ++r) {
            if (LiczbaCalkowita(t.ReadField(r, 0)) != pracownik)
                break;
            wiersze.push_back(czytaj(r));
        }
        return wiersze;
    }
    for (uint64_t r = 0; r < n; ++r)
        if (LiczbaCalkowita(t.ReadField(r, polePracownika)) == pracownik)
            wiersze.push_back(czytaj(r));
    return wiersze;
}

const std::vector<engine::Record>& ZrodlaObliczen::Wiersze(engine::Table& t, int32_t pracownik) {
    auto [it, nowy] = m_ostatni.try_emplace(&t);
    if (nowy || it->second.pracownik != pracownik) {
        it->second.pracownik = pracownik;
        it->second.wiersze = WierszePracownika(t, pracownik);
    }
    return it->second.wiersze;
}

ZrodlaObliczen::ZrodlaObliczen(TDM& tdm, TDM1& tdm1) : m_tdm(tdm), m_tdm1(tdm1) {}
ZrodlaObliczen::~ZrodlaObliczen() = default;

engine::Table& ZrodlaObliczen::Otworz(const TableComponent& c, const std::string& plik) {
    const std::string sciezka =
        engine::ResolvePath(m_tdm.Fs(), c.Module().DataDirectory() + "/" + plik);
    for (const DataModule* m :
         {static_cast<DataModule*>(&m_tdm), static_cast<DataModule*>(&m_tdm1)})
        for (const TableComponent* k : m->Components())
            if (k->IsOpen() && (*k)->GetTable().Path() == sciezka)
                return (*k)->GetTable();
    auto& wlasna = m_wlasne[sciezka];
    if (!wlasna) {
        std::vector<std::string> uwagi;
        wlasna = OtworzTabele(m_tdm.Fs(), c.Opis(), c.Module().DataDirectory(), uwagi, plik);
    }
    return *wlasna;
}

engine::Table& ZrodlaObliczen::Tabela(TableComponent& c) {
    if (c.IsOpen())
        return c->GetTable();
    return Otworz(c, c.FileName());
}

const std::vector<engine::Table*>& ZrodlaObliczen::PlikiUrlopowWszystkichLat() {
    if (m_lataWczytane)
        return m_plikiLat;
    m_lataWczytane = true;
    const std::string& katalog = m_tdm1.DataDirectory();
    auto istnieje = [&](const std::string& plik) {
        return m_tdm.Fs().Exists(engine::ResolvePath(m_tdm.Fs(), katalog + "/" + plik));
    };
    const std::string bazowy = PlikUrlopowWykorzystanych(kPierwszyRokPlikowUrlopow - 1);
    if (istnieje(bazowy))
        m_plikiLat.push_back(&Otworz(m_tdm1.TUrlopy, bazowy));
    for (int rok = kPierwszyRokPlikowUrlopow; rok <= kOstatniRokPlikowUrlopow; ++rok) {
        const std::string plik = PlikUrlopowWykorzystanych(rok);
        if (istnieje(plik))
            m_plikiLat.push_back(&Otworz(m_tdm1.TUrlopy, plik));
    }
    return m_plikiLat;
}

const RodzajUrlopuOpis* ZrodlaObliczen::RodzajUrlopu(int32_t identyfikator) {
    if (!m_rodzajeWczytane) {
        m_rodzajeWczytane = true;
        engine::Table& t = Tabela(m_tdm1.TRodzUrlop);
        const int id = PoleTabeli(t, "Identyfikator"), nazwa = PoleTabeli(t, "NazwaUrlopu"),
                  symbol = PoleTabeli(t, "Symbol"), dni = PoleTabeli(t, "RodzajDni"),
                  rodzaj = PoleTabeli(t, "RodzajUrlopu");
        for (uint64_t r = 0; r < t.RowCount(); ++r) {
            const engine::Record w = t.ReadRow(r);
            RodzajUrlopuOpis o{TekstPola(w[nazwa]),
                               TekstPola(w[symbol]),
                               {Litera(w[dni], 0), Litera(w[rodzaj], 'I')}};
            m_rodzaje.emplace(LiczbaCalkowita(w[id]), std::move(o));
        }
    }
    auto it = m_rodzaje.find(identyfikator);
    return it == m_rodzaje.end() ? nullptr : &it->second;
}

const std::string& ZrodlaObliczen::Przebieg(int rok, int miesiac) {
    auto [it, nowy] = m_miesiace.try_emplace(rok * 12 + miesiac - 1);
    if (!nowy)
        return it->second;
    // A month not stored yet counts as generated, as the calendar itself does.
    it->second = GenerujMiesiac(rok, miesiac).przebieg;
    if (!m_tdm.TKalendarz.IsOpen())
        return it->second;
    engine::Table& k = m_tdm.TKalendarz->GetTable();
    const engine::Record klucz{Value::Integer(kIdentyfikatorKalendarza), Value::Integer(rok),
                               Value::Integer(miesiac)};
    const uint64_t r = k.LowerBound(klucz);
    if (r < k.RowCount()) {
        const engine::Record w = k.ReadRow(r);
        if (LiczbaCalkowita(w[0]) == kIdentyfikatorKalendarza && LiczbaCalkowita(w[1]) == rok &&
            LiczbaCalkowita(w[2]) == miesiac)
            it->second = TekstPola(w[PoleTabeli(k, "PrzebiegPracy")]);
    }
    return it->second;
}

int32_t ZrodlaObliczen::LiczDni(compute::DataKal od, compute::DataKal doDnia, char litera) {
    if (const int32_t kod = KodZakresuDni(od, doDnia))
        return kod;
    if (doDnia < od)
        std::swap(od, doDnia);
    int32_t suma = 0;
    const int pierwszy = od.rok * 12 + od.miesiac - 1,
              ostatni = doDnia.rok * 12 + doDnia.miesiac - 1;
    for (int n = pierwszy; n <= ostatni; ++n) {
        const std::string& przebieg = Przebieg(n / 12, n % 12 + 1);
        const int a = n == pierwszy ? od.dzien : 1;
        const int b = std::min(n == ostatni ? int(doDnia.dzien) : 31, int(przebieg.size()));
        for (int d = a; d <= b; ++d)
            suma += przebieg[static_cast<size_t>(d - 1)] == litera;
    }
    return suma;
}

}  // namespace mirta::store
