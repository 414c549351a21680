#include <windows.h>
#include <cstdio>
int main() { std::puts("VordaHost"); return 0; }
