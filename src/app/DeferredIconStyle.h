#pragma once

#include <QProxyStyle>

// The application's style with its standard icons read when first shown.
// Qt's own icons are image files: reading one probes every image format
// plugin, and the menu bar of the main window asks for one as it is made.
class DeferredIconStyle : public QProxyStyle
{
    Q_OBJECT
public:
    // Makes it the application's style, once.
    static void install();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
