// The receipt window "Haberes" drawing real receipts, scrolling, going back,
// and "Imprimir" when no printer can take the page.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "receipt_printer.h"
#include "receipt_requests.h"
#include "receipt_window.h"
#include "services.h"

using namespace sueldara;
using sueldara::ui::ReceiptWindow;
using sueldara::ui::twips;

namespace {

// No print system answers in this process: every "Imprimir" here takes the
// failure path. Set before anything asks for a printer.
const bool kNoPrintSystem = [] {
    setenv("CUPS_SERVER", "/nonexistent/sueldara-test-cups.sock", 1);
    setenv("CUPS_SERVERROOT", "/nonexistent/sueldara-test-cups", 1);
    unsetenv("LPDEST");
    unsetenv("PRINTER");
    return true;
}();

QColor pixel(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

class ReceiptWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::calculate(test::typicalRequest(), sheet, state);
        window = std::make_unique<ReceiptWindow>(sheet);
    }

    template <class T = QWidget>
    T* control(const QString& name) const {
        T* w = window->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QLabel* label(const QString& name) const { return control<QLabel>(name); }
    QWidget* inFrame(const QString& name) const { return window->sosten()->findChild<QWidget*>(name); }

    void show() {
        window->presentReceipt();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    ReceiptSheet sheet;
    PayState state;
    std::unique_ptr<ReceiptWindow> window;
};

// ---- The start state and the panel's layout ---------------------------------

TEST_F(ReceiptWindowTest, StartsHiddenWithItsCaptionSizeAndColours) {
    EXPECT_TRUE(window->isHidden());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Haberes"));
    EXPECT_EQ(window->size(), QSize(twips(11880), twips(8490)));
    EXPECT_EQ(window->palette().color(QPalette::Window), ui::rgb("#008080"));
    QWidget* frame = window->sosten();
    EXPECT_EQ(frame->objectName(), QStringLiteral("sosten"));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Recibo de haberes"));
    EXPECT_EQ(frame->palette().color(QPalette::Window), ui::rgb("#C0FFC0"));
    EXPECT_EQ(frame->geometry(), ui::twipsRect(840, 0, 6840, 12000));
    EXPECT_EQ(window->frameTopTwips(), 0);
    EXPECT_EQ(window->frameHeightTwips(), 12000);
}

struct PanelControl {
    const char* name;
    int left, top, width, height;
    const char* text;      // nullptr: set by the sheet
    const char* tooltip;   // nullptr: none
};

TEST_F(ReceiptWindowTest, PanelControlsAtTheirPlacesWithTheirTextsAndTooltips) {
    const std::vector<PanelControl> table{
        {"Label3", 7680, 0, 3375, 375, "Haberes desde Octubre 08", nullptr},
        {"Label11", 7665, 840, 1890, 300, nullptr, nullptr},
        {"numcargo", 7920, 1200, 1275, 360, nullptr, nullptr},
        {"Label12", 7680, 1680, 1905, 330, "Puntaje", nullptr},
        {"punbasicos", 7920, 2040, 1275, 360, nullptr, nullptr},
        {"Label2", 7680, 2520, 1905, 330, "Ptos. Comp Básico", nullptr},
        {"compbas", 7920, 2880, 1275, 360, nullptr, nullptr},
        {"Label14", 7665, 3465, 1905, 330, "Prol jorn", nullptr},
        {"proljor", 7980, 3885, 1275, 360, nullptr, nullptr},
        {"Label20", 7665, 4515, 1905, 330, "Jorn Comp", nullptr},
        {"jorcom", 7980, 4935, 1275, 360, nullptr, nullptr},
        {"Label21", 7665, 5565, 1905, 330, "Tarea dif", nullptr},
        {"tardif", 7980, 5985, 1275, 360, nullptr, nullptr},
        {"Text12", 9720, 1560, 1695, 285, "Poné tu comentario", nullptr},
        {"Text11", 9720, 1920, 1695, 2895, "", nullptr},
        {"Volver", 9840, 4920, 1335, 495, "Volver", "Permite cambiar los datos ingresados"},
        {"Imprimir", 9840, 5640, 1335, 495, "Imprimir", "Se imprime con fondo blanco."},
        {"Salir", 9840, 6360, 1335, 495, "Salir", nullptr},
        {"Text1", 8880, 7200, 2415, 285, "Se imprime en blanco y negro", nullptr},
        {"Text10", 8880, 7680, 2415, 375, nullptr, nullptr},
        {"movedor", 11520, 0, 345, 8565, nullptr, nullptr},
    };
    for (const PanelControl& c : table) {
        SCOPED_TRACE(c.name);
        QWidget* w = control(QString::fromLatin1(c.name));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget(), window.get());
        if (QString::fromLatin1(c.name) != QStringLiteral("movedor"))  // its height follows the window
            EXPECT_EQ(w->geometry(), ui::twipsRect(c.left, c.top, c.width, c.height));
        else
            EXPECT_EQ(w->pos(), QPoint(twips(c.left), twips(c.top)));
        if (c.text) {
            QString text;
            if (auto* l = qobject_cast<QLabel*>(w)) text = l->text();
            else if (auto* e = qobject_cast<QLineEdit*>(w)) text = e->text();
            else if (auto* b = qobject_cast<QPushButton*>(w)) text = b->text();
            else if (auto* p = qobject_cast<QPlainTextEdit*>(w)) text = p->toPlainText();
            EXPECT_EQ(text, QString::fromUtf8(c.text));
        }
        EXPECT_EQ(w->toolTip(), c.tooltip ? QString::fromUtf8(c.tooltip) : QString());
    }
}

TEST_F(ReceiptWindowTest, PanelFieldsAreReadOnlyAndTheCommentIsReachedByMouseOnly) {
    for (const char* name : {"numcargo", "punbasicos", "compbas", "proljor", "jorcom", "tardif", "Text12", "Text1",
                             "Text10"}) {
        SCOPED_TRACE(name);
        auto* box = control<QLineEdit>(QString::fromLatin1(name));
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->isReadOnly());
    }
    auto* comment = control<QPlainTextEdit>(QStringLiteral("Text11"));
    ASSERT_NE(comment, nullptr);
    EXPECT_FALSE(comment->isReadOnly());
    EXPECT_EQ(comment->focusPolicy(), Qt::ClickFocus);
    EXPECT_FALSE(control(QStringLiteral("Text1"))->focusPolicy() & Qt::TabFocus);
}

