// The start of a program as the user meets it: each start a process of its own, the product and
// its floors started in turn, round after round (each round begins with the next program, so
// that none always runs after the same one), real time from fork, medians of the rounds.
//
//     start_bench window [--runs N] [--program DIR/NAME]
//         The window's start: the program (cantilever/cantilever of the build by default), a
//         QLabel program linking only Qt Widgets with a Latin and with a Japanese caption, and
//         the stock-Qt window with a Qt Charts chart (where Qt Charts is installed); each with
//         libstartprobe.so preloaded, which notes the steps of the start and ends the process
//         after the first frame. The platform is QT_QPA_PLATFORM's; under xcb the time the
//         window is mapped comes from the X server itself: this process watches the root
//         window's MapNotify events on a connection of its own (woken by poll, so the
//         resolution is the scheduler's wake-up, microseconds on an idle core).
//     start_bench run [--runs N]
//         One structcalc run beside a C++ hello world, and structcalc --batch on a file of
//         200,000 lines beside awk computing one formula per line of the same file.
//     start_bench maps [--program DIR/NAME]
//         What each of them has mapped at the end of its first frame (windows) or at its exit
//         (command lines): the shared libraries, the fonts, the resident memory by mapping.
//
// Besides its own tables it prints one line per target for bench/run:
//     TABLE <target> <product> <reference> <ratio> <goal> <met> <ratio in processor time>
// (separated by tabs).

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#ifdef STRUCTCALC_BENCH_XCB
#include <xcb/xcb.h>
#endif

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::int64_t monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (static_cast<std::int64_t>(now.tv_sec) * 1000000000) + now.tv_nsec;
}

std::string buildDir()
{
    std::vector<char> self(4096);
    const ssize_t length = readlink("/proc/self/exe", self.data(), self.size() - 1);
    const std::string path(self.data(), length > 0 ? static_cast<std::size_t>(length) : 0);
    const std::string benchDir = path.substr(0, path.rfind('/'));
    return benchDir.substr(0, benchDir.rfind('/'));
}

struct Program {
    std::string name;
    std::vector<std::string> argv;
};

// What one start gave: the probe's marks and the X server's map time, in ms after the fork,
// the resident memory in KiB, the resident memory by mapping.
struct Start {
    bool ok = false;
    std::map<std::string, double> ms;
    std::map<std::string, long> kib;
    std::map<std::string, long> mappings;
};

#ifdef STRUCTCALC_BENCH_XCB
// Watches the X server for a top-level window being mapped (MapNotify on the root window).
class MapWatcher
{
public:
    MapWatcher()
    {
        m_connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_connection) != 0)
            return;
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_generic_error_t *error = xcb_request_check(
            m_connection, xcb_change_window_attributes_checked(m_connection, root, XCB_CW_EVENT_MASK, &mask));
        m_ok = error == nullptr;
        std::free(error);
        // The programs started get no share of this connection.
        fcntl(fd(), F_SETFD, FD_CLOEXEC);
    }
    ~MapWatcher() { xcb_disconnect(m_connection); }
    MapWatcher(const MapWatcher &) = delete;
    MapWatcher &operator=(const MapWatcher &) = delete;

    bool ok() const { return m_ok; }
    int fd() const { return xcb_get_file_descriptor(m_connection); }
    // Reads the events that have come; true if a top-level window was mapped among them.
    bool mapped()
    {
        bool seen = false;
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                reinterpret_cast<xcb_map_notify_event_t *>(event)->override_redirect == 0)
                seen = true;
            std::free(event);
        }
        return seen;
    }

private:
    xcb_connection_t *m_connection = nullptr;
    bool m_ok = false;
};
#else
class MapWatcher
{
public:
    bool ok() const { return false; }
    int fd() const { return -1; }
    bool mapped() { return false; }
};
#endif

