// kx90ctl dump: every setting of a profile record, one per line, with its meaning.
#include "linux/kx90ctl/profile_text.h"

#include <cstdio>

#include "core/buttons/function_catalogue.h"
#include "linux/kx90ctl/kx90ctl_internal.h"

namespace kx90::ctl {
namespace {

std::string Format(const char* format, auto... values) {
    char text[160];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

// COLORREF 0x00BBGGRR as #RRGGBB.
std::string Colour(uint32_t colorref) {
    return Format("#%02X%02X%02X", colorref & 0xFF, (colorref >> 8) & 0xFF, (colorref >> 16) & 0xFF);
}

std::string ButtonFunction(const ButtonAssignment& b) {
    switch (b.functionCode) {
        case kFunctionKeyCombo:
            return Format("key combination (key-matrix entry %08X)", b.keyCode);
        case kFunctionMacro:
            return Format("macro %u", b.macroId);
        case kFunctionHostAction:
            return Format("runs on the computer (kind %02X): ", b.actionKind) +
                   Narrow(FieldText(b.actionPath));
        default: {
            const std::u16string_view name = GetFunctionName(b.functionCode, PairLanguage::kEnglish);
            return name.empty() ? Format("unknown function %u", b.functionCode)
                                : Format("function %u, ", b.functionCode) + Narrow(name);
        }
    }
}

const char* LightingName(uint32_t mode) {
    switch (mode) {
        case kLightingSteady:
            return "steady";
        case kLightingBreathing:
            return "breathing";
        case kLightingApmBreathing:
            return "apm (breathing with the clicks)";
        case kLightingSpectrum:
            return "spectrum";
        case kLightingMultiColor:
            return "multicolor";
        case kLightingOff:
            return "off";
        default:
            return "unknown";
    }
}

std::string ReportRate(uint32_t code) {
    switch (code) {
        case kReportRate1000Hz:
            return "1000 Hz";
        case kReportRate500Hz:
            return "500 Hz";
        case kReportRate250Hz:
            return "250 Hz";
        case kReportRate125Hz:
            return "125 Hz";
        default:
            return Format("unknown code %u (sent as 500 Hz)", code);
    }
}

}  // namespace

std::string ProfileText(const ProfileRecord& r) {
    std::string text = "buttons:\n";
    for (int i = 0; i < kButtonCount; ++i) {
        const ButtonAssignment& b = r.buttons[i];
        text +=
            Format("  %d %-12s ", i + 1, Narrow(kButtonOrder[static_cast<size_t>(i)].englishName).c_str()) +
            ButtonFunction(b) + "  \"" + Narrow(FieldText(b.displayName)) + "\"\n";
    }
    text += "sensitivity levels:";
    for (uint32_t dpi : r.dpiLevels) {
        if (dpi != 0) {
            text += Format(" %u", dpi);
        }
    }
    text += "\nreport rate: " + ReportRate(r.reportRate) + "\n";
    text += Format("lighting: %s (mode %u)\n", LightingName(r.lightingMode), r.lightingMode);
    text += Format("  levels: steady %u, breathing %u, multicolor %u\n", r.steadyLevel, r.breathLevel,
                   r.multiColorLevel);
    text += "  single colour: " + Colour(r.colors[3]) + "\n";
    text += Format("  three colours: %s ", r.multiColorOn == 1 ? "on" : "off") + Colour(r.colors[0]) + " " +
            Colour(r.colors[1]) + " " + Colour(r.colors[2]) + "\n";
    text += Format("proximity sensing: %s\n", r.proximitySensing == 1 ? "on" : "off");
    text += Format("pointer speed: %u, enhance precision: %s\n", r.pointerSpeed,
                   r.enhancePrecision == 1 ? "on" : "off");
    text += r.scrollLines == kScrollOneScreen ? std::string("wheel: one screen per notch\n")
                                              : Format("wheel: %d lines per notch\n", r.scrollLines);
    text += Format("lift height setting: %u\n", r.heightSetting);
    return text;
}

}  // namespace kx90::ctl
