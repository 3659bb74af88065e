// HostSystem seam: what the program does on the computer rather than in the mouse.
#pragma once

#include <string>

namespace kx90 {

class HostSystem {
public:
    virtual ~HostSystem() = default;

    // Each pointer setting is stored for the user and broadcast (SPIF_UPDATEINIFILE |
    // SPIF_SENDCHANGE), then WM_SETTINGCHANGE goes to the main window. Failures are ignored.
    virtual void SetMouseAcceleration(int threshold1, int threshold2, int acceleration) = 0;
    virtual void SetMouseSpeed(int speed) = 0;                 // 1..20
    virtual void SetWheelScrollLines(int lines) = 0;           // -1 = one screen per notch

    // Plays a sound file asynchronously; a new sound cuts the previous one short.
    virtual void PlaySoundFile(const std::u16string& path) = 0;
    // Opens a program, document or folder with the shell's "open" verb, shown normally.
    virtual void ShellOpen(const std::u16string& target) = 0;
    // Opens a web address in the user's browser, maximised.
    virtual void OpenWebAddress(const std::u16string& url) = 0;
    // Starts one of the installation's programs (the flashing tool, the updater) with its
    // arguments. A program that is missing or does not start is not reported.
    virtual void StartProgram(const std::u16string& program, const std::u16string& arguments) = 0;
};

// For programs without a Windows session to act on (the Linux command line, benchmarks): every
// setting and action is dropped.
class NoHostSystem final : public HostSystem {
public:
    void SetMouseAcceleration(int, int, int) override {}
    void SetMouseSpeed(int) override {}
    void SetWheelScrollLines(int) override {}
    void PlaySoundFile(const std::u16string&) override {}
    void ShellOpen(const std::u16string&) override {}
    void OpenWebAddress(const std::u16string&) override {}
    void StartProgram(const std::u16string&, const std::u16string&) override {}
};

}  // namespace kx90