void parseReport(const std::string &text, std::int64_t forked, Start &start)
{
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string word;
        words >> word;
        if (word == "marks") {
            while (words >> word) {
                const auto equals = word.find('=');
                if (equals == std::string::npos)
                    continue;
                const std::string name = word.substr(0, equals);
                const long long value = std::strtoll(word.c_str() + equals + 1, nullptr, 10);
                if (name == "rss" || name == "hwm")
                    start.kib[name] = value;
                else if (value > 0)
                    start.ms[name] = static_cast<double>(value - forked) / 1e6;
            }
        } else if (word == "map") {
            long kib = 0;
            words >> kib;
            std::string source;
            std::getline(words >> std::ws, source);
            start.mappings[source] += kib;
        } else if (word == "end") {
            start.ok = true;
        }
    }
}

// Starts `program` once and waits for it to end. With a probe, the probe's report is read
// from a pipe; without, only the time to its end counts.
Start startOnce(const Program &program, const std::string &probe, bool mappings, MapWatcher *watcher)
{
    int report[2];
    if (pipe(report) != 0)
        return {};
    if (watcher)
        watcher->mapped();
    std::vector<char *> argv;
    for (const std::string &word : program.argv)
        argv.push_back(const_cast<char *>(word.c_str()));
    argv.push_back(nullptr);
    const std::int64_t forked = monotonicNs();
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_RDWR);
        dup2(null, STDIN_FILENO);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        close(report[0]);
        if (!probe.empty()) {
            setenv("LD_PRELOAD", probe.c_str(), 1);
            setenv("STARTPROBE_FD", std::to_string(report[1]).c_str(), 1);
            if (mappings)
                setenv("STARTPROBE_MAPS", "1", 1);
        } else {
            close(report[1]);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(report[1]);
    Start start;
    std::string text;
    bool open = true;
    while (open) {
        pollfd watched[2] = {{report[0], POLLIN, 0}, {watcher ? watcher->fd() : -1, POLLIN, 0}};
        if (poll(watched, 2, 60000) <= 0) {
            kill(child, SIGKILL);
            break;
        }
        const std::int64_t now = monotonicNs();
        if (watcher && watched[1].revents != 0 && watcher->mapped() && start.ms.count("mapped") == 0)
            start.ms["mapped"] = static_cast<double>(now - forked) / 1e6;
        if (watched[0].revents != 0) {
            char buffer[65536];
            const ssize_t n = read(report[0], buffer, sizeof buffer);
            if (n > 0)
                text.append(buffer, static_cast<std::size_t>(n));
            else
                open = false;
        }
    }
    close(report[0]);
    int status = 0;
    rusage used{};
    wait4(child, &status, 0, &used);
    const std::int64_t ended = monotonicNs();
    if (probe.empty()) {
        start.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    } else {
        parseReport(text, forked, start);
    }
    start.ms["ended"] = static_cast<double>(ended - forked) / 1e6;
    // The processor time of the process (all its threads, user and system), which the load of
    // the machine does not stretch as it does the real time.
    start.ms["cpu"] = (static_cast<double>(used.ru_utime.tv_sec + used.ru_stime.tv_sec) * 1e3) +
                      (static_cast<double>(used.ru_utime.tv_usec + used.ru_stime.tv_usec) / 1e3);
    return start;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t half = values.size() / 2;
    return values.size() % 2 != 0 ? values[half] : (values[half - 1] + values[half]) / 2;
}

// The medians of every mark of every program over `runs` rounds, programs alternating.
std::vector<std::map<std::string, double>> startRounds(const std::vector<Program> &programs, const std::string &probe,
                                                       int runs, MapWatcher *watcher)
{
    // One start of each first, unmeasured, so that every file is in the page cache.
    for (const Program &program : programs)
        if (!startOnce(program, probe, false, watcher).ok) {
            std::fprintf(stderr, "start_bench: %s did not start (or its probe did not report)\n",
                         program.argv.front().c_str());
            std::exit(1);
        }
    std::vector<std::map<std::string, std::vector<double>>> samples(programs.size());
    for (int round = 0; round < runs; ++round) {
        for (std::size_t k = 0; k < programs.size(); ++k) {
            const std::size_t p = (k + static_cast<std::size_t>(round)) % programs.size();
            const Start start = startOnce(programs[p], probe, false, watcher);
            if (!start.ok) {
                std::fprintf(stderr, "start_bench: %s failed in round %d\n", programs[p].name.c_str(), round + 1);
                std::exit(1);
            }
            for (const auto &[name, ms] : start.ms)
                samples[p][name].push_back(ms);
            for (const auto &[name, kib] : start.kib)
                samples[p][name].push_back(static_cast<double>(kib) / 1024.0);
        }
    }
    std::vector<std::map<std::string, double>> medians(programs.size());
    for (std::size_t p = 0; p < programs.size(); ++p)
        for (const auto &[name, values] : samples[p])
            medians[p][name] = median(values);
    return medians;
}

