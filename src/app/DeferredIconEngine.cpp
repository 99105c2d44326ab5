#include "app/DeferredIconEngine.h"

#include <QImageReader>
#include <QPixmap>

namespace qx {

DeferredIconEngine::DeferredIconEngine(const QString& pngFile)
    : m_file(pngFile) {}

// Read as PNG outright: finding the format would load every picture format's plug-in first.
const QIcon& DeferredIconEngine::icon() {
    if (!m_read) {
        m_read = true;
        QImageReader reader(m_file, "png");
        const QImage image = reader.read();
        if (!image.isNull())
            m_icon = QIcon(QPixmap::fromImage(image));
    }
    return m_icon;
}

void DeferredIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) {
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QSize DeferredIconEngine::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return icon().actualSize(size, mode, state);
}

QPixmap DeferredIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return icon().pixmap(size, mode, state);
}

QList<QSize> DeferredIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state) {
    return icon().availableSizes(mode, state);
}

QIconEngine* DeferredIconEngine::clone() const {
    return new DeferredIconEngine(*this);
}

} // namespace qx
