#include "selection_dialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "controls.h"
#include "position_catalogue.h"
#include "services.h"

namespace sueldara::ui {

namespace {

QString u8(const char* text) { return QString::fromUtf8(text); }

// The edit field of the name box. A combo box takes Enter or the loss of focus
// in its edit field as a choice when the text equals a name; here typed text
// is only text, so the field says when it is finishing an edit.
class NameEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    bool finishingEdit() const { return finishing_; }

protected:
    bool event(QEvent* e) override {
        bool finishing = e->type() == QEvent::FocusOut;
        if (e->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(e)->key();
            finishing = key == Qt::Key_Return || key == Qt::Key_Enter;
        }
        if (!finishing) return QLineEdit::event(e);
        finishing_ = true;
        const bool handled = QLineEdit::event(e);
        finishing_ = false;
        return handled;
    }

private:
    bool finishing_ = false;
};

}  // namespace

SelectionDialog::SelectionDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("advertencia"));
    setWindowTitle(u8("Selección de cargo"));
    setModal(false);
    setFixedSize(twips(9735), twips(6855));
    setFont(arialFont(8.25));
    setBackground(this, rgb("#FFC080"));

    QLabel* instruction = makeLabel(this, "Label2", u8("Seleccione el cargo o el código del cargo"), Qt::AlignCenter);
    placeTwips(instruction, 60, 105, 5895, 420);
    instruction->setWordWrap(true);
    setColours(instruction, rgb("#000080"), rgb("#00C000"));
    instruction->setFont(sansSerifFont(12, true));

    const struct {
        const char* name;
        const char* text;
        int left, width;
    } captions[] = {
        {"Label1", "Código del cargo", 120, 1695}, {"Label3", "Puntos básicos", 1920, 1485},
        {"Label8", "Comp básico", 3600, 1335},     {"Label5", "Prol. de jornada", 5040, 1485},
        {"Label6", "Jorn. completa", 6600, 1395},  {"Label7", "Tarea diferenc.", 8160, 1485},
    };
    for (const auto& c : captions) {
        QLabel* label = makeLabel(this, c.name, u8(c.text), Qt::AlignCenter);
        placeTwips(label, c.left, 720, c.width, 330);
        setColours(label, rgb("#000000"), rgb("#80FF80"));
        label->setFont(arialFont(9, true));
    }

    const QString codeTip = u8(
        "Escriba el código del cargo. Si luego de escribir las tres cifras no se selecciona el cargo, "
        "vuelva a elegir un código correcto.");
    const QString autoTip = u8("Se selecciona automáticamente");
    const struct {
        const char* name;
        const char* caption;  // the column caption over the box
        int left, width, tab;
        bool code;
    } boxes[] = {
        {"codcargo", "Label1", 240, 1275, 0, true}, {"punbas", "Label3", 2040, 1065, 8, false},
        {"compbas", "Label8", 3720, 1155, 21, false}, {"proljor", "Label5", 5280, 1065, 14, false},
        {"jorcom", "Label6", 6840, 960, 15, false},   {"tardif", "Label7", 8400, 960, 17, false},
    };
    for (const auto& b : boxes) {
        QLineEdit* box = b.code ? new ClickableLineEdit(this) : new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(b.name));
        placeTwips(box, b.left, 1320, b.width, 330);
        setColours(box, rgb("#0000C0"), rgb("#C0FFC0"));
        box->setFont(arialFont(9.75, true));
        box->setAlignment(Qt::AlignCenter);
        const std::string_view name(b.name);
        box->setToolTip(name == "codcargo" || name == "compbas" ? codeTip : autoTip);
        auto* caption = findChild<QLabel*>(QString::fromLatin1(b.caption));
        box->setAccessibleName(caption->text());
        caption->setBuddy(box);
        tabs_.emplace_back(b.tab, box);
    }
    codcargo_ = static_cast<ClickableLineEdit*>(valueBox("codcargo"));
    codcargo_->setText(QStringLiteral("0"));
    valueBox("punbas")->setReadOnly(true);

    QLabel* label4 = makeLabel(this, "Label4", u8("Cargo"), Qt::AlignLeft | Qt::AlignVCenter);
    placeTwips(label4, 120, 2760, 1485, 330);
    setColours(label4, rgb("#0000C0"), rgb("#00C000"));
    label4->setFont(arialFont(9.75, true));

    cargox_ = new QComboBox(this);
    cargox_->setObjectName(QStringLiteral("cargox"));
    placeTwips(cargox_, 1785, 2760, 7050, 345);
    cargox_->setToolTip(u8("Seleccione el cargo"));
    setColours(cargox_, rgb("#0000C0"), rgb("#80FF80"));
    cargox_->setFont(arialFont(9));
    cargox_->setEditable(true);
    cargox_->setLineEdit(new NameEdit(cargox_));
    // Typing in the edit field is free text: it adds no entry and picks none.
    cargox_->setInsertPolicy(QComboBox::NoInsert);
    cargox_->setCompleter(nullptr);
    cargox_->setMaxVisibleItems(20);
    for (const Position& p : PositionCatalogue::rows()) cargox_->addItem(qs(p.cargox));
    cargox_->setCurrentIndex(-1);
    cargox_->clearEditText();
    cargox_->setAccessibleName(label4->text());
    label4->setBuddy(cargox_);
    tabs_.emplace_back(1, cargox_);

    auto* picture = new Drawing(this, "Picture1", Drawing::Kind::receiptSheet);
    placeTwips(picture, 360, 3480, 5460, 2175);
    picture->setAccessibleName(u8("Dibujo de un recibo"));

    listo_ = makeGraphicalButton(this, "Command1", u8("Listo"), false);
    placeTwips(listo_, 6480, 4800, 2325, 435);
    auto* salir = makeGraphicalButton(this, "Command2", u8("Salir sin datos"), false);
    placeTwips(salir, 6480, 5520, 2325, 435);
    for (QPushButton* b : {listo_, salir}) {
        setBackground(b, rgb("#00C000"));
        b->setFont(arialFont(12, true));
        // Not auto-default: a button that took the focus would otherwise stay
        // the Enter key's button after the focus has left it (keyPressEvent).
        b->setAutoDefault(false);
    }
    listo_->setDefault(true);
    tabs_.emplace_back(5, listo_);
    tabs_.emplace_back(19, salir);
    applyTabOrder(tabs_);

    connect(codcargo_, &ClickableLineEdit::clicked, this, [this] { codcargo_->setText(QString()); });
    connect(codcargo_, &QLineEdit::textChanged, this, &SelectionDialog::codeChanged);
    connect(cargox_, &QComboBox::activated, this, &SelectionDialog::nameChosen);
    connect(listo_, &QAbstractButton::clicked, this, &SelectionDialog::listoClicked);
    connect(salir, &QAbstractButton::clicked, this, &SelectionDialog::salirSinDatos);
}

