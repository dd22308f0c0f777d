#include "receipt_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>

#include <algorithm>
#include <array>
#include <cmath>

#include "receipt_printer.h"
#include "services.h"

namespace sueldara::ui {

namespace {

// Client area and colours of the window.
constexpr int kClientWidth = 11880;
constexpr int kClientHeight = 8490;
const char* const kWindowColour = "#008080";
const char* const kPrintedWindowColour = "#00C0C0";
const char* const kFrameColour = "#C0FFC0";
const char* const kPaper = "#FFFFFF";

// The receipt frame in the window; its top and height follow the scroll bar.
constexpr int kFrameLeft = 840;
constexpr int kFrameWidth = 6840;
constexpr int kFrameHeight = 12000;
constexpr int kFrameTopAtZero = 100;

// The line table inside the frame.
constexpr int kCellHeight = 300;
constexpr int kTableLeft = 300;
constexpr int kTableRight = 6570;
constexpr int kTableTop = 735;
constexpr int kEarningsRight = 5250;
constexpr int kDeductionsRight = 6450;
constexpr int kFixedAmountWidth = 1005;
constexpr std::array<int, 7> kFixedWidthCells{21, 22, 23, 25, 26, 52, 53};

// The column rules, left to right: x and name.
struct ColumnRule {
    int x;
    const char* name;
};
constexpr std::array<ColumnRule, 6> kColumnRules{{
    {300, "Line3_1"},
    {1035, "Line7"},
    {1665, "Line5"},
    {4185, "Line2"},
    {5340, "Line1"},
    {6570, "Line3_0"},
}};

// The print marks: name, top, text colour.
struct PrintMark {
    const char* name;
    int top;
    const char* colour;
};
constexpr std::array<PrintMark, 8> kPrintMarks{{
    {"Text3", 360, "#E0E0E0"},
    {"Text2", 840, "#C0C0C0"},
    {"Text5", 1320, "#808080"},
    {"Text4", 1800, "#404040"},
    {"Text7", 2280, "#E0E0E0"},
    {"Text9", 2760, "#C0C0C0"},
    {"Text6", 3240, "#808080"},
    {"Text8", 3720, "#404040"},
}};

QString qs(const std::string& text) { return QString::fromStdString(text); }

// Only the window role: text boxes keep their own white base.
void fillColour(QWidget* widget, const QColor& colour) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

// A straight black rule. Its geometry is the line's box; a horizontal rule
// from x1 to x2 at y covers [x1, x2] one rule width high, starting at y.
class Rule : public QWidget {
public:
    Rule(QWidget* parent, const QString& name, int thickness) : QWidget(parent), thickness_(thickness) {
        setObjectName(name);
        fillColour(this, Qt::black);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    void horizontal(int x1, int x2, int y) {
        setGeometry(twips(x1), twips(y), std::max(1, twips(x2) - twips(x1) + 1), thickness_);
    }
    void vertical(int x, int y1, int y2) {
        const int top = twips(std::min(y1, y2));
        const int bottom = twips(std::max(y1, y2));
        setGeometry(twips(x), top, thickness_, bottom - top + 1);
    }

private:
    int thickness_;
};

QLabel* makeLabel(QWidget* parent, const QString& name, const QFont& font, Qt::Alignment align,
                  const QString& text = {}) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setAlignment(align | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    label->setMargin(0);
    label->setIndent(0);
    return label;
}

QLineEdit* makeTextBox(QWidget* parent, const QString& name, const QFont& font, bool readOnly,
                       const QString& text = {}) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setFont(font);
    box->setReadOnly(readOnly);
    box->setCursorPosition(0);
    return box;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const char* colour, const QString& tooltip) {
    auto* button = new QPushButton(name, parent);
    button->setObjectName(name);
    button->setFont(sansSerifFont(9.75, true));
    button->setToolTip(tooltip);
    // A graphical button: its own colour, raised, sunken while pressed.
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: #000000;"
                                         " border: 2px outset %1; }"
                                         " QPushButton:pressed { border-style: inset; }")
                              .arg(QString::fromLatin1(colour)));
    return button;
}

