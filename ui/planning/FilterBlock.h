#pragma once
// One filter block of the filters window (prefix RF: the preselector, LO,
// IF): its shape, response, edges, order, ripple, loss and floor, and the
// measured response loaded from a file. Fields the shape does not use are
// disabled; a value a field refuses is told on leaving it and stays typed.

#include <QGroupBox>
#include <QHash>
#include <functional>

#include "engine/Design.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kestrel::ui {

class FocusEvents;

// Why a field's text is refused, or empty when it is a value the field takes.
// `field` is the name's ending after the prefix: "FilterOrder", "FilterLow"...
QString filterFieldProblem(const QString& field, const QString& text);

class FilterBlock : public QGroupBox {
    Q_OBJECT
public:
    // Asks for the measured-response file; an empty answer cancels.
    using FileChooser = std::function<QString(QWidget* parent)>;

    FilterBlock(const QString& prefix, const QString& title, FocusEvents& focus, QWidget* parent);

    void toDesign(DesignFilter& f) const;
    void fromDesign(const DesignFilter& f);

    // The unit shown beside the edges, the one a measured file is read in.
    void setUnit(const QString& unit);
    void setFileChooser(FileChooser chooser) { choose_ = std::move(chooser); }

    void cmdFilterFile_Click();
    // Loads a measured response from `path`: the points and the measured
    // shape on success, a box naming the reason and nothing changed otherwise.
    bool loadData(const QString& path);

    // Sets the order (and, with `edges`, a Butterworth band-pass between them).
    void useOrder(int order, const std::optional<std::pair<double, double>>& edges);

    // Every field holds a value it takes; the first that does not is told
    // and gets the focus.
    bool fieldsValid();

signals:
    // Something that changes the filter: a list choice, a field left with a
    // new value, loaded data.
    void changed();

private:
    QLineEdit* field(const char* ending) const;
    void updateEnabled();
    void updateDataLabel();
    void leave(QLineEdit* field);
    bool check(QLineEdit* field);

    QString prefix_;
    QString unit_ = QStringLiteral("GHz");
    FocusEvents& focus_;
    FileChooser choose_;
    QComboBox* shape_ = nullptr;
    QComboBox* response_ = nullptr;
    QHash<QString, QLineEdit*> fields_; // by ending
    QList<QLabel*> unitLabels_;
    QHash<QLineEdit*, QList<QLabel*>> beside_; // caption and unit, enabled with the field
    QPushButton* file_ = nullptr;
    QLabel* data_ = nullptr;
    std::vector<FilterPoint> points_;
    std::string dataName_;
    QHash<QLineEdit*, QString> lastLeft_;
    bool checking_ = false;
};

} // namespace kestrel::ui
