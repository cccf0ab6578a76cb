#include "rahmen/rahmen.h"
#include "shell/qt/calculatorwindow.h"
int main(int argc, char **argv)
{
    return shell::runCalculator(argc, argv, rahmen::program());
}
