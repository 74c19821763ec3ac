#pragma once

#include "formula/FormulaMass.h"

#include <QList>
#include <QWidget>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

// The tool window "化学式量": as a formula is typed, its molar mass in g/mol and a table of
// its composition (element, atoms, weight used, mass, mass fraction), or the position and
// reason of what is wrong, marked in the field. It remembers the last formulas in the
// user's preferences file and copies the result as text and HTML. It knows nothing of the
// grid: it only says which elements the formula holds.
class FormulaWindow : public QWidget {
    Q_OBJECT
public:
    // A tool window above `owner`'s window, closed with it; nothing is read until shown.
    explicit FormulaWindow(QWidget *owner);

    void setFormula(const QString &formula);
    QString formula() const;
    // The result's text and HTML on the clipboard; nothing while the formula is wrong.
    void copy();

    QComboBox *field() const { return m_field; }
    QLabel *massLabel() const { return m_mass; }
    QTableWidget *table() const { return m_table; }
    QPushButton *copyButton() const { return m_copy; }

signals:
    // The atomic numbers in the formula (D and T count as hydrogen); empty while it is wrong.
    void elementsChanged(const QList<int> &atomicNumbers);
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void connectControls();
    void recalculate();
    void showResult(const FormulaMass::Result &result);
    void showError(const Formula::Error &error);
    void showComposition(const FormulaMass::Result &result);
    void describe(const QString &description);
    void markInField(int start, int length);
    void remember();
    void showHistory(const QStringList &formulas);

    std::optional<FormulaMass::Weights> m_weights;  // read when first needed
    std::optional<FormulaMass::Result> m_result;    // of the formula in the field, if right
    QList<int> m_elements;
    QComboBox *m_field = nullptr;
    QLabel *m_mass = nullptr;
    QLabel *m_notes = nullptr;
    QTableWidget *m_table = nullptr;
    QPushButton *m_copy = nullptr;
};