TEST_F(ReceiptWindowTest, ButtonsAreBoldInTheirGreens) {
    struct Button { const char* name; const char* colour; };
    for (const Button& b : {Button{"Volver", "#00FF00"}, Button{"Imprimir", "#00C000"}, Button{"Salir", "#008000"}}) {
        SCOPED_TRACE(b.name);
        auto* button = control<QPushButton>(QString::fromLatin1(b.name));
        ASSERT_NE(button, nullptr);
        EXPECT_TRUE(button->font().bold());
        EXPECT_DOUBLE_EQ(button->font().pointSizeF(), 9.75);
        const QImage face = button->grab().toImage();
        EXPECT_EQ(pixel(face, face.width() / 2, 4), ui::rgb(b.colour));
    }
}

TEST_F(ReceiptWindowTest, PrintMarksAreHiddenInTheirColumnWithTheirGreys) {
    struct Mark { const char* name; int top; const char* colour; };
    const std::vector<Mark> marks{{"Text3", 360, "#E0E0E0"}, {"Text2", 840, "#C0C0C0"}, {"Text5", 1320, "#808080"},
                                  {"Text4", 1800, "#404040"}, {"Text7", 2280, "#E0E0E0"}, {"Text9", 2760, "#C0C0C0"},
                                  {"Text6", 3240, "#808080"}, {"Text8", 3720, "#404040"}};
    for (const Mark& m : marks) {
        SCOPED_TRACE(m.name);
        auto* box = control<QLineEdit>(QString::fromLatin1(m.name));
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->isHidden());
        EXPECT_EQ(box->text(), QStringLiteral("ZELAN"));
        EXPECT_EQ(box->geometry(), ui::twipsRect(120, m.top, 615, 255));
        EXPECT_EQ(box->palette().color(QPalette::Text), ui::rgb(m.colour));
        EXPECT_FALSE(box->focusPolicy() & Qt::TabFocus);
    }
}

// ---- Drawing the sheet -------------------------------------------------------

