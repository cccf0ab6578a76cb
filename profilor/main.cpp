#include "calculatorwindow.h"
#include "profilor.h"

int main(int argc, char **argv) { return shell::runCalculator(argc, argv, profilor::program()); }
