// The CodePages seam, one implementation per build. This is the one core file allowed to reach the
// operating system directly: natively through iconv, on Windows through two kernel32 functions that
// are declared here so the core never includes a Windows header.
#include "core/i18n/code_pages.h"

#include <climits>
#include <vector>

#ifdef _WIN32
extern "C" {
__declspec(dllimport) unsigned int __stdcall GetACP(void);
__declspec(dllimport) int __stdcall MultiByteToWideChar(unsigned int codePage, unsigned long flags,
                                                         const char* bytes, int byteCount, wchar_t* out,
                                                         int outCount);
}
#else
#include <cerrno>
#include <cstdio>
#include <iconv.h>
#endif

namespace kx90 {
namespace {

#ifdef _WIN32

class Win32CodePages final : public CodePages {
public:
    bool ToUtf16(uint32_t codePage, std::string_view bytes, std::u16string& out) const override {
        if (bytes.empty()) {
            return true;
        }
        if (bytes.size() > static_cast<size_t>(INT_MAX)) {
            return false;
        }
        const int count = static_cast<int>(bytes.size());
        const int needed = MultiByteToWideChar(codePage, 0, bytes.data(), count, nullptr, 0);
        if (needed <= 0) {
            return false;
        }
        const size_t oldSize = out.size();
        out.resize(oldSize + static_cast<size_t>(needed));
        // wchar_t is 16 bits on Windows, so the buffer of char16_t can take the result as it is.
        MultiByteToWideChar(codePage, 0, bytes.data(), count, reinterpret_cast<wchar_t*>(out.data() + oldSize),
                            needed);
        return true;
    }
    uint32_t SystemCodePage() const override { return GetACP(); }
};

#else

// glibc names most Windows code pages "CP<n>"; these are the ones it spells otherwise.
const char* IconvNameOverride(uint32_t codePage) {
    switch (codePage) {
        case 20127: return "ASCII";
        case 20866: return "KOI8-R";
        case 21866: return "KOI8-U";
        case 20932:
        case 51932: return "EUC-JP";
        case 51949: return "EUC-KR";
        case 50220:
        case 50221:
        case 50222: return "ISO-2022-JP";
        case 50225: return "ISO-2022-KR";
        case 52936: return "HZ";
        case 54936: return "GB18030";
        case 10000: return "MACINTOSH";
        case 10007: return "MAC-CYRILLIC";
        case 38598: return "ISO-8859-8";
        case kCodePageUtf7: return "UTF-7";
        case kCodePageUtf8: return "UTF-8";
        default: return nullptr;
    }
}

std::string IconvName(uint32_t codePage) {
    if (const char* name = IconvNameOverride(codePage)) {
        return name;
    }
    if (codePage >= 28591 && codePage <= 28605) {
        return "ISO-8859-" + std::to_string(codePage - 28590);
    }
    return "CP" + std::to_string(codePage);
}

class IconvCodePages final : public CodePages {
public:
    bool ToUtf16(uint32_t codePage, std::string_view bytes, std::u16string& out) const override {
        iconv_t cd = iconv_open("UTF-16LE", IconvName(codePage).c_str());
        if (cd == reinterpret_cast<iconv_t>(-1)) {
            return false;
        }
        std::vector<char> buffer(bytes.size() * 4 + 16);
        char* in = const_cast<char*>(bytes.data());
        size_t inLeft = bytes.size();
        char* outPtr = buffer.data();
        size_t outLeft = buffer.size();
        while (inLeft > 0) {
            if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1)) {
                break;
            }
            if (errno == E2BIG || outLeft < 2) {
                break;  // cannot happen with four output bytes per input byte; stop rather than loop
            }
            // A byte that starts no character of the code page (or a cut-off one at the end): "?".
            *outPtr++ = '?';
            *outPtr++ = 0;
            outLeft -= 2;
            ++in;
            --inLeft;
        }
        iconv(cd, nullptr, nullptr, &outPtr, &outLeft);  // flush a stateful encoding's shift state
        iconv_close(cd);
        const size_t units = static_cast<size_t>(outPtr - buffer.data()) / 2;
        out.reserve(out.size() + units);
        for (size_t i = 0; i < units; ++i) {
            out.push_back(static_cast<char16_t>(static_cast<uint8_t>(buffer[2 * i]) |
                                                (static_cast<uint8_t>(buffer[2 * i + 1]) << 8)));
        }
        return true;
    }
    uint32_t SystemCodePage() const override { return 1252; }
};

#endif

}  // namespace

const CodePages& SystemCodePages() {
#ifdef _WIN32
    static const Win32CodePages codePages;
#else
    static const IconvCodePages codePages;
#endif
    return codePages;
}

}  // namespace kx90
