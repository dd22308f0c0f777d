// The position selection dialog "advertencia": the code box and its lookup,
// the name list, "Listo" and "Salir sin datos", with their effects on the entry
// window, the receipt sheet's header and the selected post.

#include <QComboBox>
#include <QTest>

#include <optional>

#include "entry_window.h"
#include "gui_fixture.h"
#include "position_catalogue.h"
#include "selection_dialog.h"
#include "services.h"

namespace sueldara::test {
namespace {

QString u8(const char* s) { return QString::fromUtf8(s); }

const char* const kValueBoxes[] = {"punbas", "compbas", "proljor", "jorcom", "tardif"};

class SelectionDialogTest : public GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        click(entry(), "cargo");
        ASSERT_NE(dialog(), nullptr);
        ASSERT_TRUE(dialog()->isVisible());
    }
    ui::SelectionDialog* advertencia() const { return app().existingSelectionDialog(); }
    ui::Application& app() const { return const_cast<SelectionDialogTest*>(this)->GuiFixture::app(); }
    QString text(const char* name) const { return textOf(inDialog(name)); }
    QString summary(const char* name) const { return textOf(inEntry(name)); }
    bool listoEnabled() const { return inDialog("Command1")->isEnabled(); }
    QComboBox* names() const { return inDialog<QComboBox>("cargox"); }
    // Reopens the dialog from the entry window: an hours mode, then "Cargo".
    void reopen() {
        click(entry(), "horasmedio");
        click(entry(), "cargo");
        ASSERT_TRUE(dialog()->isVisible());
    }
    void expectValues(const char* punbas, const char* compbas, const char* proljor, const char* jorcom,
                      const char* tardif) {
        const char* expected[] = {punbas, compbas, proljor, jorcom, tardif};
        for (int i = 0; i < 5; ++i) EXPECT_EQ(text(kValueBoxes[i]), u8(expected[i])) << kValueBoxes[i];
    }
};

TEST_F(SelectionDialogTest, OpensInItsStartState) {
    EXPECT_EQ(dialog()->windowTitle(), u8("Selección de cargo"));
    EXPECT_EQ(dialog()->size(), QSize(ui::twips(9735), ui::twips(6855)));
    EXPECT_EQ(dialog()->palette().color(QPalette::Window), QColor("#FFC080"));
    EXPECT_FALSE(dialog()->isModal());

    const QString codeTip = u8(
        "Escriba el código del cargo. Si luego de escribir las tres cifras no se selecciona el cargo, vuelva a "
        "elegir un código correcto.");
    const QString autoTip = u8("Se selecciona automáticamente");
    const struct {
        const char* name;
        const char* text;
        QString tooltip;
        int left, top, width, height;
    } controls[] = {
        {"Label2", "Seleccione el cargo o el código del cargo", {}, 60, 105, 5895, 420},
        {"Label1", "Código del cargo", {}, 120, 720, 1695, 330},
        {"Label3", "Puntos básicos", {}, 1920, 720, 1485, 330},
        {"Label8", "Comp básico", {}, 3600, 720, 1335, 330},
        {"Label5", "Prol. de jornada", {}, 5040, 720, 1485, 330},
        {"Label6", "Jorn. completa", {}, 6600, 720, 1395, 330},
        {"Label7", "Tarea diferenc.", {}, 8160, 720, 1485, 330},
        {"codcargo", "0", codeTip, 240, 1320, 1275, 330},
        {"punbas", "", autoTip, 2040, 1320, 1065, 330},
        {"compbas", "", codeTip, 3720, 1320, 1155, 330},
        {"proljor", "", autoTip, 5280, 1320, 1065, 330},
        {"jorcom", "", autoTip, 6840, 1320, 960, 330},
        {"tardif", "", autoTip, 8400, 1320, 960, 330},
        {"Label4", "Cargo", {}, 120, 2760, 1485, 330},
        {"cargox", "", u8("Seleccione el cargo"), 1785, 2760, 7050, 345},
        {"Picture1", "", {}, 360, 3480, 5460, 2175},
        {"Command1", "Listo", {}, 6480, 4800, 2325, 435},
        {"Command2", "Salir sin datos", {}, 6480, 5520, 2325, 435},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.name);
        QWidget* w = inDialog(c.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(textOf(w), u8(c.text));
        EXPECT_EQ(w->toolTip(), c.tooltip);
        EXPECT_TRUE(w->isVisible());
        EXPECT_TRUE(w->isEnabled());
        EXPECT_EQ(w->geometry(), ui::twipsRect(c.left, c.top, c.width, c.height));
        EXPECT_FALSE(w->accessibleName().isEmpty() && (w->focusPolicy() & Qt::TabFocus));
    }
    EXPECT_TRUE(inDialog<QLineEdit>("punbas")->isReadOnly());
    for (const char* name : {"codcargo", "compbas", "proljor", "jorcom", "tardif"})
        EXPECT_FALSE(inDialog<QLineEdit>(name)->isReadOnly()) << name;
    EXPECT_TRUE(inDialog<QPushButton>("Command1")->isDefault());
    EXPECT_EQ(names()->currentIndex(), -1);

    // The name list holds the catalogue's 311 names in row order, repeats included.
    ASSERT_EQ(names()->count(), 311);
    for (int r = 0; r < 311; ++r) {
        const std::string_view name = PositionCatalogue::rowAt(static_cast<std::size_t>(r)).cargox;
        ASSERT_EQ(names()->itemText(r).toStdString(), std::string(name)) << "row " << r;
    }
    EXPECT_EQ(names()->itemText(149), u8("Maestro De Grado"));
    EXPECT_EQ(names()->itemText(150), u8("Maestro De Grado"));

    const SelectedPosition pos = advertencia()->selectedPosition();
    EXPECT_EQ(pos.codigocargo, "");
    EXPECT_EQ(pos.puntosbasicos, "");
    EXPECT_EQ(pos.punbas, "");

    // The tab order is the Tab column: codcargo, cargox, Listo, punbas,
    // proljor, jorcom, tardif, "Salir sin datos", compbas.
    std::vector<QString> chain;
    QWidget* w = inDialog("codcargo");
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->window() == dialog() && !w->objectName().isEmpty() &&
            w->parentWidget() == dialog())
            chain.push_back(w->objectName());
        w = w->nextInFocusChain();
    } while (w != inDialog("codcargo") && chain.size() < 50);
    const std::vector<QString> expected = {u8("codcargo"), u8("cargox"), u8("Command1"), u8("punbas"), u8("proljor"),
                                           u8("jorcom"),   u8("tardif"), u8("Command2"), u8("compbas")};
    EXPECT_EQ(chain, expected);
}

