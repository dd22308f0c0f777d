#include "entry_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "controls.h"
#include "seniority.h"
#include "services.h"

namespace sueldara::ui {

namespace {

const char* const kCategoryNames[] = {"cargo", "horasmedio", "horassup"};

// Controls the category handlers show and hide together.
const char* const kPostSummaryNames[] = {
    "cargoselect", "codcartit",     "codcarval",     "puncartit",    "puncarval",
    "puncompbastit", "puncompbasval", "punproljortit", "punproljorval", "punjorcomtit",
    "punjorcomval",  "puntardiftit",  "puntardifval",
};
const char* const kExtraHourNames[] = {"Label2", "Label7", "Label6", "numhorascod06", "numhorasincen",
                                       "numhorascod113"};

struct DeductionBox {
    const char* name;
    const char* caption;
    int top;
    int tab;
};
const DeductionBox kDeductions[] = {
    {"Iosper", "IOSPER", 240, 14},
    {"Osplad", "OSPLAD", 600, 15},
    {"ZELAN", "ZELAN", 960, 16},
    {"APORTEJUB", "Aporte jubilatorio", 1320, 17},
    {"cajacomp", "Caja compensadora", 1680, 18},
    {"Ley4035", "Ley 4035", 2040, 19},
    {"Seguro3011", "Seguro (3011)", 2400, 20},
};

struct SeniorityOption {
    int top;
    int tab;
};
// Option1 to Option12; captions and percents come from the bracket table.
const SeniorityOption kSeniorityOptions[12] = {
    {240, 2},   {480, 3},   {720, 4},   {960, 5},   {1200, 6},  {1440, 7},
    {1680, 8},  {1920, 9},  {2160, 10}, {2400, 11}, {2645, 12}, {2880, 33},
};

QString u8(const char* text) { return QString::fromUtf8(text); }

std::string text(const QLineEdit* box) { return box->text().toStdString(); }

QGroupBox* makeFrame(QWidget* parent, const char* name, const QString& caption) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setAccessibleName(caption);
    frame->setFlat(false);
    return frame;
}

// Entry text boxes: blue text on pale green, 9 pt bold.
void styleEntryBox(QLineEdit* box, double pointSize = 9) {
    setColours(box, rgb("#0000C0"), rgb("#C0FFC0"));
    box->setFont(arialFont(pointSize, true));
}

}  // namespace

EntryWindow::EntryWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ingreso"));
    setWindowTitle(u8("Ingreso de datos"));
    setFixedSize(twips(11880), twips(8490));
    setFont(arialFont(8.25));
    setBackground(this, rgb("#C04000"));

    buildHeader();
    buildCategory();
    buildHoursInputs();
    buildPostSummary();
    buildIncentiveTransportZoneAbsences();
    buildFamily();
    buildDeductions();
    buildSeniority();
    buildButtonsAndPictures();
    buildTabOrder();
}

EntryWindow::~EntryWindow() = default;

template <typename T>
T* EntryWindow::find(const char* name) const {
    return findChild<T*>(QString::fromLatin1(name));
}

QLineEdit* EntryWindow::makeBox(QWidget* parent, const char* name, const QString& text, const QString& tooltip) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    if (!tooltip.isEmpty()) box->setToolTip(tooltip);
    return box;
}

void EntryWindow::buildHeader() {
    QLabel* label5 = makeLabel(this, "Label5", u8("Apellido y nombre:"), Qt::AlignCenter);
    placeTwips(label5, 420, 120, 2325, 360);
    setColours(label5, rgb("#0000C0"), rgb("#C0FFC0"));
    label5->setFont(arialFont(9.75, true));

    QLineEdit* docente = tab(makeBox(this, "docente", QString(), QString()), 0);
    placeTwips(docente, 2760, 120, 3945, 345);
    setColours(docente, rgb("#000080"), rgb("#C0FFC0"));
    docente->setFont(sansSerifFont(9.75));
    docente->setAccessibleName(u8("Apellido y nombre"));
    label5->setBuddy(docente);

    const struct {
        const char* name;
        const char* text;
        int top;
    } titles[] = {{"Label9", "Sueldara", 120}, {"Label10", "Desde Octubre de 2.008", 600}};
    for (const auto& t : titles) {
        QLabel* label = makeLabel(this, t.name, u8(t.text), Qt::AlignCenter);
        placeTwips(label, 6960, t.top, 4785, 405);
        setColours(label, rgb("#0000FF"), rgb("#FFFFFF"));
        label->setFont(arialFont(12, true));
    }
}

