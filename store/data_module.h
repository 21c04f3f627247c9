#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/dataset.h"
#include "engine/file_system.h"
#include "engine/observer.h"
#include "store/katalog.h"
#include "store/sesja.h"
#include "wspolne/stan_polecen.h"

namespace mirta::store {

class DataModule;

// One table component of a data module (TPracownicy, TUrlopy): the catalogue entry, the file
// it views and, while open, its dataset. Its rules are wired each time it opens.
class TableComponent {
public:
    // REQUIRES: the catalogue has `name` in the module's name.
    TableComponent(DataModule& module, std::string_view name);
    TableComponent(const TableComponent&) = delete;
    TableComponent& operator=(const TableComponent&) = delete;

    const std::string& Name() const { return m_name; }
    const OpisTabeli& Opis() const { return *m_opis; }
    DataModule& Module() const { return m_module; }
    // The file viewed, or viewed when next opened: the catalogue's, or a per-year leave file.
    const std::string& FileName() const { return m_file; }
    bool IsOpen() const { return m_dataset != nullptr; }
    // Throws EngineError naming the component when it is closed.
    engine::Dataset& operator*() const;
    engine::Dataset* operator->() const { return &**this; }

    // While the rules are being wired: the field's hooks (installed once wiring ends) and
    // calculated-field steps (run in order after the lookups).
    engine::FieldHooks& Hooks(const std::string& field) { return m_hooks[field]; }
    void AddCalculation(std::function<void(engine::RowView&)> step) {
        m_calculations.push_back(std::move(step));
    }

private:
    friend class DataModule;

    DataModule& m_module;
    std::string m_name;
    const OpisTabeli* m_opis;
    std::string m_file;
    std::unique_ptr<engine::Dataset> m_dataset;
    std::map<std::string, engine::FieldHooks> m_hooks;
    std::vector<std::function<void(engine::RowView&)>> m_calculations;
};

// A data module (TDM, TDM1): owns its table components, opens them from the catalogue with
// their links to masters of this or a peer module, and tells observers about editing state.
class DataModule {
public:
    DataModule(std::string name, engine::FileSystem& fs, std::string dataDirectory);
    virtual ~DataModule();
    DataModule(const DataModule&) = delete;
    DataModule& operator=(const DataModule&) = delete;

    const std::string& Name() const { return m_name; }
    engine::FileSystem& Fs() const { return m_fs; }
    const std::string& DataDirectory() const { return m_dataDirectory; }
    const std::vector<TableComponent*>& Components() const { return m_components; }
    // A component of this module, then of its peers; nullptr when none.
    TableComponent* Find(std::string_view component) const;

    // Opens the component's file (nothing to do when open) and wires its rules; `directory`
    // is required for tables whose directory is chosen at run time (package folders, payroll
    // card files). Throws EngineError when the file is missing or of another structure.
    void Open(TableComponent& component, const std::string& directory = {});
    void Close(TableComponent& component);
    // Points the component at another file of the same structure; an open one views it at
    // once, keeping its rules.
    void SetFile(TableComponent& component, std::string file);
    // Follows the master of the catalogue again after its link was cleared for a job over
    // every employee's rows.
    void RestoreMasterLink(TableComponent& component) { LinkToMaster(component); }
    // Opens every table of the module marked for the given moment, in catalogue order.
    void OpenAll(Otwieranie when);
    // Remarks collected while opening (a key that differs from the catalogue's).
    const std::vector<std::string>& Remarks() const { return m_remarks; }

    virtual const SesjaUzytkownika& Sesja() const = 0;

    // Another module whose components this one finds (TDM1's tables follow TDM's employee).
    void AddPeer(DataModule& peer) { m_peers.push_back(&peer); }
    void RemovePeer(DataModule& peer) { std::erase(m_peers, &peer); }

    // Whether a table of the module's editing list is in edit or insert state.
    bool EditingInProgress() const;
    // Recomputes the editing state and tells the observers; `component` names the table
    // whose operation ended.
    void NotifyCommands(const std::string& component);
    engine::Subscription ObserveCommands(std::function<void(const CommandState&)> observer);

protected:
    // Wires the rules of a component whose dataset was just created.
    virtual void Prepare(TableComponent& component) = 0;
    void SetEditingList(std::vector<std::string> components) {
        m_editingList = std::move(components);
    }

private:
    friend class TableComponent;

    void Register(TableComponent& component) { m_components.push_back(&component); }
    std::string DirectoryOf(const TableComponent& component, const std::string& directory);
    std::shared_ptr<engine::Table> SharedTableFor(const TableComponent& component,
                                                  const std::string& path) const;
    void LinkToMaster(TableComponent& component);
    void InstallCalculations(TableComponent& component);

    std::string m_name;
    engine::FileSystem& m_fs;
    std::string m_dataDirectory;
    std::vector<TableComponent*> m_components;
    std::vector<DataModule*> m_peers;
    std::vector<std::string> m_editingList;
    std::vector<std::string> m_remarks;
    engine::ObserverList<CommandState> m_commandObservers;
};

}  // namespace mirta::store
