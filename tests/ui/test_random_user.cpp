// A user who never stops clicking: thousands of actions chosen from a fixed
// seed on the real windows (clicks on whatever is shown and enabled, junk typed
// into any box, picks in both lists, "Calcular", "Volver", "Listo", "Salir sin
// datos", "Aceptar", scrolling, resizing, closing through the frame; never
// "Salir", which ends the program). The test keeps its own model of what every
// control must show and, after each action, compares the windows with it; each
// "Calcular" is run again here on a separate sheet from the controls' data and
// the receipt window must show exactly that sheet.
//
// SUELDARA_RANDOM_SEED chooses another seed, SUELDARA_RANDOM_ACTIONS another
// number of actions (the first N actions of a seed are always the same). The
// numbered actions go to random_user_actions.log in the working directory as
// they happen, so that a crash leaves them behind; a failed check prints them.

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <array>
#include <cmath>
#include <iostream>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "calculation.h"
#include "controls.h"
#include "entry_window.h"
#include "error_dialog.h"
#include "gui_fixture.h"
#include "number_input.h"
#include "position_catalogue.h"
#include "receipt_window.h"
#include "selection_dialog.h"
#include "seniority.h"
#include "services.h"

#ifndef SUELDARA_RANDOM_ACTIONS_DEFAULT
#define SUELDARA_RANDOM_ACTIONS_DEFAULT 3000
#endif

namespace sueldara::test {
namespace {

constexpr unsigned kDefaultSeed = 20081001u;

QString u8(const char* s) { return QString::fromUtf8(s); }
std::string str(const QString& s) { return s.toStdString(); }

unsigned long envNumber(const char* name, unsigned long fallback) {
    const QByteArray value = qgetenv(name);
    if (value.isEmpty()) return fallback;
    bool ok = false;
    const unsigned long n = value.toULong(&ok);
    return ok ? n : fallback;
}

const char* const kCategories[] = {"cargo", "horasmedio", "horassup"};
const char* const kHourBoxes[] = {"numerohorasmed", "numerohorassup", "numhorascod06", "numhorasincen",
                                  "numhorascod113"};
const char* const kExtraHours[] = {"Label2", "Label7", "Label6", "numhorascod06", "numhorasincen", "numhorascod113"};
const char* const kSummaryCaptions[] = {"codcartit", "puncartit", "puncompbastit", "punproljortit", "punjorcomtit",
                                        "puntardiftit"};
const char* const kSummaryValues[] = {"cargoselect",   "codcarval",    "puncarval",   "punproljorval",
                                      "punjorcomval",  "puntardifval", "puncompbasval"};
// The entry window's text boxes the model follows.
const char* const kEntryBoxes[] = {"docente",  "numerohorasmed", "numerohorassup", "numhorascod06",
                                   "numhorasincen", "numhorascod113", "Text1", "cantkm", "dinasist",
                                   "cantidadhijos", "cantidadhijosdisc", "porcantig"};
// Pressed-in buttons and check boxes that toggle on a click.
const char* const kToggles[] = {"opincentivo", "transporte", "inasist", "hijos",    "hijosdisc", "conyuge",
                                "Iosper",      "Osplad",     "ZELAN",   "APORTEJUB", "cajacomp",  "Ley4035",
                                "Seguro3011"};
// A toggle and the box it shows while ticked ("0" when unticked).
const struct {
    const char* toggle;
    const char* box;
    const char* label;  // shown with the box, or nullptr
} kToggleBoxes[] = {
    {"transporte", "cantkm", "mensajekm"},
    {"inasist", "dinasist", nullptr},
    {"hijos", "cantidadhijos", nullptr},
    {"hijosdisc", "cantidadhijosdisc", nullptr},
};
const char* const kDialogValues[] = {"punbas", "compbas", "proljor", "jorcom", "tardif"};

// Controls a click may reach, by window; combo boxes are reached by picks,
// "Salir" and "Imprimir" never.
const char* const kEntryClickable[] = {
    "docente",  "cargo",     "horasmedio", "horassup",   "numerohorasmed", "numerohorassup", "numhorascod06",
    "numhorasincen", "numhorascod113", "opincentivo", "Text1", "transporte", "cantkm", "mensajekm", "inasist",
    "dinasist", "hijos", "cantidadhijos", "hijosdisc", "cantidadhijosdisc", "conyuge", "Iosper", "Osplad",
    "ZELAN", "APORTEJUB", "cajacomp", "Ley4035", "Seguro3011", "Option1", "Option2", "Option3", "Option4",
    "Option5", "Option6", "Option7", "Option8", "Option9", "Option10", "Option11", "Option12", "porcantig",
    "Command1", "Label5", "Label9", "Label3", "Label2", "cargoselect", "codcarval", "puncartit", "Picture1",
    "Picture2", "Label8"};
const char* const kDialogClickable[] = {"codcargo", "punbas", "compbas", "proljor", "jorcom",  "tardif",
                                        "Command1", "Command2", "Label2", "Label4", "Picture1"};
const char* const kReceiptClickable[] = {"Volver", "Text11", "numcargo", "punbasicos", "Text10", "Text12",
                                         "Text1",  "Label3", "carsel",   "docente",    "thaberes"};

// Texts a user might type: mostly numbers a teacher would enter, then every
// kind of junk the readers must refuse.
QString junk(std::mt19937& rng, bool codeBox) {
    auto below = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    if (codeBox) {
        const int kind = below(10);
        if (kind < 5) {
            const auto row = static_cast<std::size_t>(below(static_cast<int>(PositionCatalogue::kRowCount)));
            return QString::fromUtf8(PositionCatalogue::rowAt(row).codigocargo.data(),
                                     static_cast<qsizetype>(PositionCatalogue::rowAt(row).codigocargo.size()));
        }
        if (kind < 7) return QString::number(100 + below(900));
        if (kind == 7) return QStringLiteral("81");
        if (kind == 8) return QStringLiteral("0");
    }
    static const char* const kJunk[] = {"",      "abc",   "doce",  "x1",    "1x",   "2.5",   "0.5",   "1,2,3",
                                        "1,2.3", ",",     ".",     "-",     "+",    "1e5",   " 7 ",   "-3",
                                        "99999999999999999999", "123456789012", "40000", "-99999", "70000",
                                        "1,5e3", "ñandú", "Gómez", "0x10",  "½",    "1 000", "3,",    ",75",
                                        "00",    "+8",    "0,0001", "300",  "255",  "256",   "32767", "32768"};
    const int kind = below(20);
    if (kind < 8) return QString::number(below(41));
    if (kind < 10) return QString::number(below(30)) + QLatin1Char(',') + QString::number(below(100));
    if (kind == 10) return QStringLiteral("0");
    return u8(kJunk[below(static_cast<int>(std::size(kJunk)))]);
}

QString junkName(std::mt19937& rng) {
    static const char* const kNames[] = {"",  "Gómez, María", "Ana María Gómez", "Luis Pérez", "Ñ",
                                         "1234", "  ", "O'Brien; DROP", "Zoë Müller-Ibáñez",
                                         "Un nombre muy largo que no entra en la caja del recibo de ningún modo"};
    return u8(kNames[std::uniform_int_distribution<int>(0, static_cast<int>(std::size(kNames)) - 1)(rng)]);
}

QString rowText(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// What every control must show, kept by the test from the actions alone.
struct Model {
    int category = -1;   // 0 cargo, 1 horasmedio, 2 horassup
    int seniority = 0;   // 0 none, 1 to 12
    int zona = -1;
    std::map<std::string, bool> ticked;
    std::map<std::string, QString> entryText;
    bool medShown = false, supShown = false, extrasShown = false, summaryShown = false;
    std::map<std::string, QString> summary;  // the seven value labels

    bool dialogExists = false, dialogShown = false;
    std::map<std::string, QString> dialogText;  // codcargo, the five values, cargox
    std::optional<std::size_t> codeRow, pointsRow;
    bool listoEnabled = true;

    bool errorOpen = false;
    bool messageOpen = false;
    QString messageText;

    bool receiptExists = false, receiptShown = false;
    QString comment;
    bool scrolled = false;
    bool calculated = false;  // a receipt has been calculated at least once
    ReceiptSheet sheet;
    PayState state;
};

class RandomUserTest : public GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        seed_ = static_cast<unsigned>(envNumber("SUELDARA_RANDOM_SEED", kDefaultSeed));
        actions_ = envNumber("SUELDARA_RANDOM_ACTIONS", SUELDARA_RANDOM_ACTIONS_DEFAULT);
        rng_.seed(seed_);
        const QString point = QLocale::system().decimalPoint();
        separator_ = point.isEmpty() ? '.' : point.at(0).toLatin1();

        for (const char* name : kToggles) m_.ticked[name] = false;
        m_.ticked["opincentivo"] = true;
        for (const char* name : kEntryBoxes) m_.entryText[name] = QStringLiteral("0");
        m_.entryText["docente"] = QString();
        m_.entryText["Text1"] = u8("Si");
        m_.entryText["porcantig"] = u8("0 %");
        for (const char* name : kSummaryValues) m_.summary[name] = QString();
        m_.dialogText["codcargo"] = QStringLiteral("0");
        for (const char* name : kDialogValues) m_.dialogText[name] = QString();
        m_.dialogText["cargox"] = QString();

        log_.setFileName(QStringLiteral("random_user_actions.log"));
        if (log_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
            log_.write(QStringLiteral("seed %1, %2 actions\n").arg(seed_).arg(actions_).toUtf8());
            log_.flush();
        }
    }

