#include "member/member.h"
#include "registry/familynames.h"
#include "shell/qt/calculatorwindow.h"

int main(int argc, char **argv)
{
    return shell::runCalculator(argc, argv, member::program(), registry::familyNames());
}