TEST_F(SelectionDialogTest, ClickIntoTheCodeBoxClearsIt) {
    typeInto(dialog(), "codcargo", QStringLiteral("813"));
    ASSERT_EQ(text("punbas"), QStringLiteral("971"));
    click(dialog(), "codcargo");
    EXPECT_EQ(text("codcargo"), QString());
    expectValues("", "", "", "", "");
    EXPECT_EQ(names()->currentIndex(), -1);
    EXPECT_EQ(names()->currentText(), QString());
    EXPECT_FALSE(listoEnabled());
    EXPECT_FALSE(advertencia()->codeRow().has_value());
    EXPECT_EQ(advertencia()->selectedPosition().codigocargo, "");
}

struct CodeCase {
    const char* code;
    std::optional<std::size_t> row;
    const char* name;
    const char* values[5];  // punbas, compbas, proljor, jorcom, tardif
};

TEST_F(SelectionDialogTest, TypedCodesLookUpTheirRow) {
    const CodeCase cases[] = {
        {"813", 157, "Maestro De Grado Jornada Completa", {"971", "170", "0", "620", "0"}},
        {"999", 0, "Analista Princ Tec Doc", {"3146", "0", "0", "0", "0"}},
        {"734", 6, "Asistente Social", {"1500", "101", "0", "0", "150"}},
        {"667", 44, "Director De 1era Cat. Con Prolong. De Jorn.", {"2000", "36", "830", "0", "0"}},
        {"81", std::nullopt, "", {"", "", "", "", ""}},
        {"601", std::nullopt, "", {"", "", "", "", ""}},
        {"8130", std::nullopt, "", {"", "", "", "", ""}},
    };
    for (const CodeCase& c : cases) {
        SCOPED_TRACE(c.code);
        click(dialog(), "codcargo");
        typeText(inDialog("codcargo"), QString::fromLatin1(c.code));
        EXPECT_EQ(text("codcargo"), QString::fromLatin1(c.code));
        EXPECT_EQ(advertencia()->codeRow(), c.row);
        EXPECT_EQ(advertencia()->pointsRow(), c.row);
        EXPECT_EQ(names()->currentIndex(), c.row ? static_cast<int>(*c.row) : -1);
        EXPECT_EQ(names()->currentText(), u8(c.name));
        expectValues(c.values[0], c.values[1], c.values[2], c.values[3], c.values[4]);
        EXPECT_EQ(listoEnabled(), c.row.has_value());
        const SelectedPosition pos = advertencia()->selectedPosition();
        EXPECT_EQ(pos.codigocargo, c.row ? std::string(c.code) : std::string());
        EXPECT_EQ(pos.puntosbasicos, std::string(c.values[0]));
        EXPECT_EQ(pos.cargox, std::string(c.name));
    }
}

