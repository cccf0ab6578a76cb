#include "shell/core/files.h"

#include "shell/core/language.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <ctime>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace shell {

namespace {

// A chain of symbolic links longer than this is taken for a loop, as the system does.
constexpr int MaxLinks = 40;

FileKind kindOfMode(mode_t mode)
{
    if (S_ISREG(mode))
        return FileKind::Regular;
    if (S_ISDIR(mode))
        return FileKind::Folder;
    if (S_ISFIFO(mode))
        return FileKind::Fifo;
    if (S_ISCHR(mode))
        return FileKind::CharacterDevice;
    if (S_ISBLK(mode))
        return FileKind::BlockDevice;
    if (S_ISSOCK(mode))
        return FileKind::Socket;
    return FileKind::Other;
}

std::string folderOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string nameOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool writeAll(int descriptor, std::string_view text)
{
    while (!text.empty()) {
        const ssize_t written = ::write(descriptor, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A new, empty file beside `target` that no other writer has: ".NAME.XXXXXX" in the same folder,
// so that the rename that replaces the target never crosses a file system. Created with the
// permissions a new file gets (0666 less the umask). "" with `error` set where none can be made.
std::string createTemporaryBeside(const std::string &target, std::string &error)
{
    static std::atomic<unsigned> counter{0};
    const std::string stem = folderOf(target) + "/." + nameOf(target) + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        const unsigned long mix = static_cast<unsigned long>(::getpid()) * 2654435761UL ^
                                  static_cast<unsigned long>(std::time(nullptr)) ^
                                  (static_cast<unsigned long>(counter++) << 20U) ^ static_cast<unsigned long>(attempt);
        static const char digits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
        std::string candidate = stem;
        unsigned long rest = mix;
        for (int k = 0; k < 6; ++k, rest /= 36)
            candidate += digits[rest % 36];
        const int descriptor = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (descriptor >= 0) {
            ::close(descriptor);
            return candidate;
        }
        if (errno != EEXIST) {
            error = errno == ENOENT ? translated("Reason", "there is no such folder") : fileProblem(errno);
            return {};
        }
    }
    error = translated("Reason", "no temporary file could be made beside it");
    return {};
}

// Flushes the file at `path` to the disk; "" where done.
std::string syncFile(const std::string &path)
{
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW);
    if (descriptor < 0)
        return fileProblem(errno);
    const bool synced = ::fsync(descriptor) == 0;
    const int syncError = errno;
    const bool closed = ::close(descriptor) == 0;
    if (!synced)
        return fileProblem(syncError);
    if (!closed)
        return fileProblem(errno);
    return {};
}

// The rename that makes a complete temporary file the target, and the folder's entry flushed
// so that the new name survives a power cut.
std::string replaceTarget(const std::string &temporary, const std::string &target, int mode)
{
    if (mode >= 0 && ::chmod(temporary.c_str(), static_cast<mode_t>(mode)) != 0)
        return fileProblem(errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0)
        return fileProblem(errno);
    const int folder = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return {};
}

struct Prepared {
    std::string target;
    int mode = -1;
    std::string error;
};

// The file a write to `path` replaces, checked: a regular file we may write, or nothing yet.
Prepared prepareWrite(const std::string &path)
{
    Prepared prepared;
    if (path.empty()) {
        prepared.error = translated("Reason", "there is no file name");
        return prepared;
    }
    // What the name leads to as the system follows it, links of /proc and /dev included
    // (/dev/stdout): anything but a regular file is refused by its kind before a name is chosen.
    struct stat named {
    };
    const bool exists = ::stat(path.c_str(), &named) == 0;
    if (exists && !S_ISREG(named.st_mode)) {
        prepared.error = kindProblem(kindOfMode(named.st_mode));
        return prepared;
    }
    prepared.target = writeTarget(path, prepared.error);
    if (!prepared.error.empty())
        return prepared;
    struct stat status {
    };
    if (exists && (::stat(prepared.target.c_str(), &status) != 0 || status.st_dev != named.st_dev ||
                   status.st_ino != named.st_ino)) {
        // A link whose text names no longer the file it leads to (a file deleted while open).
        prepared.error = translated("Reason", "it is a link to a file that has no name");
        return prepared;
    }
    if (::stat(prepared.target.c_str(), &status) == 0) {
        const FileKind kind = kindOfMode(status.st_mode);
        if (kind != FileKind::Regular) {
            prepared.error = kindProblem(kind);
            return prepared;
        }
        if (::access(prepared.target.c_str(), W_OK) != 0) {
            prepared.error = fileProblem(errno);
            return prepared;
        }
        prepared.mode = static_cast<int>(status.st_mode & 07777);
    } else if (errno != ENOENT) {
        prepared.error = fileProblem(errno);
    }
    return prepared;
}

}  // namespace

FileId fileIdOf(const std::string &path)
{
    struct stat status {
    };
    FileId id;
    if (::stat(path.c_str(), &status) == 0)
        id = {true, static_cast<unsigned long long>(status.st_dev), static_cast<unsigned long long>(status.st_ino)};
    return id;
}

FileId fileIdOfDescriptor(int descriptor)
{
    struct stat status {
    };
    FileId id;
    if (::fstat(descriptor, &status) == 0)
        id = {true, static_cast<unsigned long long>(status.st_dev), static_cast<unsigned long long>(status.st_ino)};
    return id;
}

FileKind kindOf(const std::string &path, std::string *error)
{
    struct stat status {
    };
    if (::stat(path.c_str(), &status) == 0)
        return kindOfMode(status.st_mode);
    if (errno == ENOENT)
        return FileKind::Missing;
    if (error)
        *error = fileProblem(errno);
    return FileKind::Other;
}

std::string kindInWords(FileKind kind)
{
    const char *words = "not a file";
    switch (kind) {
    case FileKind::Missing:
        words = "nothing";
        break;
    case FileKind::Regular:
        words = "a file";
        break;
    case FileKind::Folder:
        words = "a folder";
        break;
    case FileKind::Fifo:
        words = "a FIFO (named pipe)";
        break;
    case FileKind::CharacterDevice:
        words = "a character device";
        break;
    case FileKind::BlockDevice:
        words = "a block device";
        break;
    case FileKind::Socket:
        words = "a socket";
        break;
    case FileKind::Other:
        break;
    }
    return translated("Reason", words);
}

std::string kindProblem(FileKind kind)
{
    return translatedPattern("Reason", "it is %1", {kindInWords(kind)});
}

std::string fileProblem(int errorNumber)
{
    const char *problem = nullptr;
    switch (errorNumber) {
    case ENOENT:
        problem = "there is no such file";
        break;
    case EACCES:
    case EPERM:
        problem = "permission denied";
        break;
    case EISDIR:
        problem = "it is a folder";
        break;
    case ELOOP:
        problem = "there is a loop of symbolic links";
        break;
    case ENOTDIR:
        problem = "a part of the path is not a folder";
        break;
    case ENAMETOOLONG:
        problem = "the name is too long";
        break;
    case EROFS:
        problem = "the file system is read-only";
        break;
    case ENOSPC:
        problem = "No space left on device";  // the system's own words, as scripts know them
        break;
    case EDQUOT:
        problem = "Disk quota exceeded";
        break;
    default:
        // The system's own words, in the system's language.
        return std::strerror(errorNumber);
    }
    return translated("Reason", problem);
}

int openRegularFile(const std::string &path, std::string &error)
{
    // The kind first, so that a device is never opened (opening one may act on it) and a FIFO
    // never waited on; then checked again on what was opened, in case the name changed between.
    std::string kindError;
    const FileKind kind = kindOf(path, &kindError);
    if (kind == FileKind::Missing) {
        error = fileProblem(ENOENT);
        return -1;
    }
    if (!kindError.empty()) {
        error = kindError;
        return -1;
    }
    if (kind != FileKind::Regular) {
        error = kindProblem(kind);
        return -1;
    }
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        error = fileProblem(errno);
        return -1;
    }
    struct stat status {
    };
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        error = kindProblem(kindOfMode(status.st_mode));
        ::close(descriptor);
        return -1;
    }
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    return descriptor;
}

