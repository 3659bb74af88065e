// The XML reader: encodings, the element index, navigation, text content and hostile input.
#include "core/i18n/xml_document.h"

#include <gtest/gtest.h>

#include <string>

#include "core/i18n/character_references.h"
#include "core/i18n/text_encoding.h"
#include "support/temp_dir.h"

namespace kx90 {
namespace {

using namespace std::string_literals;

std::u16string KeyText(CXmlDocument& document, std::u16string_view key) {
    return GetSectionText(document, u"config", key);
}

std::string Utf16Bytes(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t unit : text) {
        const char low = static_cast<char>(unit & 0xFF);
        const char high = static_cast<char>(unit >> 8);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

std::u16string SystemCodePageText(std::string_view bytes) {
    std::u16string text;
    SystemCodePages().ToUtf16(SystemCodePages().SystemCodePage(), bytes, text);
    return text;
}

struct EncodingCase {
    const char* what;
    std::string bytes;
    std::u16string expected;  // the text of key k
    std::u16string encoding;
};

TEST(XmlDocumentEncoding, FilesDecodeByMarkDeclarationOrTest) {
    const std::string body = "<r><config><k>caf\xC3\xA9 \xE4\xB8\xAD\xF0\x9F\x98\x80</k></config></r>";
    const std::u16string decoded = u"café 中\U0001F600";
    const EncodingCase cases[] = {
        {"UTF-8 starting with <, no mark, no declaration", body, decoded, u"UTF-8"},
        {"UTF-8 mark", "\xEF\xBB\xBF" + body, decoded, u"UTF-8"},
        {"blank line first, passes the UTF-8 test", "\r\n" + body, decoded, u"UTF-8"},
        {"declared GB2312", "<?xml version=\"1.0\" encoding=\"GB2312\"?><r><config><k>\xD6\xD0\xCE\xC4</k></config></r>",
         u"中文", u"GB2312"},
        {"declared windows-1252, name in capitals",
         "<?xml version='1.0' encoding='WINDOWS-1252'?><r><config><k>\x80 caf\xE9</k></config></r>", u"€ café",
         u"WINDOWS-1252"},
        {"declared in an html head",
         "<html><head><title>x</title><meta http-equiv=\"content-type\" content=\"text/html; charset=gbk\">"
         "</head><config><k>\xD6\xD0</k></config></html>",
         u"中", u"gbk"},
        {"malformed UTF-8 sequence in a UTF-8 file", "\xEF\xBB\xBF<r><config><k>a\xE4\xB8z</k></config></r>", u"a?z",
         u"UTF-8"},
        {"UTF-16 declared without a mark reads as its bytes", "<?xml version=\"1.0\" encoding=\"utf-16\"?>"
         "<r><config><k>v</k></config></r>", u"v", u"utf-16"},
    };
    for (const auto& c : cases) {
        CXmlDocument document;
        document.LoadBytes(c.bytes);
        EXPECT_EQ(KeyText(document, u"k"), c.expected) << c.what;
        EXPECT_EQ(document.Encoding(), c.encoding) << c.what;
    }
}

TEST(XmlDocumentEncoding, BlankLineFirstAndNotUtf8ReadsAsTheSystemCodePage) {
    const std::string bytes = "\n<r><config><k>caf\xE9</k></config></r>";
    CXmlDocument document;
    document.LoadBytes(bytes);
    EXPECT_TRUE(document.Encoding().empty());
    EXPECT_EQ(document.Text(), SystemCodePageText(bytes));
    EXPECT_EQ(KeyText(document, u"k"), SystemCodePageText("caf\xE9"));
    EXPECT_EQ(document.ResultText().substr(0, 5), u"ANSI ");
}

TEST(XmlDocumentEncoding, Utf16BigEndianReadsLikeItsLittleEndianTwin) {
    const std::u16string text = u"<r>\0<config><k>中文 \U0001F600</k></config></r>"s;
    CXmlDocument little;
    CXmlDocument big;
    little.LoadBytes(Utf16Bytes(text, false));
    big.LoadBytes(Utf16Bytes(text, true));
    EXPECT_EQ(little.Text(), big.Text());
    EXPECT_EQ(little.Text().find(u'\0'), std::u16string::npos) << "zero units are removed";
    EXPECT_EQ(KeyText(big, u"k"), u"中文 \U0001F600");
    EXPECT_EQ(big.DocumentFlags(), kXmlUtf16BeFile);
    EXPECT_EQ(little.DocumentFlags(), kXmlUtf16LeFile);
    EXPECT_NE(big.ResultText().find(u"endian swap"), std::u16string::npos);
}

TEST(XmlDocumentEncoding, ZeroByteInsideAnEightBitFileDisappears) {
    CXmlDocument document;
    document.LoadBytes("<r><config><k>O\0K</k></config></r>"s);
    EXPECT_EQ(KeyText(document, u"k"), u"OK");
    EXPECT_NE(document.ResultText().find(u"(1 nulls removed)"), std::u16string::npos);
}

TEST(XmlDocumentEncoding, CharsetTableMapsNamesToCodePages) {
    EXPECT_EQ(CharsetTableSize(), 254u);
    const std::pair<std::u16string_view, uint32_t> names[] = {
        {u"utf-8", 65001},      {u"UTF-8", 65001},      {u"utf-16", 1200},     {u"Unicode", 1200},
        {u"gb2312", 936},       {u"GBK", 936},          {u"chinese", 936},     {u"big5", 950},
        {u"Shift_JIS", 932},    {u"euc-kr", 949},       {u"iso-8859-1", 28591}, {u"latin1", 28591},
        {u"windows-1252", 1252}, {u"koi8-r", 20866},    {u"us-ascii", 20127},  {u"utf-7", 65000},
        {u"no-such-charset", 0}, {u"", 0},              {u"utf-8\u00e9", 0},
    };
    for (const auto& [name, codePage] : names) {
        EXPECT_EQ(CodePageOfCharset(name), codePage) << std::string(name.begin(), name.end());
    }
}

TEST(XmlDocumentLoad, UnreadableFileLeavesAnEmptyDocument) {
    test::TempDir dir;
    std::filesystem::create_directory(dir / "folder.xml");
    for (const char* name : {"missing.xml", "folder.xml"}) {
        CXmlDocument document;
        document.LoadBytes("<r><config><k>v</k></config></r>");
        EXPECT_FALSE(document.LoadFile(dir / name)) << name;
        EXPECT_TRUE(document.Text().empty()) << name;
        EXPECT_EQ(document.ElementCount(), 1u) << name;
        EXPECT_EQ(KeyText(document, u"k"), u"") << name;
        EXPECT_FALSE(document.ResultText().empty()) << name << ": the system's error text";
    }
}

TEST(XmlDocumentLoad, FileOnDiskLoadsLikeItsBytes) {
    test::TempDir dir;
    test::WriteAllBytes(dir / "f.xml", {'<', 'r', '>', '<', 'c', 'o', 'n', 'f', 'i', 'g', '>', '<', 'k', '>', 'v',
                                        '<', '/', 'k', '>', '<', '/', 'c', 'o', 'n', 'f', 'i', 'g', '>', '<', '/',
                                        'r', '>'});
    CXmlDocument document;
    EXPECT_TRUE(document.LoadFile(dir / "f.xml"));
    EXPECT_EQ(KeyText(document, u"k"), u"v");
}

TEST(XmlDocumentParse, IndexRecordsHoldTheTreeAndTheTagLengths) {
    CXmlDocument document;
    ASSERT_TRUE(document.LoadBytes("<r a='>'><x>1</x><y/><z>2</z></r>"));
    ASSERT_EQ(document.ElementCount(), 5u);
    const ElementRecord& root = document.Element(1);
    EXPECT_EQ(document.Element(0).firstChild, 1u);
    EXPECT_EQ(root.start, 0u);
    EXPECT_EQ(root.length, 33u);
    EXPECT_EQ(root.StartTagLength(), 9u) << "a quoted > does not end the tag";
    EXPECT_EQ(root.EndTagLength(), 4u);
    EXPECT_EQ(root.firstChild, 2u);
    EXPECT_EQ(document.Element(2).previousSibling, 4u) << "the first child points at the last";
    EXPECT_EQ(document.Element(2).nextSibling, 3u);
    EXPECT_EQ(document.Element(4).previousSibling, 3u);
    EXPECT_EQ(document.Element(2).flags, kElementFirstChild | 1u);
    EXPECT_EQ(document.Element(3).flags, kElementEmptyTag | 1u);
    EXPECT_EQ(document.Element(3).length, 4u);
    EXPECT_EQ(document.ElementName(4), u"z");
    EXPECT_EQ(document.ResultText(), u"UTF-8 length 33 to 33 wide chars ");
}

TEST(XmlDocumentParse, SecondTopLevelElementIsUnreachable) {
    CXmlDocument document;
    EXPECT_FALSE(document.LoadBytes("<a><config><k>1</k></config></a><b><config><j>2</j></config></b>"));
    EXPECT_EQ(KeyText(document, u"k"), u"1");
    EXPECT_EQ(KeyText(document, u"j"), u"");
    EXPECT_NE(document.ResultText().find(u" Root element has sibling"), std::u16string::npos);
}

TEST(XmlDocumentParse, OuterEndTagClosesTheInnerElementAndItsChildrenMoveUp) {
    CXmlDocument document;
    EXPECT_FALSE(document.LoadBytes("<r><config><open><str_ok>OK</str_ok><deep><str_x>X</str_x></config>"
                                    "<after/></r>"));
    EXPECT_EQ(KeyText(document, u"str_ok"), u"OK");
    EXPECT_EQ(KeyText(document, u"str_x"), u"X");
    // config now holds: open, str_ok, deep, str_x; and r still holds after.
    uint32_t config = document.Element(1).firstChild;
    std::u16string names;
    for (uint32_t e = document.Element(config).firstChild; e != 0; e = document.Element(e).nextSibling) {
        names += document.ElementName(e);
        names += u' ';
        EXPECT_EQ(document.Element(e).parent, config);
    }
    EXPECT_EQ(names, u"open str_ok deep str_x ");
    const uint32_t open = document.Element(config).firstChild;
    EXPECT_NE(document.Element(open).flags & kElementNotEnded, 0u);
    EXPECT_NE(document.Element(config).flags & kElementDescendantIllFormed, 0u);
    EXPECT_EQ(document.ElementName(document.Element(config).nextSibling), u"after");
    EXPECT_NE(document.ResultText().find(u"End tag 'config' at offset 58 does not match start tag 'deep'"),
              std::u16string::npos)
        << std::string(document.ResultText().begin(), document.ResultText().end());
}

TEST(XmlDocumentParse, MalformedMarkupIsRecordedAndSkipped) {
    struct Case {
        const char* xml;
        std::u16string_view error;
    } cases[] = {
        {"<r><config><1bad/><k>v</k></config></r>", u"Incorrect tag name character at offset 11"},
        {"<r><config><!-x-><k>v</k></config></r>", u"Incorrect comment tag at offset 11"},
        {"<r><config><!%x><k>v</k></config></r>", u"Incorrect ! tag at offset 11"},
        {"<r><config></zz><k>v</k></config></r>", u"No start tag for end tag 'zz' at offset 11"},
        {"<r><config><k>v</k><!-- open", u"Comment at offset 19 unterminated"},
        {"<r><config><k>v</k>", u"Element 'config' at offset 3 not ended"},
        {"<!DOCTYPE r [<!ENTITY e \"<k>]>\"> <!-- ] --> <?pi ]?>]><r><config><k>v</k></config></r>", u""},
        {"<!DOCTYPE r [<!BAD x>]><r><config><k>v</k></config></r>", u"Incorrect ! tag at offset 0"},
    };
    for (const auto& c : cases) {
        CXmlDocument document;
        const bool wellFormed = document.LoadBytes(c.xml);
        EXPECT_EQ(KeyText(document, u"k"), u"v") << c.xml;
        const std::u16string& result = document.ResultText();
        if (c.error.empty()) {
            EXPECT_TRUE(wellFormed) << c.xml;
        } else {
            EXPECT_FALSE(wellFormed) << c.xml;
            EXPECT_EQ(result.substr(result.size() - c.error.size()), c.error)
                << c.xml << " -> " << std::string(result.begin(), result.end());
        }
    }
}

TEST(XmlDocumentParse, NothingToIndexIsReported) {
    const std::pair<const char*, std::u16string_view> cases[] = {
        {"", u"0 length  Empty document"},
        {"just text", u" No root element"},
    };
    for (const auto& [xml, ending] : cases) {
        CXmlDocument document;
        EXPECT_FALSE(document.LoadBytes(xml));
        const std::u16string& result = document.ResultText();
        ASSERT_GE(result.size(), ending.size());
        EXPECT_EQ(result.substr(result.size() - ending.size()), ending) << xml;
    }
}

TEST(XmlDocumentNavigate, FindEnterAndChildTextWalkThreeLevels) {
    CXmlDocument document;
    ASSERT_TRUE(document.LoadBytes("<r><a><k>1</k></a><b><k>2</k><k>3</k></b></r>"));
    EXPECT_FALSE(document.EnterElement()) << "no current element yet";
    EXPECT_TRUE(document.FindChildElement(u"b")) << "the root becomes current first";
    EXPECT_EQ(document.CurrentNodeOffset(), 0u);
    EXPECT_EQ(document.CurrentNodeKind(), XmlNodeKind::kElement);
    EXPECT_FALSE(document.FindChildElement(u"a")) << "a comes before the current child";
    EXPECT_TRUE(document.EnterElement());
    EXPECT_TRUE(document.FindChildElement(u"k"));
    EXPECT_EQ(document.GetChildText(), u"2");
    EXPECT_TRUE(document.FindChildElement(u"k"));
    EXPECT_EQ(document.GetChildText(), u"3");
    EXPECT_FALSE(document.FindChildElement(u"k"));
    EXPECT_EQ(document.GetChildText(), u"3") << "a failed search changes nothing";
    EXPECT_FALSE(document.FindElement(u"a")) << "siblings are searched after the current one";
    document.Rewind();
    EXPECT_EQ(document.GetChildText(), u"");
    EXPECT_TRUE(document.FindElement(u"r"));
    EXPECT_FALSE(document.FindElement());
}

TEST(XmlDocumentNavigate, SectionTextSearchesNestedSections) {
    CXmlDocument document;
    document.LoadBytes("<r><other><k>no</k></other><config><x/><config><k>deep</k></config></config></r>");
    EXPECT_EQ(KeyText(document, u"k"), u"deep");
    EXPECT_EQ(KeyText(document, u"missing"), u"");
    EXPECT_EQ(GetSectionText(document, u"nosection", u"k"), u"");
}

TEST(XmlDocumentText, ContentKeepsTextAndCDataAndDropsTheRest) {
    const std::pair<const char*, std::u16string_view> cases[] = {
        {"<k> OK </k>", u" OK "},
        {"<k>A&amp;B</k>", u"A&B"},
        {"<k><![CDATA[<b>]]></k>", u"<b>"},
        {"<k>a<!-- c -->b<?pi x?>c</k>", u"abc"},
        {"<k>  <![CDATA[x&amp;]]>\n</k>", u"x&amp;"},
        {"<k>&lt;<![CDATA[ ]]>&gt;</k>", u"< >"},
        {"<k>text<child/></k>", u""},
        {"<k/>", u""},
        {"<k></k>", u""},
        {"<k>  </k>", u"  "},
    };
    for (const auto& [inner, expected] : cases) {
        CXmlDocument document;
        document.LoadBytes(std::string("<r><config>") + inner + "</config></r>");
        EXPECT_EQ(KeyText(document, u"k"), expected) << inner;
    }
}

TEST(XmlDocumentText, CharacterReferencesDecode) {
    const std::pair<std::u16string_view, std::u16string_view> cases[] = {
        {u"&#65;", u"A"},
        {u"&#x41;", u"A"},
        {u"&#X41;", u"A"},
        {u"&#x1F600;", u"\U0001F600"},
        {u"&amp;&lt;&gt;&quot;&apos;", u"&<>\"'"},
        {u"&AMP;", u"&"},
        {u"&eacute;&Eacute;&EACUTE;", u"éÉé"},
        {u"&euro;&nbsp;&thetasym;", u"€\u00a0ϑ"},
        {u"&unknown;", u"&unknown;"},
        {u"&abcdefghij;", u"&abcdefghij;"},
        {u"&#0;&#x110000;&#xD800;&#;&#x;&#12a;", u"&#0;&#x110000;&#xD800;&#;&#x;&#12a;"},
        {u"& amp;&amp", u"& amp;&amp"},
        {u"&&amp;;", u"&&;"},
        {u"&é;", u"&é;"},
    };
    EXPECT_EQ(EntityTableSize(), 253u);
    for (const auto& [text, expected] : cases) {
        std::u16string decoded;
        AppendDecodedText(text, decoded);
        EXPECT_EQ(decoded, expected) << std::string(text.begin(), text.end());
    }
}

TEST(XmlElementIndex, GrowsByHalfAndKeepsRecordsAcrossPages) {
    ElementIndex index;
    index.Reset(8);
    for (uint32_t i = 0; i < 8; ++i) {
        index[index.Append()].start = i;
    }
    EXPECT_EQ(index.Capacity(), 8u);
    index[index.Append()].start = 8;
    EXPECT_EQ(index.Capacity(), 12u);
    const uint32_t total = 3 * ElementIndex::kPageRecords + 17;
    for (uint32_t i = 9; i < total; ++i) {
        index[index.Append()].start = i;
    }
    ASSERT_EQ(index.Size(), total);
    for (uint32_t i = 0; i < total; ++i) {
        ASSERT_EQ(index[i].start, i);
    }
}

// Input from disk or the network must never crash the reader or make it slow: deep nesting, long
// runs of lone end tags and cascades of unclosed elements all load in one pass.
TEST(XmlDocumentHostile, DeepAndBrokenNestingLoads) {
    const int n = 20000;
    std::string deep;
    for (int i = 0; i < n; ++i) deep += "<a><b/>";
    for (int i = 0; i < n; ++i) deep += "</c></a>";
    std::string cascade = "<r>";
    for (int i = 0; i < n; ++i) cascade += "<a" + std::to_string(i) + "><b/>";
    for (int i = n - 1; i >= 0; i -= 2) cascade += "</a" + std::to_string(i) + ">";
    std::string longTag = "<r><config><k " + std::string(5u << 20, 'x') + ">v</k></config></r>";
    for (const std::string* xml : {&deep, &cascade, &longTag}) {
        CXmlDocument document;
        EXPECT_FALSE(document.LoadBytes(*xml));
        EXPECT_GT(document.ElementCount(), 1u);
        EXPECT_EQ(KeyText(document, u"k"), u"");
    }
}

// The scanner and the decoder work on blocks of units: every node end and every character must come
// out the same wherever it falls inside a block, including near-misses just before the real end.
TEST(XmlNodeScanner, NodeEndsAreFoundAtEveryOffset) {
    struct Case {
        std::u16string open;
        std::u16string body;
        std::u16string close;
        XmlNodeKind kind;
    };
    const Case cases[] = {
        {u"<!--", u"a -- b - > ->", u"-->", XmlNodeKind::kComment},
        {u"<![CDATA[", u"x ]] ]> ]]]", u"]]>", XmlNodeKind::kCData},
        {u"<?pi", u" a ? > ?", u"?>", XmlNodeKind::kProcessingInstruction},
        {u"</e", u" \u00e9", u">", XmlNodeKind::kEndTag},
    };
    for (const Case& c : cases) {
        for (size_t pad = 0; pad < 24; ++pad) {
            const std::u16string node = c.open + std::u16string(pad, u'x') + c.body + c.close;
            const std::u16string text = u"<r>" + node + u"tail>-->]]>?>";
            const XmlNode scanned = ScanXmlNode(text, 3);
            EXPECT_EQ(scanned.kind, c.kind) << pad;
            EXPECT_FALSE(scanned.unterminated) << pad;
            EXPECT_EQ(scanned.length, node.size()) << pad;
            const XmlNode cut = ScanXmlNode(text.substr(0, 3 + node.size() - 1), 3);
            EXPECT_TRUE(cut.unterminated) << pad;
            EXPECT_EQ(cut.length, node.size() - 1) << pad;
        }
    }
}

TEST(Utf8Decoding, MixedTextDecodesTheSameAtEveryAlignment) {
    // é (2 bytes), 中 (3), U+1F600 (4, a surrogate pair), a cut-off sequence, a stray continuation byte.
    const std::string mixed = "\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80\xE4\xB8z\x80";
    const std::u16string expected = u"\u00e9\u4e2d\U0001F600?z?";
    for (size_t lead = 0; lead < 40; ++lead) {
        const std::string bytes = std::string(lead, 'a') + mixed + std::string(1 + lead % 19, 'b') + mixed;
        const std::u16string want =
            std::u16string(lead, u'a') + expected + std::u16string(1 + lead % 19, u'b') + expected;
        std::u16string out = u"kept";
        AppendUtf8AsUtf16(bytes, out);
        EXPECT_EQ(out, u"kept" + want) << lead;
    }
}

}  // namespace
}  // namespace kx90
