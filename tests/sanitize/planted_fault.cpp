// SPDX-License-Identifier: GPL-3.0-or-later
// Faults the sanitizer build must report: each argument plants one. Built
// only in that build and never part of the normal suite.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char** argv)
{
    const std::string fault = argc > 1 ? argv[1] : "";
    volatile int index = argc + 7;   // past the end, unknown to the compiler
    if (fault == "out-of-bounds") {
        volatile int count = 8;
        int* numbers = new int[count]();
        const int value = numbers[index];
        delete[] numbers;
        return value;
    }
    if (fault == "leak") {
        static char* volatile lost;
        lost = static_cast<char*>(std::malloc(4096));
        std::memset(lost, 1, 4096);
        lost = nullptr;   // the only pointer to it, gone
        return 0;
    }
    if (fault == "overflow") {
        volatile int big = 0x7fffffff;
        return big + index;
    }
    std::fprintf(stderr, "usage: planted_fault out-of-bounds|leak|overflow\n");
    return 2;
}