    // ---- the run -----------------------------------------------------------

    void runActions() {
        std::cout << "[ random user ] seed " << seed_ << ", " << actions_ << " actions"
                  << " (SUELDARA_RANDOM_SEED, SUELDARA_RANDOM_ACTIONS)" << std::endl;
        for (unsigned long n = 1; n <= actions_; ++n) {
            step_ = n;
            oneAction();
            QCoreApplication::processEvents();
            checkEverything();
            if (!failures_.empty() || HasFailure()) {
                reportFailure();
                return;
            }
        }
        std::cout << "[ random user ] " << calculations_[0] << " receipts, " << calculations_[1]
                  << " runs without a category, " << calculations_[2] << " invalid entries" << std::endl;
        // A run that never calculated a receipt would have checked little.
        if (actions_ >= 500) {
            EXPECT_GT(calculations_[0], 0u) << "seed " << seed_;
        }
    }

    void record(const std::string& what) {
        std::ostringstream line;
        line << step_ << ". " << what;
        done_.push_back(line.str());
        if (log_.isOpen()) {
            log_.write((line.str() + "\n").c_str());
            log_.flush();
        }
    }

    void reportFailure() {
        std::ostringstream out;
        out << "seed " << seed_ << ": check failed after action " << step_ << "\n";
        for (const std::string& f : failures_) out << "  - " << f << "\n";
        out << "Reproduce with SUELDARA_RANDOM_SEED=" << seed_ << " SUELDARA_RANDOM_ACTIONS=" << step_
            << ". Actions:\n";
        for (const std::string& a : done_) out << "  " << a << "\n";
        ADD_FAILURE() << out.str();
    }

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    // ---- choosing and doing an action -------------------------------------

    static bool reachableNow(QWidget* w) { return w && w->isVisible() && w->isEnabled(); }

    template <std::size_t N>
    std::vector<QWidget*> reachable(QWidget* window, const char* const (&names)[N]) {
        std::vector<QWidget*> out;
        if (!window || !window->isVisible()) return out;
        for (const char* name : names) {
            auto* w = window->findChild<QWidget*>(QString::fromLatin1(name));
            if (reachableNow(w)) out.push_back(w);
        }
        return out;
    }

