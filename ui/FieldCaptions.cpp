#include "ui/FieldCaptions.h"

#include "engine/FieldCaptions.h"

namespace kestrel::ui {

QString programCaption() { return QStringLiteral("Kestrel II Spurious Analysis    Version 3.2"); }

QString fileCaption(const QString& fileName) {
    return programCaption() + QStringLiteral("      Current File: ") + fileName;
}

QString fieldCaption(const QString& name) {
    return QString::fromStdString(kestrel::fieldCaption(name.toStdString()));
}

} // namespace kestrel::ui
