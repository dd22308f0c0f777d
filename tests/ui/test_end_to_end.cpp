// The whole program from the first click to the receipt window, as a teacher
// uses it: the typical post receipt and an hours receipt read off the receipt
// window's cells, a shorter receipt after a longer one, scrolling with the
// bar's arrows and track, "Volver" and calculating again, and the comment.

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <vector>

#include "gui_fixture.h"
#include "receipt_cells.h"
#include "receipt_requests.h"
#include "receipt_window.h"
#include "services.h"

namespace sueldara::test {
namespace {

using ui::twips;

QString u8(const char* s) { return QString::fromUtf8(s); }

// The post's points in the panel; shown for a post, hidden for hours.
const char* const kPositionGroup[] = {"Label14", "proljor", "Label20", "jorcom",
                                      "Label21", "tardif",  "Label2",  "compbas"};

class EndToEndTest : public GuiFixture {
protected:
    QWidget* inReceipt(const QString& name) const {
        QWidget* w = receipt() ? receipt()->findChild<QWidget*>(name) : nullptr;
        EXPECT_NE(w, nullptr) << "no control " << name.toStdString() << " in the receipt window";
        return w;
    }
    QString shownText(const QString& name) const { return visibleText(inReceipt(name)); }
    ui::ReceiptWindow* receiptWindow() { return app().existingReceiptWindow(); }
    QScrollBar* movedor() { return receiptWindow()->movedor(); }

    // The lines as the receipt window shows them; every row after them is
    // empty on screen and has no separator.
    void expectReceiptLines(const std::vector<Line>& lines) {
        ASSERT_NE(receipt(), nullptr);
        for (int r = 0; r < kSheetRows; ++r) {
            const QString n = QString::number(r);
            const QString cod = QStringLiteral("cod_") + n;
            const QString quantity = QStringLiteral("Label10_") + n;
            const QString conceptCell = QStringLiteral("Label19_") + n;
            const QString earning = QStringLiteral("Label1_%1").arg(r);
            const QString deduction = QStringLiteral("Label1_%1").arg(r + kSheetRows);
            if (r >= static_cast<int>(lines.size())) {
                SCOPED_TRACE(r);
                for (const QString& name : {cod, quantity, conceptCell, earning, deduction})
                    EXPECT_EQ(shownText(name), QString()) << name.toStdString();
                EXPECT_TRUE(inReceipt(QStringLiteral("Line8_") + n)->isHidden());
                continue;
            }
            const Line& line = lines[static_cast<std::size_t>(r)];
            SCOPED_TRACE(line.code);
            EXPECT_FALSE(inReceipt(cod)->isHidden());
            EXPECT_FALSE(inReceipt(conceptCell)->isHidden());
            EXPECT_EQ(shownText(cod), u8(line.code));
            EXPECT_EQ(shownText(quantity), u8(line.quantity));
            EXPECT_EQ(shownText(conceptCell), u8(line.conceptText));
            EXPECT_EQ(shownText(line.deduction ? deduction : earning), u8(line.amount));
            EXPECT_EQ(shownText(line.deduction ? earning : deduction), QString());
            EXPECT_FALSE(inReceipt(QStringLiteral("Line8_") + n)->isHidden());
        }
    }

    void expectTotals(const char* haberes, const char* descuentos, const char* liquido) {
        EXPECT_EQ(shownText(QStringLiteral("thaberes")), u8(haberes));
        EXPECT_EQ(shownText(QStringLiteral("tdescuentos")), u8(descuentos));
        EXPECT_EQ(shownText(QStringLiteral("liquido")), u8(liquido));
    }

    void expectPositionGroupShown(bool shown) {
        for (const char* name : kPositionGroup)
            EXPECT_EQ(!inReceipt(QString::fromLatin1(name))->isHidden(), shown) << name;
    }

    // A click on a part of the scroll bar: an arrow or the track.
    void clickScrollBar(QStyle::SubControl part) {
        QScrollBar* bar = movedor();
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = bar->orientation();
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = bar->sliderPosition();
        option.sliderValue = bar->value();
        option.singleStep = bar->singleStep();
        option.pageStep = bar->pageStep();
        option.subControls = QStyle::SC_All;
        const QRect area = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
        ASSERT_FALSE(area.isEmpty());
        // The track below the handle, near its lower end, pages down.
        const QPoint at = part == QStyle::SC_ScrollBarAddPage ? QPoint(area.center().x(), area.bottom() - 2)
                                                              : area.center();
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, at);
    }

    void expectFrame(int top, int height) {
        EXPECT_EQ(receiptWindow()->frameTopTwips(), top);
        EXPECT_EQ(receiptWindow()->frameHeightTwips(), height);
        EXPECT_EQ(top + height, 12100);
        const QRect g = receiptWindow()->sosten()->geometry();
        EXPECT_EQ(g.y(), twips(top));
        EXPECT_EQ(g.height(), twips(height));
        EXPECT_NEAR(g.bottom() + 1, twips(12100), 1);
        EXPECT_EQ(g.x(), twips(840));
    }

