// The user-interface language and the product's regional style.
#include "siblings/glossa.h"
#include "siblings/glossa/env_number.h"

// VORDA_LANGID chooses the language for a test or a translator; otherwise the
// user's own interface language. Only a value that fits a language
// identifier (1..0xFFFF) counts.
int __stdcall GetDefaultLangId(void) {
    long language = 0;
    if (glossa::ReadEnvNumber("VORDA_LANGID", &language) && language > 0 && language <= 0xFFFF)
        return static_cast<int>(language);
    return static_cast<int>(GetUserDefaultUILanguage());
}

// VORDA_STYLE chooses the style; without it, the standard style 0.
int __stdcall VordaGetStyle(void) {
    long style = 0;
    if (glossa::ReadEnvNumber("VORDA_STYLE", &style)) return static_cast<int>(style);
    return 0;
}