// Every cell of the table shows exactly what the sheet holds.
void expectTableMatchesSheet(const ReceiptSheet& sheet,
                             const std::function<QLabel*(const QString&)>& find) {
    auto check = [&](const QString& name, const Cell& cell) {
        SCOPED_TRACE(name.toStdString());
        QLabel* l = find(name);
        ASSERT_NE(l, nullptr);
        EXPECT_EQ(!l->isHidden(), cell.shown);
        if (cell.shown) {
            EXPECT_EQ(l->text(), QString::fromStdString(cell.text));
        }
    };
    for (int r = 0; r < kSheetRows; ++r) {
        check(QStringLiteral("cod_%1").arg(r), sheet.rows[r].cod);
        check(QStringLiteral("Label10_%1").arg(r), sheet.rows[r].Label10);
        check(QStringLiteral("Label19_%1").arg(r), sheet.rows[r].Label19);
    }
    for (int i = 0; i < kAmountCells; ++i) check(QStringLiteral("Label1_%1").arg(i), sheet.Label1[i]);
}

TEST_F(ReceiptWindowTest, DrawsTheTypicalReceiptCellByCell) {
    ASSERT_EQ(sheet.rowCount, 11);
    expectTableMatchesSheet(sheet, [&](const QString& n) { return label(n); });
    EXPECT_EQ(label(QStringLiteral("cod_0"))->text(), QStringLiteral("001"));
    EXPECT_EQ(label(QStringLiteral("Label19_0"))->text(), QStringLiteral("Asign. de la categoría"));
    EXPECT_TRUE(label(QStringLiteral("Label1_27"))->isHidden());
    for (int r = 0; r < kSheetRows; ++r) {
        SCOPED_TRACE(r);
        QWidget* rule = inFrame(QStringLiteral("Line8_%1").arg(r));
        ASSERT_NE(rule, nullptr);
        EXPECT_EQ(!rule->isHidden(), sheet.rows[r].Line8);
        EXPECT_EQ(rule->y(), twips(separatorY(r)));
        EXPECT_EQ(rule->x(), twips(300));
        EXPECT_EQ(rule->geometry().right(), twips(6570));
    }
}

TEST_F(ReceiptWindowTest, TableCellsSitInTheirColumnsAndRows) {
    for (int r = 0; r < kSheetRows; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(label(QStringLiteral("cod_%1").arg(r))->geometry(), ui::twipsRect(510, rowTop(r), 495, 300));
        EXPECT_EQ(label(QStringLiteral("Label10_%1").arg(r))->geometry(),
                  ui::twipsRect(r == 23 ? 1155 : 1140, rowTop(r), 495, 300));
        EXPECT_EQ(label(QStringLiteral("Label19_%1").arg(r))->geometry(), ui::twipsRect(1770, rowTop(r), 2355, 300));
        EXPECT_TRUE(label(QStringLiteral("cod_%1").arg(r))->alignment() & Qt::AlignRight);
        EXPECT_TRUE(label(QStringLiteral("Label10_%1").arg(r))->alignment() & Qt::AlignRight);
        EXPECT_TRUE(label(QStringLiteral("Label19_%1").arg(r))->alignment() & Qt::AlignLeft);
    }
}

TEST_F(ReceiptWindowTest, AmountCellsEndAtTheirColumnEdgeAndGrowLeft) {
    const std::vector<int> fixed{21, 22, 23, 25, 26, 52, 53};
    for (int i = 0; i < kAmountCells; ++i) {
        SCOPED_TRACE(i);
        QLabel* cell = label(QStringLiteral("Label1_%1").arg(i));
        const bool deductions = i >= kSheetRows;
        const int r = deductions ? i - kSheetRows : i;
        int top = rowTop(r);
        if (i == 0) top = 720;
        if (deductions && r <= 11) top = 840 + 315 * r;
        EXPECT_EQ(cell->y(), twips(top));
        EXPECT_EQ(cell->x() + cell->width(), twips(deductions ? 6450 : 5250));
        EXPECT_TRUE(cell->alignment() & Qt::AlignRight);
        EXPECT_DOUBLE_EQ(cell->font().pointSizeF(), 9.75);
        if (std::find(fixed.begin(), fixed.end(), i) != fixed.end()) {
            EXPECT_EQ(cell->width(), twips(1005));
        } else if (!cell->isHidden()) {
            const int textWidth = cell->fontMetrics().horizontalAdvance(cell->text());
            EXPECT_GE(cell->width(), textWidth);
            EXPECT_LE(cell->width(), textWidth + 4);
        }
    }
    // A wider amount reaches further left from the same edge.
    QLabel* widest = nullptr;
    QLabel* narrowest = nullptr;
    for (int i = 0; i < kSheetRows; ++i) {
        QLabel* cell = label(QStringLiteral("Label1_%1").arg(i));
        if (cell->isHidden()) continue;
        if (!widest || cell->width() > widest->width()) widest = cell;
        if (!narrowest || cell->width() < narrowest->width()) narrowest = cell;
    }
    ASSERT_TRUE(widest && narrowest);
    ASSERT_GT(widest->fontMetrics().horizontalAdvance(widest->text()),
              narrowest->fontMetrics().horizontalAdvance(narrowest->text()));
    EXPECT_LT(widest->x(), narrowest->x());
}

