#include "script/ui/select_u.h"

#include <QButtonGroup>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>

#include "platform/ui/accessibility.h"
#include "script/texts.h"
#include "script/ui/input_u.h"

namespace textaria::script {

TForm28::TForm28(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form28"));
    setWindowTitle(QString::fromUtf8(texts::kSelectCaption));
    setModal(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(210, 210, 210));
    setPalette(p);
    setAutoFillBackground(true);
    RadioGroup1 = new QFrame(this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setFrameShape(QFrame::Box);
    RadioGroup1->move(5, 5);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    group_ = new QButtonGroup(this);
    connect(group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        // A click or a keyboard selection chooses at once.
        if (!checked || !isVisible()) return;
        chosen_ = id;
        accept();
    });
    platform::describeForScreenReaders(RadioGroup1, texts::kAccessibleChoices);
    platform::FocusFrame::install(this);
    setEntryLineFont(font());
}

void TForm28::setEntryLineFont(const QFont& base) {
    const QScreen* s = screen();
    const int dpi = s ? static_cast<int>(s->logicalDotsPerInch()) : 96;
    const int height = s ? s->geometry().height() : 768;
    const int points = base.pointSize() > 0 ? base.pointSize() : 9;
    const SelectFonts f = selectFonts(points, dpi, height);
    QFont windowFont = base;
    windowFont.setBold(f.windowBold);
    setFont(windowFont);
    QFont buttonFont = base;
    buttonFont.setPointSize(f.buttonPoints);
    buttonFont.setBold(f.buttonBold);
    RadioGroup1->setFont(buttonFont);
    QFont promptFont = base;
    promptFont.setPointSize(std::max(1, f.promptPoints));
    promptFont.setBold(false);
    Label1->setFont(promptFont);
}

void TForm28::prepare(const SelectRequest& request, DialogPosition at) {
    request_ = request;
    chosen_ = -1;
    escaped_ = false;
    result_ = -1;
    move(at.left, at.top);
    for (QRadioButton* b : buttons) {
        group_->removeButton(b);
        delete b;
    }
    buttons.clear();
    const SelectLayout layout = selectLayout(request, kGroupWidth);
    const int columnWidth = layout.groupWidth / std::max(1, layout.columns);
    const int rowHeight = RadioGroup1->fontMetrics().height() + 12;
    const int frame = RadioGroup1->frameWidth();
    for (std::size_t i = 0; i < layout.buttons.size(); ++i) {
        auto* b = new QRadioButton(QString::fromStdString(layout.buttons[i]), RadioGroup1);
        b->setObjectName(QStringLiteral("Choice%1").arg(i + 1));
        const int column = static_cast<int>(i) % layout.columns;
        const int row = static_cast<int>(i) / layout.columns;
        b->setGeometry(frame + 4 + column * columnWidth, frame + 4 + row * rowHeight,
                       columnWidth - 4, rowHeight - 4);
        group_->addButton(b, static_cast<int>(i));
        buttons.push_back(b);
    }
    const int rows = (static_cast<int>(buttons.size()) + layout.columns - 1) / layout.columns;
    RadioGroup1->resize(layout.groupWidth + 2 * frame + 8, rows * rowHeight + 2 * frame + 4);
    Label1->setText(QString::fromStdString(request.prompt));
    RadioGroup1->setAccessibleDescription(Label1->text().simplified());
    Label1->adjustSize();
    const int groupRight = RadioGroup1->x() + RadioGroup1->width();
    const int promptTop = RadioGroup1->y() + RadioGroup1->height() + 10;
    const int width = std::max(groupRight, 5 + Label1->width()) + 10;
    Label1->move(layout.centredPrompt ? (width - Label1->width()) / 2 : 5, promptTop);
    setFixedSize(width, promptTop + Label1->height() + 15);
    if (!buttons.empty()) buttons.front()->setFocus();
}

int TForm28::select(const SelectRequest& request, DialogPosition& position, bool& escaped) {
    prepare(request, position);
    exec();
    position = closedAt_;
    escaped = escaped_;
    return result_;
}

void TForm28::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        escaped_ = true;
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TForm28::done(int r) {
    result_ = selectResult(request_, chosen_, escaped_);
    closedAt_ = {x(), y()};
    QDialog::done(r);
}

std::optional<std::string> QtInputDialogs::enterData(const EntryRequest& request) {
    return entry_.enterData(request, position);
}

int QtInputDialogs::select(const SelectRequest& request) {
    return select_.select(request, position, selectEscaped);
}

}  // namespace textaria::script
