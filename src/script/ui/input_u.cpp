#include "script/ui/input_u.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "platform/ui/accessibility.h"
#include "script/texts.h"

namespace textaria::script {

TForm27::TForm27(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form27"));
    setWindowTitle(QString::fromUtf8(texts::kEntryCaption));
    setModal(true);
    StringGrid1 = new QFrame(this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setFrameShape(QFrame::Box);
    StringGrid1->setLineWidth(1);
    Button1 = new QPushButton(QString::fromUtf8(texts::kEntryOk), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    platform::FocusFrame::install(this);
    setEntryLineFont(font());
}

void TForm27::setEntryLineFont(const QFont& base) {
    const QScreen* s = screen();
    const int dpi = s ? static_cast<int>(s->logicalDotsPerInch()) : 96;
    const int height = s ? s->geometry().height() : 768;
    const int points = base.pointSize() > 0 ? base.pointSize() : 9;
    const EntryFonts f = entryFonts(points, dpi, height);
    setFont(base);
    QFont cellFont = base;
    cellFont.setPointSize(f.cellPoints);
    cellFont.setBold(f.cellBold);
    StringGrid1->setFont(cellFont);
    QFont promptFont = base;
    promptFont.setPointSize(std::max(1, f.promptPoints));
    promptFont.setBold(false);
    Label1->setFont(promptFont);
    QFont buttonFont = base;
    buttonFont.setPointSize(f.buttonPoints);
    buttonFont.setBold(f.buttonBold);
    Button1->setFont(buttonFont);
}

void TForm27::layoutCells(int count) {
    for (QLineEdit* cell : cells) delete cell;
    cells.clear();
    for (int i = 0; i < count; ++i) {
        auto* cell = new QLineEdit(StringGrid1);
        cell->setObjectName(QStringLiteral("Cell%1").arg(i + 1));
        cell->setFrame(false);
        cell->installEventFilter(this);
        platform::describeForScreenReaders(cell, texts::kAccessibleCell + std::to_string(i + 1));
        cells.push_back(cell);
    }
    std::vector<QWidget*> order(cells.begin(), cells.end());
    order.push_back(Button1);
    platform::chainTabOrder(order);
    Button1->adjustSize();
    Label1->adjustSize();
    const int frame = StringGrid1->frameWidth();
    const int cellHeight = StringGrid1->fontMetrics().height() + 8;
    EntryMetrics m;
    m.designedGridWidth = kGridWidth;
    m.gridLeft = kMargin;
    m.gridFrame = 2 * frame;
    m.buttonWidth = Button1->width();
    m.promptLeft = kMargin;
    m.promptWidth = Label1->width();
    m.gridTop = kMargin;
    m.gridHeight = cellHeight + 2 * frame;
    m.promptHeight = Label1->height();
    const EntryGeometry g = entryGeometry(count, m);
    StringGrid1->setGeometry(m.gridLeft, m.gridTop, g.gridClientWidth + m.gridFrame, m.gridHeight);
    for (int i = 0; i < count; ++i)
        cells[static_cast<std::size_t>(i)]->setGeometry(frame + i * g.columnWidth, frame,
                                                        g.columnWidth - 1, cellHeight);
    Button1->move(g.buttonLeft, m.gridTop + (m.gridHeight - Button1->height()) / 2);
    Button1->raise();  // in front of the spare column
    Label1->move(m.promptLeft, m.gridTop + m.gridHeight + 15);
    setFixedSize(g.windowWidth, g.windowHeight);
}

void TForm27::prepare(const EntryRequest& request) {
    const EntrySetup setup = PrepareEntry(request);
    calculatorAllowed_ = request.calculatorAllowed;
    escaped_ = false;
    result_.reset();
    Label1->setText(QString::fromStdString(setup.prompt));
    layoutCells(setup.count);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        cells[i]->setText(QString::fromStdString(setup.cells[i]));
        // Each cell is described by the prompt under the grid.
        cells[i]->setAccessibleDescription(Label1->text().simplified());
    }
    if (anchor)
        if (const auto a = anchor()) {
            const DialogPosition p = entryPosition(*a);
            move(p.left, p.top);
        }
    if (!cells.empty()) cells.front()->setFocus();
}

std::optional<std::string> TForm27::enterData(const EntryRequest& request,
                                              DialogPosition& position) {
    prepare(request);
    exec();
    position = closedAt_;
    return result_;
}

void TForm27::cellEnter(int index) {
    QLineEdit* cell = cells[static_cast<std::size_t>(index)];
    const EnterStep step =
        enterInCell(cell->text().toStdString(), index, static_cast<int>(cells.size()));
    cell->setText(QString::fromStdString(step.cellText));
    if (step.nextCell < 0)
        Button1->setFocus();
    else
        cells[static_cast<std::size_t>(step.nextCell)]->setFocus();
}

bool TForm27::eventFilter(QObject* watched, QEvent* event) {
    // Enter in a cell is the cell's (it moves on); the dialog must not take it for "<ok>".
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            for (std::size_t i = 0; i < cells.size(); ++i)
                if (cells[i] == watched) {
                    cellEnter(static_cast<int>(i));
                    return true;
                }
    }
    if (event->type() == QEvent::MouseButtonDblClick)
        for (QLineEdit* cell : cells)
            if (cell == watched && calculator.result) {
                if (calculatorAllowed_ && calculator.show) calculator.show();
                // The calculator's last result also when it was not shown.
                cell->setText(QString::fromStdString(calculator.result()));
                return true;
            }
    return QDialog::eventFilter(watched, event);
}

void TForm27::keyPressEvent(QKeyEvent* event) {
    // The caption promises Escape: it closes the window and the script learns it was escaped.
    if (event->key() == Qt::Key_Escape) {
        escaped_ = true;
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TForm27::done(int r) {
    std::vector<std::string> texts;
    for (QLineEdit* cell : cells) {
        texts.push_back(cell->text().toStdString());
        cell->setText(QStringLiteral(" "));
    }
    if (escaped_)
        result_.reset();
    else
        result_ = joinEntryResult(texts);
    closedAt_ = {x(), y()};
    QDialog::done(r);
}

}  // namespace textaria::script