std::string formatted(const char *format, double value, const std::string &what = "")
{
    char text[128];
    std::snprintf(text, sizeof text, format, value);
    return what.empty() ? std::string(text) : std::string(text) + " " + what;
}

// `cpuRatio` is the same ratio in processor time, 0 where there is none.
void printTableLine(const std::string &target, const std::string &product, const std::string &reference, double ratio,
                    const char *goal, bool atMost, double bound, double cpuRatio = 0)
{
    const bool met = atMost ? ratio <= bound : ratio >= bound;
    std::printf("TABLE\t%s\t%s\t%s\t%.2f\t%s\t%s\t%s\n", target.c_str(), product.c_str(), reference.c_str(), ratio,
                goal, bound > 0 ? (met ? "yes" : "no") : "", cpuRatio > 0 ? formatted("%.2f", cpuRatio).c_str() : "");
}

// Every window program, the product first; the stock window only where it was built.
std::vector<Program> windowPrograms(const std::string &build, const std::string &product)
{
    std::vector<Program> programs{{"product", {build + "/" + product}},
                                  {"label", {build + "/bench/label_floor"}},
                                  {"label-ja", {build + "/bench/label_floor", "ja"}}};
    if (access((build + "/bench/stock_window").c_str(), X_OK) == 0)
        programs.push_back({"stock", {build + "/bench/stock_window"}});
    return programs;
}

