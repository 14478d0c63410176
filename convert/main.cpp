#include <cstdio>

int main() {
    std::fputs("usage: vektra32-convert INPUT OUTPUT\n", stderr);
    return 2;
}
