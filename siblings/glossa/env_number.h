// Numbers that the user sets in this process's environment.
#pragma once

namespace glossa {

// The decimal value of environment variable name; false when it is unset or
// holds no decimal number (leading spaces and a sign are allowed, nothing
// may follow the digits).
bool ReadEnvNumber(const char* name, long* value);

}  // namespace glossa
