#pragma once

#include <QIcon>
#include <QIconEngine>
#include <functional>

namespace qx {

// An icon made the first time it is drawn or asked for a picture, not when it is asked for: reading an
// icon's pictures can load every picture format's plug-in, and a start should not pay for icons the
// window never shows (the window icon on a desktop without one, a menu bar's overflow arrow).
class DeferredIconEngine : public QIconEngine {
public:
    using Maker = std::function<QIcon()>;
    explicit DeferredIconEngine(Maker make);

    // The icon of a PNG file, read as PNG outright when first needed.
    static QIcon fromPng(const QString& pngFile);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;

private:
    const QIcon& icon();

    Maker m_make;
    QIcon m_icon;
    bool m_made = false;
};

} // namespace qx
