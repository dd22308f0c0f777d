// Every numeric box of the entry window and the selection dialog with a text
// that is no number or a number out of its range, typed after a good receipt
// is on screen: "Calcular" gives a message naming the box's field and saying
// what is wrong, the open receipt stays exactly as it was, every typed text is
// kept and the box takes the focus.

#include <QMessageBox>
#include <QTest>

#include <string>
#include <vector>

#include "gui_fixture.h"
#include "receipt_cells.h"

namespace sueldara::test {
namespace {

QString u8(const char* s) { return QString::fromUtf8(s); }

// How the good receipt before the bad entry is made, which also makes the box
// reachable.
enum class Start {
    post,          // post 813; the box is in the dialog, reopened by "Cargo"
    hoursMedio,    // 12 hours at secondary level
    hoursSuperior, // 12 hours at higher level
    transport,     // post 813 with "Transporte" ticked, 20 km
    absences,      // post 813 with "Inasistencias Just" ticked, 2 days
    children,      // post 813 with "Hijos" ticked, 2 children
    disabledChildren,  // post 813 with "Hijos Diferenc" ticked, 1 child
};

struct Field {
    const char* box;
    const char* label;         // the name the message must give
    Start start;
    const char* outOfRange;    // a number the field cannot take
};

const std::string kHuge = "1" + std::string(20, '0');         // any product with it overflows
const std::string kHugeNegative = "-" + kHuge;                 // for fields capped from above only
const std::string kBeyondDouble = "1" + std::string(400, '0');  // no double holds it

const std::vector<Field> kFields = {
    {"numerohorasmed", "Número de horas N. Medio", Start::hoursMedio, kHuge.c_str()},
    {"numerohorassup", "Número de horas N. Superior", Start::hoursSuperior, kHuge.c_str()},
    {"numhorascod06", "Número de horas con código 06", Start::hoursMedio, kHugeNegative.c_str()},
    {"numhorasincen", "Número de horas con incentivo", Start::hoursMedio, kBeyondDouble.c_str()},
    {"numhorascod113", "Número de horas con código 113", Start::hoursMedio, kHugeNegative.c_str()},
    {"cantkm", "Cantidad de km semanales", Start::transport, "40000"},
    {"dinasist", "Cantidad de días", Start::absences, kBeyondDouble.c_str()},
    {"cantidadhijos", "Cantidad de hijos", Start::children, "256"},
    {"cantidadhijosdisc", "Cantidad de hijos diferenciados", Start::disabledChildren, "82"},
    {"compbas", "Comp básico", Start::post, kHuge.c_str()},
    {"proljor", "Prol. de jornada", Start::post, "40000"},
    {"jorcom", "Jorn. completa", Start::post, "40000"},
    {"tardif", "Tarea diferenc.", Start::post, "1000000000000000"},
};

enum class Fault { notANumber, outOfRange };

struct BadText {
    const char* what;
    const char* text;  // nullptr: the field's out-of-range number
    Fault fault;
};

const BadText kBadTexts[] = {
    {"Empty", "", Fault::notANumber},
    {"Letters", "doce", Fault::notANumber},
    {"FullStopSeparator", "1.5", Fault::notANumber},
    {"TwoSeparators", "1,2,3", Fault::notANumber},
    {"OutOfRange", nullptr, Fault::outOfRange},
};

struct Case {
    const Field* field;
    const BadText* bad;
    // The failed code lookup: "601" typed into the dialog's code box empties
    // the value boxes; the first one the run reads is reported.
    bool failedLookup = false;
};

std::vector<Case> allCases() {
    std::vector<Case> cases;
    for (const Field& field : kFields) {
        for (const BadText& bad : kBadTexts) cases.push_back({&field, &bad});
    }
    static const Field punbas{"punbas", "Puntos básicos", Start::post, ""};
    cases.push_back({&punbas, &kBadTexts[0], true});
    return cases;
}

std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    if (info.param.failedLookup) return "punbas_AfterFailedCodeLookup";
    return std::string(info.param.field->box) + "_" + info.param.bad->what;
}

class InvalidEntryTest : public GuiFixture, public ::testing::WithParamInterface<Case> {
protected:
    bool inDialogBox() const { return GetParam().field->start == Start::post; }

    void calcular() { click(entry(), "Command1"); }

