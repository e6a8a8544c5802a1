#pragma once
// The engine speaks UTF-8 std::string, the widgets QString: the two
// conversions every window needs.

#include <QLineEdit>
#include <QString>
#include <string>
#include <string_view>

namespace kestrel::ui {

inline QString qstr(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

inline std::string text(const QLineEdit* field) { return field->text().toStdString(); }

} // namespace kestrel::ui