    void oneAction() {
        // Weights of the kinds of action; one that cannot be done now falls
        // back to a click on some reachable control.
        const int roll = below(100);
        if (roll < 30) return clickSomething();
        if (roll < 52) return typeSomewhere();
        if (roll < 55) return pickZone();
        if (roll < 60) return pickName();
        if (roll < 68) return calcular();
        if (roll < 70) return enterInEntry();
        if (roll < 73) return volver();
        if (roll < 77) return dialogButton();
        if (roll < 81) return acceptMessages();
        if (roll < 86) return scroll();
        if (roll < 88) return resizeReceipt();
        if (roll < 91) return closeThroughFrame();
        if (roll < 94) return chooseCategory();
        if (roll < 96) return keysInDialog();
        if (roll < 97) return spaceOnFocus();
        if (roll < 98) return tabAround();
        if (roll < 99) return stepList();
        return wheelOnList();
    }

    // Enter or Esc in the selection dialog: Enter presses the focused
    // button, otherwise "Listo" when it is enabled; Esc does nothing.
    void keysInDialog() {
        if (!dialog() || !dialog()->isVisible()) return clickSomething();
        QWidget* focus = dialog()->focusWidget();
        auto* names = inDialog<QComboBox>("cargox");
        if (focus == names || focus == names->lineEdit()) return clickSomething();
        const bool esc = below(3) == 0;
        record(std::string(esc ? "Esc" : "Enter") + " in advertencia (focus " +
               (focus ? str(focus->objectName()) : std::string("none")) + ")");
        pressKey(dialog(), esc ? Qt::Key_Escape : Qt::Key_Return);
        if (esc) return;
        if (focus && focus->objectName() == QLatin1String("Command2")) return salirSinDatos();
        if (m_.listoEnabled) listo();
    }

    // Space on the focused button of a window: a click from the keyboard.
    void spaceOnFocus() {
        std::vector<QWidget*> windows;
        for (QWidget* w : {static_cast<QWidget*>(entry()), dialog(), receipt()})
            if (w && w->isVisible() && w->isEnabled()) windows.push_back(w);
        QWidget* window = windows[static_cast<std::size_t>(below(static_cast<int>(windows.size())))];
        QWidget* focus = window->focusWidget();
        auto* button = qobject_cast<QAbstractButton*>(focus);
        if (!button || !button->isVisible() || !button->isEnabled()) return clickSomething();
        const std::string name = str(button->objectName());
        const bool allowed = window == entry()    ? name != "Command2"
                             : window == receipt() ? name == "Volver"
                                                   : true;
        if (!allowed) return clickSomething();
        record("Space on " + where(window, button));
        const Snapshot before = window == entry() && name == "Command1" ? snapshot() : Snapshot{};
        QTest::keyClick(button, Qt::Key_Space);
        if (window == entry()) {
            if (categoryIndex(name) >= 0) return categoryChosen(categoryIndex(name));
            if (name.rfind("Option", 0) == 0) return seniorityChosen(std::stoi(name.substr(6)));
            if (m_.ticked.count(name)) return toggled(name);
            if (name == "Command1") return calculated(before);
            return;
        }
        if (window == dialog()) return name == "Command1" ? listo() : salirSinDatos();
        returnedFromReceipt();
    }