FileRead readRegularFile(const std::string &path, std::size_t limit)
{
    FileRead read;
    const int descriptor = openRegularFile(path, read.error);
    if (descriptor < 0)
        return read;
    read.id = fileIdOfDescriptor(descriptor);
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(descriptor, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            read.error = fileProblem(errno);
            ::close(descriptor);
            read.text.clear();
            return read;
        }
        if (got == 0)
            break;
        read.text.append(buffer, static_cast<std::size_t>(got));
        if (read.text.size() > limit) {
            read.error = translatedPattern("Reason", "it is larger than %1 bytes", {std::to_string(limit)});
            read.text.clear();
            ::close(descriptor);
            return read;
        }
    }
    ::close(descriptor);
    read.ok = true;
    return read;
}

std::string writeTarget(const std::string &path, std::string &error)
{
    std::string current = path;
    for (int links = 0;; ++links) {
        struct stat status {
        };
        if (::lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return current;
        if (links == MaxLinks) {
            error = fileProblem(ELOOP);
            return {};
        }
        std::string target(static_cast<std::size_t>(status.st_size > 0 ? status.st_size : 4096) + 1, '\0');
        const ssize_t length = ::readlink(current.c_str(), target.data(), target.size());
        if (length < 0) {
            error = fileProblem(errno);
            return {};
        }
        target.resize(static_cast<std::size_t>(length));
        current = !target.empty() && target.front() == '/' ? target : folderOf(current) + "/" + target;
    }
}

std::string checkWritable(const std::string &path)
{
    return prepareWrite(path).error;
}

std::string writeFileAtomically(const std::string &path, std::string_view text)
{
    const Prepared prepared = prepareWrite(path);
    if (!prepared.error.empty())
        return prepared.error;
    std::string error;
    const std::string temporary = createTemporaryBeside(prepared.target, error);
    if (temporary.empty())
        return error;
    const int descriptor = ::open(temporary.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOFOLLOW);
    if (descriptor < 0) {
        error = fileProblem(errno);
    } else {
        if (!writeAll(descriptor, text) || ::fsync(descriptor) != 0)
            error = fileProblem(errno);
        if (::close(descriptor) != 0 && error.empty())
            error = fileProblem(errno);
    }
    if (error.empty())
        error = replaceTarget(temporary, prepared.target, prepared.mode);
    if (!error.empty())
        ::unlink(temporary.c_str());
    return error;
}

AtomicFile::AtomicFile(const std::string &path)
{
    const Prepared prepared = prepareWrite(path);
    m_error = prepared.error;
    m_target = prepared.target;
    m_mode = prepared.mode;
    if (m_error.empty())
        m_temporary = createTemporaryBeside(m_target, m_error);
}

AtomicFile::~AtomicFile()
{
    if (!m_committed && !m_temporary.empty())
        ::unlink(m_temporary.c_str());
}

std::string AtomicFile::commit()
{
    if (!m_error.empty())
        return m_error;
    if (m_committed)
        return {};
    std::string error = syncFile(m_temporary);
    if (error.empty())
        error = replaceTarget(m_temporary, m_target, m_mode);
    if (error.empty())
        m_committed = true;
    return error;
}

}  // namespace shell
