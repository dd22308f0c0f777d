// "Calcular" from the entry window: the typical post receipt, the error dialog
// when no category is chosen, the message for an entry that is not a number,
// and the way back from the receipt window.

#include <QMessageBox>
#include <QTest>

#include "error_dialog.h"
#include "gui_fixture.h"
#include "receipt_requests.h"
#include "receipt_window.h"
#include "selection_dialog.h"
#include "services.h"

namespace sueldara::test {
namespace {

QString u8(const char* s) { return QString::fromUtf8(s); }

class CalculationFlowTest : public GuiFixture {
protected:
    void expectLines(const std::vector<Line>& lines) {
        ASSERT_EQ(sheet().rowCount, static_cast<int>(lines.size()));
        for (std::size_t r = 0; r < lines.size(); ++r) {
            SCOPED_TRACE(lines[r].code);
            const SheetRow& row = sheet().rows[r];
            EXPECT_TRUE(row.cod.shown);
            EXPECT_EQ(row.cod.text, lines[r].code);
            EXPECT_EQ(row.Label19.text, lines[r].conceptText);
            EXPECT_EQ(row.Label10.shown, lines[r].quantity != nullptr);
            if (lines[r].quantity) {
                EXPECT_EQ(row.Label10.text, lines[r].quantity);
            }
            const Cell& amount = sheet().Label1[r + (lines[r].deduction ? kSheetRows : 0)];
            const Cell& other = sheet().Label1[r + (lines[r].deduction ? 0 : kSheetRows)];
            EXPECT_TRUE(amount.shown);
            EXPECT_FALSE(other.shown);
            EXPECT_EQ(amount.text, lines[r].amount);
        }
    }
};

TEST_F(CalculationFlowTest, TypicalPostReceipt) {
    typeInto(entry(), "docente", u8("Gómez, María"));
    enterTypicalRequest();
    ASSERT_NE(receipt(), nullptr);
    EXPECT_TRUE(receipt()->isVisible());
    EXPECT_TRUE(entry()->isVisible());
    expectLines(kTypicalLines);
    // 188 is 7 % of 001 + 002 + 052 + 010 (1730,832); the deductions apply to
    // that base plus 006, 014 and 188 (2258,5902).
    EXPECT_EQ(sheet().thaberes, "$ 2678,5902");
    EXPECT_EQ(sheet().tdescuentos, "$ 429,1321");
    EXPECT_EQ(sheet().liquido, "$ 2249,4581");
    EXPECT_EQ(sheet().docente, "Gómez, María");
    EXPECT_EQ(sheet().numcargo, "813");
    EXPECT_EQ(sheet().carsel, "Maestro De Grado Jornada Completa");
    // The date and time come from the clock in the locale's short date and long time.
    EXPECT_FALSE(sheet().Text10.empty());
    EXPECT_NE(sheet().Text10.find(' '), std::string::npos);
    // The run changes none of the entry window's fields.
    EXPECT_TRUE(inEntry<QPushButton>("cargo")->isChecked());
    EXPECT_EQ(textOf(inEntry("porcantig")), u8("30 %"));
}

// A second "Calcular" rewrites the same sheet from the current entries.
TEST_F(CalculationFlowTest, CalculatingAgainFollowsTheChangedEntries) {
    enterTypicalRequest();
    ASSERT_EQ(sheet().rowCount, 11);
    click(entry(), "APORTEJUB");
    click(entry(), "Command1");
    std::vector<Line> lines(kTypicalLines.begin(), kTypicalLines.end() - 1);
    expectLines(lines);
    EXPECT_EQ(sheet().tdescuentos, "$ 67,7577");
    // Enter in the entry window presses "Calcular".
    click(entry(), "APORTEJUB");
    QTest::keyClick(inEntry("docente"), Qt::Key_Return);
    expectLines(kTypicalLines);
}

struct CloseWay {
    const char* what;
    enum { enter, escape, click } how;
};

TEST_F(CalculationFlowTest, NoCategoryShowsTheErrorDialogAndNothingElse) {
    const CloseWay ways[] = {{"Enter", CloseWay::enter}, {"Esc", CloseWay::escape}, {"click", CloseWay::click}};
    for (const CloseWay& way : ways) {
        SCOPED_TRACE(way.what);
        click(entry(), "Command1");
        ASSERT_NE(errorDialog(), nullptr);
        EXPECT_TRUE(errorDialog()->isVisible());
        EXPECT_FALSE(errorDialog()->isModal());
        EXPECT_EQ(errorDialog()->windowTitle(), u8("Error de selección"));
        EXPECT_EQ(textOf(control(errorDialog(), "Label1")), u8("No seleccionaste cargo ni horas"));
        EXPECT_EQ(receipt(), nullptr);
        EXPECT_EQ(sheet().rowCount, 0);
        // The entry window stays usable while the dialog is shown.
        click(entry(), "opincentivo");
        click(entry(), "opincentivo");
        switch (way.how) {
        case CloseWay::enter: pressKey(errorDialog(), Qt::Key_Return); break;
        case CloseWay::escape: pressKey(errorDialog(), Qt::Key_Escape); break;
        case CloseWay::click: click(errorDialog(), "Aceptar"); break;
        }
        EXPECT_FALSE(errorDialog()->isVisible());
    }
}

TEST_F(CalculationFlowTest, ErrorDialogLayout) {
    click(entry(), "Command1");
    ASSERT_NE(errorDialog(), nullptr);
    EXPECT_EQ(errorDialog()->size(), QSize(ui::twips(5115), ui::twips(1515)));
    EXPECT_EQ(errorDialog()->palette().color(QPalette::Window), QColor("#FF8000"));
    QWidget* label = control(errorDialog(), "Label1");
    EXPECT_EQ(label->geometry(), ui::twipsRect(0, 120, 5115, 450));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor("#008000"));
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 14.25);
    auto* aceptar = control<QPushButton>(errorDialog(), "Aceptar");
    EXPECT_EQ(aceptar->geometry(), ui::twipsRect(1680, 720, 1800, 540));
    EXPECT_EQ(aceptar->text(), u8("Aceptar"));
    EXPECT_TRUE(aceptar->isDefault());
    EXPECT_EQ(aceptar->palette().color(QPalette::Button), QColor("#00FF00"));
}

