#include "controls.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>

#include "services.h"

namespace sueldara::ui {

OptionGroup::OptionGroup(QObject* parent) : QObject(parent) {}

void OptionGroup::add(QPushButton* button) {
    const int index = count();
    buttons_.push_back(button);
    button->setCheckable(true);
    connect(button, &QAbstractButton::clicked, this, [this, index](bool checked) { userClicked(index, checked); });
}

int OptionGroup::selectedIndex() const {
    for (int i = 0; i < count(); ++i) {
        if (buttons_[static_cast<std::size_t>(i)]->isChecked()) return i;
    }
    return -1;
}

bool OptionGroup::isSelected(int index) const { return button(index)->isChecked(); }

void OptionGroup::deselect(int index) { button(index)->setChecked(false); }

void OptionGroup::deselectAll() {
    for (QPushButton* b : buttons_) b->setChecked(false);
}

void OptionGroup::userClicked(int index, bool checked) {
    if (!checked) {
        // The click toggled the selected option off; an option stays selected
        // until another one of its group is chosen.
        button(index)->setChecked(true);
        return;
    }
    for (int i = 0; i < count(); ++i) {
        if (i != index) deselect(i);
    }
    emit optionChosen(index);
}

void ClickableLineEdit::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLineEdit::mousePressEvent(event);
}

void ClickableLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) emit clicked();
}

namespace {

// While selected the button is drawn sunk in: its own colour made clearly
// darker, a two-pixel inset border (shadow above and left, light below and
// right) and the caption moved one pixel down and right. Not selected, it
// keeps the style's raised look.
class GraphicalButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override {
        if (!isCheckable() || !isChecked()) {
            QPushButton::paintEvent(event);
            return;
        }
        QPainter p(this);
        const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
        const QColor face = palette().color(group, QPalette::Button);
        const QRect r = rect();
        p.fillRect(r, pressedFace(face));

        const QColor outerShadow = face.darker(300);
        const QColor innerShadow = face.darker(190);
        const QColor outerLight = face.lighter(115);
        const QColor innerLight = face.darker(115);
        auto edge = [&p](const QColor& colour, int x1, int y1, int x2, int y2) {
            p.setPen(colour);
            p.drawLine(x1, y1, x2, y2);
        };
        const int left = r.left(), top = r.top(), right = r.right(), bottom = r.bottom();
        edge(outerShadow, left, top, right, top);
        edge(outerShadow, left, top, left, bottom);
        edge(innerShadow, left + 1, top + 1, right - 1, top + 1);
        edge(innerShadow, left + 1, top + 1, left + 1, bottom - 1);
        edge(outerLight, left, bottom, right, bottom);
        edge(outerLight, right, top, right, bottom);
        edge(innerLight, left + 1, bottom - 1, right - 1, bottom - 1);
        edge(innerLight, right - 1, top + 1, right - 1, bottom - 1);

        p.setFont(font());
        p.setPen(palette().color(group, QPalette::ButtonText));
        const QRect textArea = r.adjusted(3, 3, -2, -2).translated(1, 1);
        p.drawText(textArea, Qt::AlignCenter | Qt::TextShowMnemonic, text());

        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = r.adjusted(4, 4, -4, -4);
            focus.backgroundColor = pressedFace(face);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
        }
    }
};

}  // namespace

QColor pressedFace(const QColor& face) { return face.darker(140); }

QPushButton* makeGraphicalButton(QWidget* parent, const char* name, const QString& caption, bool checkable) {
    auto* button = new GraphicalButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setCheckable(checkable);
    button->setAccessibleName(caption);
    button->setAutoDefault(false);
    return button;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, Qt::Alignment alignment) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(alignment);
    label->setAccessibleName(text);
    return label;
}

void fitHeightToText(QLabel* label) {
    label->setWordWrap(true);
    const int height = label->heightForWidth(label->width());
    if (height > 0) label->resize(label->width(), height);
}

void fitSizeToText(QLabel* label) {
    label->setWordWrap(false);
    const QSize hint = label->sizeHint();
    label->resize(std::max(hint.width(), 1), std::max(hint.height(), label->fontMetrics().height()));
}

