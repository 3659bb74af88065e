// The UTF-8 test and decoder, UTF-32 decoding and the charset-name table of the XML reader.
#include "core/i18n/text_encoding.h"

#include "core/i18n/name_table.h"

#include <array>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace kx90 {
namespace {

// The common IANA and Windows charset names and aliases (lower case) with their code pages.
constexpr NamedValue kCharsets[] = {
    {"ansi_x3.4-1968", 20127}, {"ansi_x3.4-1986", 20127}, {"arabic", 28596}, {"ascii", 20127},
    {"asmo-708", 708}, {"big5", 950}, {"big5-hkscs", 950}, {"chinese", 936}, {"cn-big5", 950},
    {"cp1025", 21025}, {"cp1250", 1250}, {"cp1251", 1251}, {"cp1252", 1252}, {"cp1253", 1253},
    {"cp1254", 1254}, {"cp1255", 1255}, {"cp1256", 1256}, {"cp1257", 1257}, {"cp1258", 1258},
    {"cp367", 20127}, {"cp819", 28591}, {"cp866", 866}, {"cp875", 875}, {"cp932", 932}, {"cp936", 936},
    {"cp949", 949}, {"cp950", 950}, {"csascii", 20127}, {"csbig5", 950}, {"cseuckr", 949},
    {"csgb2312", 936}, {"csiso2022jp", 50221}, {"csisolatin1", 28591}, {"csisolatin2", 28592},
    {"csisolatin3", 28593}, {"csisolatin4", 28594}, {"csisolatin5", 28599}, {"csisolatin9", 28605},
    {"csisolatinarabic", 28596}, {"csisolatincyrillic", 28595}, {"csisolatingreek", 28597},
    {"csisolatinhebrew", 28598}, {"cskoi8r", 20866}, {"csksc56011987", 949}, {"csshiftjis", 932},
    {"csunicode11utf7", 65000}, {"cyrillic", 28595}, {"dos-720", 720}, {"dos-862", 862},
    {"ecma-114", 28596}, {"ecma-118", 28597}, {"elot_928", 28597}, {"euc-cn", 936}, {"euc-jp", 51932},
    {"euc-kr", 949}, {"gb18030", 54936}, {"gb2312", 936}, {"gb_2312-80", 936}, {"gbk", 936},
    {"greek", 28597}, {"hebrew", 28598}, {"hz-gb-2312", 52936}, {"ibm-thai", 20838}, {"ibm00858", 858},
    {"ibm00924", 20924}, {"ibm01047", 1047}, {"ibm01140", 1140}, {"ibm01141", 1141}, {"ibm01142", 1142},
    {"ibm01143", 1143}, {"ibm01144", 1144}, {"ibm01145", 1145}, {"ibm01146", 1146}, {"ibm01147", 1147},
    {"ibm01148", 1148}, {"ibm01149", 1149}, {"ibm037", 37}, {"ibm1026", 1026}, {"ibm273", 20273},
    {"ibm277", 20277}, {"ibm278", 20278}, {"ibm280", 20280}, {"ibm284", 20284}, {"ibm285", 20285},
    {"ibm290", 20290}, {"ibm297", 20297}, {"ibm367", 20127}, {"ibm420", 20420}, {"ibm423", 20423},
    {"ibm424", 20424}, {"ibm437", 437}, {"ibm500", 500}, {"ibm737", 737}, {"ibm775", 775},
    {"ibm819", 28591}, {"ibm850", 850}, {"ibm852", 852}, {"ibm855", 855}, {"ibm857", 857}, {"ibm860", 860},
    {"ibm861", 861}, {"ibm863", 863}, {"ibm864", 864}, {"ibm865", 865}, {"ibm866", 866}, {"ibm869", 869},
    {"ibm870", 870}, {"ibm871", 20871}, {"ibm880", 20880}, {"ibm905", 20905}, {"iso-2022-jp", 50220},
    {"iso-2022-kr", 50225}, {"iso-8859-1", 28591}, {"iso-8859-13", 28603}, {"iso-8859-15", 28605},
    {"iso-8859-2", 28592}, {"iso-8859-3", 28593}, {"iso-8859-4", 28594}, {"iso-8859-5", 28595},
    {"iso-8859-6", 28596}, {"iso-8859-7", 28597}, {"iso-8859-8", 28598}, {"iso-8859-8-i", 38598},
    {"iso-8859-9", 28599}, {"iso-ir-100", 28591}, {"iso-ir-101", 28592}, {"iso-ir-109", 28593},
    {"iso-ir-110", 28594}, {"iso-ir-126", 28597}, {"iso-ir-127", 28596}, {"iso-ir-138", 28598},
    {"iso-ir-144", 28595}, {"iso-ir-148", 28599}, {"iso-ir-149", 949}, {"iso-ir-58", 936},
    {"iso-ir-6", 20127}, {"iso646-us", 20127}, {"iso8859-1", 28591}, {"iso_646.irv:1991", 20127},
    {"iso_8859-1", 28591}, {"iso_8859-15", 28605}, {"iso_8859-1:1987", 28591}, {"iso_8859-2", 28592},
    {"iso_8859-3", 28593}, {"iso_8859-4", 28594}, {"iso_8859-5", 28595}, {"iso_8859-6", 28596},
    {"iso_8859-7", 28597}, {"iso_8859-8", 28598}, {"iso_8859-9", 28599}, {"johab", 1361}, {"koi", 20866},
    {"koi8", 20866}, {"koi8-r", 20866}, {"koi8-u", 21866}, {"koi8r", 20866}, {"korean", 949},
    {"ks_c_5601-1987", 949}, {"ks_c_5601-1989", 949}, {"ksc5601", 949}, {"l1", 28591}, {"l2", 28592},
    {"l3", 28593}, {"l4", 28594}, {"l5", 28599}, {"l9", 28605}, {"latin-9", 28605}, {"latin1", 28591},
    {"latin2", 28592}, {"latin3", 28593}, {"latin4", 28594}, {"latin5", 28599}, {"mac", 10000},
    {"macintosh", 10000}, {"ms_kanji", 932}, {"shift-jis", 932}, {"shift_jis", 932}, {"sjis", 932},
    {"tis-620", 874}, {"ucs-2", 1200}, {"unicode", 1200}, {"unicode-1-1-utf-7", 65000},
    {"unicode-1-1-utf-8", 65001}, {"unicode-2-0-utf-8", 65001}, {"unicodefffe", 1201}, {"us", 20127},
    {"us-ascii", 20127}, {"utf-16", 1200}, {"utf-16be", 1201}, {"utf-16le", 1200}, {"utf-7", 65000},
    {"utf-8", 65001}, {"utf8", 65001}, {"windows-1250", 1250}, {"windows-1251", 1251},
    {"windows-1252", 1252}, {"windows-1253", 1253}, {"windows-1254", 1254}, {"windows-1255", 1255},
    {"windows-1256", 1256}, {"windows-1257", 1257}, {"windows-1258", 1258}, {"windows-31j", 932},
    {"windows-874", 874}, {"x-ansi", 1252}, {"x-chinese-cns", 20000}, {"x-chinese-eten", 20002},
    {"x-cp1250", 1250}, {"x-cp1251", 1251}, {"x-cp20001", 20001}, {"x-cp20003", 20003},
    {"x-cp20004", 20004}, {"x-cp20005", 20005}, {"x-cp20261", 20261}, {"x-cp20269", 20269},
    {"x-cp20936", 20936}, {"x-cp20949", 20949}, {"x-cp50227", 50227}, {"x-ebcdic-koreanextended", 20833},
    {"x-euc-cn", 936}, {"x-europa", 29001}, {"x-ia5", 20105}, {"x-ia5-german", 20106},
    {"x-ia5-norwegian", 20108}, {"x-ia5-swedish", 20107}, {"x-iscii-as", 57006}, {"x-iscii-be", 57003},
    {"x-iscii-de", 57002}, {"x-iscii-gu", 57010}, {"x-iscii-ka", 57008}, {"x-iscii-ma", 57009},
    {"x-iscii-or", 57007}, {"x-iscii-pa", 57011}, {"x-iscii-ta", 57004}, {"x-iscii-te", 57005},
    {"x-mac-arabic", 10004}, {"x-mac-ce", 10029}, {"x-mac-chinesesimp", 10008},
    {"x-mac-chinesetrad", 10002}, {"x-mac-croatian", 10082}, {"x-mac-cyrillic", 10007},
    {"x-mac-greek", 10006}, {"x-mac-hebrew", 10005}, {"x-mac-icelandic", 10079}, {"x-mac-japanese", 10001},
    {"x-mac-korean", 10003}, {"x-mac-romanian", 10010}, {"x-mac-thai", 10021}, {"x-mac-turkish", 10081},
    {"x-mac-ukrainian", 10017}, {"x-sjis", 932}, {"x-unicode20utf7", 65000}, {"x-unicode20utf8", 65001},
    {"x-x-big5", 950},
};
constexpr size_t kCharsetCount = sizeof(kCharsets) / sizeof(kCharsets[0]);
static_assert(kCharsetCount == 254);

static_assert(IsSortedByName(kCharsets), "the charset table is searched by halves");

char16_t FoldAscii(char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c; }

// How many continuation bytes a lead byte at or above 0x80 announces; -1 when it announces none
// that the reader accepts.
int ContinuationCount(uint8_t lead) {
    if ((lead & 0x20) == 0) return 1;
    if ((lead & 0x10) == 0) return 2;
    if ((lead & 0x08) == 0) return 3;
    return -1;
}

}  // namespace