// The receipt frame: a flat panel in its own colour with an etched border and
// its caption on the border's top edge. It is taller than the window and
// scrolls; its children are placed from its outer corner.
class ReceiptFrame : public QWidget {
public:
    ReceiptFrame(const QString& caption, QWidget* parent) : QWidget(parent) {
        setWindowTitle(caption);  // the caption, readable as the frame's title
        setFont(sansSerifFont(8.25));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QFontMetrics fm(font());
        const int captionMiddle = fm.height() / 2;
        // Etched border: dark line, light line one pixel inside.
        const QRect box(0, captionMiddle, width() - 2, height() - captionMiddle - 2);
        painter.setPen(QColor(0x80, 0x80, 0x80));
        painter.drawRect(box);
        painter.setPen(Qt::white);
        painter.drawRect(box.translated(1, 1));
        const QString caption = windowTitle();
        const QRect captionRect(twips(120), 0, fm.horizontalAdvance(caption) + 4, fm.height());
        painter.fillRect(captionRect, palette().color(QPalette::Window));
        painter.setPen(Qt::black);
        painter.drawText(captionRect, Qt::AlignCenter, caption);
    }
};

// A label that sizes itself to its text, keeping its right edge (amounts) or
// its left edge.
void fitToText(QLabel* label, int leftOrRight, int top, bool keepRight) {
    const QFontMetrics fm(label->font());
    const int width = label->text().isEmpty() ? 0 : fm.horizontalAdvance(label->text()) + 2;
    const int height = std::max(fm.height(), twips(kCellHeight) - 2);
    const int edge = twips(leftOrRight);
    label->setGeometry(keepRight ? edge - width : edge, twips(top), width, height);
}

}  // namespace

struct ReceiptWindow::Parts {
    QWidget* sosten = nullptr;
    std::array<QLabel*, kSheetRows> cod{};
    std::array<QLabel*, kSheetRows> label10{};
    std::array<QLabel*, kSheetRows> label19{};
    std::array<Rule*, kSheetRows> line8{};
    std::array<QLabel*, kAmountCells> label1{};
    std::array<Rule*, kColumnRules.size()> columnRules{};
    Rule* line4 = nullptr;
    Rule* line6 = nullptr;
    Rule* line15 = nullptr;
    Rule* line16 = nullptr;
    Rule* line17 = nullptr;
    QLabel* label15 = nullptr;
    QLabel* label16 = nullptr;
    QLabel* label17 = nullptr;
    QLabel* thaberes = nullptr;
    QLabel* tdescuentos = nullptr;
    QLabel* liquido = nullptr;
    QLabel* label18 = nullptr;
    QLabel* docente = nullptr;

    QLabel* label3 = nullptr;
    QLabel* carsel = nullptr;
    QLabel* label11 = nullptr;
    QLineEdit* numcargo = nullptr;
    QLabel* label12 = nullptr;
    QLineEdit* punbasicos = nullptr;
    QLabel* label2 = nullptr;
    QLineEdit* compbas = nullptr;
    QLabel* label14 = nullptr;
    QLineEdit* proljor = nullptr;
    QLabel* label20 = nullptr;
    QLineEdit* jorcom = nullptr;
    QLabel* label21 = nullptr;
    QLineEdit* tardif = nullptr;
    QLineEdit* text12 = nullptr;
    QPlainTextEdit* text11 = nullptr;
    QPushButton* volver = nullptr;
    QPushButton* imprimir = nullptr;
    QPushButton* salir = nullptr;
    QLineEdit* text1 = nullptr;
    QLineEdit* text10 = nullptr;
    QScrollBar* movedor = nullptr;
    std::array<QLineEdit*, kPrintMarks.size()> marks{};

    int frameTop = kFrameTopAtZero;
    int frameHeight = kFrameHeight;

    QImage lastPage;
    PrintFeedback feedback;
};

