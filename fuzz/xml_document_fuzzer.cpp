// Feeds arbitrary bytes to the XML reader as a file's contents, then walks and reads everything it
// indexed, checking that every record stays inside the text and the index.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/i18n/xml_document.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckIndex(const kx90::CXmlDocument& document) {
    const uint32_t count = document.ElementCount();
    const size_t textSize = document.Text().size();
    Check(count >= 1);
    for (uint32_t i = 1; i < count; ++i) {
        const kx90::ElementRecord& record = document.Element(i);
        Check(record.start < textSize && record.length <= textSize - record.start);
        Check(record.parent < count && record.firstChild < count);
        Check(record.nextSibling < count && record.previousSibling < count);
        Check(record.firstChild == 0 || document.Element(record.firstChild).parent == i);
        Check(record.nextSibling == 0 || document.Element(record.nextSibling).parent == record.parent);
    }
    // Every child list ends, and the first child knows the last.
    uint64_t steps = 0;
    for (uint32_t i = 0; i < count; ++i) {
        uint32_t last = 0;
        for (uint32_t c = document.Element(i).firstChild; c != 0; c = document.Element(c).nextSibling) {
            Check(++steps <= count);
            last = c;
        }
        Check(last == 0 || document.Element(document.Element(i).firstChild).previousSibling == last);
    }
}

// Reads the text of every child at each level and goes down into the last one, through the
// navigation calls only (there is no way back up, so this is one path down the tree).
void WalkAndRead(kx90::CXmlDocument& document) {
    document.Rewind();
    uint64_t budget = 2ull * document.ElementCount() + 16;
    bool found = true;
    while (found) {
        found = false;
        while (document.FindChildElement()) {
            Check(budget-- > 0);
            document.GetChildText();
            found = true;
        }
        if (found) {
            Check(document.EnterElement());
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static kx90::CXmlDocument document;  // reused across loads, as the program reuses its document
    document.LoadBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    CheckIndex(document);
    kx90::GetSectionText(document, u"config", u"str_ok");
    kx90::GetSectionText(document, u"config", u"str_msg2");
    kx90::GetSectionText(document, u"firmware", u"current");
    kx90::GetSectionText(document, u"", u"");
    WalkAndRead(document);
    return 0;
}
