#pragma once

#include <QProxyStyle>

namespace qx {

// The desktop's own style, whose standard icons are made when first drawn: a menu bar asks for its
// overflow arrow as it is built, and reading that arrow's pictures loads every picture format's plug-in
// before the window can show.
class DeferredIconStyle : public QProxyStyle {
    Q_OBJECT

public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

// Gives the running application the desktop's style with its standard icons made when first drawn.
void useDeferredIconStyle();

} // namespace qx