void EntryWindow::buildCategory() {
    QGroupBox* frame = tab(makeFrame(this, "Frame2", u8("Categoría")), 37);
    placeTwips(frame, 135, 675, 6570, 735);
    setColours(frame, rgb("#0000FF"), rgb("#00FF00"));
    frame->setFont(sansSerifFont(8.25));

    const struct {
        const char* name;
        const char* caption;
        const char* tooltip;
        int left, width, tab;
    } options[] = {
        {"cargo", "Cargo", "Seleccione para evaluar un cargo", 120, 1575, 38},
        {"horasmedio", "Hs. N. Medio", "Seleccione para evaluar horas de nivel medio", 1920, 2055, 39},
        {"horassup", "Hs. N. Superior", "Seleccione para evaluar horas de nivel superior", 4440, 1935, 40},
    };
    category_ = new OptionGroup(this);
    for (const auto& o : options) {
        QPushButton* button = tab(makeGraphicalButton(frame, o.name, u8(o.caption), true), o.tab);
        placeTwips(button, o.left, 240, o.width, 375);
        button->setToolTip(u8(o.tooltip));
        setColours(button, rgb("#0000FF"), rgb("#FF8000"));
        button->setFont(arialFont(9.75, true));
        category_->add(button);
    }
    connect(category_, &OptionGroup::optionChosen, this, &EntryWindow::categoryChosen);
}

void EntryWindow::buildHoursInputs() {
    const QString hoursTip = u8("Ingrese la cantidad de horas");

    const struct {
        const char* name;
        const char* text;
        int left, top, width, height, tab;
        bool strong;  // Label3 and Label4 stand out on bright green
    } labels[] = {
        {"Label3", "Número de horas N. Medio", 2265, 1515, 1515, 480, 27, true},
        {"Label4", "Número de horas N. Superior", 4680, 1515, 1515, 480, 28, true},
        {"Label2", "Número de horas con código 06", 2040, 2520, 2745, 255, 51, false},
        {"Label7", "Número de horas con incentivo", 2040, 2880, 2775, 255, 53, false},
        {"Label6", "Número de horas con código 113", 2040, 3240, 2745, 255, 52, false},
    };
    for (const auto& l : labels) {
        QLabel* label = makeLabel(this, l.name, u8(l.text), Qt::AlignHCenter | Qt::AlignTop);
        placeTwips(label, l.left, l.top, l.width, l.height);
        if (l.strong) {
            setColours(label, rgb("#0000C0"), rgb("#00FF00"));
            label->setFont(arialFont(8.25, true));
        } else {
            setColours(label, rgb("#0000C0"), rgb("#C0FFC0"));
            label->setFont(sansSerifFont(8.25));
        }
        fitHeightToText(label);
        label->hide();
    }

    const struct {
        const char* name;
        const char* label;  // the caption beside or over the box
        int left, top, width, height, tab;
    } boxes[] = {
        {"numerohorasmed", "Label3", 2520, 2115, 855, 330, 22},
        {"numerohorassup", "Label4", 4920, 2115, 855, 330, 23},
        {"numhorascod06", "Label2", 4920, 2520, 855, 285, 24},
        {"numhorasincen", "Label7", 4920, 2880, 855, 285, 25},
        {"numhorascod113", "Label6", 4920, 3210, 855, 285, 26},
    };
    for (const auto& b : boxes) {
        QLineEdit* box = tab(makeBox(this, b.name, QStringLiteral("0"), hoursTip), b.tab);
        placeTwips(box, b.left, b.top, b.width, b.height);
        styleEntryBox(box);
        QLabel* label = find<QLabel>(b.label);
        box->setAccessibleName(label->text());
        label->setBuddy(box);
        box->hide();
    }
}

