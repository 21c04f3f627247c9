#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace mirta::engine {

enum class OpenMode {
    Read,       // existing file, read only
    ReadWrite,  // existing file
    Create,     // new or truncated file, read and write
};

// An open file. Every call either does all it says or throws EngineError.
class File {
public:
    virtual ~File() = default;

    // Reads up to n bytes at offset; returns fewer only at the end of the file.
    virtual size_t ReadAt(uint64_t offset, void* buffer, size_t n) = 0;
    virtual void WriteAt(uint64_t offset, const void* data, size_t n) = 0;
    virtual uint64_t Size() = 0;
    virtual void Truncate(uint64_t size) = 0;
    // After Sync returns, everything written so far is on the disk.
    virtual void Sync() = 0;
    // Starts writing the file's dirty pages out without waiting, so that a later Sync of this
    // and another file overlap.
    virtual void StartSync() {}
    // Writes the file's dirty pages to the device and waits, without flushing the device's
    // own cache: the next Sync of any file on the same disk makes them durable too. Only for
    // data written within the file's existing length.
    virtual void WriteOut() { Sync(); }
    // An advisory whole-file lock held until Unlock or close; false if another holder has it.
    virtual bool TryLock(bool exclusive) = 0;
    virtual void Unlock() = 0;
    virtual const std::string& Path() const = 0;

    // Reads exactly n bytes or throws CorruptFile naming what was being read.
    void ReadExact(uint64_t offset, void* buffer, size_t n, const char* what);
};

struct FileStamp {
    uint64_t size = 0;
    int64_t modifiedNs = 0;
    bool operator==(const FileStamp&) const = default;
};

// The one seam through which the engine touches files, so tests can inject faults.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    virtual std::unique_ptr<File> Open(const std::string& path, OpenMode mode) = 0;
    virtual bool Exists(const std::string& path) = 0;
    virtual void Remove(const std::string& path) = 0;
    // Replaces `to` atomically when it exists.
    virtual void Rename(const std::string& from, const std::string& to) = 0;
    // Names (not paths) of the entries of a directory; empty when it does not exist.
    virtual std::vector<std::string> List(const std::string& directory) = 0;
    virtual FileStamp Stamp(const std::string& path) = 0;
    virtual void CreateDirectories(const std::string& path) = 0;
    // Makes the creations, renames and removals of entries in `directory` durable, as Sync
    // does for a file's bytes: until then a power cut may undo them.
    virtual void SyncDirectory(const std::string& directory) = 0;

    // The operating system's file system.
    static FileSystem& Real();
};

// Turns a stored path (which may use '\') into a local one and finds each component
// case-insensitively, as the files' original platform did. A component that does not exist
// keeps its spelling, so the result names where a new file would be created.
std::string ResolvePath(FileSystem& fs, const std::string& path);

// The directory part of a path ("." when it has none).
std::string DirectoryOf(const std::string& path);

// `name` with its extension replaced ("A.DB", ".PX" -> "A.PX"), keeping the directory.
std::string ReplaceExtension(const std::string& path, const std::string& extension);

}  // namespace mirta::engine