// The rules and the totals block where the sheet's layout puts them.
void expectTotalsAtLayout(ReceiptWindow& window, const ReceiptSheet& sheet) {
    QWidget* frame = window.sosten();
    auto find = [&](const char* n) {
        QWidget* w = frame->findChild<QWidget*>(QString::fromLatin1(n));
        EXPECT_NE(w, nullptr) << n;
        return w;
    };
    const TotalsLayout& t = sheet.totals;
    auto px = [](float v) { return twips(static_cast<int>(v)); };
    struct Vertical { const char* name; int x; };
    for (const Vertical& v : {Vertical{"Line3_1", 300}, Vertical{"Line7", 1035}, Vertical{"Line5", 1665},
                              Vertical{"Line2", 4185}, Vertical{"Line1", 5340}, Vertical{"Line3_0", 6570}}) {
        SCOPED_TRACE(v.name);
        QWidget* rule = find(v.name);
        ASSERT_NE(rule, nullptr);
        EXPECT_EQ(rule->x(), twips(v.x));
        EXPECT_EQ(rule->y(), twips(735));
        EXPECT_EQ(rule->geometry().bottom(), px(t.verticalRulesY2));
        EXPECT_FALSE(rule->isHidden());
    }
    struct Horizontal { const char* name; float y; };
    for (const Horizontal& h : {Horizontal{"Line4", 735}, Horizontal{"Line6", t.line6Y}, Horizontal{"Line15", t.line15Y},
                                Horizontal{"Line16", t.line16Y}, Horizontal{"Line17", t.line17Y}}) {
        SCOPED_TRACE(h.name);
        QWidget* rule = find(h.name);
        ASSERT_NE(rule, nullptr);
        EXPECT_EQ(rule->y(), px(h.y));
        EXPECT_EQ(rule->x(), twips(300));
        EXPECT_EQ(rule->geometry().right(), twips(6570));
    }
    struct Total { const char* caption; const char* captionText; const char* amount; const std::string& text;
                   float top; int right; };
    for (const Total& x : {Total{"Label15", "Total Haberes", "thaberes", sheet.thaberes, t.thaberesTop, 5355},
                           Total{"Label16", "Total descuentos", "tdescuentos", sheet.tdescuentos, t.tdescuentosTop, 6475},
                           Total{"Label17", "Liquido a pagar", "liquido", sheet.liquido, t.liquidoTop, 6475}}) {
        SCOPED_TRACE(x.amount);
        auto* caption = qobject_cast<QLabel*>(find(x.caption));
        auto* amount = qobject_cast<QLabel*>(find(x.amount));
        ASSERT_TRUE(caption && amount);
        EXPECT_EQ(caption->text(), QString::fromUtf8(x.captionText));
        EXPECT_EQ(caption->pos(), QPoint(twips(1770), px(x.top)));
        EXPECT_EQ(amount->text(), QString::fromStdString(x.text));
        EXPECT_EQ(amount->y(), px(x.top));
        EXPECT_EQ(amount->x() + amount->width(), twips(x.right));
        EXPECT_TRUE(amount->font().bold());
    }
}