void EntryWindow::buildPostSummary() {
    QLabel* name = tab(makeLabel(this, "cargoselect", QString(), Qt::AlignCenter), 41);
    placeTwips(name, 120, 1560, 120, 300);
    setColours(name, rgb("#000080"), rgb("#C0FFFF"));
    name->setFont(arialFont(9.75));
    name->setAccessibleName(u8("Cargo seleccionado"));
    name->hide();

    const struct {
        const char* caption;
        const char* captionText;
        const char* value;
        int left, width, valueTop, captionTab, valueTab;
    } columns[] = {
        {"codcartit", "Código del cargo", "codcarval", 120, 1380, 2505, 42, 43},
        {"puncartit", "Puntaje del cargo", "puncarval", 1560, 1380, 2505, 44, 45},
        {"puncompbastit", "Comp de Básico", "puncompbasval", 3000, 1380, 2505, 67, 66},
        {"punproljortit", "Puntos prol jorn", "punproljorval", 4440, 1380, 2520, 61, 60},
        {"punjorcomtit", "Puntos Jor comp", "punjorcomval", 5880, 1380, 2520, 63, 62},
        {"puntardiftit", "Puntos tarea difer", "puntardifval", 7320, 1425, 2520, 65, 64},
    };
    for (const auto& c : columns) {
        QLabel* caption = tab(makeLabel(this, c.caption, u8(c.captionText), Qt::AlignCenter), c.captionTab);
        placeTwips(caption, c.left, 2040, c.width, 330);
        setColours(caption, rgb("#000080"), rgb("#00FF00"));
        caption->hide();

        QLabel* value = tab(makeLabel(this, c.value, QString(), Qt::AlignCenter), c.valueTab);
        placeTwips(value, c.left, c.valueTop, 1380, 330);
        setColours(value, rgb("#0000C0"), rgb("#C0FFC0"));
        value->setFont(arialFont(9.75));
        value->setAccessibleName(u8(c.captionText));
        value->hide();
    }
}

void EntryWindow::buildIncentiveTransportZoneAbsences() {
    QPushButton* incentivo = tab(makeGraphicalButton(this, "opincentivo", u8("Incentivo"), true), 50);
    placeTwips(incentivo, 105, 3480, 1260, 435);
    incentivo->setToolTip(u8("Deshabilite si no se cobra"));
    setColours(incentivo, rgb("#000080"), rgb("#00FF00"));
    incentivo->setFont(arialFont(9.75, true));
    incentivo->setChecked(true);

    QLineEdit* text1 = tab(makeBox(this, "Text1", u8("Si"), u8("¿Cuántos Km semanales?")), 70);
    placeTwips(text1, 1440, 3495, 495, 420);
    styleEntryBox(text1);
    text1->setAccessibleName(u8("Incentivo cobrado"));
    connect(incentivo, &QAbstractButton::clicked, this, [incentivo, text1] {
        text1->setText(incentivo->isChecked() ? u8("Si") : u8("No"));
    });

    QPushButton* transporte = tab(makeGraphicalButton(this, "transporte", u8("Transporte"), true), 58);
    placeTwips(transporte, 120, 4080, 1575, 375);
    setColours(transporte, rgb("#000080"), rgb("#FF8000"));
    transporte->setFont(arialFont(9, true));

    QLineEdit* cantkm = tab(makeBox(this, "cantkm", QStringLiteral("0"), u8("¿Cuántos Km semanales?")), 57);
    placeTwips(cantkm, 1920, 4080, 615, 315);
    styleEntryBox(cantkm);
    cantkm->setAccessibleName(qs(fieldLabel(InputField::cantkm)));
    cantkm->hide();

    QLabel* mensajekm = tab(makeLabel(this, "mensajekm", u8("cantidad de km semanales"), Qt::AlignHCenter | Qt::AlignTop), 59);
    placeTwips(mensajekm, 2760, 4080, 2835, 315);
    setColours(mensajekm, rgb("#0000C0"), rgb("#C0FFC0"));
    mensajekm->setFont(arialFont(9));
    fitHeightToText(mensajekm);
    mensajekm->setBuddy(cantkm);
    mensajekm->hide();

    connect(transporte, &QAbstractButton::clicked, this, [transporte, cantkm, mensajekm] {
        if (transporte->isChecked()) {
            mensajekm->show();
            cantkm->show();
        } else {
            cantkm->hide();
            mensajekm->hide();
            cantkm->setText(QStringLiteral("0"));
        }
    });

    auto* zona = tab(new QComboBox(this), 34);
    zona->setObjectName(QStringLiteral("zona"));
    placeTwips(zona, 120, 4560, 2775, 330);
    setColours(zona, rgb("#0000C0"), rgb("#C0FFC0"));
    zona->setFont(arialFont(8.25, true));
    for (const Zone& z : kZones) zona->addItem(qs(z.entry));
    // The placeholder stands in the edit field until the user picks a zone;
    // only a picked entry is a zone.
    zona->setPlaceholderText(u8("Ubicación Escuela (Zona)"));
    zona->setCurrentIndex(-1);
    zona->setAccessibleName(u8("Ubicación Escuela (Zona)"));

    QPushButton* inasist = tab(makeGraphicalButton(this, "inasist", u8("Inasistencias Just"), true), 48);
    placeTwips(inasist, 120, 6000, 1980, 405);
    inasist->setToolTip(u8("Haga Click si tiene inasistencias"));
    setColours(inasist, rgb("#000080"), rgb("#FF8000"));
    inasist->setFont(arialFont(9, true));

    QLineEdit* dinasist = tab(makeBox(this, "dinasist", QStringLiteral("0"), u8("Cantidad de días.")), 47);
    placeTwips(dinasist, 2160, 6000, 495, 360);
    styleEntryBox(dinasist);
    dinasist->setAccessibleName(qs(fieldLabel(InputField::dinasist)));
    dinasist->hide();
    connect(inasist, &QAbstractButton::clicked, this, [inasist, dinasist] {
        if (inasist->isChecked()) {
            dinasist->show();
        } else {
            dinasist->hide();
            dinasist->setText(QStringLiteral("0"));
        }
    });
}

