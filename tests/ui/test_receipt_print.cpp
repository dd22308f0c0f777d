// "Imprimir" through a real print system: a private CUPS scheduler whose
// default queue keeps the job's PDF; the page that comes out is rendered with
// pdftoppm and looked at.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <memory>
#include <vector>

#include "cups_server.h"
#include "receipt_printer.h"
#include "receipt_requests.h"
#include "receipt_window.h"
#include "services.h"

using namespace sueldara;
using sueldara::ui::ReceiptWindow;
using sueldara::ui::twips;

namespace {

// One scheduler for the whole process, started before any test asks for a
// printer (CUPS clients read the server's address once).
test::CupsServer* printSystem = nullptr;

class PrintSystemEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        server_ = std::make_unique<test::CupsServer>();
        server_->start();
        printSystem = server_.get();
    }
    void TearDown() override {
        printSystem = nullptr;
        server_.reset();  // stops cupsd
    }

private:
    std::unique_ptr<test::CupsServer> server_;
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new PrintSystemEnvironment);

// Runs a poppler tool; its standard output, or empty on failure.
QByteArray run(const QString& program, const QStringList& args, QString* error) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        *error = program + QLatin1Char(' ') + args.join(QLatin1Char(' ')) + QStringLiteral(": ") +
                 process.errorString() + QString::fromLocal8Bit(process.readAllStandardError());
        return {};
    }
    return process.readAllStandardOutput();
}

// Where a point of the window lands on the rendered page: the window's image
// fills the printable area's width (or height), keeping its proportions, from
// the printable area's top left corner.
struct PageMapping {
    double leftInch = 0, topInch = 0, inchPerPixel = 0;  // per window pixel
    int dpi = 0;
    QPoint at(int xTwips, int yTwips) const {
        return QPoint(int((leftInch + twips(xTwips) * inchPerPixel) * dpi),
                      int((topInch + twips(yTwips) * inchPerPixel) * dpi));
    }
    QRect rect(const QRect& windowPixels) const {
        auto map = [&](QPoint p) {
            return QPoint(int((leftInch + p.x() * inchPerPixel) * dpi), int((topInch + p.y() * inchPerPixel) * dpi));
        };
        return QRect(map(windowPixels.topLeft()), map(windowPixels.bottomRight()));
    }
};

PageMapping mappingFor(const QSize& windowSize, int dpi) {
    QPrinter printer(QPrinterInfo::printerInfo(QString::fromLatin1(test::CupsServer::kQueue)),
                     QPrinter::HighResolution);
    const QRectF page = printer.pageRect(QPrinter::Inch);
    const QSizeF fitted = QSizeF(windowSize).scaled(page.size(), Qt::KeepAspectRatio);
    return {page.left(), page.top(), fitted.width() / windowSize.width(), dpi};
}

bool greenish(QRgb c) { return qGreen(c) > std::max(qRed(c), qBlue(c)) + 40; }
bool tealish(QRgb c) { return qRed(c) < 0x40 && qGreen(c) > 0x60 && qBlue(c) > 0x60; }
bool nearWhite(QRgb c) { return qRed(c) > 0xF0 && qGreen(c) > 0xF0 && qBlue(c) > 0xF0; }

class RealPrintTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(printSystem, nullptr);
        ASSERT_TRUE(printSystem->running()) << "the private CUPS scheduler could not run: "
                                            << printSystem->error().toStdString();
        ASSERT_EQ(QPrinterInfo::defaultPrinterName(), QString::fromLatin1(test::CupsServer::kQueue))
            << "this process does not see the private scheduler's default queue";
        test::calculate(test::typicalRequest(), sheet, state);
        window = std::make_unique<ReceiptWindow>(sheet);
        window->setPrintFeedback({[this](const QString& message) {
                                      failures.push_back(message);
                                      return QString();
                                  },
                                  [this](const QString& message) { failures.push_back(message); }});
        window->presentReceipt();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QImage render(int dpi, QString* error) {
        const QString prefix = printSystem->dir() + QStringLiteral("/page-%1").arg(dpi);
        if (run(QStringLiteral("pdftoppm"),
                {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"), QStringLiteral("-singlefile"),
                 printSystem->outputPdf(), prefix},
                error)
                .isNull() && !error->isEmpty())
            return {};
        return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
    }

    ReceiptSheet sheet;
    PayState state;
    std::unique_ptr<ReceiptWindow> window;
    std::vector<QString> failures;
};

