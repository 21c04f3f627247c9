#pragma once

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/engine_error.h"
#include "engine/file_system.h"

namespace mirta::engine::testing {

// Files kept in memory in one flat directory, so corruption tests and fuzz targets can try
// thousands of inputs without touching the disk. Paths are names; "./" is ignored.
class MemoryFileSystem final : public FileSystem {
public:
    std::map<std::string, std::string> files;

    std::unique_ptr<File> Open(const std::string& path, OpenMode mode) override {
        const std::string name = Name(path);
        if (mode == OpenMode::Create)
            files[name].clear();
        auto it = files.find(name);
        if (it == files.end())
            throw EngineError("Nie znaleziono pliku " + path, path, "open");
        return std::make_unique<MemoryFile>(it->second, it->first);
    }
    bool Exists(const std::string& path) override { return files.count(Name(path)) > 0; }
    void Remove(const std::string& path) override { files.erase(Name(path)); }
    void Rename(const std::string& from, const std::string& to) override {
        files[Name(to)] = files[Name(from)];
        files.erase(Name(from));
    }
    std::vector<std::string> List(const std::string&) override {
        std::vector<std::string> names;
        for (const auto& entry : files)
            names.push_back(entry.first);
        return names;
    }
    FileStamp Stamp(const std::string& path) override {
        auto it = files.find(Name(path));
        return it == files.end() ? FileStamp{} : FileStamp{it->second.size(), 0};
    }
    void CreateDirectories(const std::string&) override {}
    void SyncDirectory(const std::string&) override {}

private:
    static std::string Name(const std::string& path) {
        return path.rfind("./", 0) == 0 ? path.substr(2) : path;
    }

    class MemoryFile final : public File {
    public:
        MemoryFile(std::string& bytes, const std::string& path) : m_bytes(bytes), m_path(path) {}
        size_t ReadAt(uint64_t offset, void* buffer, size_t n) override {
            if (offset >= m_bytes.size())
                return 0;
            n = static_cast<size_t>(std::min<uint64_t>(n, m_bytes.size() - offset));
            std::memcpy(buffer, m_bytes.data() + offset, n);
            return n;
        }
        void WriteAt(uint64_t offset, const void* data, size_t n) override {
            if (offset + n > m_bytes.size())
                m_bytes.resize(offset + n);
            std::memcpy(m_bytes.data() + offset, data, n);
        }
        uint64_t Size() override { return m_bytes.size(); }
        void Truncate(uint64_t size) override { m_bytes.resize(size); }
        void Sync() override {}
        bool TryLock(bool) override { return true; }
        void Unlock() override {}
        const std::string& Path() const override { return m_path; }

    private:
        std::string& m_bytes;
        std::string m_path;
    };
};

}  // namespace mirta::engine::testing