void EntryWindow::buildFamily() {
    auto* shape = new QWidget(this);
    shape->setObjectName(QStringLiteral("Shape1"));
    placeTwips(shape, 120, 6480, 2775, 1215);
    setBackground(shape, rgb("#FF8000"));

    const struct {
        const char* check;
        const char* caption;
        const char* box;  // nullptr: no count box
        InputField field;
        int top, checkTab, boxTab;
    } rows[] = {
        {"hijos", "Hijos", "cantidadhijos", InputField::cantidadhijos, 6600, 31, 36},
        {"hijosdisc", "Hijos Diferenc", "cantidadhijosdisc", InputField::cantidadhijosdisc, 6960, 55, 56},
        {"conyuge", "Conyuge", nullptr, InputField::cantidadhijos, 7320, 32, 0},
    };
    for (const auto& r : rows) {
        auto* check = tab(new WholeCheckBox(u8(r.caption), this), r.checkTab);
        check->setObjectName(QString::fromLatin1(r.check));
        check->setAccessibleName(u8(r.caption));
        // The box sits to the right of the caption.
        check->setLayoutDirection(Qt::RightToLeft);
        placeTwips(check, 240, r.top, 1695, 255);
        setColours(check, rgb("#0000C0"), rgb("#C0FFC0"));
        check->setFont(arialFont(8.25, true));
        if (!r.box) continue;

        QLineEdit* box = tab(makeBox(this, r.box, QStringLiteral("0"), u8("¿Cuántos Hijos?")), r.boxTab);
        placeTwips(box, 2160, r.top, 495, 285);
        styleEntryBox(box);
        box->setAccessibleName(qs(fieldLabel(r.field)));
        box->hide();
        connect(check, &QAbstractButton::clicked, this, [check, box] {
            if (check->isChecked()) {
                box->show();
            } else {
                box->hide();
                box->setText(QStringLiteral("0"));
            }
        });
    }
}

void EntryWindow::buildDeductions() {
    QGroupBox* frame = tab(makeFrame(this, "Frame3", u8("Descuentos")), 13);
    placeTwips(frame, 3360, 4560, 2175, 3135);
    setColours(frame, rgb("#0000FF"), rgb("#FF8000"));
    frame->setFont(arialFont(9.75));
    for (const DeductionBox& d : kDeductions) {
        QPushButton* box = tab(makeGraphicalButton(frame, d.name, u8(d.caption), true), d.tab);
        placeTwips(box, 120, d.top, 1935, 375);
        setColours(box, rgb("#000080"), rgb("#80FF80"));
        box->setFont(arialFont(9));
    }
}

void EntryWindow::buildSeniority() {
    QGroupBox* frame = tab(makeFrame(this, "Frame1", u8("Antigüedad")), 1);
    placeTwips(frame, 6000, 3960, 2055, 3765);
    setColours(frame, rgb("#0000C0"), rgb("#FF8000"));
    frame->setFont(arialFont(9.75));

    seniority_ = new OptionGroup(this);
    for (int i = 0; i < 12; ++i) {
        const SeniorityBracket& bracket = kSeniorityBrackets[static_cast<std::size_t>(i + 1)];
        const QByteArray name = "Option" + QByteArray::number(i + 1);
        QPushButton* option = tab(makeGraphicalButton(frame, name.constData(), qs(bracket.caption), true),
                                  kSeniorityOptions[i].tab);
        placeTwips(option, 120, kSeniorityOptions[i].top, 1815, 255);
        option->setToolTip(qs(bracket.percentText));
        setColours(option, rgb("#000080"), rgb("#80FF80"));
        option->setFont(arialFont(8.25));
        seniority_->add(option);
    }
    connect(seniority_, &OptionGroup::optionChosen, this, &EntryWindow::seniorityChosen);

    QLineEdit* porcantig = tab(makeBox(frame, "porcantig", u8("0 %"), u8("Porcentaje de Antigüedad")), 30);
    placeTwips(porcantig, 600, 3240, 855, 375);
    styleEntryBox(porcantig, 9.75);
    porcantig->setReadOnly(true);
    porcantig->setAccessibleName(u8("Porcentaje de Antigüedad"));
}

