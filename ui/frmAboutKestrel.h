#pragma once
// The about window: the product's name, version and where to find help.

#include <QWidget>

class frmAboutKestrel : public QWidget {
    Q_OBJECT
public:
    frmAboutKestrel();

    // Opens the window, centred, or brings the open one to the front.
    void showAbout();

protected:
    void paintEvent(QPaintEvent* event) override;
};
