// WriteSink seam: where the profile writer thread reports progress and the outcome of a write.
// The Win32 side posts 0x42B to the progress window and 0x703 / 0x704 to the main window.
#pragma once

namespace kx90 {

class WriteSink {
public:
    virtual ~WriteSink() = default;
    // A write starts: the progress window to report to is looked up now.
    virtual void BeginWrite() {}
    // False once the main window is gone (the program is closing).
    virtual bool MainWindowAlive() = 0;
    virtual void Progress(int percent) = 0;  // 0x42B
    virtual void Succeeded() = 0;            // 0x703
    virtual void Failed(int code) = 0;       // 0x704, failure code 0..5
    // Only when the main window is gone: the progress window closes itself (WM_CLOSE).
    virtual void CloseProgress() = 0;
};

}  // namespace kx90