    void typeComment(const QString& text) {
        auto* comment = control<QPlainTextEdit>(receipt(), "Text11");
        ASSERT_TRUE(comment && comment->isVisible());
        QTest::mouseClick(comment->viewport(), Qt::LeftButton);
        typeText(comment, text);
    }
    QString comment() const {
        auto* box = receipt()->findChild<QPlainTextEdit*>(QStringLiteral("Text11"));
        return box ? box->toPlainText() : QStringLiteral("<no Text11>");
    }
};

TEST_F(EndToEndTest, TypicalPostRequestFromTheFirstClickToTheReceiptsCells) {
    typeInto(entry(), "docente", u8("Ana María Gómez"));
    enterTypicalRequest();
    ASSERT_NE(receipt(), nullptr);
    EXPECT_TRUE(receipt()->isVisible());
    EXPECT_TRUE(receipt()->isEnabled());
    EXPECT_TRUE(entry()->isVisible());

    expectReceiptLines(kTypicalLines);
    expectTotals("$ 2678,5902", "$ 429,1321", "$ 2249,4581");
    EXPECT_EQ(shownText(QStringLiteral("docente")), u8("Ana María Gómez"));
    EXPECT_FALSE(shownText(QStringLiteral("Text10")).isEmpty());

    // The panel: the post's code, points and name, and its point groups.
    EXPECT_EQ(shownText(QStringLiteral("Label11")), u8("Código del cargo"));
    EXPECT_EQ(shownText(QStringLiteral("numcargo")), u8("813"));
    EXPECT_EQ(shownText(QStringLiteral("punbasicos")), u8("971"));
    EXPECT_EQ(shownText(QStringLiteral("carsel")), u8("Maestro De Grado Jornada Completa"));
    expectPositionGroupShown(true);
    EXPECT_EQ(shownText(QStringLiteral("compbas")), u8("170"));
    EXPECT_EQ(shownText(QStringLiteral("proljor")), u8("0"));
    EXPECT_EQ(shownText(QStringLiteral("jorcom")), u8("620"));
    EXPECT_EQ(shownText(QStringLiteral("tardif")), u8("0"));

    // The totals sit below the last line: eleven rows down from the first.
    auto* thaberes = inReceipt(QStringLiteral("thaberes"));
    auto* lastConcept = inReceipt(QStringLiteral("Label19_10"));
    EXPECT_GT(thaberes->y(), lastConcept->y() + lastConcept->height() - 1);
}

TEST_F(EndToEndTest, HoursRequestShowsTheHoursAndHidesThePostsPoints) {
    typeInto(entry(), "docente", u8("Ana María Gómez"));
    click(entry(), "horasmedio");
    typeInto(entry(), "numerohorasmed", QStringLiteral("12"));
    click(entry(), "Option4");
    click(entry(), "Iosper");
    click(entry(), "APORTEJUB");
    click(entry(), "Command1");
    ASSERT_NE(receipt(), nullptr);
    EXPECT_TRUE(receipt()->isVisible());

    EXPECT_EQ(shownText(QStringLiteral("cod_0")), u8("001"));
    EXPECT_EQ(shownText(QStringLiteral("Label10_0")), u8("12"));
    EXPECT_EQ(shownText(QStringLiteral("Label19_0")), u8("Hs. N. Medio"));
    EXPECT_EQ(shownText(QStringLiteral("Label1_0")), u8("$544,4117"));
    EXPECT_EQ(shownText(QStringLiteral("Label11")), u8("Cantidad de horas"));
    EXPECT_EQ(shownText(QStringLiteral("numcargo")), u8("12"));
    EXPECT_EQ(shownText(QStringLiteral("punbasicos")), u8("776,4"));
    EXPECT_EQ(shownText(QStringLiteral("carsel")), u8("Horas de nivel medio"));
    expectPositionGroupShown(false);

    // Every other cell is the engine's receipt for the same request.
    ReceiptSheet expected;
    PayState state;
    calculate(hoursRequest(), expected, state);
    expectWindowShowsSheet(receipt(), expected);
}

TEST_F(EndToEndTest, AShorterSecondReceiptLeavesNoTraceOfTheFirst) {
    enterTypicalRequest();
    expectReceiptLines(kTypicalLines);
    const int firstTotalsTop = inReceipt(QStringLiteral("thaberes"))->y();

    // Three hours, no deductions, no incentive: four lines fewer or more.
    click(entry(), "horasmedio");
    typeInto(entry(), "numerohorasmed", QStringLiteral("3"));
    click(entry(), "Iosper");
    click(entry(), "APORTEJUB");
    click(entry(), "opincentivo");
    click(entry(), "Command1");
    EXPECT_TRUE(receipt()->isVisible());

    PayInput request = shortHoursRequest();
    request.docente.clear();
    applySeniorityBracket(request, 4);
    ReceiptSheet expected;
    PayState state;
    calculate(request, expected, state);
    ASSERT_LT(expected.rowCount, static_cast<int>(kTypicalLines.size()));
    expectWindowShowsSheet(receipt(), expected);

    // Nothing of the first receipt is readable in the frame any more.
    for (const QLabel* label : receiptWindow()->sosten()->findChildren<QLabel*>()) {
        if (label->isHidden()) continue;
        for (const char* first : {"IOSPER", "Aporte Jub.", "$ 67,7577", "$ 361,3744", "Asign. de la categoría",
                                  "Incentivo de Nación", "$ 2678,5902", "$ 429,1321"})
            EXPECT_FALSE(label->text().contains(u8(first))) << label->objectName().toStdString();
    }
    for (int r = expected.rowCount; r < kSheetRows; ++r)
        EXPECT_TRUE(inReceipt(QStringLiteral("Line8_%1").arg(r))->isHidden()) << r;
    EXPECT_LT(inReceipt(QStringLiteral("thaberes"))->y(), firstTotalsTop);
}

TEST_F(EndToEndTest, ScrollBarEdgesThroughItsArrowsAndTrack) {
    enterTypicalRequest();
    ASSERT_NE(receipt(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(receipt()));
    // Before any scrolling the frame is at the window's top.
    EXPECT_EQ(receiptWindow()->frameTopTwips(), 0);
    EXPECT_EQ(receiptWindow()->frameHeightTwips(), 12000);
    EXPECT_EQ(receiptWindow()->sosten()->geometry(), ui::twipsRect(840, 0, 6840, 12000));

    clickScrollBar(QStyle::SC_ScrollBarAddPage);
    EXPECT_EQ(movedor()->value(), 500);
    expectFrame(-400, 12500);

    // Back to 0 with the up arrow: 100 lower than at start.
    for (int i = 0; i < 5; ++i) clickScrollBar(QStyle::SC_ScrollBarSubLine);
    EXPECT_EQ(movedor()->value(), 0);
    expectFrame(100, 12000);
    // A further click at the top changes nothing.
    clickScrollBar(QStyle::SC_ScrollBarSubLine);
    EXPECT_EQ(movedor()->value(), 0);
    expectFrame(100, 12000);

    // Down arrow five times reaches 500 again.
    for (int i = 0; i < 5; ++i) clickScrollBar(QStyle::SC_ScrollBarAddLine);
    EXPECT_EQ(movedor()->value(), 500);
    expectFrame(-400, 12500);
}

TEST_F(EndToEndTest, VolverThenCalcularThenANewCategoryKeepsTheScrollPosition) {
    enterTypicalRequest();
    ASSERT_NE(receipt(), nullptr);
    clickScrollBar(QStyle::SC_ScrollBarAddPage);
    clickScrollBar(QStyle::SC_ScrollBarAddPage);
    ASSERT_EQ(movedor()->value(), 1000);
    const CellSnapshot before = cellsOf(receipt());

    click(receipt(), "Volver");
    EXPECT_FALSE(receipt()->isVisible());
    click(entry(), "Command1");
    ASSERT_NE(errorDialog(), nullptr);
    EXPECT_TRUE(errorDialog()->isVisible());
    EXPECT_FALSE(receipt()->isVisible());
    EXPECT_EQ(cellsOf(receipt()), before);
    EXPECT_EQ(movedor()->value(), 1000);
    click(errorDialog(), "Aceptar");

    click(entry(), "horasmedio");
    typeInto(entry(), "numerohorasmed", QStringLiteral("12"));
    click(entry(), "Command1");
    EXPECT_TRUE(receipt()->isVisible());
    EXPECT_TRUE(receipt()->isEnabled());
    EXPECT_FALSE(errorDialog()->isVisible());
    EXPECT_EQ(shownText(QStringLiteral("Label19_0")), u8("Hs. N. Medio"));
    EXPECT_EQ(shownText(QStringLiteral("Label1_0")), u8("$544,4117"));
    EXPECT_EQ(movedor()->value(), 1000);
    expectFrame(-900, 13000);
}

TEST_F(EndToEndTest, TheCommentStaysAcrossCalculations) {
    enterTypicalRequest();
    ASSERT_NE(receipt(), nullptr);
    const QString text = u8("Pagó el 3 de noviembre; revisar antigüedad");
    typeComment(text);
    EXPECT_EQ(comment(), text);

    // Calculating again from the entry window with the receipt open...
    click(entry(), "APORTEJUB");
    click(entry(), "Command1");
    EXPECT_EQ(shownText(QStringLiteral("tdescuentos")), u8("$ 67,7577"));
    EXPECT_EQ(comment(), text);

    // ...and after "Volver" with another category.
    click(receipt(), "Volver");
    click(entry(), "horassup");
    typeInto(entry(), "numerohorassup", QStringLiteral("6"));
    click(entry(), "Command1");
    EXPECT_TRUE(receipt()->isVisible());
    EXPECT_EQ(shownText(QStringLiteral("Label19_0")), u8("Hs. N. Superior"));
    EXPECT_EQ(comment(), text);
}

}  // namespace
}  // namespace sueldara::test
