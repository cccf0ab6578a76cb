#include "beams.h"
#include "calculatorwindow.h"
int main(int argc, char **argv) { return shell::runCalculator(argc, argv, beams::program()); }
