// Reads arbitrary bytes as a dBase table: dump, row decoding and one append must end in a
// result or an EngineError, never a crash or a hang.
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "store/engine/dbf_dump.h"
#include "store/engine/dbf_table.h"
#include "store/engine/engine_error.h"

namespace {

using namespace mirta::engine;

// Files kept in memory, so each input costs no disk I/O.
class MemoryFileSystem final : public FileSystem {
public:
    std::map<std::string, std::string> files;

    std::unique_ptr<File> Open(const std::string& path, OpenMode mode) override {
        if (mode == OpenMode::Create)
            files[path].clear();
        auto it = files.find(path);
        if (it == files.end())
            throw EngineError("Nie znaleziono pliku " + path, path, "open");
        return std::make_unique<MemoryFile>(it->second, it->first);
    }
    bool Exists(const std::string& path) override { return files.count(path) > 0; }
    void Remove(const std::string& path) override { files.erase(path); }
    void Rename(const std::string& from, const std::string& to) override {
        files[to] = files[from];
        files.erase(from);
    }
    std::vector<std::string> List(const std::string&) override {
        std::vector<std::string> names;
        for (const auto& [name, bytes] : files)
            names.push_back(name);
        return names;
    }
    FileStamp Stamp(const std::string& path) override {
        auto it = files.find(path);
        return it == files.end() ? FileStamp{} : FileStamp{it->second.size(), 0};
    }
    void CreateDirectories(const std::string&) override {}

private:
    class MemoryFile final : public File {
    public:
        MemoryFile(std::string& bytes, const std::string& path) : m_bytes(bytes), m_path(path) {}
        size_t ReadAt(uint64_t offset, void* buffer, size_t n) override {
            if (offset >= m_bytes.size())
                return 0;
            n = std::min<uint64_t>(n, m_bytes.size() - offset);
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MemoryFileSystem fs;
    fs.files["T.DBF"] = std::string(reinterpret_cast<const char*>(data), size);
    try {
        std::string dump;
        DumpDbf(fs, "T.DBF", nullptr, dump);
    } catch (const EngineError&) {
    }
    try {
        DbfOptions options;
        options.allowStaleIndex = true;
        options.today = [] { return CivilDate{2026, 12, 10}; };
        auto table = DbfTable::Open(fs, "T.DBF", options);
        const uint64_t rows = table->RowCount();
        for (uint64_t r = 0; r < rows && r < 64; ++r) {
            try {
                table->ReadRow(r);
            } catch (const CorruptFile&) {
            }
        }
        if (!table->ReadOnly()) {
            table->Insert(Record(table->Fields().size()));
            auto again = DbfTable::Open(fs, "T.DBF");
            if (again->RowCount() != rows + 1)
                __builtin_trap();
        }
    } catch (const EngineError&) {
    }
    return 0;
}
