#include "siblings/glossa.h"
HINSTANCE __stdcall GetResourceHandle(HINSTANCE, int) { return nullptr; }
int __stdcall GetDefaultLangId(void) { return 1033; }
int __stdcall VordaGetStyle(void) { return 0; }
