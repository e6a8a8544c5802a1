#include "ui/Fonts.h"

#include <QStringList>

namespace kestrel::ui {
namespace {

void registerSubstitutes() {
    static const bool done = [] {
        QFont::insertSubstitutions("Arial Narrow", {"Liberation Sans Narrow", "DejaVu Sans Condensed"});
        QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "DejaVu Sans"});
        return true;
    }();
    (void)done;
}

} // namespace

QFont narrowFont() {
    registerSubstitutes();
    QFont f("Arial Narrow");
    f.setPointSizeF(8.25);
    return f;
}

QFont plainFont() {
    registerSubstitutes();
    QFont f("MS Sans Serif");
    f.setPointSizeF(8.25);
    return f;
}

} // namespace kestrel::ui
