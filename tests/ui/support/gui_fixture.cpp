#include "gui_fixture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTest>

#include "entry_window.h"
#include "error_dialog.h"
#include "receipt_window.h"
#include "selection_dialog.h"

namespace sueldara::test {

// Fails the running test when a modal window is shown, and closes it so that
// a nested event loop cannot hang the test.
class ModalWatch : public QObject {
public:
    ModalWatch() { qApp->installEventFilter(this); }
    ~ModalWatch() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() != QEvent::Show) return false;
        auto* widget = qobject_cast<QWidget*>(object);
        if (!widget || !widget->isWindow() || !widget->isModal()) return false;
        ADD_FAILURE() << "unexpected modal window \"" << widget->windowTitle().toStdString() << "\" ("
                      << widget->objectName().toStdString() << ")";
        QMetaObject::invokeMethod(
            widget,
            [widget] {
                if (auto* dialog = qobject_cast<QDialog*>(widget)) dialog->reject();
                widget->hide();
            },
            Qt::QueuedConnection);
        return false;
    }
};

GuiFixture::GuiFixture() = default;
GuiFixture::~GuiFixture() = default;

void GuiFixture::SetUp() {
    watch_ = std::make_unique<ModalWatch>();
    app_ = std::make_unique<ui::Application>();
    app_->start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(entry()));
}

void GuiFixture::TearDown() {
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "a modal window is open";
    app_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    watch_.reset();
}

QWidget* GuiFixture::entry() const { return app_->entryWindow(); }
QWidget* GuiFixture::dialog() const { return app_->existingSelectionDialog(); }
QWidget* GuiFixture::errorDialog() const { return app_->existingErrorDialog(); }
QWidget* GuiFixture::receipt() const { return app_->existingReceiptWindow(); }

bool GuiFixture::reachable(QWidget* widget, const char* what) {
    if (!widget) return false;
    if (!widget->isVisible()) {
        ADD_FAILURE() << what << " " << widget->objectName().toStdString() << " is hidden";
        return false;
    }
    if (!widget->isEnabled()) {
        ADD_FAILURE() << what << " " << widget->objectName().toStdString() << " is disabled";
        return false;
    }
    return true;
}

void GuiFixture::click(QWidget* window, const char* name) { click(control(window, name)); }

void GuiFixture::click(QWidget* widget) {
    if (!reachable(widget, "cannot click")) return;
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

void GuiFixture::typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F) {
            QTest::keyClick(widget, static_cast<char>(c.unicode()));
        } else {
            // Letters with accents come as text with no key code of their own.
            QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

void GuiFixture::typeInto(QWidget* window, const char* name, const QString& text) {
    auto* box = control<QLineEdit>(window, name);
    if (!reachable(box, "cannot type into")) return;
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, box->rect().center());
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    typeText(box, text);
}

void GuiFixture::typeAfter(QWidget* window, const char* name, const QString& text) {
    auto* box = control<QLineEdit>(window, name);
    if (!reachable(box, "cannot type into")) return;
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, box->rect().center());
    QTest::keyClick(box, Qt::Key_End);
    typeText(box, text);
}

void GuiFixture::pick(QWidget* window, const char* name, int row) {
    auto* combo = control<QComboBox>(window, name);
    if (!reachable(combo, "cannot pick in")) return;
    // The arrow at the right end opens the list, editable or not.
    QTest::mouseClick(combo, Qt::LeftButton, Qt::NoModifier, QPoint(combo->width() - 6, combo->height() / 2));
    QAbstractItemView* list = combo->view();
    if (!list->isVisible()) {
        ADD_FAILURE() << "the list of " << name << " did not open";
        return;
    }
    // The open list ignores a release of the mouse just after it opened, so the
    // row is reached with the keys: the first row, down to the row, Enter.
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < row; ++i) QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    if (list->isVisible()) ADD_FAILURE() << "the list of " << name << " stayed open";
}

bool GuiFixture::activate(QWidget* window) {
    if (!reachable(window, "cannot activate")) return false;
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

void GuiFixture::pressKey(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    if (!reachable(window, "cannot press a key in")) return;
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(target, key, modifiers);
}

void GuiFixture::choosePost(const QString& code) {
    click(entry(), "cargo");
    typeInto(dialog(), "codcargo", code);
    click(dialog(), "Command1");
}

void GuiFixture::enterTypicalRequest() {
    click(entry(), "cargo");
    click(dialog(), "codcargo");
    typeText(inDialog("codcargo"), QStringLiteral("813"));
    click(dialog(), "Command1");
    click(entry(), "Option4");
    click(entry(), "Iosper");
    click(entry(), "APORTEJUB");
    click(entry(), "Command1");
}

QString GuiFixture::textOf(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* box = qobject_cast<QLineEdit*>(widget)) return box->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->currentText();
    return {};
}

}  // namespace sueldara::test
