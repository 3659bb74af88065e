// kx90ctl set: sensitivity levels, report rate and lighting sent straight to the mouse.
#include <charconv>
#include <sstream>

#include "core/device/device_protocol.h"
#include "core/profile/profile_record.h"
#include "linux/kx90ctl/kx90ctl_internal.h"

namespace kx90::ctl {
namespace {

struct RateRow {
    const char* hz;
    uint32_t code;
};
constexpr RateRow kRates[] = {{"1000", kReportRate1000Hz},
                              {"500", kReportRate500Hz},
                              {"250", kReportRate250Hz},
                              {"125", kReportRate125Hz}};

struct LightRow {
    const char* name;
    uint32_t mode;
};
constexpr LightRow kLightModes[] = {
    {"steady", kLightingSteady},     {"breathing", kLightingBreathing},   {"apm", kLightingApmBreathing},
    {"spectrum", kLightingSpectrum}, {"multicolor", kLightingMultiColor}, {"off", kLightingOff},
};

int SetUsage(const Environment& env, const std::string& problem) {
    env.err << "kx90ctl: " << problem << "\nTry 'kx90ctl --help'.\n";
    return kExitUsage;
}

bool ParseNumber(std::string_view text, uint32_t& value, int base = 10) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return ec == std::errc() && end == text.data() + text.size() && !text.empty();
}

int Refused(const Environment& env, const char* what) {
    env.err << "kx90ctl: the mouse refused the " << what << "\n";
    return kExitWriteFailed;
}

int SetDpi(const std::string& list, const Environment& env) {
    std::array<uint32_t, kDpiLevelCount> levels{};
    std::istringstream items(list);
    std::string item;
    size_t count = 0;
    while (std::getline(items, item, ',')) {
        uint32_t value = 0;
        if (count == levels.size()) {
            return SetUsage(env, "set dpi: at most 7 levels");
        }
        if (!ParseNumber(item, value) || SensitivityCode(value) == kEmptyDpiCode) {
            return SetUsage(env, "set dpi: '" + item + "' is not a sensitivity the mouse has");
        }
        levels[count++] = value;
    }
    if (count == 0) {
        return SetUsage(env, "set dpi needs at least one level");
    }
    int code = kExitOk;
    const auto mouse = OpenMouse(env, code);
    if (!mouse) {
        return code;
    }
    const DpiTable table = BuildDpiTable(levels);
    if (!mouse->driver->WriteDpiTable(table.bytes.data(), kDpiTableBytes)) {
        return Refused(env, "sensitivity table");
    }
    mouse->driver->SelectDpiLevel(SelectedDpiLevel(table.usedLevels));
    env.out << "sensitivity levels set: " << list << "\n";
    return kExitOk;
}

int SetRate(const std::string& hz, const Environment& env) {
    for (const RateRow& row : kRates) {
        if (hz != row.hz) {
            continue;
        }
        int code = kExitOk;
        const auto mouse = OpenMouse(env, code);
        if (!mouse) {
            return code;
        }
        if (!mouse->driver->WriteReportRate(static_cast<int>(row.code))) {
            return Refused(env, "report rate");
        }
        env.out << "report rate set: " << hz << " Hz\n";
        return kExitOk;
    }
    return SetUsage(env, "set rate: '" + hz + "' is not 125, 250, 500 or 1000");
}

// Lighting as a profile with the factory defaults and this mode and colour would send it.
int SetLight(const std::vector<std::string>& args, const Environment& env) {
    const LightRow* row = nullptr;
    for (const LightRow& r : kLightModes) {
        if (args[2] == r.name) {
            row = &r;
        }
    }
    if (row == nullptr) {
        return SetUsage(env, "set light: '" + args[2] + "' is not a lighting mode");
    }
    auto record = std::make_unique<ProfileRecord>();
    ResetToDefaults(*record);
    record->lightingMode = row->mode;
    if (args.size() == 4) {
        uint32_t rgb = 0;
        if (args[3].size() != 6 || !ParseNumber(args[3], rgb, 16)) {
            return SetUsage(env, "set light: the colour is six hexadecimal digits RRGGBB");
        }
        // RRGGBB to COLORREF 0x00BBGGRR.
        record->colors[3] = ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
    }
    int code = kExitOk;
    const auto mouse = OpenMouse(env, code);
    if (!mouse) {
        return code;
    }
    if (!mouse->driver->WriteLedColor(record->colors[3])) {
        return Refused(env, "colour");
    }
    const LightingEffect effect = LightingEffectOf(*record);
    if (!mouse->driver->WriteLightingEffect(effect.mode, effect.p1, effect.p2)) {
        return Refused(env, "lighting mode");
    }
    if (record->lightingMode == kLightingMultiColor && record->multiColorOn == 1) {
        const auto payload = BuildMultiColorPayload(std::span<const uint32_t, 3>(record->colors, 3));
        if (!mouse->driver->WriteMultiColors(payload.data(), kMultiColorBytes)) {
            return Refused(env, "three colours");
        }
    }
    env.out << "lighting set: " << args[2] << (args.size() == 4 ? " " + args[3] : std::string()) << "\n";
    return kExitOk;
}

}  // namespace

int RunSet(const std::vector<std::string>& args, const Environment& env) {
    if (args.size() < 3) {
        return SetUsage(env, "set needs what to set and its value");
    }
    if (args[1] == "dpi" && args.size() == 3) {
        return SetDpi(args[2], env);
    }
    if (args[1] == "rate" && args.size() == 3) {
        return SetRate(args[2], env);
    }
    if (args[1] == "light" && args.size() <= 4) {
        return SetLight(args, env);
    }
    return SetUsage(env, "set: unknown setting or wrong number of values");
}

}  // namespace kx90::ctl