    void goodReceipt() {
        const Field& field = *GetParam().field;
        switch (field.start) {
        case Start::hoursMedio:
        case Start::hoursSuperior: {
            const bool medio = field.start == Start::hoursMedio;
            click(entry(), medio ? "horasmedio" : "horassup");
            typeInto(entry(), medio ? "numerohorasmed" : "numerohorassup", QStringLiteral("12"));
            break;
        }
        default:
            choosePost(QStringLiteral("813"));
            break;
        }
        click(entry(), "Option4");
        click(entry(), "Iosper");
        const struct {
            Start start;
            const char* tick;
            const char* box;
            const char* value;
        } ticks[] = {{Start::transport, "transporte", "cantkm", "20"},
                     {Start::absences, "inasist", "dinasist", "2"},
                     {Start::children, "hijos", "cantidadhijos", "2"},
                     {Start::disabledChildren, "hijosdisc", "cantidadhijosdisc", "1"}};
        for (const auto& t : ticks) {
            if (t.start != field.start) continue;
            click(entry(), t.tick);
            typeInto(entry(), t.box, QString::fromLatin1(t.value));
        }
        calcular();
    }

    // The dialog comes back with its post: another category, then "Cargo".
    void reopenDialog() {
        click(entry(), "horasmedio");
        click(entry(), "cargo");
        ASSERT_NE(dialog(), nullptr);
        ASSERT_TRUE(dialog()->isVisible());
    }

    void typeBadText() {
        const Case& c = GetParam();
        if (c.failedLookup) {
            typeInto(dialog(), "codcargo", QStringLiteral("601"));
            return;
        }
        QWidget* window = inDialogBox() ? dialog() : entry();
        const QString text = c.bad->text ? u8(c.bad->text) : QString::fromStdString(c.field->outOfRange);
        typeInto(window, c.field->box, text);
        // What was there is selected; with nothing typed over it, it is deleted.
        if (text.isEmpty()) QTest::keyClick(control(window, c.field->box), Qt::Key_Delete);
        ASSERT_EQ(textOf(control(window, c.field->box)), text);
    }
};

TEST_P(InvalidEntryTest, MessageNamesTheFieldAndNothingElseChanges) {
    const Case& c = GetParam();
    goodReceipt();
    ASSERT_NE(receipt(), nullptr);
    ASSERT_TRUE(receipt()->isVisible()) << "the good receipt was not calculated";
    ASSERT_EQ(app().existingInvalidEntryMessage(), nullptr);
    if (inDialogBox()) reopenDialog();
    typeBadText();
    if (HasFatalFailure()) return;

    const CellSnapshot receiptBefore = cellsOf(receipt());
    const CellSnapshot entryBefore = typedTextsOf(entry());
    const CellSnapshot dialogBefore = typedTextsOf(dialog());
    const CellSnapshot commentBefore = typedTextsOf(receipt());
    calcular();

    QMessageBox* message = app().existingInvalidEntryMessage();
    ASSERT_NE(message, nullptr) << "no message for the bad entry";
    EXPECT_TRUE(message->isVisible());
    EXPECT_FALSE(message->isModal());
    const QString text = message->text();
    EXPECT_TRUE(text.contains(QLatin1Char('"') + u8(c.field->label) + QLatin1Char('"'))) << text.toStdString();
    EXPECT_TRUE(text.contains(c.bad->fault == Fault::notANumber ? u8("no es un número válido")
                                                               : u8("está fuera del rango permitido")))
        << text.toStdString();

    EXPECT_EQ(cellsOf(receipt()), receiptBefore);
    EXPECT_TRUE(receipt()->isVisible());
    EXPECT_EQ(typedTextsOf(entry()), entryBefore);
    EXPECT_EQ(typedTextsOf(dialog()), dialogBefore);
    EXPECT_EQ(typedTextsOf(receipt()), commentBefore);

    QWidget* box = control(c.failedLookup || inDialogBox() ? dialog() : entry(), c.field->box);
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(box->isVisible());
    EXPECT_EQ(box->window()->focusWidget(), box);
    EXPECT_TRUE(box->window()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(EveryNumericBox, InvalidEntryTest, ::testing::ValuesIn(allCases()), caseName);

}  // namespace
}  // namespace sueldara::test