void EntryWindow::buildButtonsAndPictures() {
    const struct {
        const char* name;
        const char* caption;
        const char* tooltip;
        int top, tab;
    } buttons[] = {
        {"Command1", "Calcular", "Genera el recibo", 6600, 21},
        {"Command2", "Salir", "", 7320, 35},
    };
    for (const auto& b : buttons) {
        QPushButton* button = tab(makeGraphicalButton(this, b.name, u8(b.caption), false), b.tab);
        placeTwips(button, 9000, b.top, 2535, 375);
        if (*b.tooltip) button->setToolTip(u8(b.tooltip));
        setBackground(button, rgb("#FF8000"));
        button->setFont(arialFont(12, true));
    }
    auto* calcular = find<QPushButton>("Command1");
    auto* salir = find<QPushButton>("Command2");
    calcular->setDefault(true);
    salir->setAutoDefault(true);  // Enter on "Salir" presses "Salir"
    connect(calcular, &QAbstractButton::clicked, this, &EntryWindow::calcularClicked);
    connect(salir, &QAbstractButton::clicked, this, &EntryWindow::salirClicked);

    auto* picture1 = tab(new Drawing(this, "Picture1", Drawing::Kind::calculator), 49);
    placeTwips(picture1, 9000, 2040, 2775, 2580);
    picture1->setAccessibleName(u8("Dibujo de una calculadora y un recibo"));
    auto* picture2 = tab(new Drawing(this, "Picture2", Drawing::Kind::banner), 71);
    placeTwips(picture2, 8160, 4800, 3630, 1455);
    picture2->setAccessibleName(u8("Sueldara, haberes docentes"));

    const struct {
        const char* name;
        const char* text;
        const char* tooltip;
        int left, width, tab;
    } credits[] = {
        {"Label1", "Sueldara, cálculo de haberes", "Programa libre para calcular recibos de haberes docentes", 5160, 2715, 46},
        {"Label8", "ZELAN Seccional Corvale", "Seccional del gremio docente", 8280, 3255, 54},
    };
    for (const auto& c : credits) {
        QLabel* label = tab(makeLabel(this, c.name, u8(c.text), Qt::AlignCenter), c.tab);
        placeTwips(label, c.left, 7920, c.width, 345);
        label->setToolTip(u8(c.tooltip));
        setColours(label, rgb("#FFFFFF"), rgb("#000080"));
        label->setFont(sansSerifFont(9.75, true));
    }
}

void EntryWindow::buildTabOrder() { applyTabOrder(tabs_); }

void EntryWindow::setPostSummaryShown(bool shown) {
    for (const char* name : kPostSummaryNames) find<QLabel>(name)->setVisible(shown);
}

void EntryWindow::categoryChosen(int index) {
    auto* numerohorasmed = find<QLineEdit>("numerohorasmed");
    auto* numerohorassup = find<QLineEdit>("numerohorassup");
    auto* label3 = find<QLabel>("Label3");
    auto* label4 = find<QLabel>("Label4");
    switch (index) {
    case 0:  // "Cargo"
        emit cargoChosen();
        numerohorasmed->hide();
        label3->hide();
        for (const char* name : kExtraHourNames) find<QWidget>(name)->hide();
        numerohorassup->hide();
        label4->hide();
        for (const char* name : {"numhorascod06", "numhorasincen", "numhorascod113", "numerohorasmed", "numerohorassup"}) {
            find<QLineEdit>(name)->setText(QStringLiteral("0"));
        }
        break;
    case 1:  // "Hs. N. Medio"
        numerohorasmed->show();
        label3->show();
        for (const char* name : kExtraHourNames) find<QWidget>(name)->show();
        emit hoursModeChosen();
        setPostSummaryShown(false);
        numerohorassup->hide();
        label4->hide();
        numerohorassup->setText(QStringLiteral("0"));
        break;
    case 2:  // "Hs. N. Superior"
        numerohorassup->show();
        label4->show();
        for (const char* name : kExtraHourNames) find<QWidget>(name)->show();
        emit hoursModeChosen();
        numerohorasmed->setText(QStringLiteral("0"));
        numerohorasmed->hide();
        label3->hide();
        setPostSummaryShown(false);
        break;
    default: break;
    }
}

