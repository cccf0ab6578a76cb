#include "shell/qt/calculatorwindow.h"
#include "profilor/profilor.h"

int main(int argc, char **argv) { return shell::runCalculator(argc, argv, profilor::program()); }
