#include "FormulaWindow.h"

#include "formula/FormulaHistory.h"
#include "widgets/CopyKey.h"
#include "widgets/Dialogs.h"
#include "widgets/Fonts.h"
#include "widgets/Palette.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTextCharFormat>

namespace {

const QColor kDialogGrey(192, 192, 192);  // the ground of the program's other tool windows
const QColor kErrorRed(176, 0, 0);
constexpr int kMassPoints = 12;
constexpr int kFieldChars = 60;  // the table's five headings fit beneath
constexpr int kTableRows = 8;    // rows shown without scrolling
constexpr int kPercentDecimals = 2;

enum Column { Element, Count, Weight, Mass, Percent, ColumnCount };

QTableWidgetItem *item(const QString &text, Qt::Alignment alignment = Qt::AlignRight)
{
    auto *cell = new QTableWidgetItem(text);
    cell->setTextAlignment(alignment | Qt::AlignVCenter);
    return cell;
}

}  // namespace

FormulaWindow::FormulaWindow(QWidget *owner) : QWidget(owner->window())
{
    setObjectName(QStringLiteral("frm_Formula"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("化学式量"));
    setFont(Fonts::sansSerif(9, false));
    Palette::paintGround(this, kDialogGrey);  // made anew at each opening
    createControls();
    connectControls();
}

void FormulaWindow::createControls()
{
    auto *label = new QLabel(QStringLiteral("化学式(&F)："), this);
    m_field = new QComboBox(this);
    m_field->setObjectName(QStringLiteral("formulaField"));
    m_field->setEditable(true);
    m_field->setInsertPolicy(QComboBox::NoInsert);
    m_field->setMaxCount(FormulaHistory::kMaxKept);
    m_field->lineEdit()->setPlaceholderText(QStringLiteral("例如 CuSO4·5H2O"));
    m_field->lineEdit()->setAccessibleName(QStringLiteral("化学式"));
    m_field->setMinimumWidth(m_field->fontMetrics().averageCharWidth() * kFieldChars);
    label->setBuddy(m_field);
    m_mass = new QLabel(this);
    m_mass->setObjectName(QStringLiteral("massLabel"));
    m_mass->setFont(Fonts::sansSerif(kMassPoints, true));
    m_mass->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_mass->setAccessibleName(QStringLiteral("摩尔质量"));
    m_mass->setWordWrap(true);
    m_notes = new QLabel(this);
    m_notes->setWordWrap(true);
    m_notes->setAccessibleName(QStringLiteral("说明"));
    m_table = new QTableWidget(0, ColumnCount, this);
    m_table->setObjectName(QStringLiteral("compositionTable"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("元素"), QStringLiteral("原子数"),
                                        QStringLiteral("原子量"), QStringLiteral("质量 (g/mol)"),
                                        QStringLiteral("质量分数 (%)")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->setTabKeyNavigation(false);  // Tab leaves the table; arrows move in it
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->setMinimumHeight(m_table->horizontalHeader()->sizeHint().height() +
                              kTableRows * m_table->verticalHeader()->defaultSectionSize());
    m_table->setAccessibleName(QStringLiteral("组成"));
    m_copy = new QPushButton(QStringLiteral("复制结果(&C)"), this);
    m_copy->setAccessibleDescription(QStringLiteral("把摩尔质量和组成表作为文本和 HTML 表格复制"));
    m_copy->setAutoDefault(false);

    auto *grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_field, 0, 1, 1, 2);
    grid->addWidget(m_mass, 1, 0, 1, 3);
    grid->addWidget(m_notes, 2, 0, 1, 3);
    grid->addWidget(m_table, 3, 0, 1, 3);
    grid->addWidget(m_copy, 4, 2, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
    setTabOrder(m_field, m_table);
    setTabOrder(m_table, m_copy);
}

void FormulaWindow::connectControls()
{
    connect(m_field, &QComboBox::editTextChanged, this, &FormulaWindow::recalculate);
    connect(m_field->lineEdit(), &QLineEdit::returnPressed, this, &FormulaWindow::remember);
    connect(m_field, &QComboBox::textActivated, this, &FormulaWindow::remember);
    connect(m_copy, &QPushButton::clicked, this, &FormulaWindow::copy);
    CopyKey::takeOver(m_table, [this] { copy(); });
}

void FormulaWindow::setFormula(const QString &formula)
{
    m_field->setEditText(formula);
    recalculate();  // also when the text was already there
}

QString FormulaWindow::formula() const
{
    return m_field->currentText();
}

void FormulaWindow::recalculate()
{
    const QString text = formula();
    Formula::Error error;
    const std::optional<Formula::Parsed> parsed = Formula::parse(text, &error);
    m_result.reset();
    if (!parsed) {
        // An empty field is no mistake yet: it only asks for a formula.
        showError(text.trimmed().isEmpty() ? Formula::Error{} : error);
        return;
    }
    Dialogs::runHandler(this, [&] {
        if (!m_weights) m_weights = FormulaMass::Weights::fromFile();
        m_result = FormulaMass::compute(*parsed, *m_weights);
    });
    if (m_result) showResult(*m_result);
}

void FormulaWindow::showResult(const FormulaMass::Result &result)
{
    markInField(0, 0);
    m_mass->setStyleSheet(QString());
    m_mass->setText(QStringLiteral("摩尔质量：%1 g/mol").arg(result.massText));
    m_notes->setText(result.notes.join(QLatin1Char('\n')));
    m_notes->setVisible(!result.notes.isEmpty());
    showComposition(result);
    m_copy->setEnabled(true);
    QList<int> elements;
    for (const FormulaMass::Line &line : result.lines) {
        const int number = line.kind > mod_Vantrel::kElementCount ? 1 : line.kind;
        if (!elements.contains(number)) elements.append(number);
    }
    if (elements != m_elements) emit elementsChanged(m_elements = elements);
}

void FormulaWindow::showComposition(const FormulaMass::Result &result)
{
    m_table->setRowCount(int(result.lines.size()));
    QStringList spoken{m_mass->text()};
    for (int row = 0; row < result.lines.size(); ++row) {
        const FormulaMass::Line &line = result.lines[row];
        const QString percent = QString::number(line.percent, 'f', kPercentDecimals);
        const QString weight =
            line.weightText + (line.massNumber ? QStringLiteral("（质量数）") : QString());
        m_table->setItem(row, Element,
                         item(line.name + QLatin1Char(' ') + line.symbol, Qt::AlignLeft));
        m_table->setItem(row, Count, item(QString::number(line.count)));
        m_table->setItem(row, Weight, item(weight));
        m_table->setItem(row, Mass, item(line.massText));
        m_table->setItem(row, Percent, item(percent));
        spoken.append(QStringLiteral("%1 %2 个，%3%").arg(line.name).arg(line.count).arg(percent));
    }
    const QString description = (spoken + result.notes).join(QStringLiteral("；"));
    describe(description);
}

void FormulaWindow::showError(const Formula::Error &error)
{
    m_mass->setStyleSheet(QStringLiteral("color: %1").arg(kErrorRed.name()));
    m_mass->setText(error.reason.isEmpty() ? QString() : error.message());
    m_notes->clear();
    m_notes->hide();
    m_table->setRowCount(0);
    m_copy->setEnabled(false);
    markInField(error.position - 1, error.position > 0 ? error.length : 0);
    describe(m_mass->text());
    if (!m_elements.isEmpty()) emit elementsChanged(m_elements = {});
}

// Said with the field (a reader names the combo box or its line, as it likes) whenever it
// takes the focus, and by readers that follow description changes as one types; the
// table's description is the same, heard as the keyboard enters it.
void FormulaWindow::describe(const QString &description)
{
    m_field->setAccessibleDescription(description);
    m_field->lineEdit()->setAccessibleDescription(description);
    m_table->setAccessibleDescription(description);
}

// A wavy red line under the characters at fault, drawn by the field itself: the toolkit
// lets an input method format a field's text, and the format goes with the next change.
void FormulaWindow::markInField(int start, int length)
{
    QLineEdit *edit = m_field->lineEdit();
    QList<QInputMethodEvent::Attribute> attributes;
    if (length > 0) {
        QTextCharFormat format;
        format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        format.setUnderlineColor(kErrorRed);
        format.setForeground(kErrorRed);
        attributes.append(
            {QInputMethodEvent::TextFormat, start - edit->cursorPosition(), length, format});
    }
    QInputMethodEvent event(QString(), attributes);
    QCoreApplication::sendEvent(edit, &event);
}

void FormulaWindow::copy()
{
    if (!m_result) return;
    auto *data = new QMimeData;
    data->setText(QStringLiteral("化学式\t%1\n").arg(formula().trimmed()) +
                  FormulaMass::text(*m_result));
    data->setHtml(FormulaMass::html(formula().trimmed(), *m_result));
    QApplication::clipboard()->setMimeData(data);
    remember();
}

// A formula that gives a result joins the list the field offers when it is entered, copied
// or left in the field at closing; the steps of typing it do not.
void FormulaWindow::remember()
{
    const QString text = formula().trimmed();
    if (!m_result || text == m_field->itemText(0)) return;
    Dialogs::runHandler(this, [&] { showHistory(FormulaHistory::remember(text)); });
}

void FormulaWindow::showHistory(const QStringList &formulas)
{
    const QSignalBlocker block(m_field);
    const QString text = formula();
    const int cursor = m_field->lineEdit()->cursorPosition();
    m_field->clear();
    m_field->addItems(formulas);
    m_field->setEditText(text);
    m_field->lineEdit()->setCursorPosition(cursor);
}

void FormulaWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_field->count() == 0) {
        Dialogs::runHandler(this, [this] { showHistory(FormulaHistory::load()); });
        setFormula(m_field->count() > 0 ? m_field->itemText(0) : QString());
    }
    // Typing replaces the formula shown.
    m_field->setFocus(Qt::OtherFocusReason);
    m_field->lineEdit()->selectAll();
}

void FormulaWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void FormulaWindow::closeEvent(QCloseEvent *event)
{
    remember();
    emit closed();
    QWidget::closeEvent(event);
}
