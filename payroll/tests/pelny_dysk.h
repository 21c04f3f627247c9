#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/engine_error.h"
#include "engine/file_system.h"

namespace mirta::payroll::testing {

// The real file system with a disk that fills up while one file grows: once `budget` bytes
// past that file's end have been written, a write that would grow it puts the bytes that fit
// on the disk and throws. Writes inside a file's length (a header) still succeed, as they do
// on a full disk.
class PelnyDysk final : public engine::FileSystem {
public:
    PelnyDysk(std::string nazwaPliku, int64_t budget)
        : m_nazwa(std::move(nazwaPliku)), m_budget(budget) {}

    std::unique_ptr<engine::File> Open(const std::string& path, engine::OpenMode mode) override {
        auto plik = Real().Open(path, mode);
        if (path.size() < m_nazwa.size() ||
            path.compare(path.size() - m_nazwa.size(), m_nazwa.size(), m_nazwa) != 0)
            return plik;
        return std::make_unique<Plik>(std::move(plik), m_budget);
    }
    bool Exists(const std::string& p) override { return Real().Exists(p); }
    void Remove(const std::string& p) override { Real().Remove(p); }
    void Rename(const std::string& a, const std::string& b) override { Real().Rename(a, b); }
    std::vector<std::string> List(const std::string& d) override { return Real().List(d); }
    engine::FileStamp Stamp(const std::string& p) override { return Real().Stamp(p); }
    void CreateDirectories(const std::string& p) override { Real().CreateDirectories(p); }
    void SyncDirectory(const std::string& d) override { Real().SyncDirectory(d); }

private:
    class Plik final : public engine::File {
    public:
        Plik(std::unique_ptr<engine::File> w, int64_t& budget)
            : m_w(std::move(w)), m_budget(budget) {}
        size_t ReadAt(uint64_t o, void* b, size_t n) override { return m_w->ReadAt(o, b, n); }
        void WriteAt(uint64_t o, const void* d, size_t n) override {
            const uint64_t koniec = m_w->Size();
            const uint64_t przyrost = o + n > koniec ? o + n - koniec : 0;
            if (int64_t(przyrost) <= m_budget) {
                m_budget -= int64_t(przyrost);
                m_w->WriteAt(o, d, n);
                return;
            }
            const uint64_t mozna =
                koniec + uint64_t(m_budget) > o ? koniec + uint64_t(m_budget) - o : 0;
            m_budget = 0;
            if (mozna > 0)
                m_w->WriteAt(o, d, size_t(mozna));
            throw engine::EngineError("Brak miejsca na dysku", Path(), "write");
        }
        uint64_t Size() override { return m_w->Size(); }
        void Truncate(uint64_t s) override { m_w->Truncate(s); }
        void Sync() override { m_w->Sync(); }
        bool TryLock(bool e) override { return m_w->TryLock(e); }
        void Unlock() override { m_w->Unlock(); }
        const std::string& Path() const override { return m_w->Path(); }

    private:
        std::unique_ptr<engine::File> m_w;
        int64_t& m_budget;
    };

    std::string m_nazwa;
    int64_t m_budget;
};

}  // namespace mirta::payroll::testing