QLineEdit* SelectionDialog::valueBox(const char* name) const {
    return findChild<QLineEdit*>(QString::fromLatin1(name));
}

QString SelectionDialog::text(const char* control) const {
    if (std::string_view(control) == "cargox") return cargox_->currentText();
    return valueBox(control)->text();
}

QLineEdit* SelectionDialog::box(InputField field) const {
    return findChild<QLineEdit*>(qs(fieldName(field)));
}

void SelectionDialog::codeChanged(const QString& code) {
    const std::string typed = code.toStdString();
    const std::optional<std::size_t> row = PositionCatalogue::findByCode(typed);
    codeRow_ = row;

    // Showing the row's name here is not a choice: setCurrentIndex raises no
    // "activated".
    if (row) {
        cargox_->setCurrentIndex(static_cast<int>(*row));
    } else {
        cargox_->setCurrentIndex(-1);
        cargox_->clearEditText();
    }

    pointsRow_ = row;
    if (row) {
        const Position& p = PositionCatalogue::rowAt(*row);
        valueBox("punbas")->setText(qs(p.puntosbasicos));
        valueBox("proljor")->setText(qs(p.proljornada));
        valueBox("jorcom")->setText(qs(p.jorcompleta));
        valueBox("tardif")->setText(qs(p.tareadif));
        valueBox("compbas")->setText(qs(p.compbasico));
    } else {
        for (const char* name : {"punbas", "proljor", "jorcom", "tardif", "compbas"}) valueBox(name)->setText(QString());
    }
    listo_->setEnabled(row.has_value());
}

void SelectionDialog::nameChosen(int row) {
    if (row < 0) return;
    if (static_cast<const NameEdit*>(cargox_->lineEdit())->finishingEdit()) return;  // typed, not chosen
    const auto r = static_cast<std::size_t>(row);
    const Position& p = PositionCatalogue::rowAt(r);
    codeRow_ = r;
    codcargo_->setText(qs(p.codigocargo));  // a changed text runs codeChanged, which finds row r
    pointsRow_ = r;
    listo_->setEnabled(true);
    valueBox("punbas")->setText(qs(p.puntosbasicos));
}

void SelectionDialog::salirSinDatos() {
    cargox_->setCurrentIndex(-1);
    cargox_->clearEditText();
    codeRow_.reset();
    for (const char* name : {"punbas", "proljor", "jorcom", "tardif", "compbas"}) {
        valueBox(name)->setText(QStringLiteral("0"));
    }
    hide();
    emit leftWithoutData();
}

SelectedPosition SelectionDialog::selectedPosition() const {
    SelectedPosition pos;
    if (codeRow_) pos.codigocargo = std::string(PositionCatalogue::rowAt(*codeRow_).codigocargo);
    if (pointsRow_) pos.puntosbasicos = std::string(PositionCatalogue::rowAt(*pointsRow_).puntosbasicos);
    pos.cargox = cargox_->currentText().toStdString();
    pos.punbas = valueBox("punbas")->text().toStdString();
    pos.compbas = valueBox("compbas")->text().toStdString();
    pos.proljor = valueBox("proljor")->text().toStdString();
    pos.jorcom = valueBox("jorcom")->text().toStdString();
    pos.tardif = valueBox("tardif")->text().toStdString();
    return pos;
}

void SelectionDialog::reject() {}

void SelectionDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || (event->modifiers() & ~Qt::KeypadModifier)) return QDialog::keyPressEvent(event);
    // Enter presses the focused button; from anywhere else it is "Listo",
    // and nothing while "Listo" is disabled.
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    QPushButton* target = focused && focused->isVisible() && focused->isEnabled() ? focused : listo_;
    if (target->isVisible() && target->isEnabled()) target->click();
    event->accept();
}

void SelectionDialog::closeEvent(QCloseEvent* event) {
    // Hidden with every text and row kept, as after "Listo".
    event->accept();
}

}  // namespace sueldara::ui
