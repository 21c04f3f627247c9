#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/file_system.h"

namespace mirta::engine::testing {

// Wraps the real file system and fails writes once a budget of bytes is spent: the write that
// crosses the budget puts its first bytes on the disk and then throws, as a full disk would.
class FaultFileSystem final : public FileSystem {
public:
    explicit FaultFileSystem(FileSystem& base = FileSystem::Real()) : m_base(base) {}

    // Writes fail after `bytes` more bytes; a negative budget never fails.
    void FailWritesAfter(int64_t bytes) { m_budget = bytes; }
    // Only files whose path contains `fragment` spend the budget and fail; empty: every file.
    void OnlyPathsContaining(std::string fragment) { m_fragment = std::move(fragment); }
    // Syncs fail from now on (until reset with false).
    void FailSyncs(bool fail) { m_failSyncs = fail; }
    int64_t BytesWritten() const { return m_written; }

    std::unique_ptr<File> Open(const std::string& path, OpenMode mode) override;
    bool Exists(const std::string& path) override { return m_base.Exists(path); }
    void Remove(const std::string& path) override { m_base.Remove(path); }
    void Rename(const std::string& from, const std::string& to) override;
    std::vector<std::string> List(const std::string& d) override { return m_base.List(d); }
    FileStamp Stamp(const std::string& path) override { return m_base.Stamp(path); }
    void CreateDirectories(const std::string& path) override { m_base.CreateDirectories(path); }
    void SyncDirectory(const std::string& path) override { m_base.SyncDirectory(path); }

    // Called by the wrapped files.
    void BeforeWrite(const std::string& path, size_t& allowed, size_t requested);
    void BeforeSync(const std::string& path);

private:
    FileSystem& m_base;
    int64_t m_budget = -1;
    int64_t m_written = 0;
    bool m_failSyncs = false;
    std::string m_fragment;

    bool Counts(const std::string& path) const {
        return m_fragment.empty() || path.find(m_fragment) != std::string::npos;
    }
};

}  // namespace mirta::engine::testing
