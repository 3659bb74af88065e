// The application state: construction in dependency order, the writer thread's start and the
// workers' shutdown.
#include "win/app/app_state.h"

#include "win/device/device_transport_factory.h"

namespace kx90 {
namespace {
std::unique_ptr<HidTransport> TransportOrDefault(std::unique_ptr<HidTransport> given, Clock& clock) {
    return given != nullptr ? std::move(given) : CreateDeviceTransport(clock);
}
}  // namespace

AppState::AppState(AppOptions options)
    : clock(SystemClock()),
      notifier(language),
      skinMenu(options.skinMenuFolder),
      profiles(options.folders, notifier, language),
      macros(options.folders.dataDir, notifier, language, clock),
      hooks(hookManager),
      progress(options.folders.installDir.wstring(), language),
      sink(progress),
      updates(downloader, updateCheckEvent, updateRunFlag),
      pathsOverride_(options.paths),
      checkInstallation_(options.checkInstallation),
      bridgeFolder_(options.bridgeFolder),
      folders_(options.folders),
      transport_(TransportOrDefault(std::move(options.transport), clock)),
      driverHost_(options.bridgeFolder),
      driver(*transport_, clock, driverHost_) {
    // Every save of the user's files also refreshes their mirror (see DataFolders).
    macros.SetFileWriter(MirroredFileWriter(folders_));
}

std::filesystem::path AppState::BridgeFile() const {
    // An empty folder is the usual search, which starts in the program's folder: the installation.
    const std::filesystem::path folder =
        bridgeFolder_.empty() ? folders_.installDir : std::filesystem::path(bridgeFolder_);
    return folder / std::u16string(kBridgeLibrary);
}

AppState::~AppState() {
    StopWorkers();
    hooks.Remove();
}

void AppState::StartWriter() {
    if (writer_ != nullptr) {
        return;
    }
    ProfileWriterParts parts{
        driver, clock, profiles.LiveRecord(), profiles.LiveMacroIds(), macros, hookManager, host, sink};
    writer_ = std::make_unique<ProfileWriter>(parts, applyEvent, writeIdle);
    writer_->Start();
}

void AppState::StopWorkers() {
    updates.Stop(1000);
    if (writer_ != nullptr) {
        writer_->Stop(1000);
    } else {
        applyEvent.Set();
    }
}

}  // namespace kx90
