#include "store/data_module.h"

#include <algorithm>

#include "store/dziennik_zmian.h"
#include "engine/engine_error.h"
#include "store/katalogi_plac.h"
#include "store/otwarcie_tabel.h"

namespace mirta::store {
namespace {

using engine::Dataset;
using engine::Value;

// A lookup field's dictionary read into a map, re-read whenever the dictionary's file changed.
class LookupCache {
public:
    LookupCache(const DataModule& module, const OpisPola& pole) : m_module(module), m_pole(pole) {}

    Value Find(const Value& key) {
        if (key.IsNull())
            return {};
        TableComponent* slownik = m_module.Find(m_pole.lookupKomponent);
        if (!slownik || !slownik->IsOpen())
            return {};
        engine::Table& tabela = (*slownik)->GetTable();
        if (&tabela != m_table || tabela.LastStamp() != m_stamp || tabela.RowCount() != m_rows)
            Reload(tabela);
        auto it = m_values.find(key.ToString());
        return it == m_values.end() ? Value() : it->second;
    }

private:
    void Reload(engine::Table& tabela) {
        m_values.clear();
        int klucz = -1, wynik = -1;
        const auto& pola = tabela.Fields();
        for (size_t i = 0; i < pola.size(); ++i) {
            if (pola[i].name == m_pole.lookupPolaSlownika)
                klucz = static_cast<int>(i);
            if (pola[i].name == m_pole.lookupPoleWyniku)
                wynik = static_cast<int>(i);
        }
        if (klucz >= 0 && wynik >= 0) {
            for (uint64_t r = 0; r < tabela.RowCount(); ++r) {
                Value k = tabela.ReadField(r, klucz);
                if (!k.IsNull())
                    m_values.emplace(k.ToString(), tabela.ReadField(r, wynik));
            }
        }
        m_table = &tabela;
        m_stamp = tabela.LastStamp();
        m_rows = tabela.RowCount();
    }

