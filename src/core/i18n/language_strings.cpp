// The process-wide language catalogue and its loader.
#include "core/i18n/language_strings.h"

#include <mutex>

#include "core/i18n/xml_document.h"

namespace kx90 {

LanguageStrings& Strings() {
    static LanguageStrings strings;
    return strings;
}

void LoadLanguageStrings(CXmlDocument& document, const std::filesystem::path& path, LanguageStrings& strings) {
    document.LoadFile(path);  // a file that cannot be read leaves an empty document: every key empty
#define KX90_LOAD_MEMBER(key) strings.key = GetSectionText(document, u"config", u## #key);
    KX90_LANGUAGE_KEYS(KX90_LOAD_MEMBER)
#undef KX90_LOAD_MEMBER
}

void LoadLanguageStrings(const std::filesystem::path& path) {
    const std::lock_guard<std::mutex> lock(SharedXmlDocumentMutex());
    LoadLanguageStrings(SharedXmlDocument(), path, Strings());
}

}  // namespace kx90