TEST_F(ReceiptWindowTest, TotalsBlockAndRulesFollowTheSheetsLayout) {
    expectTotalsAtLayout(*window, sheet);
    EXPECT_EQ(label(QStringLiteral("docente"))->text(), QStringLiteral("Ana María Gómez"));
    EXPECT_EQ(label(QStringLiteral("Label18"))->text(), QStringLiteral("Recibo de sueldos de:"));
    EXPECT_EQ(label(QStringLiteral("Label18"))->geometry(), ui::twipsRect(360, 240, 2295, 375));
    EXPECT_EQ(label(QStringLiteral("docente"))->geometry(), ui::twipsRect(3030, 210, 3135, 375));
}

TEST_F(ReceiptWindowTest, TheLayoutIsTheSheetsNotARecomputation) {
    // Layout values nobody's rules would produce: the window draws them as given.
    sheet.totals = {4000, 3000, 3200, 3500, 3600, 3900, 4100, 4400};
    window->refreshFromSheet();
    expectTotalsAtLayout(*window, sheet);
}

TEST_F(ReceiptWindowTest, HeaderFieldsOfAPostAndOfHours) {
    struct Case { const char* what; std::function<PayInput()> request; bool points; };
    for (const Case& c : {Case{"post", test::typicalRequest, true}, Case{"hours", test::hoursRequest, false}}) {
        SCOPED_TRACE(c.what);
        test::calculate(c.request(), sheet, state);
        window->refreshFromSheet();
        EXPECT_EQ(label(QStringLiteral("Label11"))->text(), QString::fromStdString(sheet.Label11));
        EXPECT_EQ(label(QStringLiteral("carsel"))->text(), QString::fromStdString(sheet.carsel));
        struct Field { const char* name; const std::string& text; };
        for (const Field& f : {Field{"numcargo", sheet.numcargo}, Field{"punbasicos", sheet.punbasicos},
                               Field{"proljor", sheet.proljor}, Field{"jorcom", sheet.jorcom},
                               Field{"tardif", sheet.tardif}, Field{"compbas", sheet.compbas},
                               Field{"Text10", sheet.Text10}})
            EXPECT_EQ(control<QLineEdit>(QString::fromLatin1(f.name))->text(), QString::fromStdString(f.text))
                << f.name;
        EXPECT_EQ(sheet.positionPointsShown, c.points);
        for (const char* name : {"Label14", "proljor", "Label20", "jorcom", "Label21", "tardif", "Label2", "compbas"})
            EXPECT_EQ(!control(QString::fromLatin1(name))->isHidden(), c.points) << name;
        EXPECT_FALSE(control(QStringLiteral("numcargo"))->isHidden());
    }
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("numcargo"))->text(), QStringLiteral("12"));
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("Text10"))->text(), QString::fromLatin1(test::kDateTime));
}

TEST_F(ReceiptWindowTest, ASecondReceiptWithFewerLinesLeavesNoTraceOfTheFirst) {
    const int firstCount = sheet.rowCount;
    test::calculate(test::shortHoursRequest(), sheet, state);
    ASSERT_LT(sheet.rowCount, firstCount);
    window->refreshFromSheet();
    expectTableMatchesSheet(sheet, [&](const QString& n) { return label(n); });
    for (int r = sheet.rowCount; r < kSheetRows; ++r) {
        SCOPED_TRACE(r);
        EXPECT_TRUE(label(QStringLiteral("cod_%1").arg(r))->isHidden());
        EXPECT_TRUE(label(QStringLiteral("Label19_%1").arg(r))->isHidden());
        EXPECT_TRUE(label(QStringLiteral("Label10_%1").arg(r))->isHidden());
        EXPECT_TRUE(label(QStringLiteral("Label1_%1").arg(r))->isHidden());
        EXPECT_TRUE(label(QStringLiteral("Label1_%1").arg(r + kSheetRows))->isHidden());
        EXPECT_TRUE(inFrame(QStringLiteral("Line8_%1").arg(r))->isHidden());
    }
    expectTotalsAtLayout(*window, sheet);
    EXPECT_EQ(label(QStringLiteral("docente"))->text(), QStringLiteral("Luis Pérez"));
}