ReceiptWindow::ReceiptWindow(const ReceiptSheet& sheet, QWidget* parent)
    : QWidget(parent, Qt::Window), parts_(new Parts), sheet_(sheet) {
    Parts& p = *parts_;
    setObjectName(QStringLiteral("Haberes"));
    setWindowTitle(QStringLiteral("Haberes"));
    setFont(sansSerifFont(8.25));
    fillColour(this, rgb(kWindowColour));
    resize(twips(kClientWidth), twips(kClientHeight));

    // The receipt frame.
    p.sosten = new ReceiptFrame(QStringLiteral("Recibo de haberes"), this);
    p.sosten->setObjectName(QStringLiteral("sosten"));
    fillColour(p.sosten, rgb(kFrameColour));

    const QFont cellFont = sansSerifFont(8.25);
    const QFont amountFont = sansSerifFont(9.75);
    const QFont totalFont = sansSerifFont(9.75, true);
    for (int r = 0; r < kSheetRows; ++r) {
        const QString n = QString::number(r);
        p.cod[r] = makeLabel(p.sosten, QStringLiteral("cod_") + n, cellFont, Qt::AlignRight);
        placeTwips(p.cod[r], 510, rowTop(r), 495, kCellHeight);
        p.label10[r] = makeLabel(p.sosten, QStringLiteral("Label10_") + n, cellFont, Qt::AlignRight);
        placeTwips(p.label10[r], r == 23 ? 1155 : 1140, rowTop(r), 495, kCellHeight);
        p.label19[r] = makeLabel(p.sosten, QStringLiteral("Label19_") + n, cellFont, Qt::AlignLeft);
        placeTwips(p.label19[r], 1770, rowTop(r), 2355, kCellHeight);
        p.line8[r] = new Rule(p.sosten, QStringLiteral("Line8_") + n, 1);
        p.line8[r]->horizontal(kTableLeft, kTableRight, separatorY(r));
    }
    for (int i = 0; i < kAmountCells; ++i) {
        p.label1[i] = makeLabel(p.sosten, QStringLiteral("Label1_%1").arg(i), amountFont, Qt::AlignRight);
    }
    for (std::size_t i = 0; i < kColumnRules.size(); ++i)
        p.columnRules[i] = new Rule(p.sosten, QString::fromLatin1(kColumnRules[i].name), 1);
    p.line4 = new Rule(p.sosten, QStringLiteral("Line4"), 1);
    p.line4->horizontal(kTableLeft, kTableRight, kTableTop);
    p.line6 = new Rule(p.sosten, QStringLiteral("Line6"), 2);
    p.line15 = new Rule(p.sosten, QStringLiteral("Line15"), 1);
    p.line16 = new Rule(p.sosten, QStringLiteral("Line16"), 1);
    p.line17 = new Rule(p.sosten, QStringLiteral("Line17"), 1);

    p.label15 = makeLabel(p.sosten, QStringLiteral("Label15"), amountFont, Qt::AlignLeft, QStringLiteral("Total Haberes"));
    p.label16 = makeLabel(p.sosten, QStringLiteral("Label16"), amountFont, Qt::AlignLeft, QStringLiteral("Total descuentos"));
    p.label17 = makeLabel(p.sosten, QStringLiteral("Label17"), amountFont, Qt::AlignLeft, QStringLiteral("Liquido a pagar"));
    p.thaberes = makeLabel(p.sosten, QStringLiteral("thaberes"), totalFont, Qt::AlignRight);
    p.tdescuentos = makeLabel(p.sosten, QStringLiteral("tdescuentos"), totalFont, Qt::AlignRight);
    p.liquido = makeLabel(p.sosten, QStringLiteral("liquido"), totalFont, Qt::AlignRight);

    p.label18 = makeLabel(p.sosten, QStringLiteral("Label18"), amountFont, Qt::AlignRight,
                          QStringLiteral("Recibo de sueldos de:"));
    placeTwips(p.label18, 360, 240, 2295, 375);
    p.docente = makeLabel(p.sosten, QStringLiteral("docente"), amountFont, Qt::AlignLeft);
    placeTwips(p.docente, 3030, 210, 3135, 375);

    // The panel.
    const QFont panelFont = sansSerifFont(9.75);
    p.label3 = makeLabel(this, QStringLiteral("Label3"), arialFont(12), Qt::AlignHCenter,
                         QStringLiteral("Haberes desde Octubre 08"));
    setColours(p.label3, Qt::black, rgb(kPaper));
    placeTwips(p.label3, 7680, 0, 3375, 375);
    p.carsel = makeLabel(this, QStringLiteral("carsel"), panelFont, Qt::AlignLeft);
    setColours(p.carsel, Qt::black, rgb(kPaper));
    placeTwips(p.carsel, 7680, 480, 3360, 300);

    const QColor captionBackground = palette().color(QPalette::HighlightedText);
    auto caption = [&](const char* name, const QString& text, int left, int top, int width, int height) {
        QLabel* label = makeLabel(this, QString::fromLatin1(name), panelFont,
                                  text.isEmpty() ? Qt::AlignLeft : Qt::AlignHCenter, text);
        setBackground(label, captionBackground);
        placeTwips(label, left, top, width, height);
        return label;
    };
    auto field = [&](const char* name, int left, int top, bool white) {
        QLineEdit* box = makeTextBox(this, QString::fromLatin1(name), panelFont, true);
        if (white) {
            QPalette pal = box->palette();
            pal.setColor(QPalette::Base, rgb(kPaper));
            box->setPalette(pal);
        }
        placeTwips(box, left, top, 1275, 360);
        return box;
    };
    p.label11 = caption("Label11", {}, 7665, 840, 1890, 300);
    p.numcargo = field("numcargo", 7920, 1200, false);
    p.label12 = caption("Label12", QStringLiteral("Puntaje"), 7680, 1680, 1905, 330);
    p.punbasicos = field("punbasicos", 7920, 2040, true);
    p.label2 = caption("Label2", QStringLiteral("Ptos. Comp Básico"), 7680, 2520, 1905, 330);
    p.compbas = field("compbas", 7920, 2880, true);
    p.label14 = caption("Label14", QStringLiteral("Prol jorn"), 7665, 3465, 1905, 330);
    p.proljor = field("proljor", 7980, 3885, false);
    p.label20 = caption("Label20", QStringLiteral("Jorn Comp"), 7665, 4515, 1905, 330);
    p.jorcom = field("jorcom", 7980, 4935, false);
    p.label21 = caption("Label21", QStringLiteral("Tarea dif"), 7665, 5565, 1905, 330);
    p.tardif = field("tardif", 7980, 5985, false);

    p.text12 = makeTextBox(this, QStringLiteral("Text12"), font(), true, QStringLiteral("Poné tu comentario"));
    placeTwips(p.text12, 9720, 1560, 1695, 285);
    p.text11 = new QPlainTextEdit(this);
    p.text11->setObjectName(QStringLiteral("Text11"));
    p.text11->setFocusPolicy(Qt::ClickFocus);
    p.text11->setTabChangesFocus(true);
    placeTwips(p.text11, 9720, 1920, 1695, 2895);

    p.volver = makeButton(this, QStringLiteral("Volver"), "#00FF00", QStringLiteral("Permite cambiar los datos ingresados"));
    placeTwips(p.volver, 9840, 4920, 1335, 495);
    p.imprimir = makeButton(this, QStringLiteral("Imprimir"), "#00C000", QStringLiteral("Se imprime con fondo blanco."));
    placeTwips(p.imprimir, 9840, 5640, 1335, 495);
    p.salir = makeButton(this, QStringLiteral("Salir"), "#008000", QString());
    placeTwips(p.salir, 9840, 6360, 1335, 495);

    p.text1 = makeTextBox(this, QStringLiteral("Text1"), font(), true, QStringLiteral("Se imprime en blanco y negro"));
    p.text1->setFocusPolicy(Qt::ClickFocus);
    placeTwips(p.text1, 8880, 7200, 2415, 285);
    p.text10 = makeTextBox(this, QStringLiteral("Text10"), panelFont, true);
    placeTwips(p.text10, 8880, 7680, 2415, 375);

    p.movedor = new QScrollBar(Qt::Vertical, this);
    p.movedor->setObjectName(QStringLiteral("movedor"));
    p.movedor->setRange(0, 32767);
    p.movedor->setSingleStep(100);
    p.movedor->setPageStep(500);
    placeTwips(p.movedor, 11520, 0, 345, 8565);

    for (std::size_t i = 0; i < kPrintMarks.size(); ++i) {
        QLineEdit* mark = makeTextBox(this, QString::fromLatin1(kPrintMarks[i].name), font(), true,
                                      QStringLiteral("ZELAN"));
        mark->setFocusPolicy(Qt::NoFocus);
        QPalette pal = mark->palette();
        pal.setColor(QPalette::Text, rgb(kPrintMarks[i].colour));
        pal.setColor(QPalette::Base, rgb(kPaper));
        mark->setPalette(pal);
        placeTwips(mark, 120, kPrintMarks[i].top, 615, 255);
        mark->hide();
        p.marks[i] = mark;
    }

    connect(p.movedor, &QScrollBar::valueChanged, this, &ReceiptWindow::scrollTo);
    connect(p.volver, &QPushButton::clicked, this, &ReceiptWindow::volver);
    connect(p.imprimir, &QPushButton::clicked, this, &ReceiptWindow::imprimir);
    connect(p.salir, &QPushButton::clicked, this, &ReceiptWindow::salirRequested);

    p.feedback.askPdfPath = [this](const QString& message) -> QString {
        const auto answer = QMessageBox::question(this, QStringLiteral("Haberes"), message,
                                                  QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer != QMessageBox::Yes) return {};
        return QFileDialog::getSaveFileName(this, QStringLiteral("Guardar el recibo como PDF"),
                                            QDir::home().filePath(QStringLiteral("recibo.pdf")),
                                            QStringLiteral("Archivos PDF (*.pdf)"));
    };
    p.feedback.tell = [this](const QString& message) {
        QMessageBox::warning(this, QStringLiteral("Haberes"), message);
    };

    // At start the frame lies at the window's top; once the bar has moved,
    // its value alone decides (100 - v).
    p.frameTop = 0;
    p.frameHeight = kFrameHeight;
    placeTwips(p.sosten, kFrameLeft, p.frameTop, kFrameWidth, p.frameHeight);
    refreshFromSheet();
}

