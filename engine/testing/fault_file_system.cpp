#include "engine/testing/fault_file_system.h"

#include "engine/engine_error.h"

namespace mirta::engine::testing {

namespace {

class FaultFile final : public File {
public:
    FaultFile(std::unique_ptr<File> inner, FaultFileSystem& fs)
        : m_inner(std::move(inner)), m_fs(fs) {}

    size_t ReadAt(uint64_t offset, void* buffer, size_t n) override {
        return m_inner->ReadAt(offset, buffer, n);
    }
    void WriteAt(uint64_t offset, const void* data, size_t n) override {
        size_t allowed = n;
        m_fs.BeforeWrite(Path(), allowed, n);
        if (allowed > 0) m_inner->WriteAt(offset, data, allowed);
        if (allowed < n) throw EngineError("Brak miejsca na dysku", Path(), "write");
    }
    uint64_t Size() override { return m_inner->Size(); }
    void Truncate(uint64_t size) override {
        size_t allowed = 1;
        m_fs.BeforeWrite(Path(), allowed, 1);
        if (allowed == 0) throw EngineError("Brak miejsca na dysku", Path(), "truncate");
        m_inner->Truncate(size);
    }
    void Sync() override {
        m_fs.BeforeSync(Path());
        m_inner->Sync();
    }
    bool TryLock(bool exclusive) override { return m_inner->TryLock(exclusive); }
    void Unlock() override { m_inner->Unlock(); }
    const std::string& Path() const override { return m_inner->Path(); }

private:
    std::unique_ptr<File> m_inner;
    FaultFileSystem& m_fs;
};

}  // namespace

std::unique_ptr<File> FaultFileSystem::Open(const std::string& path, OpenMode mode) {
    if (mode == OpenMode::Create && m_budget >= 0 && m_written >= m_budget && Counts(path))
        throw EngineError("Brak miejsca na dysku", path, "create");
    return std::make_unique<FaultFile>(m_base.Open(path, mode), *this);
}

void FaultFileSystem::Rename(const std::string& from, const std::string& to) {
    if (m_budget >= 0 && m_written >= m_budget && Counts(from))
        throw EngineError("Brak miejsca na dysku", from, "rename");
    m_base.Rename(from, to);
}

void FaultFileSystem::BeforeWrite(const std::string& path, size_t& allowed, size_t requested) {
    allowed = requested;
    if (!Counts(path))
        return;
    if (m_budget >= 0) {
        int64_t left = m_budget - m_written;
        if (left <= 0)
            allowed = 0;
        else if (static_cast<int64_t>(requested) > left)
            allowed = static_cast<size_t>(left);
    }
    m_written += static_cast<int64_t>(allowed);
}

void FaultFileSystem::BeforeSync(const std::string& path) {
    if (m_failSyncs && Counts(path))
        throw EngineError("Błąd zapisu na dysk", path, "sync");
}

}  // namespace mirta::engine::testing
