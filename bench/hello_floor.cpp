// The floor of a command-line run: a C++ hello world, built as the family's programs are.

#include <iostream>

int main()
{
    std::cout << "hello, world\n";
    return 0;
}
