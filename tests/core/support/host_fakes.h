// A HostSystem that records every call as one line of text, in order.
#pragma once

#include <string>
#include <vector>

#include "core/platform/host_system.h"

namespace kx90::test {

class RecordingHostSystem final : public HostSystem {
public:
    void SetMouseAcceleration(int t1, int t2, int accel) override {
        calls.push_back("mouse " + std::to_string(t1) + "," + std::to_string(t2) + "," + std::to_string(accel));
    }
    void SetMouseSpeed(int speed) override { calls.push_back("speed " + std::to_string(speed)); }
    void SetWheelScrollLines(int lines) override { calls.push_back("wheel " + std::to_string(lines)); }
    void PlaySoundFile(const std::u16string& path) override { calls.push_back("sound " + Narrow(path)); }
    void ShellOpen(const std::u16string& target) override { calls.push_back("open " + Narrow(target)); }
    void OpenWebAddress(const std::u16string& url) override { calls.push_back("web " + Narrow(url)); }
    void StartProgram(const std::u16string& program, const std::u16string& arguments) override {
        calls.push_back("start " + Narrow(program) + " " + Narrow(arguments));
    }

    std::vector<std::string> calls;

private:
    static std::string Narrow(const std::u16string& s) { return std::string(s.begin(), s.end()); }
};

}  // namespace kx90::test
