#include "probereport.h"

#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <map>

namespace probe {

namespace {

long statusKib(const char *field)
{
    std::ifstream status("/proc/self/status");
    const std::string prefix = std::string(field) + ":";
    for (std::string line; std::getline(status, line);)
        if (line.rfind(prefix, 0) == 0)
            return std::strtol(line.c_str() + prefix.size(), nullptr, 10);
    return -1;
}

// The resident memory by source (a file, [heap], [stack], [anon] ...), in KiB.
std::map<std::string, long> residentBySource()
{
    std::ifstream smaps("/proc/self/smaps");
    std::map<std::string, long> bySource;
    std::string source;
    for (std::string line; std::getline(smaps, line);) {
        if (line.rfind("Rss:", 0) == 0) {
            bySource[source] += std::strtol(line.c_str() + 4, nullptr, 10);
        } else if (!line.empty() && std::isxdigit(static_cast<unsigned char>(line[0])) &&
                   line.find('-') < line.find(' ')) {
            // "7f12-7f34 r-xp 00000000 08:01 1234   /usr/lib/libfoo.so.1"
            const auto path = line.find('/');
            const auto bracket = line.find('[');
            source = path != std::string::npos      ? line.substr(path)
                     : bracket != std::string::npos ? line.substr(bracket)
                                                    : std::string("[anon]");
        }
    }
    return bySource;
}

void writeAll(int fd, const std::string &text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n <= 0)
            return;
        done += static_cast<std::size_t>(n);
    }
}

}  // namespace

std::int64_t monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (static_cast<std::int64_t>(now.tv_sec) * 1000000000) + now.tv_nsec;
}

void addMark(std::string &line, const char *name, std::int64_t value)
{
    line += std::string(" ") + name + "=" + std::to_string(value);
}

void addMemory(std::string &line)
{
    addMark(line, "rss", statusKib("VmRSS"));
    addMark(line, "hwm", statusKib("VmHWM"));
}

void report(std::string line)
{
    const char *named = std::getenv("STARTPROBE_FD");
    const int fd = named ? std::atoi(named) : STDERR_FILENO;
    line += "\n";
    if (std::getenv("STARTPROBE_MAPS"))
        for (const auto &[source, kib] : residentBySource())
            line += "map " + std::to_string(kib) + " " + source + "\n";
    line += "end\n";
    writeAll(fd, line);
}

}  // namespace probe
