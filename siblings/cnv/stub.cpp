#include "siblings/vorda_cnv.h"
int __stdcall GetBinderInfo(char*, unsigned char*) { return 0; }
