#pragma once
// "Print Scr": an image of a window's client area on a printer, scaled to
// fit the page and centred. Where the printer comes from is a seam: the
// program asks for the default printer, a test can hand in a PDF printer.

#include <QPrinter>
#include <QRect>
#include <QSize>
#include <functional>
#include <memory>

class QWidget;

namespace kestrel::ui {

// The largest rectangle of the image's proportions that fits `page`,
// centred in it. Never enlarges beyond what fits; an empty image gives an
// empty rectangle.
QRect fitCentred(QSize image, QRect page);

class FormPrinter {
public:
    // Gives the printer to print on, or nullptr when there is none.
    using PrinterFactory = std::function<std::unique_ptr<QPrinter>()>;

    explicit FormPrinter(PrinterFactory factory = defaultPrinter);

    // Prints `client`; on any failure tells the user so, with `owner` as
    // the box's parent, and returns false. Nothing is written on failure.
    bool print(QWidget* client, QWidget* owner) const;

    static std::unique_ptr<QPrinter> defaultPrinter();

private:
    PrinterFactory factory_;
};

} // namespace kestrel::ui