int windowStart(const std::string &build, const std::string &product, int runs)
{
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    const bool x11 = platform && std::strcmp(platform, "xcb") == 0;
    MapWatcher watcher;
    if (x11 && !watcher.ok()) {
        std::fprintf(stderr, "start_bench: cannot watch the X server (DISPLAY, or built without xcb)\n");
        return 1;
    }
    const std::vector<Program> programs = windowPrograms(build, product);
    const auto medians = startRounds(programs, build + "/bench/libstartprobe.so", runs, x11 ? &watcher : nullptr);
    const std::string where = x11 ? "X server" : "offscreen";

    for (std::size_t p = 0; p < programs.size(); ++p)
        for (const char *mark : {"loaded", "app", "widget", "shown", "exposed", "painted", "frame", "rss"})
            if (medians[p].count(mark) == 0 || (x11 && medians[p].count("mapped") == 0)) {
                std::fprintf(stderr, "start_bench: %s did not reach every step (%s, or mapped)\n",
                             programs[p].name.c_str(), mark);
                return 1;
            }
    std::printf("window start, %s, medians of %d rounds, ms after fork (cpu: processor time of the process\n"
                "in ms, up to its end right after the first frame; RSS in MiB):\n",
                where.c_str(), runs);
    std::vector<std::string> marks{"loaded", "app", "widget", "shown", "exposed", "painted", "frame", "cpu", "rss"};
    if (x11)
        marks.insert(marks.begin() + 4, "mapped");
    std::printf("  %-10s", "");
    for (const std::string &mark : marks)
        std::printf("%9s", mark.c_str());
    std::printf("\n");
    for (std::size_t p = 0; p < programs.size(); ++p) {
        std::printf("  %-10s", programs[p].name.c_str());
        for (const std::string &mark : marks) {
            const auto found = medians[p].find(mark);
            std::printf("%9.1f", found != medians[p].end() ? found->second : 0.0);
        }
        std::printf("\n");
    }

    const auto &own = medians[0];
    const auto &japanese = medians[2];
    const std::string mappedMark = x11 ? "mapped" : "exposed";

    // Where the time goes: the steps between the marks (medians of each mark, so the steps of
    // a program add up to its frame mark).
    const struct {
        const char *title;
        const char *from;
        const char *to;
    } steps[] = {{"exec+libs", nullptr, "loaded"}, {"display", "loaded", "app"}, {"QApp", "app", "widget"},
                 {"window", "widget", "shown"},    {"map", "shown", "exposed"},  {"frame", "exposed", "frame"}};
    std::printf("where the time goes, ms (exec+libs: fork to the libraries loaded; display: static constructors,\n"
                "main and QApplication up to its platform plugin, loaded and connected; QApp: the rest of\n"
                "QApplication; window: the window built, fonts found, shown; map: shown to exposed; frame: the\n"
                "first frame painted and flushed):\n");
    std::printf("  %-20s", "");
    for (const auto &step : steps)
        std::printf("%10s", step.title);
    std::printf("\n");
    const auto stepMs = [&](const std::map<std::string, double> &at, const auto &step) {
        return at.at(step.to) - (step.from ? at.at(step.from) : 0.0);
    };
    for (std::size_t p = 0; p < programs.size(); ++p) {
        std::printf("  %-20s", programs[p].name.c_str());
        for (const auto &step : steps)
            std::printf("%10.1f", stepMs(medians[p], step));
        std::printf("\n");
    }
    std::printf("  %-20s", "product - label-ja");
    for (const auto &step : steps)
        std::printf("%+10.1f", stepMs(own, step) - stepMs(japanese, step));
    std::printf("\n");

    if (programs.size() > 3) {
        const auto &stock = medians[3];
        printTableLine("window RSS after start, " + where, formatted("%.1f MiB", own.at("rss")),
                       formatted("%.1f MiB stock Qt Charts", stock.at("rss")), own.at("rss") / stock.at("rss"), "<= 1",
                       true, 1.0);
    }
    printTableLine("window RSS after start, " + where, formatted("%.1f MiB", own.at("rss")),
                   formatted("%.1f MiB Japanese label", japanese.at("rss")), own.at("rss") / japanese.at("rss"),
                   "<= 1.2", true, 1.2);
    printTableLine("start to " + std::string(x11 ? "mapped" : "exposed (no X)") + ", " + where,
                   formatted("%.1f ms", own.at(mappedMark)),
                   formatted("%.1f ms Japanese label", japanese.at(mappedMark)),
                   own.at(mappedMark) / japanese.at(mappedMark), "<= 1.15", true, 1.15);
    printTableLine("start to first frame painted, " + where, formatted("%.1f ms", own.at("frame")),
                   formatted("%.1f ms Japanese label", japanese.at("frame")), own.at("frame") / japanese.at("frame"),
                   "<= 1.3", true, 1.3, own.at("cpu") / japanese.at("cpu"));
    return 0;
}

constexpr int BatchLines = 200000;

// The batch input: Beams case 1, one member per line.
std::string writeBatchFile()
{
    char path[] = "/tmp/start_bench_batch_XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0)
        return {};
    close(fd);
    std::ofstream csv(path);
    csv << "case,P,a,l,x1,x2,E,I\n";
    for (int i = 0; i < BatchLines; ++i)
        csv << "1," << 100 + (i % 37) << "," << 10 + (i % 80) << ",100,20,50,100000,833\n";
    return path;
}

