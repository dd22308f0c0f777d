// Pictures of the entry window and the selection dialog as drawn, saved in the
// build folder's screenshots/ for comparison with the layout; the colours at
// known places of the pictures are checked here.

#include <QDir>
#include <QImage>
#include <QPixmap>

#include <QPushButton>

#include "controls.h"
#include "gui_fixture.h"
#include "services.h"

namespace sueldara::test {
namespace {

using ui::twips;

QImage saveShot(QWidget* window, const QString& file) {
    const QImage image = window->grab().toImage();
    QDir().mkpath(QStringLiteral("screenshots"));
    EXPECT_TRUE(image.save(QStringLiteral("screenshots/") + file)) << file.toStdString();
    return image;
}

// The colour a grab shows at a twips point of the window.
QColor at(const QImage& image, int left, int top) {
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(qRound(twips(left) * ratio), qRound(twips(top) * ratio));
}

class ScreenshotTest : public GuiFixture {
protected:
    // A selected button is sunk in: its face a clearly darker shade of its own
    // colour, a dark inset at its top left; not selected it keeps the lighter
    // raised face.
    void expectPressedLook(const QImage& image, const char* name, bool pressed) {
        SCOPED_TRACE(name);
        auto* button = inEntry<QPushButton>(name);
        ASSERT_NE(button, nullptr);
        ASSERT_EQ(button->isChecked(), pressed);
        const QColor own = button->palette().color(QPalette::Button);
        const QPoint topLeft = button->mapTo(entry(), QPoint(0, 0));
        const qreal ratio = image.devicePixelRatio();
        auto pixel = [&](int x, int y) {
            return image.pixelColor(qRound((topLeft.x() + x) * ratio), qRound((topLeft.y() + y) * ratio));
        };
        // Left of the centred caption, half way down.
        const QColor face = pixel(4, button->height() / 2);
        const QColor darker = ui::pressedFace(own);
        if (pressed) {
            EXPECT_EQ(face.name(), darker.name());
            EXPECT_LT(pixel(0, 0).value(), darker.value() / 2) << pixel(0, 0).name().toStdString();
            EXPECT_LT(pixel(1, button->height() / 2).value(), darker.value());
        } else {
            EXPECT_GT(face.value(), darker.value() + 40) << face.name().toStdString();
        }
    }
};

TEST_F(ScreenshotTest, EntryWindowAndDialog) {
    const QImage start = saveShot(entry(), QStringLiteral("ingreso.png"));
    ASSERT_FALSE(start.isNull());
    EXPECT_EQ(at(start, 60, 8400), QColor("#C04000"));   // window background, bottom left
    EXPECT_EQ(at(start, 7000, 160), QColor("#FFFFFF"));  // title label
    EXPECT_EQ(at(start, 200, 6560), QColor("#FF8000"));  // family rectangle, left of the boxes
    EXPECT_EQ(at(start, 5180, 8180), QColor("#000080")); // credit label

    click(entry(), "cargo");
    typeInto(dialog(), "codcargo", QStringLiteral("813"));
    const QImage advertencia = saveShot(dialog(), QStringLiteral("advertencia.png"));
    ASSERT_FALSE(advertencia.isNull());
    EXPECT_EQ(at(advertencia, 9700, 6800), QColor("#FFC080"));
    EXPECT_EQ(at(advertencia, 130, 730), QColor("#80FF80"));  // column caption, top left corner

    click(dialog(), "Command1");
    click(entry(), "Option4");
    click(entry(), "Iosper");
    click(entry(), "transporte");
    const QImage post = saveShot(entry(), QStringLiteral("ingreso-cargo.png"));
    for (const char* name : {"cargo", "Option4", "Iosper", "opincentivo", "transporte"})
        expectPressedLook(post, name, true);
    for (const char* name : {"horasmedio", "horassup", "Option5", "Osplad", "inasist"})
        expectPressedLook(post, name, false);
    click(entry(), "horasmedio");
    const QImage hours = saveShot(entry(), QStringLiteral("ingreso-horas.png"));
    EXPECT_EQ(at(hours, 2300, 1540), QColor("#00FF00"));  // "Número de horas N. Medio"
}

}  // namespace
}  // namespace sueldara::test
