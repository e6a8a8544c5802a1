#include "ui/LayoutBuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <cmath>

#include "display/AnalyzerPanel.h"
#include "display/ClassicFrame.h"
#include "ui/Fonts.h"
#include "ui/TitledFileList.h"
#include "ui/WrapCheckBox.h"

namespace kestrel::ui {
namespace {

int px(int twips) { return static_cast<int>(std::lround(twips / double(kTwipsPerPixel))); }

QWidget* create(const ControlSpec& spec, QWidget* parent) {
    const QString caption = QString::fromUtf8(spec.caption.data(), qsizetype(spec.caption.size()));
    switch (spec.kind) {
    case Kind::Frame: return new kestrel::display::ClassicFrame(caption, parent);
    case Kind::Panel: return new kestrel::display::AnalyzerPanel(caption, parent);
    case Kind::Label:
    case Kind::Picture: {
        auto* label = new QLabel(caption, parent);
        label->setWordWrap(spec.flags & WordWrap);
        if (spec.flags & AlignRight) label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (spec.flags & Boxed) {
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            label->setAlignment(Qt::AlignCenter);
        }
        return label;
    }
    case Kind::Text: {
        auto* edit = new QLineEdit(caption, parent);
        edit->setReadOnly(spec.flags & ReadOnly);
        return edit;
    }
    case Kind::Combo: return new QComboBox(parent);
    case Kind::Check: {
        QCheckBox* box = (spec.flags & WordWrap) ? new WrapCheckBox(caption, parent)
                                                 : new QCheckBox(caption, parent);
        box->setChecked(spec.flags & Checked);
        return box;
    }
    case Kind::Button: return new QPushButton(caption, parent);
    case Kind::FileList: return new TitledFileList(parent);
    case Kind::Grid: return new QTableWidget(parent);
    }
    return nullptr;
}

} // namespace

QRect twipsToPixels(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

QHash<QString, QWidget*> buildControls(QWidget* clientArea, std::span<const ControlSpec> table) {
    QHash<QString, QWidget*> controls;
    for (const ControlSpec& spec : table) {
        QWidget* parent = spec.parent.empty()
                              ? clientArea
                              : controls.value(QString::fromUtf8(spec.parent.data(),
                                                                 qsizetype(spec.parent.size())));
        Q_ASSERT(parent);
        QWidget* w = create(spec, parent);
        const QString name = QString::fromUtf8(spec.name.data(), qsizetype(spec.name.size()));
        w->setObjectName(name);
        w->setGeometry(twipsToPixels(spec.left, spec.top, spec.width, spec.height));
        w->setFont((spec.flags & PlainFace) ? plainFont() : narrowFont());
        if (spec.flags & Disabled) w->setEnabled(false);
        if (spec.flags & Hidden) w->setVisible(false);
        controls.insert(name, w);
    }
    return controls;
}

void nameAfterLabels(const QHash<QString, QWidget*>& controls, std::span<const LabelledControl> pairs) {
    const auto name = [](std::string_view text) {
        return QString::fromUtf8(text.data(), qsizetype(text.size()));
    };
    for (const LabelledControl& pair : pairs) {
        QWidget* control = controls.value(name(pair.control));
        const QWidget* label = controls.value(name(pair.label));
        Q_ASSERT(control && label);
        if (!control || !label) continue;
        // Labels and check boxes both carry their caption as "text".
        control->setAccessibleName(label->property("text").toString().trimmed());
    }
}

} // namespace kestrel::ui
