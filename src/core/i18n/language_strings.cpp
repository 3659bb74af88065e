// The language-file loader.
#include "core/i18n/language_strings.h"

#include "core/i18n/xml_document.h"

namespace kx90 {

LanguageStrings LoadLanguageStrings(const std::filesystem::path& path) {
    CXmlDocument document;
    document.LoadFile(path);  // a file that cannot be read leaves an empty document: every key empty
    LanguageStrings strings;
#define KX90_LOAD_MEMBER(key) strings.key = GetSectionText(document, u"config", u## #key);
    KX90_LANGUAGE_KEYS(KX90_LOAD_MEMBER)
#undef KX90_LOAD_MEMBER
    return strings;
}

}  // namespace kx90
