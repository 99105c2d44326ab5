#include "app/DeferredIconEngine.h"

#include <QImageReader>
#include <QPixmap>

namespace qx {

DeferredIconEngine::DeferredIconEngine(Maker make)
    : m_make(std::move(make)) {}

// Read as PNG outright: finding the format would load every picture format's plug-in first.
QIcon DeferredIconEngine::fromPng(const QString& pngFile) {
    return QIcon(new DeferredIconEngine([pngFile] {
        QImageReader reader(pngFile, "png");
        const QImage image = reader.read();
        return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
    }));
}

const QIcon& DeferredIconEngine::icon() {
    if (!m_made) {
        m_made = true;
        m_icon = m_make();
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