bool LooksLikeUtf8(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size() && bytes[i] != '\0') {
        const auto lead = static_cast<uint8_t>(bytes[i++]);
        if (lead < 0x80) {
            continue;
        }
        const int more = ContinuationCount(lead);
        if (more < 0) {
            return false;
        }
        for (int k = 0; k < more; ++k, ++i) {
            if (i >= bytes.size() || (static_cast<uint8_t>(bytes[i]) & 0x80) == 0) {
                return false;
            }
        }
    }
    return true;
}

bool AppendCodePoint(uint32_t codePoint, std::u16string& out) {
    if (codePoint == 0 || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return false;
    }
    if (codePoint < 0x10000) {
        out.push_back(static_cast<char16_t>(codePoint));
    } else {
        codePoint -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (codePoint >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF)));
    }
    return true;
}

void AppendUtf8AsUtf16(std::string_view bytes, std::u16string& out) {
    // Never more units than bytes: write into room made up front, then trim.
    const size_t base = out.size();
    out.resize(base + bytes.size());
    char16_t* const begin = out.data() + base;
    char16_t* to = begin;
    const auto* in = reinterpret_cast<const uint8_t*>(bytes.data());
    const auto* const end = in + bytes.size();
    while (in < end) {
        // Runs of ASCII, sixteen bytes at a time. A block that holds other bytes still widens all
        // sixteen (the room is there: the output never runs ahead of the input) and keeps the
        // units before its first non-ASCII byte, so mixed text needs no second, narrower pass.
#ifdef __SSE2__
        while (end - in >= 16) {
            const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
            const __m128i zero = _mm_setzero_si128();
            _mm_storeu_si128(reinterpret_cast<__m128i*>(to), _mm_unpacklo_epi8(chunk, zero));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(to + 8), _mm_unpackhi_epi8(chunk, zero));
            const int high = _mm_movemask_epi8(chunk);
            if (high != 0) {
                const int ascii = __builtin_ctz(static_cast<unsigned>(high));
                in += ascii;
                to += ascii;
                break;
            }
            in += 16;
            to += 16;
        }
#endif
        while (end - in >= 8) {
            uint64_t word;
            std::memcpy(&word, in, 8);
            if ((word & 0x8080808080808080ull) != 0) {
                break;
            }
            for (int k = 0; k < 8; ++k) {
                to[k] = in[k];
            }
            in += 8;
            to += 8;
        }
        if (in == end) {
            break;
        }
        const uint8_t lead = *in++;
        if (lead < 0x80) {
            *to++ = lead;
            continue;
        }
        const int more = ContinuationCount(lead);
        uint32_t value = more > 0 ? lead & (0x3Fu >> more) : 0;
        // A broken sequence is one "?" from its lead byte up to the first byte that does not continue it.
        int k = 0;
        while (k < more && in < end && (*in & 0x80) != 0) {
            value = (value << 6) | (*in++ & 0x3F);
            ++k;
        }
        if (more <= 0 || k != more || value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
            *to++ = u'?';
        } else if (value < 0x10000) {
            *to++ = static_cast<char16_t>(value);
        } else {
            value -= 0x10000;  // four bytes in, two units out
            *to++ = static_cast<char16_t>(0xD800 + (value >> 10));
            *to++ = static_cast<char16_t>(0xDC00 + (value & 0x3FF));
        }
    }
    out.resize(base + static_cast<size_t>(to - begin));
}

