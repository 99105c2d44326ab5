#pragma once

#include <thread>

namespace qx {

// Reads the system's font configuration (fontconfig's) on a thread of its own from the first moment of
// the start, while the libraries, the application object and the settings are being set up: the
// slowest part of the first text the window measures is then done, or partly done, when it is needed.
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // Waits until the configuration is read; called before the first text is measured, so that it is
    // not read twice side by side.
    void wait();

private:
    std::thread m_reader;
};

} // namespace qx