TEST_F(SelectionDialogTest, ChoosingANamePutsItsRowsCode) {
    const struct {
        int row;
        const char* code;
        const char* punbas;
    } choices[] = {{150, "749", nullptr}, {149, "634", "971"}, {157, "813", "971"}, {0, "999", "3146"}, {310, "733", nullptr}};
    click(dialog(), "codcargo");  // "Listo" off, to see the choice turn it on
    for (const auto& c : choices) {
        SCOPED_TRACE(c.row);
        pick(dialog(), "cargox", c.row);
        EXPECT_EQ(text("codcargo"), QString::fromLatin1(c.code));
        EXPECT_EQ(names()->currentIndex(), c.row);
        EXPECT_EQ(advertencia()->codeRow(), std::optional<std::size_t>(c.row));
        EXPECT_EQ(advertencia()->pointsRow(), std::optional<std::size_t>(c.row));
        EXPECT_TRUE(listoEnabled());
        const Position& p = PositionCatalogue::rowAt(static_cast<std::size_t>(c.row));
        EXPECT_EQ(text("punbas").toStdString(), std::string(p.puntosbasicos));
        if (c.punbas) {
            EXPECT_EQ(text("punbas"), QString::fromLatin1(c.punbas));
        }
        EXPECT_EQ(text("jorcom").toStdString(), std::string(p.jorcompleta));
        EXPECT_EQ(advertencia()->selectedPosition().codigocargo, std::string(c.code));
    }
}

TEST_F(SelectionDialogTest, SalirSinDatosEmptiesTheDialogAndClearsTheCategory) {
    typeInto(dialog(), "codcargo", QStringLiteral("813"));
    click(dialog(), "Command1");
    ASSERT_EQ(summary("codcarval"), QStringLiteral("813"));
    reopen();
    pick(dialog(), "cargox", 149);
    ASSERT_EQ(text("codcargo"), QStringLiteral("634"));

    const bool summaryShown = inEntry("codcarval")->isVisible();
    click(dialog(), "Command2");
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_FALSE(inEntry<QPushButton>("cargo")->isChecked());
    EXPECT_EQ(text("codcargo"), QStringLiteral("634"));
    expectValues("0", "0", "0", "0", "0");
    EXPECT_EQ(names()->currentIndex(), -1);
    EXPECT_EQ(names()->currentText(), QString());
    EXPECT_TRUE(listoEnabled());
    // The entry window's summary is not touched: it holds the earlier post.
    EXPECT_EQ(inEntry("codcarval")->isVisible(), summaryShown);
    EXPECT_EQ(summary("codcarval"), QStringLiteral("813"));
    EXPECT_EQ(summary("cargoselect"), u8("Maestro De Grado Jornada Completa"));
    // The code list lost its row, the basic-points list kept it.
    const SelectedPosition pos = advertencia()->selectedPosition();
    EXPECT_EQ(pos.codigocargo, "");
    EXPECT_EQ(pos.puntosbasicos, "971");
    EXPECT_EQ(pos.punbas, "0");

    // "Listo" after a new choice copies the new post.
    click(entry(), "cargo");
    ASSERT_TRUE(dialog()->isVisible());
    pick(dialog(), "cargox", 6);
    click(dialog(), "Command1");
    EXPECT_TRUE(inEntry<QPushButton>("cargo")->isChecked());
    const struct {
        const char* label;
        const char* text;
    } post[] = {{"cargoselect", "Asistente Social"}, {"codcarval", "734"},   {"puncarval", "1500"},
                {"puncompbasval", "101"},           {"punproljorval", "0"}, {"punjorcomval", "0"},
                {"puntardifval", "150"}};
    for (const auto& p : post) EXPECT_EQ(summary(p.label), u8(p.text)) << p.label;
    EXPECT_EQ(sheet().numcargo, "734");
    EXPECT_EQ(sheet().punbasicos, "1500");
    EXPECT_EQ(sheet().compbas, "101");
    EXPECT_EQ(sheet().proljor, "0");
    EXPECT_EQ(sheet().jorcom, "0");
    EXPECT_EQ(sheet().tardif, "150");
}