void AppendUtf32AsUtf16(std::string_view bytes, bool bigEndian, std::u16string& out) {
    for (size_t i = 0; i + 4 <= bytes.size(); i += 4) {
        uint32_t value = 0;
        for (int k = 0; k < 4; ++k) {
            const auto b = static_cast<uint8_t>(bytes[i + static_cast<size_t>(bigEndian ? k : 3 - k)]);
            value = (value << 8) | b;
        }
        if (value != 0 && !AppendCodePoint(value, out)) {
            out.push_back(u'?');
        }
    }
}

bool EqualsAsciiNoCase(std::u16string_view text, std::string_view ascii) {
    return text.size() == ascii.size() && StartsWithAsciiNoCase(text, ascii);
}

bool StartsWithAsciiNoCase(std::u16string_view text, std::string_view asciiPrefix) {
    if (text.size() < asciiPrefix.size()) {
        return false;
    }
    for (size_t i = 0; i < asciiPrefix.size(); ++i) {
        if (FoldAscii(text[i]) != FoldAscii(static_cast<char16_t>(asciiPrefix[i]))) {
            return false;
        }
    }
    return true;
}

uint32_t CodePageOfCharset(std::u16string_view name) {
    std::string folded;
    folded.reserve(name.size());
    for (char16_t c : name) {
        if (c >= 0x80) {
            return 0;  // every name in the table is ASCII
        }
        folded.push_back(static_cast<char>(FoldAscii(c)));
    }
    return LookUpName(kCharsets, folded);
}

size_t CharsetTableSize() { return kCharsetCount; }

}  // namespace kx90
