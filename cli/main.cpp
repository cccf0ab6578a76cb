#include "cli/descriptorstreams.h"
#include "cli/jsontext.h"
#include "cli/structcalc.h"
#include "shell/core/heap.h"

#include <csignal>
#include <iostream>

#include <unistd.h>

int main(int argc, char **argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    shell::keepFreedMemoryForTheNextSolution();
    // A file size limit (ulimit -f) fails a write as a full disk does, with a message and the old
    // file kept, rather than ending the program with a temporary file left behind.
    std::signal(SIGXFSZ, SIG_IGN);
    // The standard streams as descriptors, so that a failed write or read says why.
    structcalc::DescriptorInput input(STDIN_FILENO);
    std::istream in(&input);
    structcalc::DescriptorOutput output(STDOUT_FILENO);
    std::ostream out(&output);
    int status = structcalc::run(args, out, std::cerr, &in);
    // The close reports what the file system kept back until then; a failure already said is not
    // said twice.
    const bool saidAlready = output.error() != 0;
    if (!output.close() && !saidAlready) {
        std::cerr << "structcalc: "
                  << structcalc::wording("cannot write the output: %1", {structcalc::streamProblem(&output)}) << "\n";
        status = structcalc::UsageError;
    }
    return status;
}
