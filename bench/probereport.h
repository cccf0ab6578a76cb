#pragma once

// What the start-up probes (startprobe, exitprobe) write back to start_bench: a line of marks
// in CLOCK_MONOTONIC nanoseconds, which compare across processes, and on request the resident
// memory of every mapping of the process:
//
//     marks loaded=1834000000 frame=1901000000 rss=41234 hwm=41300
//     map 10240 /usr/lib/x86_64-linux-gnu/libQt6Widgets.so.6.4.2
//     end
//
// They write to the file descriptor named by STARTPROBE_FD (standard error where unset), and
// the mappings only where STARTPROBE_MAPS is set.

#include <cstdint>
#include <string>

namespace probe {

std::int64_t monotonicNs();

// Appends " NAME=VALUE" to `line`.
void addMark(std::string &line, const char *name, std::int64_t value);

// Appends the resident and the peak resident memory of this process in KiB (" rss=... hwm=...").
void addMemory(std::string &line);

// Writes `line` and a newline, the mappings where asked for, and "end".
void report(std::string line);

}  // namespace probe
