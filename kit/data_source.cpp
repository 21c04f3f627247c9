#include "kit/data_source.h"

#include <QtGlobal>
#include <algorithm>

#include "kit/run_guarded.h"

namespace mirta::kit {

using engine::DatasetChange;

void AutomaticEdit::SetOn(bool on) {
    if (on == m_on)
        return;
    m_on = on;
    emit toggled(on);
}

DataLink::~DataLink() {
    if (m_source) {
        m_source->Remove(this);
        std::erase(m_source->m_bound, this);
    }
}

void DataLink::SetDataSource(DataSource* source) {
    if (source == m_source)
        return;
    Detach();
    if (m_source)
        std::erase(m_source->m_bound, this);
    m_source = source;
    if (m_source)
        m_source->m_bound.push_back(this);
}

void DataLink::Attach() {
    if (m_attached || !m_source || !m_source->HasData())
        return;
    m_attached = true;
    m_source->Add(this);
    Attached();
    SafeRefresh();
}

void DataLink::Detach() {
    if (!m_attached)
        return;
    m_attached = false;
    if (m_source)
        m_source->Remove(this);
    Detached();
}

// Showing a value is not a user operation, so a failing get-text hook is logged, not reported
// from inside a show event.
void DataLink::SafeRefresh() {
    try {
        Refresh();
    } catch (const std::exception& e) {
        qWarning("Kontrolka nie pokazała danych: %s", e.what());
    }
}

DataSource::DataSource(engine::Dataset& dataset, store::Dialogi& dialogi,
                       AutomaticEdit& automaticEdit, QObject* parent)
    : QObject(parent), m_dataset(&dataset), m_dialogi(dialogi), m_automaticEdit(automaticEdit) {
    m_subscription = dataset.Observe([this](const DatasetChange& change) { Dispatch(change); });
    m_end = dataset.ObserveEnd([this] {
        // The links let go while the dataset can still be read (a grid drops its model).
        const std::vector<DataLink*> links = m_links;
        for (DataLink* link : links)
            if (Has(link))
                link->Detach();
        m_links.clear();
        m_dataset = nullptr;
        m_subscription = {};
    });
    connect(&m_automaticEdit, &AutomaticEdit::toggled, this, [this] {
        const std::vector<DataLink*> links = m_links;
        for (DataLink* link : links)
            if (Has(link))
                link->SafeRefresh();
    });
}

DataSource::~DataSource() {
    ReleaseLinks();
}

void DataSource::ReleaseLinks() {
    const std::vector<DataLink*> links = m_links;
    for (DataLink* link : links)
        if (Has(link))
            link->Detach();
    m_links.clear();
    for (DataLink* link : m_bound)
        link->m_source = nullptr;
    m_bound.clear();
}

bool DataSource::ControlsEnabled() const {
    return CanModify() && (m_dataset->Editing() || AutoEdit());
}

bool DataSource::StartEdit() {
    if (!m_dataset)
        return false;
    if (m_dataset->Editing())
        return true;
    if (!AutoEdit() || !CanModify())
        return false;
    return RunGuarded(m_dialogi, [this] { m_dataset->Edit(); }) && m_dataset->Editing();
}

bool DataSource::UpdateRecord() {
    const std::vector<DataLink*> links = m_links;
    for (DataLink* link : links)
        if (Has(link) && !link->Flush())
            return false;
    return true;
}

bool DataSource::Run(const std::function<void(engine::Dataset&)>& op, bool storePending) {
    if (!m_dataset || (storePending && !UpdateRecord()))
        return false;
    return RunGuarded(m_dialogi, [&] { op(*m_dataset); });
}

void DataSource::Add(DataLink* link) {
    if (!Has(link))
        m_links.push_back(link);
}

void DataSource::Remove(DataLink* link) {
    std::erase(m_links, link);
}

bool DataSource::Has(const DataLink* link) const {
    return std::find(m_links.begin(), m_links.end(), link) != m_links.end();
}

// A link may detach another (or itself) while being told, so the list is copied.
void DataSource::Dispatch(const DatasetChange& change) {
    const std::vector<DataLink*> links = m_links;
    for (DataLink* link : links) {
        if (!Has(link))
            continue;
        try {
            link->Changed(change);
        } catch (const std::exception& e) {
            qWarning("Kontrolka nie pokazała danych: %s", e.what());
        }
    }
    if (change.kind == DatasetChange::Kind::State)
        emit stateChanged(m_dataset->State());
}

}  // namespace mirta::kit
