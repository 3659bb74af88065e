// Fakes of the device link's host seams and a US keyboard layout, shared by the device and key tests.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/buttons/keyboard_layout.h"
#include "core/device/driver_host.h"

namespace kx90::test {

// Records the hidden window's life and the bridge library's load and release.
class FakeDriverHost final : public DriverHost {
public:
    void CreateHiddenWindow() override { windowAlive = true; }
    void DestroyHiddenWindow() override { windowAlive = false; }
    bool LoadBridge(std::u16string_view library, const char* exportName) override {
        loadedLibrary = std::u16string(library);
        resolvedExport = exportName;
        bridgeHeld = bridgeLoads;
        return bridgeLoads;
    }
    void FreeBridge() override {
        bridgeHeld = false;
        ++frees;
    }

    bool bridgeLoads = true;  // what the next LoadBridge answers
    bool windowAlive = false;
    bool bridgeHeld = false;
    int frees = 0;
    std::u16string loadedLibrary;
    std::string resolvedExport;
};

// The unshifted characters of the US keyboard layout, as ToAscii gives them (letters lower case).
class UsKeyboardLayout final : public KeyboardLayout {
public:
    uint8_t UnshiftedCharacter(uint8_t vk) const override {
        if ((vk >= '0' && vk <= '9')) {
            return vk;
        }
        if (vk >= 'A' && vk <= 'Z') {
            return static_cast<uint8_t>(vk - 'A' + 'a');
        }
        switch (vk) {
            case 0xBA: return ';';
            case 0xBB: return '=';
            case 0xBC: return ',';
            case 0xBD: return '-';
            case 0xBE: return '.';
            case 0xBF: return '/';
            case 0xC0: return '`';
            case 0xDB: return '[';
            case 0xDC: return '\\';
            case 0xDD: return ']';
            case 0xDE: return '\'';
            default: return 0;
        }
    }
};

}  // namespace kx90::test