TEST_F(SelectionDialogTest, ListoCopiesThePostAndReturnsToTheEntryWindow) {
    typeInto(dialog(), "codcargo", QStringLiteral("813"));
    click(dialog(), "Command1");
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_TRUE(entry()->isVisible());
    EXPECT_TRUE(inEntry<QPushButton>("cargo")->isChecked());
    const struct {
        const char* label;
        const char* text;
    } post[] = {{"cargoselect", "Maestro De Grado Jornada Completa"}, {"codcarval", "813"}, {"puncarval", "971"},
                {"puncompbasval", "170"}, {"punproljorval", "0"}, {"punjorcomval", "620"}, {"puntardifval", "0"},
                {"codcartit", "Código del cargo"}, {"puntardiftit", "Puntos tarea difer"}};
    for (const auto& p : post) {
        EXPECT_TRUE(inEntry(p.label)->isVisible()) << p.label;
        EXPECT_EQ(summary(p.label), u8(p.text)) << p.label;
    }
    // The post name label grows with its text.
    auto* name = inEntry<QLabel>("cargoselect");
    EXPECT_GE(name->width(), name->fontMetrics().horizontalAdvance(name->text()));
    // The receipt window exists now, hidden, and the sheet holds the header.
    ASSERT_NE(receipt(), nullptr);
    EXPECT_FALSE(receipt()->isVisible());
    EXPECT_EQ(sheet().numcargo, "813");
    EXPECT_EQ(sheet().punbasicos, "971");
    EXPECT_EQ(sheet().compbas, "170");
    EXPECT_EQ(sheet().jorcom, "620");
    EXPECT_EQ(sheet().proljor, "0");
    EXPECT_EQ(sheet().tardif, "0");
}

TEST_F(SelectionDialogTest, EnterPressesListo) {
    typeInto(dialog(), "codcargo", QStringLiteral("813"));
    QTest::keyClick(inDialog("codcargo"), Qt::Key_Return);
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_EQ(summary("codcarval"), QStringLiteral("813"));
}

// "Salir sin datos" pressed with the mouse takes the focus and, for a moment,
// the Enter key; once the dialog is back and the user types into a box, Enter
// is "Listo" again and never throws the post away.
TEST_F(SelectionDialogTest, EnterInABoxIsListoAfterSalirSinDatos) {
    click(dialog(), "Command2");
    ASSERT_FALSE(dialog()->isVisible());
    click(entry(), "cargo");
    ASSERT_TRUE(dialog()->isVisible());
    typeInto(dialog(), "codcargo", QStringLiteral("813"));
    QTest::keyClick(inDialog("codcargo"), Qt::Key_Return);
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_TRUE(inEntry<QPushButton>("cargo")->isChecked());
    EXPECT_EQ(summary("codcarval"), QStringLiteral("813"));
    EXPECT_EQ(text("punbas"), QStringLiteral("971"));

    // With no post found, Enter in a box does nothing at all.
    reopen();
    click(dialog(), "Command2");
    click(entry(), "cargo");
    click(dialog(), "codcargo");
    ASSERT_FALSE(listoEnabled());
    typeInto(dialog(), "jorcom", QStringLiteral("5"));
    QTest::keyClick(inDialog("jorcom"), Qt::Key_Return);
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_TRUE(inEntry<QPushButton>("cargo")->isChecked());
    EXPECT_EQ(text("jorcom"), QStringLiteral("5"));
}

TEST_F(SelectionDialogTest, ListoBeforeAnyChoiceConfirmsTheStartingZero) {
    ASSERT_TRUE(listoEnabled());
    click(dialog(), "Command1");
    EXPECT_FALSE(inEntry<QPushButton>("cargo")->isChecked());
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_TRUE(inEntry("codcarval")->isVisible());
    EXPECT_EQ(summary("codcarval"), QStringLiteral("0"));
    for (const char* label : {"cargoselect", "puncarval", "puncompbasval", "punproljorval", "punjorcomval", "puntardifval"})
        EXPECT_EQ(summary(label), QString()) << label;
    EXPECT_EQ(sheet().numcargo, "0");
    EXPECT_EQ(sheet().punbasicos, "");
}

