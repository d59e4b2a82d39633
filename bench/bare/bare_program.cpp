// The yardstick for bench_cli: a C++ program that does nothing but start,
// print a line through the standard library and end.
#include <iostream>

int main() {
    std::cout << "bare program\n";
    return 0;
}