void EntryWindow::seniorityChosen(int index) {
    const SeniorityBracket& bracket = kSeniorityBrackets[static_cast<std::size_t>(index + 1)];
    find<QLineEdit>("porcantig")->setText(qs(bracket.percentText));
    porcentajeantig_ = bracket.percent;
}

PayInput EntryWindow::payInput() const {
    PayInput in;
    in.docente = text(find<QLineEdit>("docente"));
    in.cargo = category_->isSelected(0);
    in.horasmedio = category_->isSelected(1);
    in.horassup = category_->isSelected(2);
    in.numerohorasmed = text(find<QLineEdit>("numerohorasmed"));
    in.numerohorassup = text(find<QLineEdit>("numerohorassup"));
    in.numhorascod06 = text(find<QLineEdit>("numhorascod06"));
    in.numhorasincen = text(find<QLineEdit>("numhorasincen"));
    in.numhorascod113 = text(find<QLineEdit>("numhorascod113"));
    in.tramoantig = seniority_->selectedIndex() + 1;
    in.porcantig = text(find<QLineEdit>("porcantig"));
    in.porcentajeantig = porcentajeantig_;
    in.zona = find<QComboBox>("zona")->currentIndex();
    in.opincentivo = find<QPushButton>("opincentivo")->isChecked();
    in.transporte = find<QPushButton>("transporte")->isChecked();
    in.cantkm = text(find<QLineEdit>("cantkm"));
    in.inasist = find<QPushButton>("inasist")->isChecked();
    in.dinasist = text(find<QLineEdit>("dinasist"));
    in.hijos = find<QCheckBox>("hijos")->isChecked();
    in.cantidadhijos = text(find<QLineEdit>("cantidadhijos"));
    in.hijosdisc = find<QCheckBox>("hijosdisc")->isChecked();
    in.cantidadhijosdisc = text(find<QLineEdit>("cantidadhijosdisc"));
    in.conyuge = find<QCheckBox>("conyuge")->isChecked();
    in.Iosper = find<QPushButton>("Iosper")->isChecked();
    in.Osplad = find<QPushButton>("Osplad")->isChecked();
    in.APORTEJUB = find<QPushButton>("APORTEJUB")->isChecked();
    in.Ley4035 = find<QPushButton>("Ley4035")->isChecked();
    in.ZELAN = find<QPushButton>("ZELAN")->isChecked();
    in.cajacomp = find<QPushButton>("cajacomp")->isChecked();
    in.Seguro3011 = find<QPushButton>("Seguro3011")->isChecked();
    return in;
}

QLineEdit* EntryWindow::box(InputField field) const {
    return findChild<QLineEdit*>(qs(fieldName(field)));
}

void EntryWindow::showPostSummary(const PostSummary& post) {
    setPostSummaryShown(true);
    auto* name = find<QLabel>("cargoselect");
    name->setText(post.cargoselect);
    fitSizeToText(name);
    find<QLabel>("codcarval")->setText(post.codcarval);
    find<QLabel>("puncarval")->setText(post.puncarval);
    find<QLabel>("punproljorval")->setText(post.punproljorval);
    find<QLabel>("punjorcomval")->setText(post.punjorcomval);
    find<QLabel>("puntardifval")->setText(post.puntardifval);
    find<QLabel>("puncompbasval")->setText(post.puncompbasval);
}

void EntryWindow::deselectCargo() { category_->deselect(0); }

void EntryWindow::returnFromReceipt() {
    category_->deselectAll();
    setPostSummaryShown(false);
    for (const char* name : {"numerohorasmed", "numerohorassup", "Label3", "Label4"}) find<QWidget>(name)->hide();
    showWindow(this);
}

void EntryWindow::keyPressEvent(QKeyEvent* event) {
    // "Calcular" is the default button: Enter anywhere in the window presses it.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        auto* calcular = find<QPushButton>("Command1");
        if (calcular->isEnabled() && calcular->isVisible()) {
            calcular->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void EntryWindow::closeEvent(QCloseEvent* event) {
    // Closing the window through its frame ends the program as "Salir" does.
    event->accept();
    emit salirClicked();
}

}  // namespace sueldara::ui