TEST_F(ReceiptWindowTest, HiddenCellsShowNothingOnScreen) {
    show();
    // The last table row is never used: its band between the column rules is
    // the frame's colour only (apart from the rules themselves).
    const QImage shot = window->sosten()->grab().toImage();
    const int y = twips(rowTop(26) + 150);
    int foreign = 0;
    for (int x = twips(320); x < twips(6550); ++x) {
        const QColor c = pixel(shot, x, y);
        if (c != ui::rgb("#C0FFC0") && c != QColor(Qt::black)) ++foreign;
    }
    // Row 26 lies below the totals of an 11-line receipt, so even the rules
    // and separators there are hidden or absent.
    EXPECT_EQ(foreign, 0);
    EXPECT_EQ(pixel(shot, twips(2000), y), ui::rgb("#C0FFC0"));
}

// ---- Scrolling ---------------------------------------------------------------

TEST_F(ReceiptWindowTest, ScrollBarRangeAndSteps) {
    QScrollBar* bar = window->movedor();
    EXPECT_EQ(bar->objectName(), QStringLiteral("movedor"));
    EXPECT_EQ(bar->orientation(), Qt::Vertical);
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 32767);
    EXPECT_EQ(bar->singleStep(), 100);
    EXPECT_EQ(bar->pageStep(), 500);
    EXPECT_EQ(bar->value(), 0);
}

TEST_F(ReceiptWindowTest, FrameTopAndHeightFollowTheScrollValue) {
    struct Step { int value; int top; int height; };
    // Start: top 0; any value moves it to 100 - v; back at 0 it is 100.
    const std::vector<Step> steps{{500, -400, 12500}, {0, 100, 12000}, {100, 0, 12100}, {32767, -32667, 44767},
                                  {0, 100, 12000}};
    show();
    QScrollBar* bar = window->movedor();
    bar->setValue(0);  // no change from the start: the frame stays at the top
    EXPECT_EQ(window->frameTopTwips(), 0);
    for (const Step& s : steps) {
        SCOPED_TRACE(s.value);
        bar->setValue(s.value);
        EXPECT_EQ(window->frameTopTwips(), s.top);
        EXPECT_EQ(window->frameHeightTwips(), s.height);
        EXPECT_EQ(window->frameTopTwips() + window->frameHeightTwips(), 12100);
        const QRect g = window->sosten()->geometry();
        EXPECT_EQ(g.y(), twips(s.top));
        EXPECT_EQ(g.height(), twips(s.height));
        EXPECT_NEAR(g.y() + g.height(), twips(12100), 1);
        EXPECT_EQ(g.x(), twips(840));
        EXPECT_EQ(g.width(), twips(6840));
    }
}

TEST_F(ReceiptWindowTest, ArrowAndTrackClicksMoveByTheirSteps) {
    show();
    QScrollBar* bar = window->movedor();
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(bar->value(), 100);
    EXPECT_EQ(window->frameTopTwips(), 0);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(bar->value(), 600);
    EXPECT_EQ(window->frameTopTwips(), -500);
    // A real click near the lower end of the track.
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - bar->width() - 4));
    EXPECT_EQ(bar->value(), 1100);
    EXPECT_EQ(window->frameHeightTwips(), 13100);
}

TEST_F(ReceiptWindowTest, ScrollBarHeightFollowsTheWindowsOnResize) {
    show();
    QScrollBar* bar = window->movedor();
    for (int height : {twips(8490), 300, 700, 120}) {
        SCOPED_TRACE(height);
        window->resize(window->width(), height);
        QApplication::processEvents();
        EXPECT_EQ(bar->height(), window->frameGeometry().height() - twips(400));
        EXPECT_EQ(bar->pos(), QPoint(twips(11520), 0));
        EXPECT_EQ(bar->width(), twips(345));
    }
}

// ---- Volver, closing, Salir, calculating again ------------------------------

TEST_F(ReceiptWindowTest, VolverHidesDisablesAndAsksForTheEntryWindow) {
    show();
    QSignalSpy back(window.get(), &ReceiptWindow::volverRequested);
    QSignalSpy quit(window.get(), &ReceiptWindow::salirRequested);
    bool hiddenWhenAsked = false;
    QObject::connect(window.get(), &ReceiptWindow::volverRequested, [&] {
        hiddenWhenAsked = window->isHidden() && !window->isEnabled();
    });
    QTest::mouseClick(control(QStringLiteral("Volver")), Qt::LeftButton);
    EXPECT_EQ(back.count(), 1);
    EXPECT_EQ(quit.count(), 0);
    EXPECT_TRUE(hiddenWhenAsked);
    EXPECT_TRUE(window->isHidden());
    EXPECT_FALSE(window->isEnabled());
}

