#include "rahmen/rahmen.h"
#include "registry/familynames.h"
#include "shell/qt/calculatorwindow.h"

int main(int argc, char **argv)
{
    return shell::runCalculator(argc, argv, rahmen::program(), registry::familyNames());
}
