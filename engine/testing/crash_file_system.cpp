#include "engine/testing/crash_file_system.h"

#include <algorithm>
#include <cstring>

namespace mirta::engine::testing {

namespace {

constexpr uint64_t kSector = 512;

void WriteInto(std::string& bytes, uint64_t offset, const char* data, size_t n) {
    if (offset + n > bytes.size())
        bytes.resize(offset + n, '\0');
    std::memcpy(bytes.data() + offset, data, n);
}

}  // namespace

struct CrashFileSystem::Inode {
    struct Change {
        bool truncate = false;
        uint64_t offset = 0;  // or the new size
        std::string bytes;
    };
    std::string data;     // what readers see
    std::string durable;  // what a cut keeps for certain
    std::vector<Change> pending;
    size_t writtenOut = 0;  // pending[0, writtenOut) wait on the device for any sync
    uint64_t modified = 0;
};

namespace {

class CrashFile final : public File {
public:
    CrashFile(CrashFileSystem& fs, std::shared_ptr<CrashFileSystem::Inode> inode, std::string path)
        : m_fs(fs),
          m_inode(std::move(inode)),
          m_path(std::move(path)),
          m_generation(fs.Generation()) {}

    size_t ReadAt(uint64_t offset, void* buffer, size_t n) override {
        m_fs.Alive(m_generation);
        const std::string& data = m_inode->data;
        if (offset >= data.size())
            return 0;
        n = static_cast<size_t>(std::min<uint64_t>(n, data.size() - offset));
        std::memcpy(buffer, data.data() + offset, n);
        return n;
    }
    void WriteAt(uint64_t offset, const void* data, size_t n) override {
        m_fs.Alive(m_generation);
        const bool cut = m_fs.Event();
        // The write under way when the power fails may land in part: it is pending too.
        WriteInto(m_inode->data, offset, static_cast<const char*>(data), n);
        m_inode->pending.push_back({false, offset, std::string(static_cast<const char*>(data), n)});
        m_inode->modified = m_fs.Tick();
        if (cut)
            m_fs.CutNow();
    }
    uint64_t Size() override {
        m_fs.Alive(m_generation);
        return m_inode->data.size();
    }
    void Truncate(uint64_t size) override {
        m_fs.Alive(m_generation);
        if (m_fs.Event())
            m_fs.CutNow();
        m_inode->data.resize(size, '\0');
        m_inode->pending.push_back({true, size, {}});
        m_inode->modified = m_fs.Tick();
    }
    void Sync() override {
        m_fs.Alive(m_generation);
        if (m_fs.Event())
            m_fs.CutNow();
        m_fs.SyncInode(*m_inode);
    }
    void WriteOut() override {
        m_fs.Alive(m_generation);
        if (m_fs.Event())
            m_fs.CutNow();
        m_inode->writtenOut = m_inode->pending.size();
    }
    bool TryLock(bool) override {
        m_fs.Alive(m_generation);
        return true;
    }
    void Unlock() override {}
    const std::string& Path() const override { return m_path; }

private:
    CrashFileSystem& m_fs;
    std::shared_ptr<CrashFileSystem::Inode> m_inode;
    std::string m_path;
    uint64_t m_generation;
};

}  // namespace

CrashFileSystem::CrashFileSystem() = default;
CrashFileSystem::~CrashFileSystem() = default;

std::string CrashFileSystem::Normal(const std::string& path) {
    std::string out;
    for (size_t i = 0; i < path.size(); ++i) {
        if (path[i] == '/' && !out.empty() && out.back() == '/')
            continue;
        out += path[i];
    }
    while (out.rfind("./", 0) == 0)
        out.erase(0, 2);
    if (out.size() > 1 && out.back() == '/')
        out.pop_back();
    return out.empty() ? "." : out;
}

void CrashFileSystem::Alive(uint64_t generation) const {
    if (m_cut || generation != m_generation)
        throw PowerCut();
}

bool CrashFileSystem::Event() {
    ++m_events;
    return m_cutAt != 0 && m_events == m_cutAt;
}

void CrashFileSystem::CutAt(uint64_t event, CutMode mode, uint32_t seed) {
    m_events = 0;
    m_cutAt = event;
    m_mode = mode;
    m_rng.seed(seed);
}

void CrashFileSystem::SyncInode(Inode& inode) {
    // A device cache flush also makes what other files wrote out durable.
    for (const auto& other : m_inodes) {
        if (other->writtenOut == 0 || other.get() == &inode)
            continue;
        for (size_t i = 0; i < other->writtenOut; ++i) {
            const auto& change = other->pending[i];
            if (change.truncate)
                other->durable.resize(change.offset, '\0');
            else
                WriteInto(other->durable, change.offset, change.bytes.data(), change.bytes.size());
        }
        other->pending.erase(other->pending.begin(),
                             other->pending.begin() + static_cast<long>(other->writtenOut));
        other->writtenOut = 0;
    }
    inode.durable = inode.data;
    inode.pending.clear();
    inode.writtenOut = 0;
}

std::string CrashFileSystem::Survivor(const Inode& inode) {
    std::string bytes = inode.durable;
    if (m_mode == CutMode::DropUnsynced)
        return bytes;
    for (const auto& change : inode.pending) {
        const uint32_t fate = m_rng() % 4;
        if (change.truncate) {
            if (fate >= 2)
                bytes.resize(change.offset, '\0');
            continue;
        }
        const uint64_t end = change.offset + change.bytes.size();
        switch (fate) {
            case 0:  // lost
                break;
            case 1:  // whole
                WriteInto(bytes, change.offset, change.bytes.data(), change.bytes.size());
                break;
            case 2:  // some sectors
                for (uint64_t at = change.offset; at < end;) {
                    const uint64_t next = std::min(end, (at / kSector + 1) * kSector);
                    if (m_rng() % 2)
                        WriteInto(bytes, at, change.bytes.data() + (at - change.offset),
                                  static_cast<size_t>(next - at));
                    at = next;
                }
                break;
            default:  // a prefix, torn at any byte
                WriteInto(bytes, change.offset, change.bytes.data(), m_rng() % change.bytes.size());
                break;
        }
    }
    return bytes;
}

void CrashFileSystem::ApplyChange(std::map<std::string, std::shared_ptr<Inode>>& names,
                                  const DirectoryChange& change) {
    if (!change.from.empty()) {
        auto it = names.find(change.from);
        if (it == names.end())
            return;
        auto inode = it->second;
        names.erase(it);
        if (!change.to.empty())
            names[change.to] = inode;
        return;
    }
    names[change.to] = change.inode;
}

void CrashFileSystem::CutNow() {
    std::map<std::string, std::shared_ptr<Inode>> names = m_durableNames;
    size_t kept = 0;
    if (m_mode == CutMode::Scramble)
        kept = m_rng() % (m_changes.size() + 1);
    for (size_t i = 0; i < kept; ++i)
        ApplyChange(names, m_changes[i]);
    Snapshot survived;
    survived.directories = m_directories;
    std::map<const Inode*, std::string> contents;
    for (const auto& [name, inode] : names) {
        auto it = contents.find(inode.get());
        if (it == contents.end())
            it = contents.emplace(inode.get(), Survivor(*inode)).first;
        survived.files[name] = it->second;
    }
    m_cut = true;
    m_afterCut = std::move(survived);
    throw PowerCut();
}

void CrashFileSystem::Restart() {
    Load(m_afterCut);
}

void CrashFileSystem::SyncEverything() {
    if (m_cut)
        throw PowerCut();
    m_durableNames = m_names;
    m_changes.clear();
    for (const auto& inode : m_inodes) {
        inode->durable = inode->data;
        inode->pending.clear();
        inode->writtenOut = 0;
    }
}

CrashFileSystem::Snapshot CrashFileSystem::Save() {
    SyncEverything();
    Snapshot snapshot;
    snapshot.directories = m_directories;
    for (const auto& [name, inode] : m_names)
        snapshot.files[name] = inode->data;
    return snapshot;
}

void CrashFileSystem::Load(const Snapshot& snapshot) {
    ++m_generation;
    m_cut = false;
    m_cutAt = 0;
    m_events = 0;
    m_names.clear();
    m_changes.clear();
    m_inodes.clear();
    m_directories = snapshot.directories;
    for (const auto& [name, bytes] : snapshot.files) {
        auto inode = std::make_shared<Inode>();
        inode->data = inode->durable = bytes;
        inode->modified = Tick();
        m_names[name] = inode;
        m_inodes.insert(inode);
    }
    m_durableNames = m_names;
}

std::string CrashFileSystem::Contents(const std::string& path) {
    auto it = m_names.find(Normal(path));
    if (it == m_names.end())
        throw EngineError("Nie znaleziono pliku " + path, path, "open");
    return it->second->data;
}

std::unique_ptr<File> CrashFileSystem::Open(const std::string& path, OpenMode mode) {
    Alive(m_generation);
    const std::string name = Normal(path);
    auto it = m_names.find(name);
    if (mode == OpenMode::Create) {
        if (Event())
            CutNow();
        if (it != m_names.end()) {
            it->second->data.clear();
            it->second->pending.push_back({true, 0, {}});
            it->second->modified = Tick();
        } else {
            auto inode = std::make_shared<Inode>();
            inode->modified = Tick();
            m_inodes.insert(inode);
            it = m_names.emplace(name, inode).first;
            m_changes.push_back({DirectoryOf(name), {}, name, inode});
        }
    } else if (it == m_names.end()) {
        throw EngineError("Nie znaleziono pliku " + path, path, "open");
    }
    return std::make_unique<CrashFile>(*this, it->second, path);
}

bool CrashFileSystem::Exists(const std::string& path) {
    Alive(m_generation);
    const std::string name = Normal(path);
    return m_names.count(name) > 0 || m_directories.count(name) > 0 || name == ".";
}

void CrashFileSystem::Remove(const std::string& path) {
    Alive(m_generation);
    const std::string name = Normal(path);
    if (m_names.count(name) == 0)
        return;
    if (Event())
        CutNow();
    m_names.erase(name);
    m_changes.push_back({DirectoryOf(name), name, {}, nullptr});
}

void CrashFileSystem::Rename(const std::string& from, const std::string& to) {
    Alive(m_generation);
    const std::string source = Normal(from), target = Normal(to);
    auto it = m_names.find(source);
    if (it == m_names.end())
        throw EngineError("Nie znaleziono pliku " + from, from, "rename");
    if (Event())
        CutNow();
    auto inode = it->second;
    m_names.erase(it);
    m_names[target] = inode;
    m_changes.push_back({DirectoryOf(target), source, target, nullptr});
}

std::vector<std::string> CrashFileSystem::List(const std::string& directory) {
    Alive(m_generation);
    const std::string dir = Normal(directory);
    std::vector<std::string> names;
    auto add = [&](const std::string& path) {
        if (DirectoryOf(path) == dir)
            names.push_back(path.substr(path.find_last_of('/') + 1));
    };
    for (const auto& entry : m_names)
        add(entry.first);
    for (const auto& d : m_directories)
        add(d);
    return names;
}

FileStamp CrashFileSystem::Stamp(const std::string& path) {
    Alive(m_generation);
    auto it = m_names.find(Normal(path));
    if (it == m_names.end())
        return {};
    return {it->second->data.size(), static_cast<int64_t>(it->second->modified)};
}

void CrashFileSystem::CreateDirectories(const std::string& path) {
    Alive(m_generation);
    for (std::string dir = Normal(path); dir != "." && dir != "/" && !dir.empty();
         dir = DirectoryOf(dir))
        m_directories.insert(dir);
}

void CrashFileSystem::SyncDirectory(const std::string& directory) {
    Alive(m_generation);
    if (Event())
        CutNow();
    const std::string dir = Normal(directory);
    std::vector<DirectoryChange> rest;
    for (const auto& change : m_changes) {
        if (change.directory == dir)
            ApplyChange(m_durableNames, change);
        else
            rest.push_back(change);
    }
    m_changes = std::move(rest);
}

}  // namespace mirta::engine::testing