// After "Volver" no category is selected: "Calcular" shows the error dialog and
// leaves the receipt as it was; the dialog still holds the post.
TEST_F(CalculationFlowTest, VolverClearsTheCategoryAndKeepsTheTexts) {
    typeInto(entry(), "docente", u8("Gómez"));
    enterTypicalRequest();
    ASSERT_TRUE(receipt()->isVisible());
    click(receipt(), "Volver");
    EXPECT_FALSE(receipt()->isVisible());
    EXPECT_TRUE(entry()->isVisible());
    for (const char* option : {"cargo", "horasmedio", "horassup"})
        EXPECT_FALSE(inEntry<QPushButton>(option)->isChecked()) << option;
    for (const char* name : {"cargoselect", "codcarval", "puncartit", "numerohorasmed", "numerohorassup", "Label3", "Label4"})
        EXPECT_FALSE(inEntry(name)->isVisible()) << name;
    EXPECT_EQ(textOf(inEntry("codcarval")), QStringLiteral("813"));
    EXPECT_EQ(textOf(inEntry("docente")), u8("Gómez"));
    EXPECT_TRUE(inEntry<QPushButton>("Option4")->isChecked());
    EXPECT_TRUE(inEntry<QPushButton>("Iosper")->isChecked());

    const std::string total = sheet().thaberes;
    click(entry(), "Command1");
    ASSERT_NE(errorDialog(), nullptr);
    EXPECT_TRUE(errorDialog()->isVisible());
    EXPECT_FALSE(receipt()->isVisible());
    EXPECT_EQ(sheet().thaberes, total);
    EXPECT_EQ(sheet().rowCount, 11);
    EXPECT_EQ(textOf(control(dialog(), "codcargo")), QStringLiteral("813"));
    click(errorDialog(), "Aceptar");

    // Choosing "Cargo" again brings back the dialog with its post.
    click(entry(), "cargo");
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_EQ(textOf(control(dialog(), "punbas")), QStringLiteral("971"));
}

TEST_F(CalculationFlowTest, SalirInTheReceiptWindowEndsTheProgram) {
    enterTypicalRequest();
    click(receipt(), "Salir");
    EXPECT_TRUE(app().hasEnded());
    EXPECT_FALSE(entry()->isVisible());
    EXPECT_FALSE(receipt()->isVisible());
}

// An entry that is not a number: a non-modal message names the field, the
// focus goes to the box, nothing typed changes and the receipt stays.
TEST_F(CalculationFlowTest, NonNumericKilometresAreReported) {
    enterTypicalRequest();
    const std::string total = sheet().thaberes;
    click(receipt(), "Volver");
    click(entry(), "cargo");
    click(dialog(), "Command1");
    click(entry(), "transporte");
    typeInto(entry(), "cantkm", QStringLiteral("veinte"));
    click(entry(), "Command1");

    QMessageBox* message = app().existingInvalidEntryMessage();
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->isVisible());
    EXPECT_FALSE(message->isModal());
    EXPECT_TRUE(message->text().contains(u8("Cantidad de km semanales"))) << message->text().toStdString();
    EXPECT_TRUE(message->text().contains(u8("no es un número"))) << message->text().toStdString();
    EXPECT_EQ(entry()->focusWidget(), inEntry("cantkm"));
    EXPECT_EQ(textOf(inEntry("cantkm")), QStringLiteral("veinte"));
    EXPECT_EQ(sheet().thaberes, total);
    EXPECT_FALSE(receipt()->isVisible());

    // The message closes with its button; correcting the entry calculates.
    pressKey(message, Qt::Key_Return);
    EXPECT_FALSE(message->isVisible());
    typeInto(entry(), "cantkm", QStringLiteral("20"));
    click(entry(), "Command1");
    EXPECT_TRUE(receipt()->isVisible());
    bool transport = false;
    for (int r = 0; r < sheet().rowCount; ++r)
        transport = transport || sheet().rows[static_cast<std::size_t>(r)].cod.text == "029";
    EXPECT_TRUE(transport);
}

}  // namespace
}  // namespace sueldara::test
