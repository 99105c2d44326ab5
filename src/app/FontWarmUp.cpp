#include "app/FontWarmUp.h"

#include <QFontDatabase>
#include <QStringList>

namespace qx {

// The font database is safe to use from any thread; asking it for the families makes it read the
// system's fonts, and a measurement on the window's thread meanwhile waits for that reading to end.
FontWarmUp::FontWarmUp()
    : m_reader([] { QFontDatabase::families(); }) {}

FontWarmUp::~FontWarmUp() {
    m_reader.join();
}

} // namespace qx
