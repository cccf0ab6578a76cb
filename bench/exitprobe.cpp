// The probe of a command-line program, loaded into the unchanged program with LD_PRELOAD by
// start_bench: when the program ends it writes when its libraries were loaded, when it ended,
// its peak resident memory and, where asked, what it had mapped (see probereport.h).
//
//     STARTPROBE_MAPS=1 LD_PRELOAD=build/bench/libexitprobe.so build/cli/structcalc cantilever 18

#include "probereport.h"

namespace {

std::int64_t g_loaded = 0;

__attribute__((constructor)) void onLoad()
{
    g_loaded = probe::monotonicNs();
}

// Runs after the program's own exit handlers and static destructors.
__attribute__((destructor)) void onExit()
{
    std::string line = "marks";
    probe::addMark(line, "loaded", g_loaded);
    probe::addMark(line, "exit", probe::monotonicNs());
    probe::addMemory(line);
    probe::report(line);
}

}  // namespace