ReceiptWindow::~ReceiptWindow() { delete parts_; }

QScrollBar* ReceiptWindow::movedor() const { return parts_->movedor; }
QWidget* ReceiptWindow::sosten() const { return parts_->sosten; }
int ReceiptWindow::frameTopTwips() const { return parts_->frameTop; }
int ReceiptWindow::frameHeightTwips() const { return parts_->frameHeight; }
const QImage& ReceiptWindow::lastPage() const { return parts_->lastPage; }

void ReceiptWindow::setPrintFeedback(PrintFeedback feedback) {
    if (feedback.askPdfPath) parts_->feedback.askPdfPath = std::move(feedback.askPdfPath);
    if (feedback.tell) parts_->feedback.tell = std::move(feedback.tell);
}

void ReceiptWindow::refreshFromSheet() {
    Parts& p = *parts_;
    const ReceiptSheet& s = sheet_;
    auto setCell = [](QLabel* label, const Cell& cell) {
        label->setText(qs(cell.text));
        label->setVisible(cell.shown);
    };
    for (int r = 0; r < kSheetRows; ++r) {
        const SheetRow& row = s.rows[r];
        setCell(p.cod[r], row.cod);
        setCell(p.label10[r], row.Label10);
        setCell(p.label19[r], row.Label19);
        p.line8[r]->setVisible(row.Line8);
    }
    for (int i = 0; i < kAmountCells; ++i) {
        QLabel* cell = p.label1[i];
        setCell(cell, s.Label1[i]);
        const bool deductions = i >= kSheetRows;
        const int r = deductions ? i - kSheetRows : i;
        const int right = deductions ? kDeductionsRight : kEarningsRight;
        int top = rowTop(r);
        if (i == 0) top = 720;
        if (deductions && r <= 11) top = 840 + 315 * r;
        if (std::find(kFixedWidthCells.begin(), kFixedWidthCells.end(), i) != kFixedWidthCells.end())
            placeTwips(cell, right - kFixedAmountWidth, top, kFixedAmountWidth, kCellHeight);
        else
            fitToText(cell, right, top, true);
    }

    // The block under the table, where the sheet's layout puts it.
    const TotalsLayout& t = s.totals;
    auto at = [](float v) { return static_cast<int>(std::lround(v)); };
    for (std::size_t i = 0; i < kColumnRules.size(); ++i)
        p.columnRules[i]->vertical(kColumnRules[i].x, kTableTop, at(t.verticalRulesY2));
    p.line6->horizontal(kTableLeft, kTableRight, at(t.line6Y));
    p.line15->horizontal(kTableLeft, kTableRight, at(t.line15Y));
    p.line16->horizontal(kTableLeft, kTableRight, at(t.line16Y));
    p.line17->horizontal(kTableLeft, kTableRight, at(t.line17Y));
    fitToText(p.label15, 1770, at(t.thaberesTop), false);
    fitToText(p.label16, 1770, at(t.tdescuentosTop), false);
    fitToText(p.label17, 1770, at(t.liquidoTop), false);
    p.thaberes->setText(qs(s.thaberes));
    fitToText(p.thaberes, 5355, at(t.thaberesTop), true);
    p.tdescuentos->setText(qs(s.tdescuentos));
    fitToText(p.tdescuentos, 6475, at(t.tdescuentosTop), true);
    p.liquido->setText(qs(s.liquido));
    fitToText(p.liquido, 6475, at(t.liquidoTop), true);
    p.docente->setText(qs(s.docente));

    // The panel's header fields.
    p.carsel->setText(qs(s.carsel));
    {
        // Grows to fit its text, never narrower than its place in the layout.
        const QFontMetrics fm(p.carsel->font());
        const int width = std::max(twips(3360), fm.horizontalAdvance(p.carsel->text()) + 4);
        p.carsel->setGeometry(twips(7680), twips(480), width, std::max(twips(300), fm.height()));
    }
    p.label11->setText(qs(s.Label11));
    auto setBox = [](QLineEdit* box, const std::string& text) {
        box->setText(qs(text));
        box->setCursorPosition(0);
    };
    setBox(p.numcargo, s.numcargo);
    setBox(p.punbasicos, s.punbasicos);
    setBox(p.proljor, s.proljor);
    setBox(p.jorcom, s.jorcom);
    setBox(p.tardif, s.tardif);
    setBox(p.compbas, s.compbas);
    setBox(p.text10, s.Text10);
    for (QWidget* w : std::initializer_list<QWidget*>{p.label14, p.proljor, p.label20, p.jorcom, p.label21,
                                                      p.tardif, p.label2, p.compbas})
        w->setVisible(s.positionPointsShown);
}

