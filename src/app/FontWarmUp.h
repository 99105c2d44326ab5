#pragma once

#include <thread>

namespace qx {

// Reads the system's fonts (fontconfig's configuration and the font list) on a thread of its own while
// the window is being put together: the first text the window measures then finds the fonts read, or
// waits only for the rest of the reading. Made once the application object exists, ended before it is.
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

private:
    std::thread m_reader;
};

} // namespace qx
