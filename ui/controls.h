#pragma once
// Building blocks shared by the entry window and the selection dialog: option
// groups of pressed-in buttons that allow "none selected", a text box that
// reports mouse clicks, labels that size themselves, the tab order chain and
// the decorative drawings.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QPushButton>
#include <QWidget>

#include <utility>
#include <vector>

namespace sueldara::ui {

// A group of checkable buttons of which at most one is selected. Only the
// user's own click selects (and raises optionChosen); a click on the selected
// button leaves it selected and raises nothing. deselectAll and deselect come
// from code and raise nothing.
class OptionGroup : public QObject {
    Q_OBJECT

public:
    explicit OptionGroup(QObject* parent = nullptr);

    void add(QPushButton* button);
    int selectedIndex() const;  // -1 when none
    bool isSelected(int index) const;
    QPushButton* button(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }
    int count() const { return static_cast<int>(buttons_.size()); }

    void deselect(int index);
    void deselectAll();

signals:
    void optionChosen(int index);

private:
    void userClicked(int index, bool checked);

    std::vector<QPushButton*> buttons_;
};

// A text box whose mouse click (press and release inside it) is an event.
class ClickableLineEdit : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

// A check box that a click anywhere on it toggles, caption and blank area
// included, not only on its box and text.
class WholeCheckBox : public QCheckBox {
    Q_OBJECT

public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

// A push button drawn pressed in while it is selected or ticked: sunk in, in a
// darker shade (pressedFace) of its own colour.
QPushButton* makeGraphicalButton(QWidget* parent, const char* name, const QString& caption, bool checkable);

QColor pressedFace(const QColor& face);

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, Qt::Alignment alignment);

// A label with word wrap whose height follows its text at its fixed width.
void fitHeightToText(QLabel* label);
// A label without word wrap sized to its text.
void fitSizeToText(QLabel* label);

// Chains the keyboard focus order by tab index; widgets that take no focus
// (labels, frames, pictures) are left out.
void applyTabOrder(std::vector<std::pair<int, QWidget*>> order);

// The decorative pictures, painted in code.
class Drawing : public QWidget {
    Q_OBJECT

public:
    enum class Kind { calculator, banner, receiptSheet };
    Drawing(QWidget* parent, const char* name, Kind kind);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
};

// Text of the engine's UTF-8 strings.
inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace sueldara::ui
