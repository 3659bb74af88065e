// CXmlDocument's file reader: byte-order marks, declared encodings, the UTF-8 test and conversion.
#include "core/i18n/xml_document.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>
#include <iterator>

#include "core/i18n/text_encoding.h"

namespace kx90 {
namespace {

constexpr size_t kProbeBytes = 1024;

void AppendAscii(std::u16string& out, std::string_view ascii) {
    for (char c : ascii) {
        out.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
    }
}

void AppendCount(std::u16string& out, std::string_view before, size_t count, std::string_view after) {
    AppendAscii(out, before);
    AppendAscii(out, std::to_string(count));
    AppendAscii(out, after);
}

std::FILE* OpenForReading(const std::filesystem::path& path) {
#ifdef _WIN32
    return _wfopen(path.c_str(), L"rb");
#else
    return std::fopen(path.c_str(), "rb");
#endif
}

// The word after "charset" and "=" in the content attribute of an html meta element.
std::u16string_view CharsetOfContent(std::u16string_view content) {
    for (size_t at = 0; at + 7 <= content.size(); ++at) {
        if (!StartsWithAsciiNoCase(content.substr(at), "charset")) {
            continue;
        }
        size_t i = at + 7;
        while (i < content.size() && IsXmlSpace(content[i])) ++i;
        if (i >= content.size() || content[i] != u'=') {
            continue;
        }
        ++i;
        while (i < content.size() && IsXmlSpace(content[i])) ++i;
        const size_t begin = i;
        while (i < content.size() && !IsXmlSpace(content[i]) && content[i] != u';' && content[i] != u'"' &&
               content[i] != u'\'') {
            ++i;
        }
        return content.substr(begin, i - begin);
    }
    return {};
}

bool IsNamed(std::u16string_view text, const XmlNode& node, std::string_view name) {
    return EqualsAsciiNoCase(text.substr(node.nameStart, node.nameLength), name);
}

// The encoding the start of a document declares: in an xml declaration at offset 0, or in a
// Content-Type meta element of an html head.
std::u16string DeclaredEncoding(std::u16string_view probe) {
    if (probe.empty()) {
        return {};
    }
    XmlNode node = ScanXmlNode(probe, 0);
    if (node.kind == XmlNodeKind::kProcessingInstruction) {
        const std::u16string_view target = probe.substr(2, node.length - 2);
        if (StartsWithAsciiNoCase(target, "xml") && (target.size() == 3 || IsNameTerminator(target[3]))) {
            return std::u16string(FindXmlAttribute(probe.substr(0, node.length), "encoding").value_or(u""));
        }
    }
    size_t pos = 0;
    bool inHtml = false;
    while (pos < probe.size()) {
        node = ScanXmlNode(probe, pos);
        pos += node.length;
        if (node.unterminated) {
            break;
        }
        if (node.kind == XmlNodeKind::kElement) {
            if (!inHtml) {
                if (!IsNamed(probe, node, "html")) {
                    break;  // any other first element: nothing declared
                }
                inHtml = true;
                continue;
            }
            const std::u16string_view tag = probe.substr(node.start, node.length);
            if (IsNamed(probe, node, "meta") &&
                EqualsAsciiNoCase(FindXmlAttribute(tag, "http-equiv").value_or(u""), "Content-Type")) {
                const std::u16string_view charset = CharsetOfContent(FindXmlAttribute(tag, "content").value_or(u""));
                if (!charset.empty()) {
                    return std::u16string(charset);
                }
            }
        } else if (node.kind == XmlNodeKind::kEndTag && inHtml && IsNamed(probe, node, "head")) {
            break;
        }
    }
    return {};
}

}  // namespace

bool CXmlDocument::LoadFile(const std::filesystem::path& path) {
    errno = 0;
    std::FILE* file = OpenForReading(path);
    int error = file == nullptr ? errno : 0;
    std::string bytes;
    if (file != nullptr) {
        char chunk[64 * 1024];
        size_t got = 0;
        while (bytes.size() <= kMaxXmlFileBytes && (got = std::fread(chunk, 1, sizeof(chunk), file)) > 0) {
            bytes.append(chunk, got);
        }
        if (std::ferror(file)) {
            error = errno != 0 ? errno : EIO;  // for example a folder, which opens but cannot be read
        } else if (bytes.size() > kMaxXmlFileBytes) {
            error = EFBIG;
        }
        std::fclose(file);
    }
    if (file == nullptr || error != 0) {
        LoadBytes({});
        result_.clear();
        std::string message = std::generic_category().message(error != 0 ? error : EIO);
        AppendUtf8AsUtf16(message.substr(0, message.find('\n')), result_);
        return false;
    }
    return LoadBytes(bytes);
}

bool CXmlDocument::LoadBytes(std::string_view bytes) {
    text_.clear();
    encoding_.clear();
    result_.clear();
    documentFlags_ = 0;
    DecodeBytes(bytes);
    Parse();
    Rewind();
    return wellFormed_;
}

void CXmlDocument::DecodeBytes(std::string_view bytes) {
    bool mark = true;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        encoding_ = u"UTF-8";
        documentFlags_ |= kXmlUtf8Mark;
        bytes.remove_prefix(3);
    } else if (bytes.substr(0, 2) == "\xFF\xFE") {
        encoding_ = u"UTF-16LE";
        documentFlags_ |= kXmlUtf16LeFile;
        bytes.remove_prefix(2);
    } else if (bytes.substr(0, 2) == "\xFE\xFF") {
        encoding_ = u"UTF-16BE";
        documentFlags_ |= kXmlUtf16BeFile;
        bytes.remove_prefix(2);
    } else {
        mark = false;
        std::u16string probe;
        AppendUtf8AsUtf16(bytes.substr(0, kProbeBytes), probe);
        encoding_ = DeclaredEncoding(probe);
        if (encoding_.empty() && !bytes.empty() && bytes[0] == '<') {
            encoding_ = u"UTF-8";
        }
    }
    if (encoding_.empty()) {
        AppendAscii(result_, "ANSI ");
    } else {
        result_.append(encoding_);
        AppendAscii(result_, mark ? " BOM + " : " ");
    }
    if (bytes.empty()) {
        AppendAscii(result_, "0 length ");
        return;
    }

