#pragma once
// What a user can read in the windows: the receipt window's cells as drawn and
// every text typed into a window, gathered so that tests can compare them
// before and after an action.

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <map>

#include "receipt_sheet.h"

namespace sueldara::test {

// The text a label or box shows, or nothing while it is hidden. The test is
// against the widget's own flag, so a hidden window's cells still count.
inline QString visibleText(const QWidget* widget) {
    if (!widget || widget->isHidden()) return {};
    if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    if (auto* box = qobject_cast<const QLineEdit*>(widget)) return box->text();
    return {};
}

// Every label and text box of the window by name: shown flag, text, place.
using CellSnapshot = std::map<QString, QString>;

inline CellSnapshot cellsOf(const QWidget* window) {
    CellSnapshot cells;
    auto record = [&cells](const QWidget* w, const QString& text) {
        const QRect g = w->geometry();
        cells[w->objectName()] = QStringLiteral("%1|%2|%3,%4 %5x%6")
                                     .arg(w->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown"), text)
                                     .arg(g.x())
                                     .arg(g.y())
                                     .arg(g.width())
                                     .arg(g.height());
    };
    for (const QLabel* label : window->findChildren<QLabel*>()) record(label, label->text());
    for (const QLineEdit* box : window->findChildren<QLineEdit*>()) record(box, box->text());
    return cells;
}

// Every text a user typed or a choice made in the window: boxes, lists,
// comment boxes and the pressed state of buttons.
inline CellSnapshot typedTextsOf(const QWidget* window) {
    CellSnapshot texts;
    if (!window) return texts;
    for (const QLineEdit* box : window->findChildren<QLineEdit*>()) {
        // The edit field of a combo box is the combo box's text.
        if (qobject_cast<const QComboBox*>(box->parentWidget())) continue;
        texts[box->objectName()] = box->text();
    }
    for (const QComboBox* combo : window->findChildren<QComboBox*>())
        texts[combo->objectName()] = combo->currentText() + QStringLiteral(" #") + QString::number(combo->currentIndex());
    for (const QPlainTextEdit* edit : window->findChildren<QPlainTextEdit*>())
        texts[edit->objectName()] = edit->toPlainText();
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->isCheckable())
            texts[button->objectName() + QStringLiteral(" pressed")] = button->isChecked() ? QStringLiteral("yes")
                                                                                            : QStringLiteral("no");
    }
    return texts;
}

// The receipt window's table, totals and name show the sheet: a shown cell
// with its text, a hidden cell nothing. Text10 (the clock) is left out.
inline void expectWindowShowsSheet(const QWidget* receipt, const ReceiptSheet& sheet) {
    auto cell = [receipt](const QString& name) {
        const QWidget* w = receipt->findChild<QWidget*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return visibleText(w);
    };
    auto shown = [](const Cell& c) { return c.shown ? QString::fromStdString(c.text) : QString(); };
    for (int r = 0; r < kSheetRows; ++r) {
        SCOPED_TRACE(r);
        const SheetRow& row = sheet.rows[static_cast<std::size_t>(r)];
        const QString n = QString::number(r);
        EXPECT_EQ(cell(QStringLiteral("cod_") + n), shown(row.cod));
        EXPECT_EQ(cell(QStringLiteral("Label10_") + n), shown(row.Label10));
        EXPECT_EQ(cell(QStringLiteral("Label19_") + n), shown(row.Label19));
    }
    for (int i = 0; i < kAmountCells; ++i)
        EXPECT_EQ(cell(QStringLiteral("Label1_%1").arg(i)), shown(sheet.Label1[static_cast<std::size_t>(i)])) << i;
    EXPECT_EQ(cell(QStringLiteral("thaberes")), QString::fromStdString(sheet.thaberes));
    EXPECT_EQ(cell(QStringLiteral("tdescuentos")), QString::fromStdString(sheet.tdescuentos));
    EXPECT_EQ(cell(QStringLiteral("liquido")), QString::fromStdString(sheet.liquido));
    EXPECT_EQ(cell(QStringLiteral("docente")), QString::fromStdString(sheet.docente));
}

}  // namespace sueldara::test