TEST_F(RealPrintTest, ImprimirPrintsOneWhitePageWithMarksAndNoButtons) {
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Imprimir")), Qt::LeftButton);
    EXPECT_TRUE(failures.empty()) << failures.front().toStdString();

    // The window as step 7 leaves it, while the job is on its way.
    for (const char* name : {"Volver", "Imprimir", "Salir", "Text1", "Text12", "Text11"})
        EXPECT_FALSE(window->findChild<QWidget*>(QString::fromLatin1(name))->isHidden()) << name;
    for (int i = 2; i <= 9; ++i) EXPECT_TRUE(window->findChild<QWidget*>(QStringLiteral("Text%1").arg(i))->isHidden());
    EXPECT_EQ(window->palette().color(QPalette::Window), ui::rgb("#00C0C0"));
    EXPECT_EQ(window->sosten()->palette().color(QPalette::Window), ui::rgb("#C0FFC0"));
    const QImage screen = window->grab().toImage();
    EXPECT_EQ(screen.pixelColor(twips(400), twips(8000)), ui::rgb("#00C0C0"));
    EXPECT_EQ(screen.pixelColor(twips(3840), twips(7600)), ui::rgb("#C0FFC0"));

    ASSERT_TRUE(printSystem->waitForOutput()) << printSystem->error().toStdString();

    QString error;
    const QByteArray info = run(QStringLiteral("pdfinfo"), {printSystem->outputPdf()}, &error);
    ASSERT_FALSE(info.isEmpty()) << error.toStdString();
    EXPECT_TRUE(QString::fromLatin1(info).contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))))
        << info.toStdString();

    // The whole page at 50 dpi.
    const QImage page = render(50, &error);
    ASSERT_FALSE(page.isNull()) << error.toStdString();
    QDir().mkpath(QStringLiteral("screenshots"));
    page.save(QStringLiteral("screenshots/haberes-impreso.png"));  // to look at
    const PageMapping at50 = mappingFor(window->size(), 50);
    int green = 0, teal = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QRgb c = page.pixel(x, y);
            green += greenish(c);  // buttons, or the frame's colour
            teal += tealish(c);    // the window's colour
        }
    EXPECT_EQ(green, 0);
    EXPECT_EQ(teal, 0);
    struct Spot { const char* where; int x, y; };
    for (const Spot& s : {Spot{"left margin", 400, 8000}, Spot{"frame, under the totals", 3840, 7600},
                          Spot{"panel", 7700, 7000}, Spot{"where Volver was", 10500, 5160},
                          Spot{"where Salir was", 10500, 6600}}) {
        const QPoint p = at50.at(s.x, s.y);
        EXPECT_TRUE(nearWhite(page.pixel(p))) << s.where << " " << std::hex << page.pixel(p);
    }
    // The comment box: its border is drawn, its inside is white.
    const QRect comment = at50.rect(ui::twipsRect(9720, 1920, 1695, 2895));
    int border = 0;
    for (int y = comment.top() + 2; y < comment.bottom() - 2; ++y) {
        bool edge = false;
        for (int dx = -1; dx <= 1; ++dx) edge = edge || !nearWhite(page.pixel(comment.left() + dx, y));
        border += edge;
    }
    EXPECT_GT(border, (comment.height() - 4) * 3 / 4);
    EXPECT_TRUE(nearWhite(page.pixel(comment.center())));

    // The marks at 200 dpi: each "ZELAN" in its grey, the box's border excluded.
    const QImage fine = render(200, &error);
    ASSERT_FALSE(fine.isNull()) << error.toStdString();
    const PageMapping at200 = mappingFor(window->size(), 200);
    struct Mark { const char* name; int top; int grey; };
    for (const Mark& m : {Mark{"Text3", 360, 0xE0}, Mark{"Text2", 840, 0xC0}, Mark{"Text5", 1320, 0x80},
                          Mark{"Text4", 1800, 0x40}, Mark{"Text7", 2280, 0xE0}, Mark{"Text9", 2760, 0xC0},
                          Mark{"Text6", 3240, 0x80}, Mark{"Text8", 3720, 0x40}}) {
        SCOPED_TRACE(m.name);
        const QRect box = at200.rect(ui::twipsRect(120, m.top, 615, 255));
        const QRect inside = box.adjusted(box.width() / 8, box.height() / 4, -box.width() / 8, -box.height() / 4);
        int inkGrey = 0;       // pixels of the mark's own grey
        int darkest = 0xFF;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x) {
                const QRgb c = fine.pixel(x, y);
                darkest = std::min(darkest, qGray(c));
                if (std::abs(qRed(c) - m.grey) <= 12 && std::abs(qGreen(c) - m.grey) <= 12 &&
                    std::abs(qBlue(c) - m.grey) <= 12)
                    ++inkGrey;
            }
        EXPECT_GT(inkGrey, 10);
        EXPECT_NEAR(darkest, m.grey, 16);  // nothing darker than its grey: the text is that grey
    }
}

}  // namespace