    const DataModule& m_module;
    const OpisPola& m_pole;
    engine::Table* m_table = nullptr;
    engine::ChangeStamp m_stamp;
    uint64_t m_rows = 0;
    std::map<std::string, Value> m_values;
};

}  // namespace

TableComponent::TableComponent(DataModule& module, std::string_view name)
    : m_module(module), m_name(name), m_opis(ZnajdzKomponent(module.Name(), name)) {
    if (!m_opis)
        throw engine::EngineError("Brak komponentu " + m_name + " w katalogu tabel " +
                                  module.Name());
    m_file = std::string(m_opis->plik);
    module.Register(*this);
}

engine::Dataset& TableComponent::operator*() const {
    if (!m_dataset)
        throw engine::EngineError("Tabela " + m_file + " (" + m_name + ") nie jest otwarta", m_file,
                                  "dostęp do tabeli");
    return *m_dataset;
}

DataModule::DataModule(std::string name, engine::FileSystem& fs, std::string dataDirectory)
    : m_name(std::move(name)), m_fs(fs), m_dataDirectory(std::move(dataDirectory)) {}

DataModule::~DataModule() = default;

TableComponent* DataModule::Find(std::string_view component) const {
    for (auto* c : m_components)
        if (c->Name() == component)
            return c;
    for (auto* peer : m_peers)
        for (auto* c : peer->m_components)
            if (c->Name() == component)
                return c;
    return nullptr;
}

std::string DataModule::DirectoryOf(const TableComponent& component, const std::string& directory) {
    if (!directory.empty())
        return directory;
    switch (component.Opis().miejsce) {
        case MiejscePliku::Dane:
            return m_dataDirectory;
        case MiejscePliku::Spd:
            return m_dataDirectory + "/SPD";
        case MiejscePliku::Rovante:
            return m_dataDirectory + "/ROVANTE";
        case MiejscePliku::Placowy: {
            // Read afresh before each shared table, as the payroll program may have moved.
            TableComponent* parametry = Find("TParametry");
            if (!parametry || !parametry->IsOpen())
                throw engine::EngineError("ParametryKadr.db musi być otwarta przed " +
                                          component.FileName());
            return UstawKatalogiPlac((*parametry)->GetTable(), m_dataDirectory);
        }
        case MiejscePliku::Paczka:
        case MiejscePliku::KartotekaPlac:
            break;
    }
    throw engine::EngineError("Nie podano katalogu tabeli " + component.FileName(),
                              component.FileName(), "otwarcie tabeli");
}

std::shared_ptr<engine::Table> DataModule::SharedTableFor(const TableComponent& component,
                                                          const std::string& path) const {
    // Views of one file share its table, so a post through one is seen by the other at once.
    for (auto* c : m_components) {
        if (c != &component && c->IsOpen() && (*c)->GetTable().Path() == path)
            return (*c)->SharedTable();
    }
    return nullptr;
}

namespace {

// Every personnel, dictionary and settings table; not the package tables of a generation or the
// payroll card files, which are written by jobs and not by a user's edit.
bool ZapisujeDoDziennika(const OpisTabeli& opis) {
    return opis.miejsce != MiejscePliku::Paczka && opis.miejsce != MiejscePliku::KartotekaPlac;
}

}  // namespace

void DataModule::Open(TableComponent& component, const std::string& directory) {
    if (component.IsOpen())
        return;
    const std::string katalog = DirectoryOf(component, directory);
    const std::string sciezka = engine::ResolvePath(m_fs, katalog + "/" + component.FileName());
    std::shared_ptr<engine::Table> tabela = SharedTableFor(component, sciezka);
    if (!tabela)
        tabela = OtworzTabele(m_fs, component.Opis(), katalog, m_remarks, component.FileName());
    component.m_dataset = std::make_unique<Dataset>(tabela, component.Name());
    Dataset& ds = *component.m_dataset;
    component.m_hooks.clear();
    component.m_calculations.clear();
    for (const auto& pole : component.Opis().pola) {
        if (pole.rodzaj != RodzajPola::Zapisane)
            ds.AddCalculatedField({std::string(pole.nazwa), pole.typ, pole.rozmiar});
    }
    try {
        Prepare(component);
        if (ZapisujeDoDziennika(component.Opis()) && !tabela->ReadOnly())
            PodlaczDziennik(ds, m_fs, m_dataDirectory, [this] { return Sesja().NazwaKrotka; });
        for (auto& [pole, haki] : component.m_hooks)
            ds.SetFieldHooks(pole, haki);
        InstallCalculations(component);
        if (!component.Opis().porzadek.empty())
            ds.SetIndexFields(component.Opis().porzadek);
        LinkToMaster(component);
        // Details opened before their master follow it from now on.
        auto follows = [&](TableComponent* c) {
            return c != &component && c->IsOpen() &&
                   c->Opis().powiazanie.komponentNadrzedny == component.Name();
        };
        for (auto* c : m_components)
            if (follows(c))
                LinkToMaster(*c);
        for (auto* peer : m_peers)
            for (auto* c : peer->m_components)
                if (follows(c))
                    peer->LinkToMaster(*c);
    } catch (...) {
        component.m_dataset.reset();
        throw;
    }
}

void DataModule::LinkToMaster(TableComponent& component) {
    const Powiazanie& link = component.Opis().powiazanie;
    if (!link.Jest() || link.tylkoWOknie)
        return;
    TableComponent* master = Find(link.komponentNadrzedny);
    if (!master || !master->IsOpen())
        return;
    component->SetMasterLink(**master, link.polaSzczegolowe, link.polaNadrzedne);
}

void DataModule::InstallCalculations(TableComponent& component) {
    std::vector<std::pair<std::string, std::shared_ptr<LookupCache>>> lookups;
    for (const auto& pole : component.Opis().pola) {
        if (pole.rodzaj == RodzajPola::Lookup)
            lookups.emplace_back(std::string(pole.nazwa),
                                 std::make_shared<LookupCache>(*this, pole));
    }
    if (lookups.empty() && component.m_calculations.empty())
        return;
    std::vector<std::pair<std::string, std::string>> klucze;
    for (const auto& pole : component.Opis().pola)
        if (pole.rodzaj == RodzajPola::Lookup)
            klucze.emplace_back(std::string(pole.nazwa), std::string(pole.lookupPolaKlucza));
    auto kroki = component.m_calculations;
    component->SetCalcFieldsHandler([lookups, klucze, kroki](engine::RowView& row) {
        for (size_t i = 0; i < lookups.size(); ++i)
            row.Set(lookups[i].first, lookups[i].second->Find(row[klucze[i].second]));
        for (const auto& krok : kroki)
            krok(row);
    });
}

void DataModule::Close(TableComponent& component) {
    if (!component.IsOpen())
        return;
    component.m_dataset.reset();
}

void DataModule::SetFile(TableComponent& component, std::string file) {
    if (component.IsOpen()) {
        const std::string katalog = DirectoryOf(component, {});
        std::shared_ptr<engine::Table> tabela =
            OtworzTabele(m_fs, component.Opis(), katalog, m_remarks, file);
        component->Repoint(tabela);
    }
    component.m_file = std::move(file);
}

void DataModule::OpenAll(Otwieranie when) {
    for (const auto& opis : KatalogTabel()) {
        if (opis.modul != m_name || opis.otwieranie != when)
            continue;
        for (auto* c : m_components)
            if (&c->Opis() == &opis)
                Open(*c);
    }
}

bool DataModule::EditingInProgress() const {
    for (const auto& nazwa : m_editingList) {
        for (auto* c : m_components)
            if (c->Name() == nazwa && c->IsOpen() && (*c)->Editing())
                return true;
    }
    return false;
}

void DataModule::NotifyCommands(const std::string& component) {
    CommandState stan;
    stan.component = component;
    stan.editing = EditingInProgress();
    stan.searchEnabled = stan.chooseEmployeesEnabled = !stan.editing;
    stan.printsEnabled = !stan.editing && !Sesja().TrybUrlopowy;
    m_commandObservers.Notify(stan);
}

engine::Subscription DataModule::ObserveCommands(
    std::function<void(const CommandState&)> observer) {
    return m_commandObservers.Add(std::move(observer));
}

}  // namespace mirta::store