TEST_F(ReceiptWindowTest, ClosingThroughTheFrameActsAsVolver) {
    show();
    QSignalSpy back(window.get(), &ReceiptWindow::volverRequested);
    EXPECT_FALSE(window->close());  // not closed for good: only hidden
    EXPECT_EQ(back.count(), 1);
    EXPECT_TRUE(window->isHidden());
    EXPECT_FALSE(window->isEnabled());
    window->presentReceipt();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(ReceiptWindowTest, SalirAsksTheProgramToEnd) {
    show();
    QSignalSpy quit(window.get(), &ReceiptWindow::salirRequested);
    QSignalSpy back(window.get(), &ReceiptWindow::volverRequested);
    QTest::mouseClick(control(QStringLiteral("Salir")), Qt::LeftButton);
    EXPECT_EQ(quit.count(), 1);
    EXPECT_EQ(back.count(), 0);
}

TEST_F(ReceiptWindowTest, CommentAndScrollSurviveVolverAndANewCalculation) {
    show();
    auto* comment = control<QPlainTextEdit>(QStringLiteral("Text11"));
    QTest::mouseClick(comment->viewport(), Qt::LeftButton);
    QTest::keyClicks(comment, QStringLiteral("Pagado el 3 de noviembre"));
    window->movedor()->setValue(700);
    QTest::mouseClick(control(QStringLiteral("Volver")), Qt::LeftButton);

    test::calculate(test::hoursRequest(), sheet, state);
    window->presentReceipt();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(comment->toPlainText(), QStringLiteral("Pagado el 3 de noviembre"));
    EXPECT_EQ(window->movedor()->value(), 700);
    EXPECT_EQ(window->frameTopTwips(), -600);
    EXPECT_EQ(window->sosten()->y(), twips(-600));
    expectTableMatchesSheet(sheet, [&](const QString& n) { return label(n); });
    expectTotalsAtLayout(*window, sheet);
}

// ---- Imprimir with no printer ------------------------------------------------

class ReceiptPrintFailureTest : public ReceiptWindowTest {
protected:
    void SetUp() override {
        ReceiptWindowTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        show();
        window->setPrintFeedback({[this](const QString& message) {
                                      messages.push_back(message);
                                      stateWhenAsked = currentState();
                                      return answer;
                                  },
                                  [this](const QString& message) { told.push_back(message); }});
    }

    struct WindowState {
        bool buttonsAndNotesShown = false;
        bool marksHidden = false;
        QColor window, frame;
    };
    WindowState currentState() const {
        WindowState s;
        s.buttonsAndNotesShown = true;
        for (const char* n : {"Volver", "Imprimir", "Salir", "Text1", "Text12"})
            s.buttonsAndNotesShown = s.buttonsAndNotesShown && !window->findChild<QWidget*>(n)->isHidden();
        s.marksHidden = true;
        for (int i = 2; i <= 9; ++i)
            s.marksHidden = s.marksHidden && window->findChild<QWidget*>(QStringLiteral("Text%1").arg(i))->isHidden();
        s.window = window->palette().color(QPalette::Window);
        s.frame = window->sosten()->palette().color(QPalette::Window);
        return s;
    }
    void expectStepSeven(const WindowState& s) const {
        EXPECT_TRUE(s.buttonsAndNotesShown);
        EXPECT_TRUE(s.marksHidden);
        EXPECT_EQ(s.window, ui::rgb("#00C0C0"));
        EXPECT_EQ(s.frame, ui::rgb("#C0FFC0"));
    }
    void imprimir() { QTest::mouseClick(control(QStringLiteral("Imprimir")), Qt::LeftButton); }

    QTemporaryDir dir;
    QString answer;
    std::vector<QString> messages, told;
    WindowState stateWhenAsked;
};

TEST_F(ReceiptPrintFailureTest, TellsTheUserAndLeavesTheWindowAsAfterPrinting) {
    imprimir();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("No se pudo imprimir el recibo"))) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains(QStringLiteral("impresora predeterminada")));
    EXPECT_TRUE(messages[0].contains(QStringLiteral("PDF")));
    expectStepSeven(stateWhenAsked);  // the message comes after step 7
    expectStepSeven(currentState());
    EXPECT_TRUE(told.empty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    // The colours stay as printing left them; a second print is the same.
    imprimir();
    EXPECT_EQ(messages.size(), 2u);
    expectStepSeven(currentState());
}

