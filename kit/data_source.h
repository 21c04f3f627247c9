#pragma once

#include <QObject>
#include <functional>
#include <vector>

#include "engine/dataset.h"
#include "wspolne/dialogi.h"

namespace mirta::kit {

class DataSource;

// Something a page binds when it is first shown (and may unbind when it is hidden).
class Bindable {
public:
    virtual ~Bindable() = default;
    virtual void Attach() = 0;
    virtual void Detach() = 0;
    virtual bool IsAttached() const = 0;
};

// The window-wide automatic-edit option: with it on, typing into a control of a record in
// browse state starts editing the record; with it off the user presses insert or edit first.
class AutomaticEdit : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    bool IsOn() const { return m_on; }
    void SetOn(bool on);

signals:
    void toggled(bool on);

private:
    bool m_on = false;
};

// Follows a DataSource while attached: field controls, navigators, grids. Detaching stops all
// work on the dataset's changes, so a hidden page costs nothing while the cursor moves. A link
// may outlive its source and the source's dataset: when either goes, the link is detached and
// left without a source, so a window's controls may be destroyed in any order after its data.
class DataLink : public Bindable {
public:
    DataLink() = default;
    ~DataLink() override;
    DataLink(const DataLink&) = delete;
    DataLink& operator=(const DataLink&) = delete;

    // Detaches from the previous source; attach again to follow the new one.
    void SetDataSource(DataSource* source);
    DataSource* Source() const { return m_source; }

    void Attach() override;
    void Detach() override;
    bool IsAttached() const override { return m_attached; }

protected:
    // Shows the whole current state (value, enabling). Called on attach and when the
    // automatic-edit option changes.
    virtual void Refresh() = 0;
    // One change of the dataset, while attached.
    virtual void Changed(const engine::DatasetChange& change) = 0;
    // Stores what the user typed but the control has not written yet; false when refused
    // (the message was shown).
    virtual bool Flush() { return true; }
    virtual void Attached() {}
    virtual void Detached() {}

private:
    friend class DataSource;

    void SafeRefresh();

    DataSource* m_source = nullptr;
    bool m_attached = false;
};

// Connects a dataset to the controls of a window: passes the dataset's changes to the attached
// links, holds the enabling rule of automatic edit, and runs the user's record operations
// guarded, after the controls have stored their pending text. When the dataset is destroyed
// first, the source detaches every link and stays without data (HasData() false).
class DataSource : public QObject {
    Q_OBJECT
public:
    DataSource(engine::Dataset& dataset, store::Dialogi& dialogi, AutomaticEdit& automaticEdit,
               QObject* parent = nullptr);
    ~DataSource() override;

    // REQUIRES: HasData().
    engine::Dataset& dataset() const { return *m_dataset; }
    // False once the dataset was destroyed.
    bool HasData() const { return m_dataset != nullptr; }
    store::Dialogi& dialogi() const { return m_dialogi; }
    bool AutoEdit() const { return m_automaticEdit.IsOn(); }
    // The table is writable and the user has the right to change it.
    bool CanModify() const {
        return m_dataset && !m_dataset->GetTable().ReadOnly() && m_dataset->ModifyAllowed();
    }

    // Editing controls are enabled while the record is edited or inserted, and in browse state
    // only with automatic edit on.
    bool ControlsEnabled() const;

    // For a control the user starts changing: puts a browsing dataset into edit state when
    // automatic edit is on. False (reported when the dataset refused) when not editing after.
    bool StartEdit();

    // Writes what every attached control holds but has not stored; false when one was refused.
    bool UpdateRecord();

    // A record operation of the user: the controls' pending text first (unless the operation
    // drops the record's changes anyway), then `op`, guarded.
    bool Run(const std::function<void(engine::Dataset&)>& op, bool storePending = true);

signals:
    // The dataset entered another state (windows enable their own commands from it).
    void stateChanged(engine::DatasetState state);

private:
    friend class DataLink;

    void Add(DataLink* link);
    void Remove(DataLink* link);
    bool Has(const DataLink* link) const;
    void Dispatch(const engine::DatasetChange& change);
    // Every bound link detached and left without this source.
    void ReleaseLinks();

    engine::Dataset* m_dataset;
    store::Dialogi& m_dialogi;
    AutomaticEdit& m_automaticEdit;
    std::vector<DataLink*> m_links;  // attached ones only
    std::vector<DataLink*> m_bound;  // every link whose source this is
    engine::Subscription m_subscription;
    engine::Subscription m_end;
};

}  // namespace mirta::kit
