#pragma once
// The data-entry window "ingreso": the teacher's data, the category, the
// seniority bracket and the deductions. Its controls are the PayInput of the
// engine; it shows, hides and resets controls and keeps the seniority percent.

#include <QWidget>

#include <utility>
#include <vector>

#include "calculation.h"
#include "pay_input.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace sueldara::ui {

class OptionGroup;

// The post as "Listo" of the selection dialog copies it into the summary.
struct PostSummary {
    QString cargoselect;    // name
    QString codcarval;      // code
    QString puncarval;      // basic points
    QString punproljorval;  // prolonged-day points
    QString punjorcomval;   // full-day points
    QString puntardifval;   // differentiated-task points
    QString puncompbasval;  // basic complement
};

class EntryWindow : public QWidget {
    Q_OBJECT

public:
    explicit EntryWindow(QWidget* parent = nullptr);
    ~EntryWindow() override;

    // The window's controls as the calculation reads them.
    PayInput payInput() const;

    // The text box of a numeric field of this window, or nullptr.
    QLineEdit* box(InputField field) const;

    // Operations other windows perform on this one; none runs the options'
    // own operations.
    void showPostSummary(const PostSummary& post);  // "Listo"
    void deselectCargo();                           // "Listo" with no code, "Salir sin datos"
    void returnFromReceipt();                       // "Volver": this window's part

signals:
    void cargoChosen();        // show the selection dialog
    void hoursModeChosen();    // hide the selection dialog
    void calcularClicked();
    void salirClicked();       // also closing the window through its frame

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildHeader();
    void buildCategory();
    void buildHoursInputs();
    void buildPostSummary();
    void buildIncentiveTransportZoneAbsences();
    void buildFamily();
    void buildDeductions();
    void buildSeniority();
    void buildButtonsAndPictures();
    void buildTabOrder();

    QLineEdit* makeBox(QWidget* parent, const char* name, const QString& text, const QString& tooltip);
    template <typename W>
    W* tab(W* widget, int index) {
        tabs_.emplace_back(index, widget);
        return widget;
    }
    void setPostSummaryShown(bool shown);
    void setHoursInputsShown(bool medio, bool superior, bool extra);

    void categoryChosen(int index);
    void seniorityChosen(int index);

    template <typename T>
    T* find(const char* name) const;

    OptionGroup* category_ = nullptr;
    OptionGroup* seniority_ = nullptr;
    int porcentajeantig_ = 0;
    std::vector<std::pair<int, QWidget*>> tabs_;  // tab index, control
};

}  // namespace sueldara::ui
