#include "engine/file_system.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "engine/engine_error.h"

namespace mirta::engine {

void File::ReadExact(uint64_t offset, void* buffer, size_t n, const char* what) {
    if (ReadAt(offset, buffer, n) != n)
        throw CorruptFile(Path(), std::string("plik urwany (") + what + ")");
}

namespace {

[[noreturn]] void ThrowErrno(const std::string& path, const char* operation) {
    throw EngineError(std::string("Błąd operacji na pliku: ") + std::strerror(errno), path,
                      operation);
}

class PosixFile final : public File {
public:
    PosixFile(int fd, std::string path) : m_fd(fd), m_path(std::move(path)) {}
    ~PosixFile() override { ::close(m_fd); }

    size_t ReadAt(uint64_t offset, void* buffer, size_t n) override {
        size_t done = 0;
        auto* out = static_cast<char*>(buffer);
        while (done < n) {
            ssize_t got = ::pread(m_fd, out + done, n - done, static_cast<off_t>(offset + done));
            if (got < 0) {
                if (errno == EINTR)
                    continue;
                ThrowErrno(m_path, "read");
            }
            if (got == 0)
                break;
            done += static_cast<size_t>(got);
        }
        return done;
    }

    void WriteAt(uint64_t offset, const void* data, size_t n) override {
        size_t done = 0;
        const auto* in = static_cast<const char*>(data);
        while (done < n) {
            ssize_t put = ::pwrite(m_fd, in + done, n - done, static_cast<off_t>(offset + done));
            if (put < 0) {
                if (errno == EINTR)
                    continue;
                ThrowErrno(m_path, "write");
            }
            done += static_cast<size_t>(put);
        }
    }

    uint64_t Size() override {
        struct stat st {};
        if (::fstat(m_fd, &st) != 0)
            ThrowErrno(m_path, "stat");
        return static_cast<uint64_t>(st.st_size);
    }

    void Truncate(uint64_t size) override {
        if (::ftruncate(m_fd, static_cast<off_t>(size)) != 0)
            ThrowErrno(m_path, "truncate");
    }

    void Sync() override {
        if (::fdatasync(m_fd) != 0)
            ThrowErrno(m_path, "sync");
    }

    void StartSync() override { ::sync_file_range(m_fd, 0, 0, SYNC_FILE_RANGE_WRITE); }

    void WriteOut() override {
        if (::sync_file_range(m_fd, 0, 0,
                              SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE |
                                  SYNC_FILE_RANGE_WAIT_AFTER) != 0)
            ThrowErrno(m_path, "sync");
    }

    bool TryLock(bool exclusive) override {
        if (::flock(m_fd, (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) == 0)
            return true;
        if (errno == EWOULDBLOCK)
            return false;
        ThrowErrno(m_path, "lock");
    }

    void Unlock() override { ::flock(m_fd, LOCK_UN); }

    const std::string& Path() const override { return m_path; }

private:
    int m_fd;
    std::string m_path;
};

class PosixFileSystem final : public FileSystem {
public:
    std::unique_ptr<File> Open(const std::string& path, OpenMode mode) override {
        int flags = O_CLOEXEC;
        switch (mode) {
            case OpenMode::Read:
                flags |= O_RDONLY;
                break;
            case OpenMode::ReadWrite:
                flags |= O_RDWR;
                break;
            case OpenMode::Create:
                flags |= O_RDWR | O_CREAT | O_TRUNC;
                break;
        }
        int fd = ::open(path.c_str(), flags, 0644);
        if (fd < 0) {
            if (errno == ENOENT)
                throw EngineError("Nie znaleziono pliku " + path, path, "open");
            ThrowErrno(path, "open");
        }
        return std::make_unique<PosixFile>(fd, path);
    }

    bool Exists(const std::string& path) override { return ::access(path.c_str(), F_OK) == 0; }

    void Remove(const std::string& path) override {
        if (::unlink(path.c_str()) != 0 && errno != ENOENT)
            ThrowErrno(path, "remove");
    }

    void Rename(const std::string& from, const std::string& to) override {
        if (::rename(from.c_str(), to.c_str()) != 0)
            ThrowErrno(from, "rename");
    }

    std::vector<std::string> List(const std::string& directory) override {
        std::vector<std::string> names;
        std::error_code ec;
        for (const auto& entry :
             std::filesystem::directory_iterator(directory.empty() ? "." : directory, ec))
            names.push_back(entry.path().filename().string());
        return names;
    }

    FileStamp Stamp(const std::string& path) override {
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0)
            return {};
        return {static_cast<uint64_t>(st.st_size),
                static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
    }

    void CreateDirectories(const std::string& path) override {
        std::error_code ec;
        std::filesystem::create_directories(path, ec);
        if (ec)
            throw EngineError("Nie można utworzyć katalogu " + path, path, "mkdir");
    }

    void SyncDirectory(const std::string& directory) override {
        const std::string path = directory.empty() ? "." : directory;
        int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            ThrowErrno(path, "open");
        const int result = ::fsync(fd);
        const int error = errno;
        ::close(fd);
        errno = error;
        if (result != 0)
            ThrowErrno(path, "sync");
    }
};

bool EqualsIgnoreCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

}  // namespace

FileSystem& FileSystem::Real() {
    static PosixFileSystem fs;
    return fs;
}

std::string ResolvePath(FileSystem& fs, const std::string& path) {
    std::string local = path;
    std::replace(local.begin(), local.end(), '\\', '/');
    if (local.empty())
        return local;

    std::string resolved;
    size_t pos = 0;
    if (local[0] == '/') {
        resolved = "/";
        pos = 1;
    }
    bool parentExists = true;
    while (pos <= local.size()) {
        size_t slash = local.find('/', pos);
        if (slash == std::string::npos)
            slash = local.size();
        std::string part = local.substr(pos, slash - pos);
        pos = slash + 1;
        if (part.empty())
            continue;
        std::string candidate = part;
        if (parentExists && part != "." && part != "..") {
            const std::string dir = resolved.empty() ? "." : resolved;
            if (!fs.Exists(dir + "/" + part)) {
                candidate.clear();
                for (const auto& name : fs.List(dir)) {
                    if (EqualsIgnoreCase(name, part)) {
                        candidate = name;
                        break;
                    }
                }
                if (candidate.empty()) {
                    candidate = part;
                    parentExists = false;
                }
            }
        }
        if (!resolved.empty() && resolved.back() != '/')
            resolved += '/';
        resolved += candidate;
    }
    return resolved;
}

std::string DirectoryOf(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string ReplaceExtension(const std::string& path, const std::string& extension) {
    size_t slash = path.find_last_of("/\\");
    size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return path + extension;
    return path.substr(0, dot) + extension;
}

}  // namespace mirta::engine
