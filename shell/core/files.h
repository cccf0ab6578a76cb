#pragma once

// Reading and writing the family's files safely, without a toolkit: what a path names is checked
// before it is opened (a FIFO is never waited on, a device never written), a read takes at most a
// stated number of bytes, and a write goes to a temporary file beside the target that replaces
// it only when it is complete, so that a full disk or a killed program leaves the old file as it
// was.
//
//     const FileRead read = readRegularFile("b12.structcalc.json", 1 << 20);
//     // read.error: "it is a FIFO (named pipe)", "there is no such file", "permission denied", ...
//     const std::string problem = writeFileAtomically("b12.structcalc.json", text);
//     // problem: "" where written; otherwise "No space left on device", "it is a folder", ...

#include <cstddef>
#include <string>
#include <string_view>

namespace shell {

// What a path names, links followed.
enum class FileKind { Missing, Regular, Folder, Fifo, CharacterDevice, BlockDevice, Socket, Other };

// The kind a path names with its links followed; `error` says why it could not be told (a loop of
// symbolic links, permission denied on a folder on the way), and the kind is then Other.
FileKind kindOf(const std::string &path, std::string *error = nullptr);
// "a folder", "a FIFO (named pipe)", "a character device", "a block device", "a socket".
std::string kindInWords(FileKind kind);
// "it is a folder": why a path of that kind is not the file asked for.
std::string kindProblem(FileKind kind);

// Why a path cannot be read or written as a file, in words that follow "cannot read F: " or
// "cannot write F: ": "there is no such file", "permission denied", "it is a folder", "it is a
// FIFO (named pipe)", "there is a loop of symbolic links". `errorNumber` is the errno of the
// failure.
std::string fileProblem(int errorNumber);

// Which file a name stands for, so that two names can be told to be the same file: a hard link,
// a symbolic link or another spelling of the path.
struct FileId {
    bool exists = false;
    unsigned long long device = 0;
    unsigned long long inode = 0;
    bool operator==(const FileId &other) const
    {
        return exists && other.exists && device == other.device && inode == other.inode;
    }
    bool operator!=(const FileId &other) const { return !(*this == other); }
};

// The file a path names, links followed; `exists` false where it names nothing.
FileId fileIdOf(const std::string &path);
// The file an open descriptor is on (standard output: 1).
FileId fileIdOfDescriptor(int descriptor);

struct FileRead {
    bool ok = false;
    std::string text;   // where ok: the whole file
    std::string error;  // otherwise why not: "it is a folder", "it is larger than 1048576 bytes"
    FileId id;          // the file read
};

// The whole of a regular file of at most `limit` bytes. Anything but a regular file (links
// followed) is refused with its kind, without waiting for a FIFO's writer; a longer file is
// refused after reading `limit` + 1 bytes.
FileRead readRegularFile(const std::string &path, std::size_t limit);

// Opens a regular file for reading (links followed) and returns its descriptor, or -1 with `error`
// set; a FIFO, device, socket or folder is refused by its kind without blocking. The caller closes
// the descriptor.
int openRegularFile(const std::string &path, std::string &error);

// The file a write to `path` lands on: the final target of a chain of symbolic links (the link
// itself stays), or `path` where it is no link. `error` says why not (a loop, a link too deep).
std::string writeTarget(const std::string &path, std::string &error);

// Whether `path` may be written as a file: "" where it names a regular file or nothing yet (links
// followed); otherwise why not ("it is a character device", "it is a folder").
std::string checkWritable(const std::string &path);

// Writes `text` to `path` as a whole: to a temporary file in the target's folder, flushed to the
// disk, then renamed over the target (a symbolic link stays and its target is replaced). A file
// that existed keeps its permissions. "" where written; otherwise why not, and the old file is as
// it was.
std::string writeFileAtomically(const std::string &path, std::string_view text);

// A file written by another writer (a PDF painter) that must appear whole or not at all:
//
//     AtomicFile file("sheet.pdf");
//     if (!file.error().empty()) ...                    // the target is a folder, a device, ...
//     painter.writeTo(file.temporaryPath());             // the writer fills the temporary file
//     const std::string problem = file.commit();         // flushed and renamed, or why not
//
// The temporary file is removed unless committed.
class AtomicFile
{
public:
    explicit AtomicFile(const std::string &path);
    ~AtomicFile();
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    // Why the target cannot be written ("" where it can).
    const std::string &error() const { return m_error; }
    // An empty file beside the target, for the writer to fill.
    const std::string &temporaryPath() const { return m_temporary; }
    // Flushes the temporary file to the disk and renames it over the target; "" where done.
    std::string commit();

private:
    std::string m_target;
    std::string m_temporary;
    std::string m_error;
    int m_mode = -1;  // the old file's permissions, kept by the new one
    bool m_committed = false;
};

}  // namespace shell
