// The data-entry window "ingreso": its start state, layout and tab order, and
// the event operations of its category, incentive, transport, absence, family
// and seniority controls, driven with clicks and keys.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QSignalSpy>
#include <QTest>

#include <string_view>
#include <vector>

#include "entry_window.h"
#include "gui_fixture.h"
#include "services.h"

namespace sueldara::test {
namespace {

using ui::twipsRect;

QString u8(const char* s) { return QString::fromUtf8(s); }

class EntryWindowTest : public GuiFixture {
protected:
    PayInput input() const { return app().entryWindow()->payInput(); }
    ui::Application& app() const { return const_cast<EntryWindowTest*>(this)->GuiFixture::app(); }
    bool shown(const char* name) const { return inEntry(name)->isVisible(); }
    QString text(const char* name) const { return textOf(inEntry(name)); }
    bool pressed(const char* name) const { return inEntry<QAbstractButton>(name)->isChecked(); }
};

TEST_F(EntryWindowTest, WindowHasItsCaptionSizeAndColour) {
    EXPECT_EQ(entry()->windowTitle(), u8("Ingreso de datos"));
    EXPECT_EQ(entry()->size(), QSize(ui::twips(11880), ui::twips(8490)));
    EXPECT_EQ(entry()->palette().color(QPalette::Window), QColor("#C04000"));
    // Only the entry window exists at start.
    EXPECT_EQ(dialog(), nullptr);
    EXPECT_EQ(errorDialog(), nullptr);
    EXPECT_EQ(receipt(), nullptr);
}

struct StartControl {
    const char* name;
    const char* text;     // caption or text at start
    const char* tooltip;  // "" for none
    bool shown;
    int left, top, width, height;  // twips in its container
};

// Every control's start text, tooltip, visibility and place.
const StartControl kStartControls[] = {
    {"Label5", "Apellido y nombre:", "", true, 420, 120, 2325, 360},
    {"docente", "", "", true, 2760, 120, 3945, 345},
    {"Label9", "Sueldara", "", true, 6960, 120, 4785, 405},
    {"Label10", "Desde Octubre de 2.008", "", true, 6960, 600, 4785, 405},
    {"Frame2", "Categoría", "", true, 135, 675, 6570, 735},
    {"cargo", "Cargo", "Seleccione para evaluar un cargo", true, 120, 240, 1575, 375},
    {"horasmedio", "Hs. N. Medio", "Seleccione para evaluar horas de nivel medio", true, 1920, 240, 2055, 375},
    {"horassup", "Hs. N. Superior", "Seleccione para evaluar horas de nivel superior", true, 4440, 240, 1935, 375},
    {"numerohorasmed", "0", "Ingrese la cantidad de horas", false, 2520, 2115, 855, 330},
    {"numerohorassup", "0", "Ingrese la cantidad de horas", false, 4920, 2115, 855, 330},
    {"numhorascod06", "0", "Ingrese la cantidad de horas", false, 4920, 2520, 855, 285},
    {"numhorasincen", "0", "Ingrese la cantidad de horas", false, 4920, 2880, 855, 285},
    {"numhorascod113", "0", "Ingrese la cantidad de horas", false, 4920, 3210, 855, 285},
    {"codcartit", "Código del cargo", "", false, 120, 2040, 1380, 330},
    {"codcarval", "", "", false, 120, 2505, 1380, 330},
    {"puncartit", "Puntaje del cargo", "", false, 1560, 2040, 1380, 330},
    {"puncarval", "", "", false, 1560, 2505, 1380, 330},
    {"puncompbastit", "Comp de Básico", "", false, 3000, 2040, 1380, 330},
    {"puncompbasval", "", "", false, 3000, 2505, 1380, 330},
    {"punproljortit", "Puntos prol jorn", "", false, 4440, 2040, 1380, 330},
    {"punproljorval", "", "", false, 4440, 2520, 1380, 330},
    {"punjorcomtit", "Puntos Jor comp", "", false, 5880, 2040, 1380, 330},
    {"punjorcomval", "", "", false, 5880, 2520, 1380, 330},
    {"puntardiftit", "Puntos tarea difer", "", false, 7320, 2040, 1425, 330},
    {"puntardifval", "", "", false, 7320, 2520, 1380, 330},
    {"opincentivo", "Incentivo", "Deshabilite si no se cobra", true, 105, 3480, 1260, 435},
    {"Text1", "Si", "¿Cuántos Km semanales?", true, 1440, 3495, 495, 420},
    {"transporte", "Transporte", "", true, 120, 4080, 1575, 375},
    {"cantkm", "0", "¿Cuántos Km semanales?", false, 1920, 4080, 615, 315},
    {"zona", "", "", true, 120, 4560, 2775, 330},
    {"inasist", "Inasistencias Just", "Haga Click si tiene inasistencias", true, 120, 6000, 1980, 405},
    {"dinasist", "0", "Cantidad de días.", false, 2160, 6000, 495, 360},
    {"Shape1", "", "", true, 120, 6480, 2775, 1215},
    {"hijos", "Hijos", "", true, 240, 6600, 1695, 255},
    {"cantidadhijos", "0", "¿Cuántos Hijos?", false, 2160, 6600, 495, 285},
    {"hijosdisc", "Hijos Diferenc", "", true, 240, 6960, 1695, 255},
    {"cantidadhijosdisc", "0", "¿Cuántos Hijos?", false, 2160, 6960, 495, 285},
    {"conyuge", "Conyuge", "", true, 240, 7320, 1695, 255},
    {"Frame3", "Descuentos", "", true, 3360, 4560, 2175, 3135},
    {"Iosper", "IOSPER", "", true, 120, 240, 1935, 375},
    {"Osplad", "OSPLAD", "", true, 120, 600, 1935, 375},
    {"ZELAN", "ZELAN", "", true, 120, 960, 1935, 375},
    {"APORTEJUB", "Aporte jubilatorio", "", true, 120, 1320, 1935, 375},
    {"cajacomp", "Caja compensadora", "", true, 120, 1680, 1935, 375},
    {"Ley4035", "Ley 4035", "", true, 120, 2040, 1935, 375},
    {"Seguro3011", "Seguro (3011)", "", true, 120, 2400, 1935, 375},
    {"Frame1", "Antigüedad", "", true, 6000, 3960, 2055, 3765},
    {"porcantig", "0 %", "Porcentaje de Antigüedad", true, 600, 3240, 855, 375},
    {"Option1", "Menos de 1 año", "0 %", true, 120, 240, 1815, 255},
    {"Option2", "Entre 1 y 2 años", "10 %", true, 120, 480, 1815, 255},
    {"Option3", "Entre 2 y 5 años", "15 %", true, 120, 720, 1815, 255},
    {"Option4", "Entre 5 y 7 años", "30 %", true, 120, 960, 1815, 255},
    {"Option5", "Entre 7 y 10 años", "40 %", true, 120, 1200, 1815, 255},
    {"Option6", "Entre 10 y 12 años", "50 %", true, 120, 1440, 1815, 255},
    {"Option7", "Entre 12 y 15 años", "60 %", true, 120, 1680, 1815, 255},
    {"Option8", "Entre 15 y 17 años", "70 %", true, 120, 1920, 1815, 255},
    {"Option9", "Entre 17 y 20 años", "80 %", true, 120, 2160, 1815, 255},
    {"Option10", "Entre 20 y 22 años", "100 %", true, 120, 2400, 1815, 255},
    {"Option11", "Entre 22 y 24 años", "110 %", true, 120, 2645, 1815, 255},
    {"Option12", "Más de 24 años", "120 %", true, 120, 2880, 1815, 255},
    {"Command1", "Calcular", "Genera el recibo", true, 9000, 6600, 2535, 375},
    {"Command2", "Salir", "", true, 9000, 7320, 2535, 375},
    {"Picture1", "", "", true, 9000, 2040, 2775, 2580},
    {"Picture2", "", "", true, 8160, 4800, 3630, 1455},
    {"Label8", "ZELAN Seccional Corvale", "Seccional del gremio docente", true, 8280, 7920, 3255, 345},
};

QString captionOf(QWidget* w) {
    if (auto* frame = qobject_cast<QGroupBox*>(w)) return frame->title();
    return GuiFixture::textOf(w);
}

TEST_F(EntryWindowTest, ControlsStartWithTheirTextsTooltipsAndPlaces) {
    for (const StartControl& c : kStartControls) {
        SCOPED_TRACE(c.name);
        QWidget* w = inEntry(c.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(captionOf(w), u8(c.text));
        EXPECT_EQ(w->toolTip(), u8(c.tooltip));
        EXPECT_EQ(w->isVisible(), c.shown);
        EXPECT_EQ(w->geometry(), twipsRect(c.left, c.top, c.width, c.height));
    }
}

// Labels that fit their text keep their left, top and width.
TEST_F(EntryWindowTest, SelfSizingLabelsKeepTheirPlace) {
    const StartControl labels[] = {
        {"Label3", "Número de horas N. Medio", "", false, 2265, 1515, 1515, 0},
        {"Label4", "Número de horas N. Superior", "", false, 4680, 1515, 1515, 0},
        {"Label2", "Número de horas con código 06", "", false, 2040, 2520, 2745, 0},
        {"Label7", "Número de horas con incentivo", "", false, 2040, 2880, 2775, 0},
        {"Label6", "Número de horas con código 113", "", false, 2040, 3240, 2745, 0},
        {"mensajekm", "cantidad de km semanales", "", false, 2760, 4080, 2835, 0},
        {"cargoselect", "", "", false, 120, 1560, 0, 0},
    };
    for (const StartControl& c : labels) {
        SCOPED_TRACE(c.name);
        auto* label = inEntry<QLabel>(c.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), u8(c.text));
        EXPECT_EQ(label->isVisible(), c.shown);
        EXPECT_EQ(label->pos(), twipsRect(c.left, c.top, 0, 0).topLeft());
        if (c.width) {
            EXPECT_EQ(label->width(), ui::twips(c.width));
            EXPECT_TRUE(label->wordWrap());
            EXPECT_GE(label->height(), label->heightForWidth(label->width()));
        }
    }
}

TEST_F(EntryWindowTest, StartStateOfOptionsChecksAndZone) {
    for (const char* name : {"cargo", "horasmedio", "horassup", "transporte", "inasist", "Iosper", "Osplad", "ZELAN",
                             "APORTEJUB", "cajacomp", "Ley4035", "Seguro3011", "Option1", "Option6", "Option12",
                             "hijos", "hijosdisc", "conyuge"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(pressed(name));
    }
    EXPECT_TRUE(pressed("opincentivo"));
    // Graphical options and checks stay pressed in: they are checkable buttons.
    for (const char* name : {"cargo", "opincentivo", "transporte", "inasist", "Iosper", "Option1"}) {
        EXPECT_NE(qobject_cast<QPushButton*>(inEntry(name)), nullptr) << name;
    }
    // Family check boxes draw the box to the right of the caption.
    for (const char* name : {"hijos", "hijosdisc", "conyuge"}) {
        auto* check = inEntry<QCheckBox>(name);
        ASSERT_NE(check, nullptr) << name;
        EXPECT_EQ(check->layoutDirection(), Qt::RightToLeft) << name;
    }
    auto* zona = inEntry<QComboBox>("zona");
    EXPECT_EQ(zona->currentIndex(), -1);
    EXPECT_EQ(zona->placeholderText(), u8("Ubicación Escuela (Zona)"));
    ASSERT_EQ(zona->count(), 5);
    const char* zones[] = {"Común", "Alejada radio urbano", "Desfavorable", "Muy desfavorable", "Zona Inhóspita"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(zona->itemText(i), u8(zones[i]));
    EXPECT_TRUE(inEntry<QLineEdit>("porcantig")->isReadOnly());
    EXPECT_TRUE(inEntry<QPushButton>("Command1")->isDefault());
    EXPECT_EQ(input().zona, -1);
    EXPECT_EQ(input().tramoantig, 0);
    EXPECT_EQ(input().porcentajeantig, 0);
}

struct Look {
    const char* name;
    const char* foreground;  // nullptr: not stated
    const char* background;
    double points;
    bool bold;
};

TEST_F(EntryWindowTest, ColoursAndFontsFollowTheLayout) {
    const Look looks[] = {
        {"docente", "#000080", "#C0FFC0", 9.75, false},
        {"numerohorasmed", "#0000C0", "#C0FFC0", 9, true},
        {"Text1", "#0000C0", "#C0FFC0", 9, true},
        {"porcantig", "#0000C0", "#C0FFC0", 9.75, true},
        {"Label3", "#0000C0", "#00FF00", 8.25, true},
        {"Label2", "#0000C0", "#C0FFC0", 8.25, false},
        {"mensajekm", "#0000C0", "#C0FFC0", 9, false},
        {"codcartit", "#000080", "#00FF00", 8.25, false},
        {"codcarval", "#0000C0", "#C0FFC0", 9.75, false},
        {"cargoselect", "#000080", "#C0FFFF", 9.75, false},
        {"cargo", "#0000FF", "#FF8000", 9.75, true},
        {"Frame2", "#0000FF", "#00FF00", 8.25, false},
        {"opincentivo", "#000080", "#00FF00", 9.75, true},
        {"transporte", "#000080", "#FF8000", 9, true},
        {"inasist", "#000080", "#FF8000", 9, true},
        {"hijos", "#0000C0", "#C0FFC0", 8.25, true},
        {"zona", "#0000C0", "#C0FFC0", 8.25, true},
        {"Iosper", "#000080", "#80FF80", 9, false},
        {"Option4", "#000080", "#80FF80", 8.25, false},
        {"Frame3", "#0000FF", "#FF8000", 9.75, false},
        {"Frame1", "#0000C0", "#FF8000", 9.75, false},
        {"Label9", "#0000FF", "#FFFFFF", 12, true},
        {"Label5", "#0000C0", "#C0FFC0", 9.75, true},
        {"Command1", nullptr, "#FF8000", 12, true},
        {"Label1", "#FFFFFF", "#000080", 9.75, true},
        {"Label8", "#FFFFFF", "#000080", 9.75, true},
        {"Shape1", nullptr, "#FF8000", 8.25, false},
    };
    for (const Look& l : looks) {
        SCOPED_TRACE(l.name);
        QWidget* w = inEntry(l.name);
        ASSERT_NE(w, nullptr);
        const QPalette::ColorRole fill = w->backgroundRole();
        EXPECT_EQ(w->palette().color(fill), QColor(l.background));
        if (l.foreground) {
            EXPECT_EQ(w->palette().color(w->foregroundRole()), QColor(l.foreground));
        }
        EXPECT_DOUBLE_EQ(w->font().pointSizeF(), l.points);
        EXPECT_EQ(w->font().bold(), l.bold);
        EXPECT_EQ(w->font().family(), QStringLiteral("Liberation Sans"));
    }
}

TEST_F(EntryWindowTest, EveryControlHasAnAccessibleName) {
    for (QWidget* w : entry()->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || !(w->focusPolicy() & Qt::TabFocus)) continue;
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
    }
    // Boxes the calculation reads are named as its messages name them.
    EXPECT_EQ(inEntry("cantkm")->accessibleName(), u8("Cantidad de km semanales"));
    EXPECT_EQ(inEntry("dinasist")->accessibleName(), u8("Cantidad de días"));
    EXPECT_EQ(inEntry("numerohorasmed")->accessibleName(), u8("Número de horas N. Medio"));
    EXPECT_EQ(inEntry("Iosper")->accessibleName(), u8("IOSPER"));
}

TEST_F(EntryWindowTest, TabOrderFollowsTheTabColumn) {
    const std::vector<QString> expected = [] {
        std::vector<QString> names;
        for (const char* n :
             {"docente", "Option1", "Option2", "Option3", "Option4", "Option5", "Option6", "Option7", "Option8",
              "Option9", "Option10", "Option11", "Iosper", "Osplad", "ZELAN", "APORTEJUB", "cajacomp", "Ley4035",
              "Seguro3011", "Command1", "numerohorasmed", "numerohorassup", "numhorascod06", "numhorasincen",
              "numhorascod113", "porcantig", "hijos", "conyuge", "Option12", "zona", "Command2", "cantidadhijos",
              "cargo", "horasmedio", "horassup", "dinasist", "inasist", "opincentivo", "hijosdisc",
              "cantidadhijosdisc", "cantkm", "transporte", "Text1"})
            names.push_back(QString::fromLatin1(n));
        return names;
    }();
    QWidget* start = inEntry("docente");
    std::vector<QString> chain;
    QWidget* w = start;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty() && w->window() == entry())
            chain.push_back(w->objectName());
        w = w->nextInFocusChain();
    } while (w != start && chain.size() < 200);
    EXPECT_EQ(chain, expected);
}

TEST_F(EntryWindowTest, IncentiveShowsSiAndNo) {
    EXPECT_EQ(text("Text1"), u8("Si"));
    click(entry(), "opincentivo");
    EXPECT_FALSE(pressed("opincentivo"));
    EXPECT_EQ(text("Text1"), u8("No"));
    EXPECT_FALSE(input().opincentivo);
    click(entry(), "opincentivo");
    EXPECT_TRUE(pressed("opincentivo"));
    EXPECT_EQ(text("Text1"), u8("Si"));
    EXPECT_TRUE(input().opincentivo);
}

struct Toggle {
    const char* check;
    const char* box;
    const char* label;  // shown and hidden with the box, or nullptr
};

// Ticking shows the box (and its label); unticking hides them and puts "0"
// back, so ticking again shows "0".
TEST_F(EntryWindowTest, TickedBoxesShowTheirCountAndUntickedResetIt) {
    const Toggle toggles[] = {
        {"transporte", "cantkm", "mensajekm"},
        {"inasist", "dinasist", nullptr},
        {"hijos", "cantidadhijos", nullptr},
        {"hijosdisc", "cantidadhijosdisc", nullptr},
    };
    for (const Toggle& t : toggles) {
        SCOPED_TRACE(t.check);
        click(entry(), t.check);
        EXPECT_TRUE(pressed(t.check));
        EXPECT_TRUE(shown(t.box));
        if (t.label) {
            EXPECT_TRUE(shown(t.label));
        }
        typeInto(entry(), t.box, QStringLiteral("120"));
        EXPECT_EQ(text(t.box), QStringLiteral("120"));

        click(entry(), t.check);
        EXPECT_FALSE(pressed(t.check));
        EXPECT_FALSE(shown(t.box));
        if (t.label) {
            EXPECT_FALSE(shown(t.label));
        }
        EXPECT_EQ(text(t.box), QStringLiteral("0"));

        click(entry(), t.check);
        EXPECT_TRUE(shown(t.box));
        EXPECT_EQ(text(t.box), QStringLiteral("0"));
    }
    const PayInput in = input();
    EXPECT_TRUE(in.transporte && in.inasist && in.hijos && in.hijosdisc);
    EXPECT_FALSE(in.conyuge);
    click(entry(), "conyuge");
    EXPECT_TRUE(input().conyuge);
}

const char* const kHourBoxes[] = {"numerohorasmed", "numerohorassup", "numhorascod06", "numhorasincen", "numhorascod113"};
const char* const kExtraHours[] = {"Label2", "Label7", "Label6", "numhorascod06", "numhorasincen", "numhorascod113"};

TEST_F(EntryWindowTest, HoursModesShowTheirBoxesAndResetTheOtherLevel) {
    click(entry(), "horasmedio");
    EXPECT_TRUE(pressed("horasmedio"));
    EXPECT_TRUE(shown("numerohorasmed"));
    EXPECT_TRUE(shown("Label3"));
    EXPECT_FALSE(shown("numerohorassup"));
    EXPECT_FALSE(shown("Label4"));
    for (const char* name : kExtraHours) EXPECT_TRUE(shown(name)) << name;
    // Choosing an hours mode creates the selection dialog hidden.
    ASSERT_NE(dialog(), nullptr);
    EXPECT_FALSE(dialog()->isVisible());

    typeInto(entry(), "numerohorasmed", QStringLiteral("10"));
    typeInto(entry(), "numhorascod06", QStringLiteral("4"));
    typeInto(entry(), "numhorasincen", QStringLiteral("3"));
    typeInto(entry(), "numhorascod113", QStringLiteral("2"));

    click(entry(), "horassup");
    EXPECT_FALSE(pressed("horasmedio"));
    EXPECT_TRUE(pressed("horassup"));
    EXPECT_FALSE(shown("numerohorasmed"));
    EXPECT_FALSE(shown("Label3"));
    EXPECT_TRUE(shown("numerohorassup"));
    EXPECT_TRUE(shown("Label4"));
    EXPECT_EQ(text("numerohorasmed"), QStringLiteral("0"));
    typeInto(entry(), "numerohorassup", QStringLiteral("7"));

    click(entry(), "horasmedio");
    EXPECT_TRUE(shown("numerohorasmed"));
    EXPECT_EQ(text("numerohorasmed"), QStringLiteral("0"));
    EXPECT_EQ(text("numerohorassup"), QStringLiteral("0"));
    // The extra hour boxes keep what was typed across the two hours modes.
    EXPECT_EQ(text("numhorascod06"), QStringLiteral("4"));
    EXPECT_EQ(text("numhorasincen"), QStringLiteral("3"));
    EXPECT_EQ(text("numhorascod113"), QStringLiteral("2"));

    // Only "Cargo" resets them, hiding all the hours inputs.
    click(entry(), "cargo");
    EXPECT_TRUE(dialog()->isVisible());
    for (const char* name : kHourBoxes) {
        EXPECT_FALSE(shown(name)) << name;
        EXPECT_EQ(text(name), QStringLiteral("0")) << name;
    }
    for (const char* name : {"Label2", "Label3", "Label4", "Label6", "Label7"}) EXPECT_FALSE(shown(name)) << name;
    const PayInput in = input();
    EXPECT_TRUE(in.cargo);
    EXPECT_FALSE(in.horasmedio || in.horassup);
}

TEST_F(EntryWindowTest, HoursModesHideThePostSummaryAndTheDialog) {
    for (const char* mode : {"horasmedio", "horassup"}) {
        SCOPED_TRACE(mode);
        click(entry(), "horassup" == std::string_view(mode) ? "horasmedio" : "horassup");
        choosePost(QStringLiteral("813"));
        EXPECT_TRUE(pressed("cargo"));
        for (const char* name : {"cargoselect", "codcartit", "codcarval", "puncarval", "puntardifval"})
            EXPECT_TRUE(shown(name)) << name;
        click(entry(), "horasmedio" == std::string_view(mode) ? "horassup" : "horasmedio");
        click(entry(), "cargo");
        EXPECT_TRUE(dialog()->isVisible());
        // "Cargo" leaves the post summary as it was.
        EXPECT_FALSE(shown("codcarval"));
        click(dialog(), "Command1");
        EXPECT_TRUE(shown("codcarval"));
        click(entry(), mode);
        EXPECT_FALSE(dialog()->isVisible());
        for (const char* name : {"cargoselect", "codcartit", "codcarval", "puncarval", "puntardifval"})
            EXPECT_FALSE(shown(name)) << name;
    }
}

// One category at most; a click on the selected one keeps it and runs nothing
// again; options of other groups are independent.
TEST_F(EntryWindowTest, OptionGroupsKeepOneSelection) {
    click(entry(), "horasmedio");
    typeInto(entry(), "numhorascod06", QStringLiteral("5"));
    click(entry(), "horasmedio");
    EXPECT_TRUE(pressed("horasmedio"));
    EXPECT_EQ(text("numhorascod06"), QStringLiteral("5"));

    click(entry(), "Option3");
    click(entry(), "Option7");
    EXPECT_FALSE(pressed("Option3"));
    EXPECT_TRUE(pressed("Option7"));
    click(entry(), "Option7");
    EXPECT_TRUE(pressed("Option7"));
    EXPECT_TRUE(pressed("horasmedio"));
    // The keyboard's space bar presses a focused option like a click.
    auto* option2 = inEntry<QPushButton>("Option2");
    QTest::keyClick(option2, Qt::Key_Space);
    EXPECT_TRUE(pressed("Option2"));
    EXPECT_FALSE(pressed("Option7"));
    EXPECT_EQ(text("porcantig"), u8("10 %"));
}

TEST_F(EntryWindowTest, SeniorityOptionsWriteTheirPercent) {
    const struct {
        const char* option;
        const char* text;
        int percent;
    } brackets[] = {
        {"Option1", "0 %", 0},    {"Option2", "10 %", 10},  {"Option3", "15 %", 15},   {"Option4", "30 %", 30},
        {"Option5", "40 %", 40},  {"Option6", "50 %", 50},  {"Option7", "60 %", 60},   {"Option8", "70 %", 70},
        {"Option9", "80 %", 80},  {"Option10", "100 %", 100}, {"Option11", "110 %", 110}, {"Option12", "120 %", 120},
    };
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE(brackets[i].option);
        click(entry(), brackets[i].option);
        EXPECT_EQ(text("porcantig"), u8(brackets[i].text));
        EXPECT_EQ(text("porcantig"), inEntry(brackets[i].option)->toolTip());
        const PayInput in = input();
        EXPECT_EQ(in.porcentajeantig, brackets[i].percent);
        EXPECT_EQ(in.tramoantig, i + 1);
        EXPECT_EQ(in.porcantig, std::string(brackets[i].text));
    }
}

