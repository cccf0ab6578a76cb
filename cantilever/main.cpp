#include "cantilever.h"
#include "calculatorwindow.h"
int main(int argc, char **argv) { return shell::runCalculator(argc, argv, cantilever::program()); }
