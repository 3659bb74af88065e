// factory OUTPUT_FOLDER: writes the configuration files the installation ships (Macro.cfg,
// Language.cfg, Sts.cfg, Profile\...) and skins\languagetype.ini of an English installation.
#include <cstdio>
#include <filesystem>
#include <span>
#include <system_error>

#include "core/platform/file_io.h"
#include "core/profile/factory_files.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: factory OUTPUT_FOLDER\n");
        return 2;
    }
    const std::filesystem::path out = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(out / "skins", ec);
    if (!kx90::WriteFactoryFiles(out)) {
        std::fprintf(stderr, "factory: could not write the configuration files into %s\n", argv[1]);
        return 1;
    }
    const std::span<const uint8_t> iniBytes(reinterpret_cast<const uint8_t*>(kx90::kLanguageTypeIni.data()),
                                            kx90::kLanguageTypeIni.size());
    if (kx90::WriteFileAtomically(out / "skins" / "languagetype.ini", iniBytes) != kx90::FileStatus::kOk) {
        std::fprintf(stderr, "factory: could not write skins/languagetype.ini into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
