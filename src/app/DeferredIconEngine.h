#pragma once

#include <QIcon>
#include <QIconEngine>

namespace qx {

// An icon whose PNG file is read the first time it is drawn or asked for a picture, not when it is made:
// the window icon costs the start nothing on a desktop that never shows it, and is read on one that does.
class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(const QString& pngFile);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;

private:
    const QIcon& icon();

    QString m_file;
    QIcon m_icon;
    bool m_read = false;
};

} // namespace qx
