#include "entry/exports.h"

int __stdcall VordaConfigSet(int mode, char* rootPath1, char* rootPath2, char* rootPath3,
                             int* currentRootIndex, int* messageShow) {
    return 0;
}

int __stdcall LumoraLConfigSet(void) { return 1; }
