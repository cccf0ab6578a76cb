#include "buckling/buckling.h"
#include "registry/familynames.h"
#include "shell/qt/calculatorwindow.h"

int main(int argc, char **argv)
{
    return shell::runCalculator(argc, argv, buckling::program(), registry::familyNames());
}
