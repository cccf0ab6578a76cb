// Files as the family reads and writes them: only regular files, links followed to their target,
// nothing waited on, and a write that fails part way leaves the old file as it was.

#include "shell/core/files.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using namespace shell;

class Files : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/files_test.XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder = pattern;
    }
    void TearDown() override { std::system(("rm -rf '" + folder + "'").c_str()); }

    std::string path(const std::string &name) const { return folder + "/" + name; }
    static std::string contents(const std::string &file)
    {
        std::ifstream in(file, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static void put(const std::string &file, const std::string &text) { std::ofstream(file, std::ios::binary) << text; }
    // The names in the folder, to see that no temporary file is left behind.
    int entries() const { return std::atoi(runText("ls -A '" + folder + "' | wc -l").c_str()); }
    static std::string runText(const std::string &command)
    {
        std::string text;
        if (FILE *pipe = ::popen(command.c_str(), "r")) {
            char buffer[256];
            while (std::fgets(buffer, sizeof buffer, pipe))
                text += buffer;
            ::pclose(pipe);
        }
        return text;
    }

    std::string folder;
};

TEST_F(Files, NonFilesAreRefusedByTheirKindWithoutWaiting)
{
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    ASSERT_EQ(::mkdir(path("sub").c_str(), 0700), 0);
    ASSERT_EQ(::symlink("pipe", path("to-pipe").c_str()), 0);
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = path("sock");
    socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);

    const struct {
        std::string path;
        std::string reason;
    } cases[] = {{path("pipe"), "it is a FIFO (named pipe)"},
                 {path("to-pipe"), "it is a FIFO (named pipe)"},
                 {path("sub"), "it is a folder"},
                 {"/dev/null", "it is a character device"},
                 {socketPath, "it is a socket"},
                 {path("none"), "there is no such file"}};
    for (const auto &c : cases) {
        const FileRead read = readRegularFile(c.path, 100);
        EXPECT_FALSE(read.ok) << c.path;
        EXPECT_EQ(read.error, c.reason) << c.path;
        if (c.reason.rfind("it is", 0) == 0) {
            EXPECT_EQ(writeFileAtomically(c.path, "x"), c.reason) << c.path;
        }
    }
    ::close(sock);
    // A device is never replaced by a regular file.
    struct stat status {
    };
    ASSERT_EQ(::stat("/dev/null", &status), 0);
    EXPECT_TRUE(S_ISCHR(status.st_mode));
}

TEST_F(Files, ReadsWholeFilesUpToTheLimit)
{
    put(path("a"), std::string(100, 'x'));
    EXPECT_TRUE(readRegularFile(path("a"), 100).ok);
    EXPECT_EQ(readRegularFile(path("a"), 100).text.size(), 100u);
    const FileRead tooLong = readRegularFile(path("a"), 99);
    EXPECT_FALSE(tooLong.ok);
    EXPECT_EQ(tooLong.error, "it is larger than 99 bytes");
    EXPECT_TRUE(tooLong.text.empty());

    ASSERT_EQ(::symlink("loop2", path("loop1").c_str()), 0);
    ASSERT_EQ(::symlink("loop1", path("loop2").c_str()), 0);
    EXPECT_EQ(readRegularFile(path("loop1"), 10).error, "there is a loop of symbolic links");
    EXPECT_EQ(writeFileAtomically(path("loop1"), "x"), "there is a loop of symbolic links");
}

