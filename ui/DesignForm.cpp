#include "ui/DesignForm.h"

#include <QComboBox>
#include <QLineEdit>

namespace kestrel::ui {

Design DesignForm::read() const {
    Design d = shown_;
    for (const Part& part : parts_) part.toDesign(d);
    return d;
}

void DesignForm::show(const Design& design) {
    shown_ = design;
    for (const Part& part : parts_) part.fromDesign(design);
}

namespace form {
namespace {
QString fromLatin1(const std::string& s) { return QString::fromLatin1(s.data(), qsizetype(s.size())); }
} // namespace

std::string text(const QLineEdit* field) { return field->text().toLatin1().toStdString(); }
std::string text(const QComboBox* list) { return list->currentText().toLatin1().toStdString(); }

void setList(QComboBox* list, const std::string& item, const std::function<void()>& changed) {
    const int index = list->findText(fromLatin1(item), Qt::MatchExactly);
    if (index < 0 || index == list->currentIndex()) return;
    list->setCurrentIndex(index);
    if (changed) changed();
}

void setText(QLineEdit* field, const std::string& text, const std::function<void()>& entered) {
    const QString value = fromLatin1(text);
    if (field->text() == value) return;
    field->setText(value);
    if (entered) entered();
}

} // namespace form
} // namespace kestrel::ui