    if ((documentFlags_ & (kXmlUtf16LeFile | kXmlUtf16BeFile)) != 0) {
        const bool swap = (documentFlags_ & kXmlUtf16BeFile) != 0;
        const size_t units = bytes.size() / 2;
        AppendCount(result_, "length ", units, " ");
        text_.resize(units);
        size_t kept = 0;
        for (size_t i = 0; i < units; ++i) {
            const auto b0 = static_cast<uint8_t>(bytes[2 * i]);
            const auto b1 = static_cast<uint8_t>(bytes[2 * i + 1]);
            const auto unit = static_cast<char16_t>(swap ? (b0 << 8) | b1 : b0 | (b1 << 8));
            text_[kept] = unit;
            kept += unit != 0 ? 1 : 0;
        }
        text_.resize(kept);
        if (text_.size() != units) {
            AppendCount(result_, "(", units - text_.size(), " nulls removed) ");
        }
        if (swap) {
            AppendAscii(result_, "endian swap ");
        }
    } else {
        AppendCount(result_, "length ", bytes.size(), " ");
        std::string withoutZeros;
        std::string_view body = bytes;
        if (std::memchr(bytes.data(), 0, bytes.size()) != nullptr) {
            withoutZeros.reserve(bytes.size());
            std::remove_copy(bytes.begin(), bytes.end(), std::back_inserter(withoutZeros), '\0');
            body = withoutZeros;
            AppendCount(result_, "(", bytes.size() - body.size(), " nulls removed) ");
        }
        if (encoding_.empty() && LooksLikeUtf8(body)) {
            encoding_ = u"UTF-8";
            AppendAscii(result_, "(used UTF-8 detection) ");
        }
        if (StartsWithAsciiNoCase(encoding_, "UTF-32")) {
            // UTF-32 is read from the bytes as they were: its zero bytes are part of every character.
            AppendUtf32AsUtf16(bytes, EqualsAsciiNoCase(encoding_, "UTF-32BE"), text_);
        } else {
            ConvertEightBit(body, CodePageOfCharset(encoding_));
        }
    }
    AppendCount(result_, "to ", text_.size(), " wide chars ");
}

void CXmlDocument::ConvertEightBit(std::string_view body, uint32_t codePage) {
    // UTF-16 named without a mark: its zero bytes are gone, so what is left reads as UTF-8.
    if (codePage == kCodePageUtf8 || codePage == 1200 || codePage == 1201) {
        AppendUtf8AsUtf16(body, text_);
        return;
    }
    const uint32_t system = codePages_->SystemCodePage();
    if (codePages_->ToUtf16(codePage != 0 ? codePage : system, body, text_) ||
        codePages_->ToUtf16(system, body, text_)) {
        return;
    }
    for (char c : body) {  // no conversion available at all: keep the bytes as Latin-1
        text_.push_back(static_cast<uint8_t>(c));
    }
}

}  // namespace kx90