void applyTabOrder(std::vector<std::pair<int, QWidget*>> order) {
    std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QWidget* previous = nullptr;
    for (const auto& [index, widget] : order) {
        if (!(widget->focusPolicy() & Qt::TabFocus)) continue;
        if (previous) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

Drawing::Drawing(QWidget* parent, const char* name, Kind kind) : QWidget(parent), kind_(kind) {
    setObjectName(QString::fromLatin1(name));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

namespace {

// A desk calculator beside a pay slip.
void paintCalculator(QPainter& p, const QRect& r) {
    p.fillRect(r, rgb("#80FFFF"));
    const double w = r.width(), h = r.height();
    // The slip.
    QRectF slip(w * 0.52, h * 0.10, w * 0.40, h * 0.78);
    p.setPen(QPen(rgb("#000080"), 1));
    p.setBrush(Qt::white);
    p.drawRect(slip);
    p.setPen(QPen(rgb("#0000C0"), 1));
    for (int i = 0; i < 9; ++i) {
        const double y = slip.top() + slip.height() * (0.14 + 0.09 * i);
        p.drawLine(QPointF(slip.left() + 6, y), QPointF(slip.right() - (i % 3 == 2 ? 24 : 6), y));
    }
    p.setPen(QPen(rgb("#C04000"), 2));
    p.drawLine(QPointF(slip.left() + 6, slip.bottom() - 10), QPointF(slip.right() - 6, slip.bottom() - 10));
    // The calculator.
    QRectF body(w * 0.08, h * 0.16, w * 0.38, h * 0.72);
    p.setPen(QPen(rgb("#000080"), 2));
    p.setBrush(rgb("#FF8000"));
    p.drawRoundedRect(body, 8, 8);
    QRectF display(body.left() + 8, body.top() + 8, body.width() - 16, body.height() * 0.2);
    p.setBrush(rgb("#C0FFC0"));
    p.drawRect(display);
    p.setPen(rgb("#000080"));
    p.setFont(arialFont(9, true));
    p.drawText(display.adjusted(4, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("$ 1234,5"));
    const double keyTop = display.bottom() + 8;
    const double keyW = (body.width() - 16 - 3 * 6) / 4;
    const double keyH = (body.bottom() - 8 - keyTop - 3 * 6) / 4;
    p.setBrush(rgb("#FFFFFF"));
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            QRectF key(body.left() + 8 + col * (keyW + 6), keyTop + row * (keyH + 6), keyW, keyH);
            p.setBrush(col == 3 ? rgb("#00FF00") : rgb("#FFFFFF"));
            p.drawRoundedRect(key, 3, 3);
        }
    }
}

// A white band with the program's name on the union's blue.
void paintBanner(QPainter& p, const QRect& r) {
    p.fillRect(r, rgb("#000080"));
    QRect inner = r.adjusted(6, 6, -6, -6);
    p.fillRect(inner, Qt::white);
    p.setPen(rgb("#C04000"));
    p.setFont(arialFont(20, true));
    p.drawText(inner.adjusted(0, 0, 0, -inner.height() / 3), Qt::AlignCenter, QStringLiteral("Sueldara"));
    p.setPen(rgb("#000080"));
    p.setFont(arialFont(8.25, true));
    p.drawText(inner.adjusted(0, inner.height() * 2 / 3 - 6, 0, 0), Qt::AlignCenter,
               QString::fromUtf8("Haberes docentes"));
}

// A receipt page with its columns and a stamp.
void paintReceiptSheet(QPainter& p, const QRect& r) {
    p.fillRect(r, rgb("#FFC080"));
    const double w = r.width(), h = r.height();
    QRectF page(w * 0.05, h * 0.08, w * 0.62, h * 0.84);
    p.setPen(QPen(rgb("#000080"), 1));
    p.setBrush(rgb("#C0FFC0"));
    p.drawRect(page);
    const double cols[] = {0.12, 0.24, 0.62, 0.81};
    for (double c : cols) {
        const double x = page.left() + page.width() * c;
        p.drawLine(QPointF(x, page.top() + 14), QPointF(x, page.bottom() - 8));
    }
    for (int i = 0; i < 8; ++i) {
        const double y = page.top() + 14 + i * (page.height() - 22) / 8;
        p.drawLine(QPointF(page.left() + 4, y), QPointF(page.right() - 4, y));
    }
    QRectF stamp(w * 0.72, h * 0.22, w * 0.24, h * 0.56);
    p.setPen(QPen(rgb("#00C000"), 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(stamp);
    p.setFont(arialFont(10, true));
    p.setPen(rgb("#008000"));
    p.drawText(stamp, Qt::AlignCenter, QStringLiteral("$"));
}

}  // namespace

void Drawing::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    switch (kind_) {
    case Kind::calculator: paintCalculator(p, rect()); break;
    case Kind::banner: paintBanner(p, rect()); break;
    case Kind::receiptSheet: paintReceiptSheet(p, rect()); break;
    }
}

}  // namespace sueldara::ui