TEST_F(SelectionDialogTest, TypedValuesAreWhatListoCopiesAndTheCalculationUses) {
    typeInto(dialog(), "codcargo", QStringLiteral("813"));
    typeInto(dialog(), "jorcom", QStringLiteral("500"));
    typeAfter(dialog(), "punbas", QStringLiteral("5"));  // read-only: nothing changes
    EXPECT_EQ(text("punbas"), QStringLiteral("971"));
    EXPECT_EQ(advertencia()->selectedPosition().jorcom, "500");
    click(dialog(), "Command1");
    EXPECT_EQ(summary("punjorcomval"), QStringLiteral("500"));
    EXPECT_EQ(sheet().jorcom, "500");

    click(entry(), "Command1");
    ASSERT_TRUE(receipt()->isVisible());
    // Line 052 (full day) follows the typed points: 500 of them instead of 620.
    int fullDay = -1;
    for (int r = 0; r < sheet().rowCount; ++r)
        if (sheet().rows[static_cast<std::size_t>(r)].cod.text == "052") fullDay = r;
    ASSERT_GE(fullDay, 0);
    EXPECT_NE(sheet().Label1[static_cast<std::size_t>(fullDay)].text, "$ 531,34");
}

TEST_F(SelectionDialogTest, TextTypedInTheNameBoxIsOnlyTheName) {
    typeInto(dialog(), "codcargo", QStringLiteral("813"));
    QLineEdit* edit = names()->lineEdit();
    ASSERT_NE(edit, nullptr);
    // The name of another row typed in full, then Tab moves on: no choice.
    ASSERT_TRUE(activate(dialog()));
    QTest::mouseClick(edit, Qt::LeftButton);
    ASSERT_TRUE(edit->hasFocus());
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    typeText(edit, QStringLiteral("Visitador"));
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_FALSE(edit->hasFocus());
    EXPECT_EQ(text("codcargo"), QStringLiteral("813"));
    expectValues("971", "170", "0", "620", "0");
    EXPECT_EQ(advertencia()->codeRow(), std::optional<std::size_t>(157));
    EXPECT_EQ(names()->count(), 311);

    // Free text is the name "Listo" copies; Enter in the name box presses "Listo".
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    typeText(edit, u8("Maestra de grado suplente"));
    EXPECT_EQ(text("codcargo"), QStringLiteral("813"));
    EXPECT_EQ(advertencia()->selectedPosition().cargox, "Maestra de grado suplente");
    EXPECT_EQ(names()->count(), 311);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_EQ(summary("cargoselect"), u8("Maestra de grado suplente"));
    EXPECT_EQ(summary("codcarval"), QStringLiteral("813"));
    EXPECT_EQ(summary("punjorcomval"), QStringLiteral("620"));
}

TEST_F(SelectionDialogTest, CargoAgainShowsThePostHeldBefore) {
    typeInto(dialog(), "codcargo", QStringLiteral("813"));
    click(dialog(), "Command1");
    click(entry(), "horassup");
    EXPECT_FALSE(dialog()->isVisible());
    click(entry(), "cargo");
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_EQ(text("codcargo"), QStringLiteral("813"));
    EXPECT_EQ(names()->currentIndex(), 157);
    expectValues("971", "170", "0", "620", "0");
}

// The close button hides the dialog with its state; a calculation then
// finds the post the dialog held.
TEST_F(SelectionDialogTest, ClosingThroughTheFrameKeepsThePost) {
    typeInto(dialog(), "codcargo", QStringLiteral("813"));
    dialog()->close();
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_TRUE(inEntry<QPushButton>("cargo")->isChecked());
    EXPECT_EQ(text("codcargo"), QStringLiteral("813"));
    EXPECT_EQ(advertencia()->selectedPosition().codigocargo, "813");
    // Esc is not a way out of this dialog.
    reopen();
    pressKey(dialog(), Qt::Key_Escape);
    EXPECT_TRUE(dialog()->isVisible());

    click(entry(), "Command1");
    ASSERT_NE(receipt(), nullptr);
    EXPECT_TRUE(receipt()->isVisible());
    ASSERT_GE(sheet().rowCount, 1);
    EXPECT_EQ(sheet().rows[0].cod.text, "001");
    EXPECT_EQ(sheet().Label1[0].text, "$680,8652");
}

}  // namespace
}  // namespace sueldara::test