    void tabAround() {
        std::vector<QWidget*> windows;
        for (QWidget* w : {static_cast<QWidget*>(entry()), dialog(), receipt()})
            if (w && w->isVisible() && w->isEnabled()) windows.push_back(w);
        QWidget* window = windows[static_cast<std::size_t>(below(static_cast<int>(windows.size())))];
        const int times = 1 + below(6);
        const bool back = below(3) == 0;
        record("Tab" + std::string(back ? " backwards " : " ") + std::to_string(times) + " times in " +
               str(window->objectName()));
        for (int i = 0; i < times; ++i) pressKey(window, back ? Qt::Key_Backtab : Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
    }

    // Up or Down on a list with the keyboard: the next or previous entry is
    // chosen, as a pick would.
    void stepList() {
        const bool names = dialog() && dialog()->isVisible() && below(2) == 0;
        auto* combo = names ? inDialog<QComboBox>("cargox") : inEntry<QComboBox>("zona");
        const bool down = below(2) == 0;
        record(std::string(down ? "Down" : "Up") + " in " + str(combo->objectName()));
        QTest::keyClick(combo, down ? Qt::Key_Down : Qt::Key_Up);
        listStepped(combo, names, down);
    }

    void wheelOnList() {
        const int which = below(3);
        if (which == 2) {
            if (!receipt() || !receipt()->isVisible() || !receipt()->isEnabled()) return clickSomething();
            auto* bar = control<QScrollBar>(receipt(), "movedor");
            const bool down = below(2) == 0;
            record(std::string("wheel ") + (down ? "down" : "up") + " on movedor");
            wheel(bar, down);
            return;
        }
        const bool names = which == 0 && dialog() && dialog()->isVisible();
        auto* combo = names ? inDialog<QComboBox>("cargox") : inEntry<QComboBox>("zona");
        const bool down = below(2) == 0;
        record(std::string("wheel ") + (down ? "down" : "up") + " on " + str(combo->objectName()));
        wheel(combo, down);
        listStepped(combo, names, down);
    }

    static void wheel(QWidget* widget, bool down) {
        const QPointF at = QPointF(widget->rect().center());
        QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, down ? -120 : 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(widget, &event);
    }

    void listStepped(QComboBox* combo, bool names, bool down) {
        int& current = names ? currentName_ : m_.zona;
        const int next = down ? current + 1 : current - 1;
        if (next < 0 || next >= combo->count()) return;
        if (names) nameChosen(static_cast<std::size_t>(next));
        else m_.zona = next;
    }

    void clickSomething() {
        std::vector<std::pair<QWidget*, QWidget*>> all;  // window, control
        for (QWidget* window : {static_cast<QWidget*>(entry()), dialog(), receipt(), errorDialog(),
                                static_cast<QWidget*>(app().existingInvalidEntryMessage())}) {
            if (!window || !window->isVisible()) continue;
            std::vector<QWidget*> controls;
            if (window == entry()) controls = reachable(window, kEntryClickable);
            else if (window == dialog()) controls = reachable(window, kDialogClickable);
            else if (window == receipt()) controls = reachable(window, kReceiptClickable);
            else {
                auto* aceptar = window->findChild<QWidget*>(QStringLiteral("Aceptar"));
                if (reachableNow(aceptar)) controls.push_back(aceptar);
            }
            for (QWidget* c : controls) all.emplace_back(window, c);
        }
        const auto& [window, control] = all[static_cast<std::size_t>(below(static_cast<int>(all.size())))];
        clickControl(window, control);
    }

    std::string where(QWidget* window, QWidget* control) {
        return str(window->objectName()) + "." + str(control->objectName());
    }

    void clickControl(QWidget* window, QWidget* control) {
        record("click " + where(window, control));
        const std::string name = str(control->objectName());
        if (window == entry()) {
            const int category = categoryIndex(name);
            const auto before = name == "Command1" ? snapshot() : Snapshot{};
            click(control);
            if (category >= 0) return categoryChosen(category);
            if (name.rfind("Option", 0) == 0) return seniorityChosen(std::stoi(name.substr(6)));
            if (m_.ticked.count(name)) return toggled(name);
            if (name == "Command1") return calculated(before);
            return;
        }
        if (window == dialog()) {
            const QString before = m_.dialogText["codcargo"];
            click(control);
            if (name == "codcargo" && !before.isEmpty()) codeChanged(QString());
            if (name == "Command1") listo();
            if (name == "Command2") salirSinDatos();
            return;
        }
        if (window == receipt()) {
            click(control);
            if (name == "Volver") returnedFromReceipt();
            return;
        }
        click(control);  // "Aceptar" of the error dialog or of the message
        if (window == errorDialog()) m_.errorOpen = false;
        else m_.messageOpen = false;
    }

    static int categoryIndex(const std::string& name) {
        for (int i = 0; i < 3; ++i)
            if (name == kCategories[i]) return i;
        return -1;
    }

    void chooseCategory() {
        const int i = below(3);
        QWidget* button = inEntry(kCategories[i]);
        clickControl(entry(), button);
    }

    void typeSomewhere() {
        struct Target {
            QWidget* window;
            QWidget* box;
        };
        std::vector<Target> targets;
        for (QWidget* w : reachable(entry(), kEntryBoxes)) targets.push_back({entry(), w});
        if (dialog() && dialog()->isVisible()) {
            for (const char* name : {"codcargo", "punbas", "compbas", "proljor", "jorcom", "tardif"}) {
                QWidget* w = inDialog(name);
                if (reachableNow(w)) targets.push_back({dialog(), w});
            }
            targets.push_back({dialog(), inDialog<QComboBox>("cargox")->lineEdit()});
        }
        if (receipt() && receipt()->isVisible() && receipt()->isEnabled()) {
            for (const char* name : {"Text11", "numcargo", "Text10"}) targets.push_back({receipt(), control(receipt(), name)});
        }
        const Target t = targets[static_cast<std::size_t>(below(static_cast<int>(targets.size())))];
        const bool nameBox = t.box->parentWidget() && qobject_cast<QComboBox*>(t.box->parentWidget());
        const std::string name = nameBox ? std::string("cargox") : str(t.box->objectName());
        const bool code = name == "codcargo";
        const QString text = name == "docente" || nameBox ? junkName(rng_) : junk(rng_, code);
        const bool append = below(4) == 0;
        record(std::string(append ? "type after " : "type over ") + str(t.window->objectName()) + "." + name + " \"" +
               str(text) + "\"");

        // Click into the box; then either to the end or everything selected
        // and deleted; then the keys.
        QTest::mouseClick(t.box, Qt::LeftButton, Qt::NoModifier, t.box->rect().center());
        if (append) {
            QTest::keyClick(t.box, Qt::Key_End, name == "Text11" ? Qt::ControlModifier : Qt::NoModifier);
        } else {
            QTest::keyClick(t.box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(t.box, Qt::Key_Delete);
        }
        typeText(t.box, text);

        if (t.window == entry()) {
            if (name == "porcantig") return;  // read-only
            m_.entryText[name] = append ? m_.entryText[name] + text : text;
        } else if (t.window == dialog()) {
            if (name == "punbas") return;  // read-only
            if (code) {
                // The click empties the box; then every key changes the text.
                if (!m_.dialogText["codcargo"].isEmpty() || !text.isEmpty()) codeChanged(text);
                return;
            }
            m_.dialogText[name] = append ? m_.dialogText[name] + text : text;
        } else if (name == "Text11") {
            m_.comment = append ? m_.comment + text : text;
        }
    }

    void pickZone() {
        const int row = below(static_cast<int>(kZones.size()));
        record("pick ingreso.zona row " + std::to_string(row));
        pick(entry(), "zona", row);
        m_.zona = row;
    }

    void pickName() {
        if (!dialog() || !dialog()->isVisible()) return clickSomething();
        const int row = below(static_cast<int>(PositionCatalogue::kRowCount));
        record("pick advertencia.cargox row " + std::to_string(row));
        pick(dialog(), "cargox", row);
        nameChosen(static_cast<std::size_t>(row));
    }

    void calcular() { clickControl(entry(), inEntry("Command1")); }

    void enterInEntry() {
        QWidget* focus = entry()->focusWidget();
        if (focus && focus->objectName() == QLatin1String("Command2")) return clickSomething();  // would end the program
        record("Enter in ingreso (focus " + (focus ? str(focus->objectName()) : std::string("none")) + ")");
        const Snapshot before = snapshot();
        pressKey(entry(), Qt::Key_Return);
        calculated(before);
    }

    void volver() {
        if (!receipt() || !receipt()->isVisible()) return clickSomething();
        clickControl(receipt(), control(receipt(), "Volver"));
    }

    void dialogButton() {
        if (!dialog() || !dialog()->isVisible()) return clickSomething();
        QWidget* listo = inDialog("Command1");
        QWidget* button = below(3) != 0 && listo->isEnabled() ? listo : inDialog("Command2");
        clickControl(dialog(), button);
    }

    void acceptMessages() {
        QWidget* message = app().existingInvalidEntryMessage();
        std::vector<QWidget*> open;
        if (errorDialog() && errorDialog()->isVisible()) open.push_back(errorDialog());
        if (message && message->isVisible()) open.push_back(message);
        if (open.empty()) return clickSomething();
        QWidget* window = open[static_cast<std::size_t>(below(static_cast<int>(open.size())))];
        const int how = below(3);
        if (how == 0) return clickControl(window, window->findChild<QWidget*>(QStringLiteral("Aceptar")));
        const bool esc = how == 2;
        record(std::string(esc ? "Esc" : "Enter") + " in " + str(window->objectName()));
        pressKey(window, esc ? Qt::Key_Escape : Qt::Key_Return);
        if (window == errorDialog()) m_.errorOpen = false;
        else m_.messageOpen = false;
    }

    void scroll() {
        if (!receipt() || !receipt()->isVisible() || !receipt()->isEnabled()) return clickSomething();
        auto* bar = control<QScrollBar>(receipt(), "movedor");
        const int how = below(4);
        if (how == 3) {
            const int value = below(4) == 0 ? 0 : below(8) == 0 ? below(32768) : below(3000);
            record("drag movedor to " + std::to_string(value));
            bar->setValue(value);  // what dragging the thumb does
            return;
        }
        const QPoint at = how == 0   ? QPoint(bar->width() / 2, 2)
                          : how == 1 ? QPoint(bar->width() / 2, bar->height() - 3)
                                     : QPoint(bar->width() / 2, 1 + below(std::max(1, bar->height() - 2)));
        record("click movedor at y " + std::to_string(at.y()) + " of " + std::to_string(bar->height()));
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, at);
    }

    void resizeReceipt() {
        if (!receipt()) return clickSomething();
        const QSize size(150 + below(1200), 100 + below(900));
        record("resize Haberes to " + std::to_string(size.width()) + "x" + std::to_string(size.height()));
        receipt()->resize(size);
    }

    void closeThroughFrame() {
        QWidget* message = app().existingInvalidEntryMessage();
        std::vector<QWidget*> open;
        for (QWidget* w : {dialog(), receipt(), errorDialog(), message})
            if (w && w->isVisible()) open.push_back(w);
        if (open.empty()) return clickSomething();
        QWidget* window = open[static_cast<std::size_t>(below(static_cast<int>(open.size())))];
        record("close " + str(window->objectName()) + " through its frame");
        window->close();
        if (window == dialog()) m_.dialogShown = false;
        else if (window == receipt()) returnedFromReceipt();
        else if (window == errorDialog()) m_.errorOpen = false;
        else m_.messageOpen = false;
    }

    // ---- what the actions do, in the model ---------------------------------

    void categoryChosen(int index) {
        if (m_.category == index) return;  // a click on the selected option changes nothing
        m_.category = index;
        switch (index) {
        case 0:
            m_.dialogExists = m_.dialogShown = true;
            m_.medShown = m_.supShown = m_.extrasShown = false;
            for (const char* name : kHourBoxes) m_.entryText[name] = QStringLiteral("0");
            break;
        case 1:
            m_.medShown = m_.extrasShown = true;
            if (m_.dialogExists) m_.dialogShown = false;
            m_.dialogExists = true;
            m_.summaryShown = false;
            m_.supShown = false;
            m_.entryText["numerohorassup"] = QStringLiteral("0");
            break;
        case 2:
            m_.supShown = m_.extrasShown = true;
            if (m_.dialogExists) m_.dialogShown = false;
            m_.dialogExists = true;
            m_.entryText["numerohorasmed"] = QStringLiteral("0");
            m_.medShown = false;
            m_.summaryShown = false;
            break;
        }
    }

    void seniorityChosen(int bracket) {
        m_.seniority = bracket;
        m_.entryText["porcantig"] = rowText(kSeniorityBrackets[static_cast<std::size_t>(bracket)].percentText);
    }

    void toggled(const std::string& name) {
        const bool now = !m_.ticked[name];
        m_.ticked[name] = now;
        if (name == "opincentivo") m_.entryText["Text1"] = now ? u8("Si") : u8("No");
        for (const auto& tb : kToggleBoxes)
            if (name == tb.toggle && !now) m_.entryText[tb.box] = QStringLiteral("0");
    }

    void codeChanged(const QString& code) {
        m_.dialogText["codcargo"] = code;
        const std::optional<std::size_t> row = PositionCatalogue::findByCode(code.toStdString());
        m_.codeRow = m_.pointsRow = row;
        if (row) {
            const Position& p = PositionCatalogue::rowAt(*row);
            m_.dialogText["cargox"] = rowText(p.cargox);
            currentName_ = static_cast<int>(*row);
            m_.dialogText["punbas"] = rowText(p.puntosbasicos);
            m_.dialogText["compbas"] = rowText(p.compbasico);
            m_.dialogText["proljor"] = rowText(p.proljornada);
            m_.dialogText["jorcom"] = rowText(p.jorcompleta);
            m_.dialogText["tardif"] = rowText(p.tareadif);
        } else {
            m_.dialogText["cargox"] = QString();
            currentName_ = -1;
            for (const char* name : kDialogValues) m_.dialogText[name] = QString();
        }
        m_.listoEnabled = row.has_value();
    }

    void nameChosen(std::size_t row) {
        const Position& p = PositionCatalogue::rowAt(row);
        currentName_ = static_cast<int>(row);
        m_.codeRow = row;
        if (m_.dialogText["codcargo"] != rowText(p.codigocargo)) codeChanged(rowText(p.codigocargo));
        m_.pointsRow = row;
        m_.listoEnabled = true;
        m_.dialogText["punbas"] = rowText(p.puntosbasicos);
        m_.dialogText["cargox"] = rowText(p.cargox);
    }

    void listo() {
        m_.receiptExists = true;
        m_.sheet.numcargo = str(m_.dialogText["codcargo"]);
        m_.sheet.punbasicos = str(m_.dialogText["punbas"]);
        m_.sheet.proljor = str(m_.dialogText["proljor"]);
        m_.sheet.jorcom = str(m_.dialogText["jorcom"]);
        m_.sheet.tardif = str(m_.dialogText["tardif"]);
        m_.sheet.compbas = str(m_.dialogText["compbas"]);
        m_.summaryShown = true;
        m_.summary["cargoselect"] = m_.dialogText["cargox"];
        m_.summary["codcarval"] = m_.dialogText["codcargo"];
        m_.summary["puncarval"] = m_.dialogText["punbas"];
        m_.summary["punproljorval"] = m_.dialogText["proljor"];
        m_.summary["punjorcomval"] = m_.dialogText["jorcom"];
        m_.summary["puntardifval"] = m_.dialogText["tardif"];
        m_.summary["puncompbasval"] = m_.dialogText["compbas"];
        const std::string code = str(m_.dialogText["codcargo"]);
        const Read<double> value = readDouble(code, separator_);
        if ((code.empty() || (value && value.value == 0)) && m_.category == 0) m_.category = -1;
        m_.dialogShown = false;
    }

    void salirSinDatos() {
        m_.dialogText["cargox"] = QString();
        currentName_ = -1;
        m_.codeRow.reset();
        for (const char* name : kDialogValues) m_.dialogText[name] = QStringLiteral("0");
        m_.dialogShown = false;
        if (m_.category == 0) m_.category = -1;
    }

    void returnedFromReceipt() {
        m_.receiptShown = false;
        m_.category = -1;
        m_.summaryShown = false;
        m_.medShown = m_.supShown = false;
    }

    // The controls' data, read here from the widgets as the user sees them.
    PayInput inputFromWidgets() {
        PayInput in;
        auto text = [this](const char* name) { return str(textOf(inEntry(name))); };
        auto on = [this](const char* name) { return inEntry<QAbstractButton>(name)->isChecked(); };
        in.docente = text("docente");
        in.cargo = on("cargo");
        in.horasmedio = on("horasmedio");
        in.horassup = on("horassup");
        in.numerohorasmed = text("numerohorasmed");
        in.numerohorassup = text("numerohorassup");
        in.numhorascod06 = text("numhorascod06");
        in.numhorasincen = text("numhorasincen");
        in.numhorascod113 = text("numhorascod113");
        int bracket = 0;
        for (int i = 1; i <= 12; ++i)
            if (on(("Option" + std::to_string(i)).c_str())) bracket = i;
        in.tramoantig = bracket;
        in.porcantig = text("porcantig");
        in.porcentajeantig = kSeniorityBrackets[static_cast<std::size_t>(bracket)].percent;
        in.zona = inEntry<QComboBox>("zona")->currentIndex();
        in.opincentivo = on("opincentivo");
        in.transporte = on("transporte");
        in.cantkm = text("cantkm");
        in.inasist = on("inasist");
        in.dinasist = text("dinasist");
        in.hijos = on("hijos");
        in.cantidadhijos = text("cantidadhijos");
        in.hijosdisc = on("hijosdisc");
        in.cantidadhijosdisc = text("cantidadhijosdisc");
        in.conyuge = on("conyuge");
        in.Iosper = on("Iosper");
        in.Osplad = on("Osplad");
        in.APORTEJUB = on("APORTEJUB");
        in.Ley4035 = on("Ley4035");
        in.ZELAN = on("ZELAN");
        in.cajacomp = on("cajacomp");
        in.Seguro3011 = on("Seguro3011");
        return in;
    }

    SelectedPosition positionFromWidgets() {
        SelectedPosition pos;
        if (!dialog()) return pos;
        if (m_.codeRow) pos.codigocargo = std::string(PositionCatalogue::rowAt(*m_.codeRow).codigocargo);
        if (m_.pointsRow) pos.puntosbasicos = std::string(PositionCatalogue::rowAt(*m_.pointsRow).puntosbasicos);
        pos.cargox = str(inDialog<QComboBox>("cargox")->currentText());
        pos.punbas = str(textOf(inDialog("punbas")));
        pos.compbas = str(textOf(inDialog("compbas")));
        pos.proljor = str(textOf(inDialog("proljor")));
        pos.jorcom = str(textOf(inDialog("jorcom")));
        pos.tardif = str(textOf(inDialog("tardif")));
        return pos;
    }

    // Every text the user can see or typed, to compare before and after a
    // calculation that stopped at an invalid entry.
    using Snapshot = std::vector<std::pair<std::string, QString>>;
    Snapshot snapshot() {
        Snapshot all;
        for (QWidget* window : {static_cast<QWidget*>(entry()), dialog(), receipt()}) {
            if (!window) continue;
            for (QLineEdit* box : window->findChildren<QLineEdit*>())
                all.emplace_back(str(window->objectName()) + "." + str(box->objectName()), box->text());
            for (QLabel* label : window->findChildren<QLabel*>())
                all.emplace_back(str(window->objectName()) + "." + str(label->objectName()),
                                 label->text() + (label->isHidden() ? QStringLiteral(" (hidden)") : QString()));
        }
        if (receipt())
            all.emplace_back("Haberes.Text11", control<QPlainTextEdit>(receipt(), "Text11")->toPlainText());
        return all;
    }

    // Called after "Calcular" was pressed: the same run here, on the test's
    // own sheet, from the controls as they are. A run that did not make a
    // receipt must have left every text of every window as it was.
    void calculated(const Snapshot& before) {
        const PayInput input = inputFromWidgets();
        const SelectedPosition position = positionFromWidgets();
        const RunResult result = runCalculation(input, position, separator_, "", m_.sheet, m_.state);
        switch (result.status) {
        case RunStatus::noCategory:
            ++calculations_[1];
            m_.errorOpen = true;
            break;
        case RunStatus::invalidEntry: {
            ++calculations_[2];
            m_.messageOpen = true;
            m_.messageText = ui::qs(invalidEntryMessage(result.field, result.error));
            invalidField_ = result.field;
            checkInvalidEntryFocus_ = true;
            break;
        }
        case RunStatus::done:
            ++calculations_[0];
            m_.receiptExists = m_.receiptShown = true;
            m_.calculated = true;
            return;
        }
        const Snapshot after = snapshot();
        expect(after.size() == before.size(), "a failed calculation added or removed controls");
        for (std::size_t i = 0; i < std::min(before.size(), after.size()); ++i)
            if (before[i] != after[i])
                failures_.push_back("a failed calculation changed " + before[i].first + " from \"" +
                                    str(before[i].second) + "\" to \"" + str(after[i].second) + "\"");
    }

    // ---- the checks --------------------------------------------------------

    void expect(bool ok, const std::string& what) {
        if (!ok) failures_.push_back(what);
    }
    void expectText(const QString& actual, const QString& expected, const std::string& what) {
        if (actual != expected) failures_.push_back(what + ": \"" + str(actual) + "\", expected \"" + str(expected) + "\"");
    }
    void expectShown(QWidget* w, bool shown, const std::string& what) {
        if (!w) return failures_.push_back(what + ": missing");
        if (w->isHidden() == shown) failures_.push_back(what + (shown ? " is hidden" : " is shown"));
    }

    void checkEverything() {
        expect(!app().hasEnded(), "the program ended");
        expect(QApplication::activeModalWidget() == nullptr, "a modal window is open");
        expect(entry()->isVisible(), "the entry window is hidden");
        checkEntry();
        checkDialog();
        checkMessages();
        checkReceipt();
    }

    void checkEntry() {
        // At most one category, and the one the actions chose.
        int selected = 0;
        for (int i = 0; i < 3; ++i) {
            const bool on = inEntry<QAbstractButton>(kCategories[i])->isChecked();
            selected += on ? 1 : 0;
            expect(on == (m_.category == i), std::string(kCategories[i]) + (on ? " is selected" : " is not selected"));
        }
        expect(selected <= 1, std::to_string(selected) + " categories selected");
        int brackets = 0;
        for (int i = 1; i <= 12; ++i) {
            const std::string name = "Option" + std::to_string(i);
            const bool on = inEntry<QAbstractButton>(name.c_str())->isChecked();
            brackets += on ? 1 : 0;
            expect(on == (m_.seniority == i), name + (on ? " is selected" : " is not selected"));
        }
        expect(brackets <= 1, std::to_string(brackets) + " seniority brackets selected");

        // The post summary and the hours inputs never both shown.
        bool summary = false, hours = false;
        for (const char* name : kSummaryCaptions) summary = summary || !inEntry(name)->isHidden();
        for (const char* name : kSummaryValues) summary = summary || !inEntry(name)->isHidden();
        for (const char* name : {"Label3", "Label4", "numerohorasmed", "numerohorassup"})
            hours = hours || !inEntry(name)->isHidden();
        for (const char* name : kExtraHours) hours = hours || !inEntry(name)->isHidden();
        expect(!(summary && hours), "the post summary and the hours inputs are both shown");

        for (const char* name : {"numerohorasmed", "Label3"}) expectShown(inEntry(name), m_.medShown, name);
        for (const char* name : {"numerohorassup", "Label4"}) expectShown(inEntry(name), m_.supShown, name);
        for (const char* name : kExtraHours) expectShown(inEntry(name), m_.extrasShown, name);
        for (const char* name : kSummaryCaptions) expectShown(inEntry(name), m_.summaryShown, name);
        for (const char* name : kSummaryValues) {
            expectShown(inEntry(name), m_.summaryShown, name);
            expectText(textOf(inEntry(name)), m_.summary[name], name);
        }

        for (const char* name : kToggles) {
            const bool on = inEntry<QAbstractButton>(name)->isChecked();
            expect(on == m_.ticked[name], std::string(name) + (on ? " is ticked" : " is not ticked"));
        }
        for (const auto& tb : kToggleBoxes) {
            expectShown(inEntry(tb.box), m_.ticked[tb.toggle], tb.box);
            if (tb.label) expectShown(inEntry(tb.label), m_.ticked[tb.toggle], tb.label);
        }
        for (const char* name : kEntryBoxes) expectText(textOf(inEntry(name)), m_.entryText[name], name);
        expect(inEntry<QComboBox>("zona")->currentIndex() == m_.zona,
               "zona row " + std::to_string(inEntry<QComboBox>("zona")->currentIndex()) + ", expected " +
                   std::to_string(m_.zona));
    }

    void checkDialog() {
        expect((dialog() != nullptr) == m_.dialogExists, "the selection dialog exists: " + std::to_string(dialog() != nullptr));
        if (!dialog()) return;
        expect(dialog()->isVisible() == m_.dialogShown, std::string("the selection dialog is ") +
                                                            (dialog()->isVisible() ? "shown" : "hidden"));
        for (const char* name : {"codcargo", "punbas", "compbas", "proljor", "jorcom", "tardif"})
            expectText(textOf(inDialog(name)), m_.dialogText[name], std::string("advertencia.") + name);
        expectText(inDialog<QComboBox>("cargox")->currentText(), m_.dialogText["cargox"], "advertencia.cargox");
        expect(inDialog<QComboBox>("cargox")->currentIndex() == currentName_,
               "the name list's entry is " + std::to_string(inDialog<QComboBox>("cargox")->currentIndex()) +
                   ", expected " + std::to_string(currentName_));
        expect(inDialog("Command1")->isEnabled() == m_.listoEnabled,
               std::string("\"Listo\" is ") + (m_.listoEnabled ? "disabled" : "enabled"));
        auto* sd = app().existingSelectionDialog();
        auto rowText = [](std::optional<std::size_t> r) { return r ? std::to_string(*r) : std::string("none"); };
        expect(sd->codeRow() == m_.codeRow, "code list row " + rowText(sd->codeRow()) + ", expected " + rowText(m_.codeRow));
        expect(sd->pointsRow() == m_.pointsRow,
               "basic-points list row " + rowText(sd->pointsRow()) + ", expected " + rowText(m_.pointsRow));
    }

    void checkMessages() {
        const bool errorShown = errorDialog() && errorDialog()->isVisible();
        expect(errorShown == m_.errorOpen, std::string("the error dialog is ") + (errorShown ? "shown" : "hidden"));
        if (errorDialog())
            expectText(textOf(control(errorDialog(), "Label1")), u8("No seleccionaste cargo ni horas"), "error.Label1");
        QMessageBox* message = app().existingInvalidEntryMessage();
        const bool messageShown = message && message->isVisible();
        expect(messageShown == m_.messageOpen,
               std::string("the invalid-entry message is ") + (messageShown ? "shown" : "hidden"));
        if (messageShown) {
            expectText(message->text(), m_.messageText, "the invalid-entry message");
            expect(!message->isModal(), "the invalid-entry message is modal");
        }
        if (checkInvalidEntryFocus_) {
            checkInvalidEntryFocus_ = false;
            const QString name = ui::qs(fieldName(invalidField_));
            QLineEdit* box = entry()->findChild<QLineEdit*>(name);
            if (!box && dialog()) box = dialog()->findChild<QLineEdit*>(name);
            if (box && box->isVisible())
                expect(box->window()->focusWidget() == box, "the box " + str(name) + " to correct has no focus");
        }
    }

    void checkReceipt() {
        QWidget* window = receipt();
        expect((window != nullptr) == m_.receiptExists, "the receipt window exists: " + std::to_string(window != nullptr));
        if (!window) return;
        expect(window->isVisible() == m_.receiptShown,
               std::string("the receipt window is ") + (window->isVisible() ? "shown" : "hidden"));
        if (m_.receiptShown) expect(window->isEnabled(), "the receipt window is disabled while shown");
        const ReceiptSheet& s = m_.sheet;
        auto cell = [&](const QString& name, const Cell& c) {
            auto* label = window->findChild<QLabel*>(name);
            if (!label) return failures_.push_back("no cell " + str(name));
            expectText(label->text(), ui::qs(c.text), str(name));
            if (label->isHidden() == c.shown) failures_.push_back(str(name) + (c.shown ? " is hidden" : " is shown"));
        };
        for (int r = 0; r < kSheetRows; ++r) {
            const QString n = QString::number(r);
            const SheetRow& row = s.rows[static_cast<std::size_t>(r)];
            cell(QStringLiteral("cod_") + n, row.cod);
            cell(QStringLiteral("Label10_") + n, row.Label10);
            cell(QStringLiteral("Label19_") + n, row.Label19);
            expectShown(window->findChild<QWidget*>(QStringLiteral("Line8_") + n), row.Line8, "Line8_" + str(n));
        }
        for (int i = 0; i < kAmountCells; ++i) cell(QStringLiteral("Label1_%1").arg(i), s.Label1[static_cast<std::size_t>(i)]);
        const struct {
            const char* name;
            const std::string& text;
        } fields[] = {{"thaberes", s.thaberes}, {"tdescuentos", s.tdescuentos}, {"liquido", s.liquido},
                      {"docente", s.docente},   {"carsel", s.carsel},           {"Label11", s.Label11},
                      {"numcargo", s.numcargo}, {"punbasicos", s.punbasicos},   {"proljor", s.proljor},
                      {"jorcom", s.jorcom},     {"tardif", s.tardif},           {"compbas", s.compbas}};
        for (const auto& f : fields) expectText(textOf(control(window, f.name)), ui::qs(f.text), std::string("Haberes.") + f.name);
        for (const char* name : {"Label14", "proljor", "Label20", "jorcom", "Label21", "tardif", "Label2", "compbas"})
            expectShown(control(window, name), s.positionPointsShown, std::string("Haberes.") + name);
        const struct {
            const char* name;
            float top;
        } totals[] = {{"thaberes", s.totals.thaberesTop}, {"tdescuentos", s.totals.tdescuentosTop},
                      {"liquido", s.totals.liquidoTop},   {"Line6", s.totals.line6Y}};
        for (const auto& t : totals) {
            const int y = control(window, t.name)->y();
            expect(y == ui::twips(static_cast<int>(std::lround(t.top))),
                   std::string("Haberes.") + t.name + " at y " + std::to_string(y));
        }
        // The date and time of the last calculation: the clock's, today's date.
        const QString when = textOf(control(window, "Text10"));
        if (m_.calculated) {
            const QLocale locale = QLocale::system();
            const QDate today = QDate::currentDate();
            expect(when.startsWith(locale.toString(today, QLocale::ShortFormat)) ||
                       when.startsWith(locale.toString(today.addDays(-1), QLocale::ShortFormat)),
                   "Haberes.Text10 \"" + str(when) + "\" is not today's date and time");
        } else {
            expectText(when, QString(), "Haberes.Text10");
        }
        expectText(control<QPlainTextEdit>(window, "Text11")->toPlainText(), m_.comment, "Haberes.Text11");

        // The frame follows the scroll bar; the bar follows the window's height.
        auto* rw = app().existingReceiptWindow();
        auto* bar = control<QScrollBar>(window, "movedor");
        if (bar->value() != 0) m_.scrolled = true;
        const int top = m_.scrolled ? 100 - bar->value() : 0;
        expect(rw->frameTopTwips() == top, "frame top " + std::to_string(rw->frameTopTwips()) + " twips, expected " +
                                               std::to_string(top) + " at value " + std::to_string(bar->value()));
        expect(rw->frameHeightTwips() == 12000 + (m_.scrolled ? bar->value() : 0),
               "frame height " + std::to_string(rw->frameHeightTwips()) + " twips at value " + std::to_string(bar->value()));
        expect(rw->sosten()->geometry() == ui::twipsRect(840, rw->frameTopTwips(), 6840, rw->frameHeightTwips()),
               "the frame is not where its top and height say");
        if (window->isVisible()) {
            const int expected = std::max(0, window->frameGeometry().height() - ui::twips(400));
            expect(bar->height() == expected, "movedor is " + std::to_string(bar->height()) + " high, expected " +
                                                  std::to_string(expected));
        }
    }

    unsigned seed_ = kDefaultSeed;
    unsigned long actions_ = 0;
    unsigned long step_ = 0;
    std::mt19937 rng_;
    char separator_ = ',';
    Model m_;
    std::vector<std::string> done_;
    std::vector<std::string> failures_;
    std::array<unsigned long, 3> calculations_{};  // receipts, no category, invalid entries
    InputField invalidField_ = InputField::punbas;
    bool checkInvalidEntryFocus_ = false;
    int currentName_ = -1;  // the name list's selected entry
    QFile log_;
};

TEST_F(RandomUserTest, ThousandsOfActionsKeepEveryWindowConsistent) { runActions(); }

}  // namespace
}  // namespace sueldara::test
