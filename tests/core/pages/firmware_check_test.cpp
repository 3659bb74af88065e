// The firmware check's rules: version numbers and their display, the description file, the
// check's states with stale answers dropped, and downloads that never leave a torn file.
#include "core/pages/firmware_check.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_dir.h"

namespace kx90::pages {
namespace {

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Answers every Fetch with the status and body it was given.
class FakeDownloader : public Downloader {
public:
    DownloadStatus status = DownloadStatus::kOk;
    std::string body;
    int fetches = 0;

    DownloadStatus Fetch(std::u16string_view, const DownloadLimits&, std::string& out,
                         const DownloadProgress&) override {
        ++fetches;
        // A failing transfer may have received part of the body.
        out = status == DownloadStatus::kOk ? body : body.substr(0, body.size() / 2);
        return status;
    }
    void Cancel() override {}
};

TEST(FirmwareCheck, VersionNumbersAndTheirDisplay) {
    struct Case {
        std::u16string_view text;
        uint32_t number;
    } const numbers[] = {{u"12", 12},
                         {u"  +7x", 7},
                         {u"abc", 0},
                         {u"", 0},
                         {u"-3", 0},
                         {u"\t14\n", 14},
                         {u"99999999999", 0xFFFFFFFF}};
    for (const Case& c : numbers) {
        EXPECT_EQ(VersionNumber(c.text), c.number) << std::string(c.text.begin(), c.text.end());
    }
    EXPECT_EQ(FirmwareVersionDisplay(u"12"), u"V 0.1.2");
    EXPECT_EQ(FirmwareVersionDisplay(u"5"), u"V 0.0.5");
    EXPECT_EQ(FirmwareVersionDisplay(u""), u"Unknown");
    EXPECT_EQ(FirmwareVersionDisplay(u"123"), u"V 1.2.3");
    EXPECT_EQ(FirmwareVersionDisplay(u"1024"), u"V 10.2.4");

    const UpdateDescription offer{u"1", u""};
    EXPECT_TRUE(OffersNewer(offer, u"")) << "no mouse counts as version 0";
    EXPECT_FALSE(OffersNewer({u"abc", u""}, u""));
    EXPECT_FALSE(OffersNewer({u"-1", u""}, u"12")) << "a negative version never wraps into a huge one";
    EXPECT_EQ(UpdateDescriptionAddress(u"http://127.0.0.1:8080/"),
              u"http://127.0.0.1:8080/software/KX90/update.xml");
}

TEST(FirmwareCheck, ReadsTheDescriptionsTwoTexts) {
    test::TempDir dir;
    const auto path = dir.path() / "update.xml";
    WriteAll(path,
             "<?xml version=\"1.0\"?>\n<update><firmware><current>13</current>"
             "<newfile>http://example.test/KX90.bin</newfile></firmware></update>");
    const UpdateDescription description = ReadUpdateDescription(path);
    EXPECT_EQ(description.current, u"13");
    EXPECT_EQ(description.newFile, u"http://example.test/KX90.bin");
    WriteAll(path, "<update><firmware>");
    EXPECT_EQ(ReadUpdateDescription(path).current, u"");
    EXPECT_EQ(ReadUpdateDescription(dir.path() / "missing.xml").current, u"");
}

TEST(FirmwareCheck, LocalOfferNeedsANewerVersionAndTheImage) {
    FirmwareCheck check;
    EXPECT_EQ(check.Begin({u"14", u""}, true, u"12"), FirmwareCheck::Start::kAskLocal);
    EXPECT_EQ(check.Begin({u"14", u""}, true, u"12"), FirmwareCheck::Start::kBusy) << "a second press";
    check.Finish();
    EXPECT_EQ(check.Begin({u"14", u""}, false, u"12"), FirmwareCheck::Start::kOnline)
        << "without the image the installed description offers nothing";
    check.Finish();
    EXPECT_EQ(check.Begin({u"12", u""}, true, u"12"), FirmwareCheck::Start::kOnline);
    EXPECT_NE(check.PendingRequest(), 0u);
}

TEST(FirmwareCheck, OnlineAnswersAndTheTimeOut) {
    struct Case {
        const char* what;
        DownloadStatus status;
        std::u16string current;
        FirmwareCheck::Answer answer;
    } const cases[] = {
        {"server offers 13", DownloadStatus::kOk, u"13", FirmwareCheck::Answer::kAsk},
        {"server has 12", DownloadStatus::kOk, u"12", FirmwareCheck::Answer::kLatest},
        {"server says abc", DownloadStatus::kOk, u"abc", FirmwareCheck::Answer::kLatest},
        {"download failed", DownloadStatus::kFailed, u"13", FirmwareCheck::Answer::kCouldNotCheck},
        {"too large", DownloadStatus::kTooLarge, u"", FirmwareCheck::Answer::kCouldNotCheck},
    };
    for (const Case& c : cases) {
        FirmwareCheck check;
        ASSERT_EQ(check.Begin({u"12", u""}, true, u"12"), FirmwareCheck::Start::kOnline);
        EXPECT_EQ(check.OnDescription(check.PendingRequest(), c.status, {c.current, u""}, u"12"), c.answer)
            << c.what;
        EXPECT_EQ(check.Idle(), c.answer != FirmwareCheck::Answer::kAsk) << c.what;
    }

    // A silent server: the time-out ends the wait, the late answer is dropped, and a new check
    // waits for its own answer only.
    FirmwareCheck check;
    check.Begin({}, false, u"12");
    const uint32_t first = check.PendingRequest();
    EXPECT_TRUE(check.OnTimeOut());
    EXPECT_FALSE(check.OnTimeOut());
    EXPECT_EQ(check.OnDescription(first, DownloadStatus::kOk, {u"13", u""}, u"12"),
              FirmwareCheck::Answer::kIgnore);
    ASSERT_EQ(check.Begin({}, false, u"12"), FirmwareCheck::Start::kOnline);
    EXPECT_EQ(check.OnDescription(first, DownloadStatus::kOk, {u"13", u""}, u"12"),
              FirmwareCheck::Answer::kIgnore);
    EXPECT_EQ(check.OnDescription(check.PendingRequest(), DownloadStatus::kOk, {u"13", u""}, u"12"),
              FirmwareCheck::Answer::kAsk);
    EXPECT_FALSE(check.OnTimeOut()) << "the answer came: no time-out any more";

    const uint32_t image = check.DownloadImage();
    EXPECT_EQ(check.OnImage(first, DownloadStatus::kOk), FirmwareCheck::ImageAnswer::kIgnore);
    EXPECT_EQ(check.OnImage(image, DownloadStatus::kFailed), FirmwareCheck::ImageAnswer::kFailed);
    EXPECT_TRUE(check.Idle());
}

TEST(FirmwareCheck, DownloadsReplaceTheTargetOnlyWhenComplete) {
    test::TempDir dir;
    const auto target = dir.path() / "update.xml";
    WriteAll(target, "installed");
    FakeDownloader downloader;
    downloader.body = "downloaded description";

    for (DownloadStatus failure :
         {DownloadStatus::kFailed, DownloadStatus::kTimedOut, DownloadStatus::kCancelled}) {
        downloader.status = failure;
        EXPECT_EQ(DownloadToFile(downloader, u"http://h/u.xml", target, kDescriptionLimits), failure);
        EXPECT_EQ(ReadAll(target), "installed");
    }
    EXPECT_EQ(DownloadToFile(downloader, u"file:///etc/passwd", target, kDescriptionLimits),
              DownloadStatus::kRefused);
    EXPECT_EQ(DownloadToFile(downloader, u"ftp://h/u.xml", target, kDescriptionLimits),
              DownloadStatus::kRefused);
    EXPECT_EQ(downloader.fetches, 3) << "refused addresses are never fetched";

    downloader.status = DownloadStatus::kOk;
    EXPECT_EQ(DownloadToFile(downloader, u"HTTPS://h/u.xml", target, kDescriptionLimits),
              DownloadStatus::kOk);
    EXPECT_EQ(ReadAll(target), "downloaded description");

    // An image cut off leaves no file at all where there was none.
    const auto image = dir.path() / "NorviGameDevice.bin";
    downloader.status = DownloadStatus::kFailed;
    downloader.body = std::string(4096, 'x');
    EXPECT_EQ(DownloadToFile(downloader, u"http://h/i.bin", image, kImageLimits), DownloadStatus::kFailed);
    EXPECT_FALSE(std::filesystem::exists(image));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1)
        << "no temporary file left";
}

TEST(FirmwareCheck, WebAddresses) {
    EXPECT_TRUE(IsWebAddress(u"http://127.0.0.1:8000/x"));
    EXPECT_TRUE(IsWebAddress(u"HTTPS://example.test"));
    EXPECT_FALSE(IsWebAddress(u"http://"));
    EXPECT_FALSE(IsWebAddress(u"http:///x"));
    EXPECT_FALSE(IsWebAddress(u"C:\\flash.bin"));
    EXPECT_FALSE(IsWebAddress(u"javascript:alert(1)"));
}

}  // namespace
}  // namespace kx90::pages