int commandRuns(const std::string &build, int runs)
{
    const std::string structcalc = build + "/cli/structcalc";
    const std::vector<Program> oneRun{{"structcalc", {structcalc, "cantilever", "18", "w=120"}},
                                      {"hello", {build + "/bench/hello_floor"}}};
    const auto one = startRounds(oneRun, "", runs, nullptr);

    const std::string csv = writeBatchFile();
    // The floor of a batch: read each line, compute the reaction RA = P (l - a) / l, write the
    // line with it.
    const std::vector<Program> batch{
        {"structcalc --batch", {structcalc, "Beams", "--batch", csv}},
        {"awk",
         {"/usr/bin/awk", "-F,",
          "NR == 1 { print $0 \",RA\"; next } { printf \"%s,%.3e\\n\", $0, $2 * ($4 - $3) / $4 }", csv}}};
    const auto many = startRounds(batch, "", std::max(3, runs / 3), nullptr);
    std::remove(csv.c_str());

    std::printf("command line, medians, ms from fork to exit (and processor time):\n");
    std::printf("  %-22s %9.2f  (%.2f)\n  %-22s %9.2f  (%.2f)\n", "structcalc run", one[0].at("ended"),
                one[0].at("cpu"), "hello world", one[1].at("ended"), one[1].at("cpu"));
    std::printf("  %-22s %9.1f  (%d lines, %.0f lines/s)\n", "structcalc --batch", many[0].at("ended"), BatchLines,
                BatchLines / (many[0].at("ended") / 1000));
    std::printf("  %-22s %9.1f  (%.0f lines/s)\n", "awk, one formula", many[1].at("ended"),
                BatchLines / (many[1].at("ended") / 1000));
    printTableLine("structcalc run (cantilever 18)", formatted("%.2f ms", one[0].at("ended")),
                   formatted("%.2f ms C++ hello world", one[1].at("ended")), one[0].at("ended") / one[1].at("ended"),
                   "<= 2", true, 2.0, one[0].at("cpu") / one[1].at("cpu"));
    printTableLine("structcalc --batch, 200000 lines", formatted("%.0f ms", many[0].at("ended")),
                   formatted("%.0f ms awk, one formula a line", many[1].at("ended")),
                   many[0].at("ended") / many[1].at("ended"), "", true, 0.0, many[0].at("cpu") / many[1].at("cpu"));
    return 0;
}

// The libraries are the mapped files with ".so" in their names; the probes are left out.
std::map<std::string, long> libraries(const std::map<std::string, long> &mappings)
{
    std::map<std::string, long> found;
    for (const auto &[source, kib] : mappings)
        if (source.find(".so") != std::string::npos && source.find("startprobe") == std::string::npos &&
            source.find("exitprobe") == std::string::npos)
            found[source] = kib;
    return found;
}

long fontKib(const std::map<std::string, long> &mappings)
{
    long kib = 0;
    for (const auto &[source, size] : mappings)
        for (const char *suffix : {".ttf", ".otf", ".ttc", ".pcf.gz"})
            if (source.size() > std::strlen(suffix) &&
                source.compare(source.size() - std::strlen(suffix), std::string::npos, suffix) == 0)
                kib += size;
    return kib;
}

