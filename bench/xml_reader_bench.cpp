// Load, index and look-up times of the XML reader against pugixml's DOM parse of the same bytes:
// a language file with all its keys, and a generated 1 MB UTF-8 document. Prints the ratios last.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <pugixml.hpp>
#include <string>

#include "core/i18n/language_strings.h"
#include "core/i18n/xml_document.h"

namespace {

const std::filesystem::path kEnglishFile = std::filesystem::path(KX90_SOURCE_DIR) / "assets/Language/en.xml";

// About 1 MB of UTF-8: sections of keyed entries with attributes, non-ASCII text, references,
// comments and CDATA, the mix a language or update file has, only much more of it.
const std::string& GeneratedDocument() {
    static const std::string document = [] {
        std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<root>\n";
        for (int section = 0; xml.size() < (1u << 20); ++section) {
            xml += "  <section id=\"" + std::to_string(section) + "\" name='s&amp;" + std::to_string(section) + "'>\n";
            xml += "    <!-- section " + std::to_string(section) + " -->\n";
            for (int key = 0; key < 20; ++key) {
                xml += "    <str_key" + std::to_string(key) + " lang=\"en\">Text " + std::to_string(key) +
                       " caf\xC3\xA9 \xE4\xB8\xAD\xE6\x96\x87 &lt;ok&gt;</str_key" + std::to_string(key) + ">\n";
            }
            xml += "    <raw><![CDATA[<b>bold</b>]]></raw>\n    <empty/>\n  </section>\n";
        }
        return xml + "</root>\n";
    }();
    return document;
}

void BM_OursLanguageFile(benchmark::State& state) {
    for (auto _ : state) {
        const kx90::LanguageStrings strings = kx90::LoadLanguageStrings(kEnglishFile);
        benchmark::DoNotOptimize(strings.str_firmware_version.data());
    }
}
BENCHMARK(BM_OursLanguageFile)->Unit(benchmark::kMicrosecond);

void BM_PugiLanguageFile(benchmark::State& state) {
    for (auto _ : state) {
        pugi::xml_document document;
        document.load_file(kEnglishFile.c_str());
        const pugi::xml_node config = document.document_element().child("config");
        size_t total = 0;
        for (std::string_view key : kx90::kLanguageKeys) {
            total += std::char_traits<char>::length(config.child(std::string(key).c_str()).text().get());
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_PugiLanguageFile)->Unit(benchmark::kMicrosecond);

void BM_OursParse1MB(benchmark::State& state) {
    const std::string& bytes = GeneratedDocument();
    kx90::CXmlDocument document;
    for (auto _ : state) {
        document.LoadBytes(bytes);
        benchmark::DoNotOptimize(document.ElementCount());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_OursParse1MB)->Unit(benchmark::kMicrosecond);

void BM_PugiParse1MB(benchmark::State& state) {
    const std::string& bytes = GeneratedDocument();
    for (auto _ : state) {
        pugi::xml_document document;
        document.load_buffer(bytes.data(), bytes.size());
        benchmark::DoNotOptimize(document.first_child());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_PugiParse1MB)->Unit(benchmark::kMicrosecond);

// About 1 MB of hostile input, to show the reader stays linear: 0 = deep nesting never closed,
// 1 = lone end tags under a deep stack, 2 = outer end tags that close long runs of open elements,
// 3 = unterminated quotes and comments.
std::string HostileDocument(int kind) {
    std::string xml = "<r>";
    for (int i = 0; xml.size() < (1u << 20); ++i) {
        const std::string n = std::to_string(i % 5000);
        switch (kind) {
            case 0: xml += "<a" + n + "><b/>"; break;
            case 1: xml += i < 50000 ? "<a" + n + ">" : "</z" + n + ">"; break;
            case 2: xml += (i % 100 == 99) ? "</a" + std::to_string(i - 99) + ">" : "<a" + std::to_string(i) + "><b/>"; break;
            default: xml += "<a x='" + n + "><!-- <![CDATA[ <!DOCTYPE [ "; break;
        }
    }
    return xml;
}

void BM_OursHostile1MB(benchmark::State& state) {
    const std::string bytes = HostileDocument(static_cast<int>(state.range(0)));
    kx90::CXmlDocument document;
    for (auto _ : state) {
        document.LoadBytes(bytes);
        kx90::GetSectionText(document, u"config", u"str_ok");
        benchmark::DoNotOptimize(document.ElementCount());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_OursHostile1MB)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// Keeps each benchmark's CPU time per iteration (steadier than wall time on a shared machine) so
// the ratios can be printed after the table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            microseconds[run.benchmark_name()] = run.GetAdjustedCPUTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> microseconds;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto& t = reporter.microseconds;
    if (t.count("BM_OursParse1MB") && t.count("BM_PugiParse1MB")) {
        std::printf("1 MB document: ours / pugixml = %.2f (target: at most 1.3)\n",
                    t["BM_OursParse1MB"] / t["BM_PugiParse1MB"]);
    }
    if (t.count("BM_OursLanguageFile") && t.count("BM_PugiLanguageFile")) {
        std::printf("en.xml with 114 look-ups: ours %.1f us (target: under 100), ours / pugixml = %.2f\n",
                    t["BM_OursLanguageFile"], t["BM_OursLanguageFile"] / t["BM_PugiLanguageFile"]);
    }
    benchmark::Shutdown();
    return 0;
}
