#include "siblings/glossa/env_number.h"

#include <windows.h>

#include <cerrno>
#include <cstdlib>

namespace glossa {

bool ReadEnvNumber(const char* name, long* value) {
    char text[64] = {};
    const DWORD length = GetEnvironmentVariableA(name, text, sizeof text);
    if (length == 0 || length >= sizeof text) return false;
    char* end = nullptr;
    errno = 0;
    const long number = std::strtol(text, &end, 10);
    if (end == text || errno == ERANGE) return false;
    while (*end == ' ' || *end == '\t') ++end;
    if (*end != '\0') return false;
    *value = number;
    return true;
}

}  // namespace glossa