std::string shortName(const std::string &path)
{
    const auto slash = path.rfind('/');
    const auto plugins = path.find("/plugins/");
    if (plugins != std::string::npos)
        return path.substr(plugins + 9);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Libraries that only a sheet, a print or an image needs (qpdf brings gnutls, p11-kit and
// nettle), watched at start, by a part of their file names.
const std::vector<std::pair<const char *, const char *>> Watched{{"qpdf", "libqpdf"},
                                                                 {"gnutls", "libgnutls"},
                                                                 {"p11-kit", "libp11-kit"},
                                                                 {"nettle", "libnettle"},
                                                                 {"PrintSupport", "libQt6PrintSupport"},
                                                                 {"image plugins", "/imageformats/"}};

void printMappings(const std::vector<std::pair<std::string, Start>> &starts)
{
    std::printf("  %-12s %5s %9s %9s %9s", "", "libs", "RSS MiB", "libs MiB", "fonts MiB");
    for (const auto &[title, part] : Watched)
        std::printf(" %s", title);
    std::printf("\n");
    for (const auto &[name, start] : starts) {
        const auto libs = libraries(start.mappings);
        long libKib = 0;
        for (const auto &[path, kib] : libs)
            libKib += kib;
        long total = 0;
        for (const auto &[source, kib] : start.mappings)
            total += kib;
        std::printf("  %-12s %5zu %9.1f %9.1f %9.1f", name.c_str(), libs.size(), static_cast<double>(total) / 1024,
                    static_cast<double>(libKib) / 1024, static_cast<double>(fontKib(start.mappings)) / 1024);
        for (const auto &[title, part] : Watched) {
            std::string present;
            for (const auto &[path, kib] : libs)
                if (path.find(part) != std::string::npos)
                    present += (present.empty() ? "" : ",") + shortName(path).substr(0, 24);
            std::printf(" %*s", static_cast<int>(std::strlen(title)), present.empty() ? "-" : "yes");
        }
        std::printf("\n");
    }
}

// What `product` maps that `floor` does not (libraries, fonts and the rest), and where the
// resident memory differs by more than 256 KiB.
void printDifference(const std::string &productName, const Start &product, const std::string &floorName,
                     const Start &floor)
{
    std::printf("\n%s beside %s: libraries only %s maps (resident KiB):", productName.c_str(), floorName.c_str(),
                productName.c_str());
    const auto own = libraries(product.mappings);
    const auto base = libraries(floor.mappings);
    std::vector<std::pair<long, std::string>> extra;
    long extraKib = 0;
    for (const auto &[path, kib] : own)
        if (base.count(path) == 0) {
            extra.emplace_back(kib, shortName(path));
            extraKib += kib;
        }
    std::sort(extra.rbegin(), extra.rend());
    for (std::size_t i = 0; i < extra.size(); ++i)
        std::printf("%s%s %ld", i % 5 == 0 ? "\n  " : ", ", extra[i].second.c_str(), extra[i].first);
    std::printf("\n  (%zu libraries, %.1f MiB resident)\n", extra.size(), static_cast<double>(extraKib) / 1024);
    std::printf("resident memory that differs by more than 256 KiB (%s, %s, difference):\n", productName.c_str(),
                floorName.c_str());
    std::set<std::string> sources;
    for (const auto &[source, kib] : product.mappings)
        sources.insert(source);
    for (const auto &[source, kib] : floor.mappings)
        sources.insert(source);
    std::vector<std::pair<long, std::string>> differences;
    for (const std::string &source : sources) {
        const auto a = product.mappings.find(source);
        const auto b = floor.mappings.find(source);
        const long own_kib = a == product.mappings.end() ? 0 : a->second;
        const long floor_kib = b == floor.mappings.end() ? 0 : b->second;
        if (std::labs(own_kib - floor_kib) > 256 && source.find("probe") == std::string::npos)
            differences.emplace_back(own_kib - floor_kib, source);
    }
    std::sort(differences.rbegin(), differences.rend());
    for (const auto &[difference, source] : differences)
        std::printf("  %+8ld KiB  %s\n", difference, shortName(source).c_str());
}

int mappings(const std::string &build, const std::string &product)
{
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    const std::vector<Program> windows = windowPrograms(build, product);
    std::vector<std::pair<std::string, Start>> starts;
    for (const Program &program : windows) {
        startOnce(program, build + "/bench/libstartprobe.so", false, nullptr);
        starts.emplace_back(program.name, startOnce(program, build + "/bench/libstartprobe.so", true, nullptr));
    }
    const std::vector<Program> commands{{"structcalc", {build + "/cli/structcalc", "cantilever", "18", "w=120"}},
                                        {"hello", {build + "/bench/hello_floor"}}};
    for (const Program &program : commands)
        starts.emplace_back(program.name, startOnce(program, build + "/bench/libexitprobe.so", true, nullptr));
    for (const auto &[name, start] : starts)
        if (!start.ok) {
            std::fprintf(stderr, "start_bench: %s did not report its mappings\n", name.c_str());
            return 1;
        }
    std::printf("mapped at the end of the first frame (windows, %s) or at exit (command lines):\n",
                platform ? platform : "default platform");
    printMappings(starts);
    printDifference("product", starts[0].second, "label-ja", starts[2].second);
    printDifference("structcalc", starts[starts.size() - 2].second, "hello", starts.back().second);
    return 0;
}

}  // namespace

int main(int argc, char **argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    int runs = mode == "run" ? 30 : 15;
    std::string product = "cantilever/cantilever";
    for (int i = 2; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--program") == 0)
            product = argv[i + 1];
    }
    // Every program starts as on a fresh account: no settings of an earlier run.
    char home[] = "/tmp/start_bench_XXXXXX";
    if (mkdtemp(home) == nullptr)
        return 1;
    setenv("XDG_CONFIG_HOME", home, 1);
    setenv("XDG_RUNTIME_DIR", home, 1);
    const std::string build = buildDir();
    int result = 2;
    if (mode == "window")
        result = windowStart(build, product, runs);
    else if (mode == "run")
        result = commandRuns(build, runs);
    else if (mode == "maps")
        result = mappings(build, product);
    else
        std::fprintf(stderr, "usage: start_bench window|run|maps [--runs N] [--program DIR/NAME]\n");
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    return result;
}
