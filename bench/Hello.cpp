// The start-up baseline: a C++ program that prints "hello" and nothing else.
#include <cstdio>

int main()
{
    std::puts("hello");
    return 0;
}