TEST_F(Files, WritesReplaceTheTargetOfALinkAndKeepItsPermissions)
{
    put(path("real"), "old");
    ASSERT_EQ(::chmod(path("real").c_str(), 0640), 0);
    ASSERT_EQ(::symlink("real", path("link").c_str()), 0);
    EXPECT_EQ(writeFileAtomically(path("link"), "new"), "");
    EXPECT_EQ(contents(path("real")), "new");
    struct stat status {
    };
    ASSERT_EQ(::lstat(path("link").c_str(), &status), 0);
    EXPECT_TRUE(S_ISLNK(status.st_mode));
    ASSERT_EQ(::stat(path("real").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);

    // A link to a file not yet there makes the file, not a file in place of the link.
    ASSERT_EQ(::symlink("made", path("dangling").c_str()), 0);
    EXPECT_EQ(writeFileAtomically(path("dangling"), "made"), "");
    EXPECT_EQ(contents(path("made")), "made");
    EXPECT_EQ(entries(), 4);
}

TEST_F(Files, AWriteThatFailsLeavesTheOldFile)
{
    put(path("calc"), "the old calculation");
    // A file size limit makes the write fail part way, as a full disk does.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 8;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const std::string problem = writeFileAtomically(path("calc"), std::string(1000, 'n'));
    ::setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(problem, "File too large");
    EXPECT_EQ(contents(path("calc")), "the old calculation");
    EXPECT_EQ(entries(), 1);  // the temporary file is gone

    // An unwritable file is not replaced, though its folder is writable.
    ASSERT_EQ(::chmod(path("calc").c_str(), 0444), 0);
    if (::geteuid() != 0) {
        EXPECT_EQ(writeFileAtomically(path("calc"), "x"), "permission denied");
    }
}

TEST_F(Files, AnAtomicFileAppearsOnlyWhenCommitted)
{
    put(path("sheet.pdf"), "old sheet");
    {
        AtomicFile file(path("sheet.pdf"));
        ASSERT_EQ(file.error(), "");
        put(file.temporaryPath(), "half a sheet");
    }
    EXPECT_EQ(contents(path("sheet.pdf")), "old sheet");
    EXPECT_EQ(entries(), 1);
    {
        AtomicFile file(path("sheet.pdf"));
        put(file.temporaryPath(), "new sheet");
        EXPECT_EQ(file.commit(), "");
    }
    EXPECT_EQ(contents(path("sheet.pdf")), "new sheet");
    EXPECT_EQ(entries(), 1);
    EXPECT_EQ(AtomicFile(folder).error(), "it is a folder");
}

TEST_F(Files, LinksAreFollowedAsTheSystemFollowsThemAndNamesOfOneFileAreTold)
{
    // /dev/stdout and /proc/self/fd/N lead to what the descriptor is on, whatever their text says.
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    put(path("gone"), "x");
    const int gone = ::open(path("gone").c_str(), O_RDONLY);
    ASSERT_GE(gone, 0);
    ASSERT_EQ(::unlink(path("gone").c_str()), 0);
    const struct {
        std::string path;
        std::string problem;
    } writes[] = {{"/proc/self/fd/" + std::to_string(pipeEnds[1]), "it is a FIFO (named pipe)"},
                  {"/proc/self/fd/" + std::to_string(gone), "it is a link to a file that has no name"},
                  {path("no-folder/sheet.pdf"), "there is no such folder"}};
    for (const auto &w : writes)
        EXPECT_EQ(writeFileAtomically(w.path, "x"), w.problem) << w.path;
    EXPECT_EQ(entries(), 0);
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    ::close(gone);

    put(path("a"), "a");
    ASSERT_EQ(::link(path("a").c_str(), path("hard").c_str()), 0);
    ASSERT_EQ(::symlink("a", path("soft").c_str()), 0);
    const FileId a = fileIdOf(path("a"));
    EXPECT_TRUE(a.exists);
    EXPECT_EQ(fileIdOf(path("hard")), a);
    EXPECT_EQ(fileIdOf(path("soft")), a);
    EXPECT_EQ(fileIdOf(folder + "/./a"), a);
    EXPECT_EQ(readRegularFile(path("soft"), 10).id, a);
    EXPECT_NE(fileIdOf(path("none")), fileIdOf(path("none")));  // nothing is no file
    EXPECT_NE(fileIdOf(folder), a);
}

}  // namespace
