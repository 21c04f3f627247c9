#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "engine/file_system.h"

namespace mirta::engine {

// A file whose overwrites of existing bytes can be held in memory, so that the old bytes are
// saved in the undo journal, and the journal is on the disk, before any of them is touched.
// Writes past the length the file had when holding began go straight through: nothing points
// at them until an overwrite does. Reads see the held bytes.
class HeldWritesFile final : public File {
public:
    explicit HeldWritesFile(std::unique_ptr<File> base) : m_base(std::move(base)) {}

    File& Base() { return *m_base; }
    // From now on, writes below the file's current length are held.
    void Hold();
    bool Holding() const { return m_holding; }
    uint64_t HeldFrom() const { return m_boundary; }
    // The held ranges [offset, end), ascending and merged.
    std::vector<std::pair<uint64_t, uint64_t>> HeldRanges() const;
    // Writes the held bytes to the file and stops holding.
    void Release();
    // Forgets the held bytes and stops holding.
    void Drop();

    size_t ReadAt(uint64_t offset, void* buffer, size_t n) override;
    void WriteAt(uint64_t offset, const void* data, size_t n) override;
    uint64_t Size() override { return m_base->Size(); }
    void Truncate(uint64_t size) override;
    void Sync() override { m_base->Sync(); }
    void StartSync() override { m_base->StartSync(); }
    void WriteOut() override { m_base->WriteOut(); }
    bool TryLock(bool exclusive) override { return m_base->TryLock(exclusive); }
    void Unlock() override { m_base->Unlock(); }
    const std::string& Path() const override { return m_base->Path(); }

private:
    static constexpr uint64_t kPage = 512;

    std::vector<uint8_t>& Page(uint64_t number);

    std::unique_ptr<File> m_base;
    bool m_holding = false;
    uint64_t m_boundary = 0;
    std::map<uint64_t, std::vector<uint8_t>> m_pages;  // by page number; each ends at m_boundary
};

}  // namespace mirta::engine
