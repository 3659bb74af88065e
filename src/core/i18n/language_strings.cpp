// The process-wide language catalogue.
#include "core/i18n/language_strings.h"

namespace kx90 {

LanguageStrings& Strings() {
    static LanguageStrings strings;
    return strings;
}

}  // namespace kx90