void ReceiptWindow::presentReceipt() {
    refreshFromSheet();
    setEnabled(true);
    showWindow(this);
}

void ReceiptWindow::scrollTo(int value) {
    Parts& p = *parts_;
    p.frameTop = kFrameTopAtZero - value;
    p.frameHeight = kFrameHeight + value;
    placeTwips(p.sosten, kFrameLeft, p.frameTop, kFrameWidth, p.frameHeight);
}

void ReceiptWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    QScrollBar* bar = parts_->movedor;
    const int height = std::max(0, frameGeometry().height() - twips(400));
    bar->setGeometry(bar->x(), bar->y(), bar->width(), height);
}

void ReceiptWindow::closeEvent(QCloseEvent* event) {
    // Closing through the frame is "Volver": the window is only hidden.
    event->ignore();
    volver();
}

void ReceiptWindow::volver() {
    setEnabled(false);
    hide();
    emit volverRequested();
}

void ReceiptWindow::imprimir() {
    Parts& p = *parts_;
    const std::array<QWidget*, 5> notes{p.volver, p.imprimir, p.salir, p.text1, p.text12};

    // Hiding the focused button would hand the focus to a text box, whose
    // selected text would then show on the page.
    QPointer<QWidget> focused = QApplication::focusWidget();
    if (focused && isAncestorOf(focused)) focused->clearFocus();
    else focused = nullptr;

    for (QWidget* w : notes) w->hide();
    fillColour(p.sosten, rgb(kPaper));
    fillColour(this, rgb(kPaper));
    for (QLineEdit* mark : p.marks) mark->show();

    p.lastPage = capturePage(this);
    const PrintOutcome outcome = printOnDefaultPrinter(p.lastPage);

    for (QLineEdit* mark : p.marks) mark->hide();
    fillColour(p.sosten, rgb(kFrameColour));
    fillColour(this, rgb(kPrintedWindowColour));
    for (auto it = notes.rbegin(); it != notes.rend(); ++it) (*it)->show();
    if (focused) focused->setFocus(Qt::OtherFocusReason);

    if (outcome.status == PrintStatus::printed) return;
    const QString path = p.feedback.askPdfPath(printFailureMessage(outcome));
    if (path.isEmpty()) return;
    if (!savePagePdf(p.lastPage, path))
        p.feedback.tell(QStringLiteral("No se pudo guardar el archivo PDF «%1».").arg(QDir::toNativeSeparators(path)));
}

}  // namespace sueldara::ui