TEST_F(ReceiptPrintFailureTest, ThePageIsTheWindowInWhiteWithMarksAndNoButtons) {
    window->movedor()->setValue(300);
    imprimir();
    const QImage page = window->lastPage();
    ASSERT_FALSE(page.isNull());
    EXPECT_EQ(page.size(), window->size() * ui::kPageImageScale);
    const int s = ui::kPageImageScale;
    auto at = [&](int xTwips, int yTwips) { return page.pixelColor(twips(xTwips) * s, twips(yTwips) * s); };
    // White where the window and the frame were coloured.
    EXPECT_EQ(at(60, 8000), QColor(Qt::white));            // window, left margin
    EXPECT_EQ(at(7700, 7000), QColor(Qt::white));           // window, panel
    EXPECT_EQ(at(840 + 3000, 100 - 300 + 7500), QColor(Qt::white));  // frame, below the totals
    // No button greens anywhere; the marks' four greys at the left.
    int buttons = 0;
    std::map<QRgb, int> greys;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QRgb c = page.pixel(x, y) & 0xFFFFFF;
            if (c == 0x00FF00 || c == 0x00C000 || c == 0x008000) ++buttons;
            if (x < twips(840) * s && (c == 0xE0E0E0 || c == 0xC0C0C0 || c == 0x808080 || c == 0x404040)) ++greys[c];
        }
    EXPECT_EQ(buttons, 0);
    EXPECT_EQ(greys.size(), 4u);
    // The comment box is on the page: its frame differs from the white around it.
    const QRect comment = ui::twipsRect(9720, 1920, 1695, 2895);
    int edge = 0;
    for (int y = comment.top(); y <= comment.bottom(); ++y)
        if (page.pixelColor(comment.left() * s, y * s) != QColor(Qt::white)) ++edge;
    EXPECT_GT(edge, comment.height() / 2);
    // The scroll position is printed as it was.
    EXPECT_EQ(window->movedor()->value(), 300);
}

TEST_F(ReceiptPrintFailureTest, SavesTheSamePageAsPdfWhenTheUserAccepts) {
    answer = dir.filePath(QStringLiteral("recibo.pdf"));
    imprimir();
    ASSERT_EQ(messages.size(), 1u);
    QFile pdf(answer);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_GT(pdf.size(), 10000);
    EXPECT_TRUE(told.empty());
    expectStepSeven(currentState());
}

TEST_F(ReceiptPrintFailureTest, SaysSoWhenThePdfCannotBeWritten) {
    answer = dir.filePath(QStringLiteral("no-such-folder/recibo.pdf"));
    imprimir();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_TRUE(told[0].contains(QStringLiteral("No se pudo guardar el archivo PDF")));
    expectStepSeven(currentState());
}

// ---- Screenshots -------------------------------------------------------------

TEST_F(ReceiptWindowTest, SavesScreenshotsOfAPostAndAnHoursReceipt) {
    ASSERT_TRUE(QDir().mkpath(QStringLiteral("screenshots")));
    struct Shot { const char* file; std::function<PayInput()> request; };
    for (const Shot& s : {Shot{"screenshots/haberes.png", test::typicalRequest},
                          Shot{"screenshots/haberes-horas.png", test::hoursRequest}}) {
        SCOPED_TRACE(s.file);
        test::confirmPost(sheet);
        test::calculate(s.request(), sheet, state);
        show();
        const QImage shot = window->grab().toImage();
        ASSERT_TRUE(shot.save(QString::fromLatin1(s.file)));
        EXPECT_EQ(QImage(QString::fromLatin1(s.file)).size(), window->size());
        EXPECT_EQ(pixel(shot, twips(400), twips(8000)), ui::rgb("#008080"));
        EXPECT_EQ(pixel(shot, twips(840 + 3000), twips(100 + 7500)), ui::rgb("#C0FFC0"));
    }
}

}  // namespace