TEST_F(EntryWindowTest, OnlyAPickedZoneIsAZone) {
    EXPECT_EQ(input().zona, -1);
    pick(entry(), "zona", 2);
    EXPECT_EQ(inEntry<QComboBox>("zona")->currentText(), u8("Desfavorable"));
    EXPECT_EQ(input().zona, 2);
    pick(entry(), "zona", 4);
    EXPECT_EQ(input().zona, 4);
}

TEST_F(EntryWindowTest, TypedTextsAndTicksReachThePayInput) {
    typeInto(entry(), "docente", u8("Pérez, Ana"));
    for (const char* name : {"Iosper", "Osplad", "ZELAN", "APORTEJUB", "cajacomp", "Ley4035", "Seguro3011"})
        click(entry(), name);
    click(entry(), "transporte");
    typeInto(entry(), "cantkm", QStringLiteral("85"));
    click(entry(), "ZELAN");
    const PayInput in = input();
    EXPECT_EQ(in.docente, std::string("Pérez, Ana"));
    EXPECT_EQ(in.cantkm, "85");
    EXPECT_TRUE(in.Iosper && in.Osplad && in.APORTEJUB && in.cajacomp && in.Ley4035 && in.Seguro3011);
    EXPECT_FALSE(in.ZELAN);
}

// "Salir" and the window's close button both end the program at once.
TEST_F(EntryWindowTest, SalirAndTheCloseButtonEndTheProgram) {
    for (int way = 0; way < 2; ++way) {
        SCOPED_TRACE(way == 0 ? "Salir" : "close button");
        if (way == 1) {
            TearDown();
            SetUp();
        }
        click(entry(), "cargo");
        QSignalSpy ended(&app(), &ui::Application::programEnded);
        if (way == 0) {
            click(entry(), "Command2");
        } else {
            entry()->close();
        }
        EXPECT_EQ(ended.count(), 1);
        EXPECT_TRUE(app().hasEnded());
        EXPECT_FALSE(entry()->isVisible());
        EXPECT_FALSE(dialog()->isVisible());
    }
}

}  // namespace
}  // namespace sueldara::test
