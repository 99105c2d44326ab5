#include "app/FontWarmUp.h"

#include <dlfcn.h>

namespace qx {

namespace {

// fontconfig comes with Qt's GUI library, so it is loaded before the program's first line runs; it is
// called through the loaded library rather than linked a second time.
void readFontConfiguration() {
    using Init = int (*)();
    if (const auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit")))
        init();
}

} // namespace

FontWarmUp::FontWarmUp()
    : m_reader(readFontConfiguration) {}

FontWarmUp::~FontWarmUp() {
    wait();
}

void FontWarmUp::wait() {
    if (m_reader.joinable())
        m_reader.join();
}

} // namespace qx
