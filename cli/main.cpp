#include "cli/structcalc.h"

#include <iostream>

int main(int argc, char **argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    return structcalc::run(args, std::cout, std::cerr);
}
