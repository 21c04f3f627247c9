#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "engine/engine_error.h"
#include "engine/file_system.h"

namespace mirta::engine::testing {

// Thrown by the call during which the power failed, and by every later call until Restart.
class PowerCut : public EngineError {
public:
    PowerCut() : EngineError("Zanik zasilania", {}, "power cut") {}
};

// What survives a power cut of the writes and directory changes that were not made durable.
enum class CutMode {
    // Nothing: every unsynced write and every unsynced create, rename and remove is lost.
    DropUnsynced,
    // A seeded choice per write: lost, kept, or torn (some of its 512-byte sectors, or a
    // prefix cut at any byte); of the directory changes, the oldest few in order.
    Scramble,
};

// Files in memory with a disk's durability rules, for crash tests. A write lasts a power cut
// only once its file was synced (Sync, or WriteOut followed by any Sync); a create, rename or
// remove only once its directory was synced. A test sets the cut at the n-th event (write,
// truncate, sync, write-out, create, rename, remove, directory sync) of what follows, lets the
// engine run into it, drops the engine, restarts and looks at what is left.
class CrashFileSystem final : public FileSystem {
public:
    CrashFileSystem();
    ~CrashFileSystem() override;

    // The power fails at the n-th event from now (1-based); 0 never.
    void CutAt(uint64_t event, CutMode mode, uint32_t seed);
    uint64_t Events() const { return m_events; }
    bool Cut() const { return m_cut; }
    // The machine starts again with what was durable; handles opened before stay dead.
    void Restart();
    // Makes everything durable, as a clean shutdown does.
    void SyncEverything();

    // The durable state, to start many runs from one prepared state.
    struct Snapshot {
        std::map<std::string, std::string> files;
        std::set<std::string> directories;
    };
    Snapshot Save();
    void Load(const Snapshot& snapshot);
    // Bytes of a file as a reader sees them now.
    std::string Contents(const std::string& path);

    std::unique_ptr<File> Open(const std::string& path, OpenMode mode) override;
    bool Exists(const std::string& path) override;
    void Remove(const std::string& path) override;
    void Rename(const std::string& from, const std::string& to) override;
    std::vector<std::string> List(const std::string& directory) override;
    FileStamp Stamp(const std::string& path) override;
    void CreateDirectories(const std::string& path) override;
    void SyncDirectory(const std::string& directory) override;

    struct Inode;
    // Called by the files; throws PowerCut when the power is out or fails now.
    void Alive(uint64_t generation) const;
    bool Event();
    void CutNow();
    void SyncInode(Inode& inode);
    uint64_t Tick() { return ++m_clock; }
    uint64_t Generation() const { return m_generation; }

private:
    struct DirectoryChange {
        std::string directory;
        std::string from;  // removed or renamed name; empty for a create
        std::string to;    // created or renamed-to name; empty for a remove
        std::shared_ptr<Inode> inode;
    };

    static std::string Normal(const std::string& path);
    void ApplyChange(std::map<std::string, std::shared_ptr<Inode>>& names,
                     const DirectoryChange& change);
    std::string Survivor(const Inode& inode);

    std::map<std::string, std::shared_ptr<Inode>> m_names;         // as readers see them
    std::map<std::string, std::shared_ptr<Inode>> m_durableNames;  // as a cut leaves them
    std::vector<DirectoryChange> m_changes;                        // not yet durable
    std::set<std::string> m_directories;
    std::set<std::shared_ptr<Inode>> m_inodes;  // every live inode, for SyncEverything
    uint64_t m_events = 0;
    uint64_t m_cutAt = 0;
    CutMode m_mode = CutMode::DropUnsynced;
    std::mt19937 m_rng;
    bool m_cut = false;
    Snapshot m_afterCut;
    uint64_t m_generation = 1;
    uint64_t m_clock = 0;
};

}  // namespace mirta::engine::testing
