#pragma once
// One fixture for every GUI test: it starts the windows as the program does
// (the Application object, the entry window shown) and drives them as a user
// would, with mouse clicks and typed keys. A modal window appearing at any time
// fails the test: no window of the program is modal.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

#include "application.h"
#include "receipt_sheet.h"

#include <ostream>

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace sueldara::test {

class ModalWatch;

class GuiFixture : public ::testing::Test {
protected:
    GuiFixture();
    ~GuiFixture() override;

    void SetUp() override;
    void TearDown() override;

    ui::Application& app() { return *app_; }
    const ReceiptSheet& sheet() const { return app_->sheet(); }

    // The windows by their names; nullptr while a window does not exist yet.
    QWidget* entry() const;       // "ingreso"
    QWidget* dialog() const;      // "advertencia"
    QWidget* errorDialog() const; // "error"
    QWidget* receipt() const;     // "Haberes"

    // A control of a window by object name; fails the test when it is missing.
    template <typename T = QWidget>
    T* control(QWidget* window, const char* name) const {
        if (!window) {
            ADD_FAILURE() << "no window for control " << name;
            return nullptr;
        }
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        if (!found) ADD_FAILURE() << "no control " << name << " in " << window->objectName().toStdString();
        return found;
    }
    template <typename T = QWidget>
    T* inEntry(const char* name) const { return control<T>(entry(), name); }
    template <typename T = QWidget>
    T* inDialog(const char* name) const { return control<T>(dialog(), name); }

    // What the user does. Each action fails the test when the control cannot
    // be reached (hidden or disabled), as a user could not reach it either.
    void click(QWidget* window, const char* name);
    void click(QWidget* widget);
    // Clicks into the box, selects what it holds and types the text over it.
    void typeInto(QWidget* window, const char* name, const QString& text);
    // Clicks into the box and types at the end of what it holds.
    void typeAfter(QWidget* window, const char* name, const QString& text);
    // Keys typed into the widget, one per character.
    static void typeText(QWidget* widget, const QString& text);
    // Opens the combo box's list with a click and clicks the row.
    void pick(QWidget* window, const char* name, int row);
    // The window comes to the front and takes the keyboard, as after a click
    // on its frame; returns whether it did.
    bool activate(QWidget* window);
    // A key pressed in a window, received by its focus widget.
    void pressKey(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    // The typical start of a post receipt: "Cargo", code typed, "Listo".
    void choosePost(const QString& code);
    // The typical request, click by click: "Cargo", a click into the code box,
    // "813", "Listo", "Entre 5 y 7 años", "IOSPER", "Aporte jubilatorio",
    // "Calcular".
    void enterTypicalRequest();

public:
    static QString textOf(QWidget* widget);  // a label's, box's, button's or combo's text

private:
    bool reachable(QWidget* widget, const char* what);

    std::unique_ptr<ModalWatch> watch_;
    std::unique_ptr<ui::Application> app_;
};

}  // namespace sueldara::test
