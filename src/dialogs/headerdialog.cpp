#include "headerdialog.h"

#include "okcancelbox.h"

#include "core/session/editorcore.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace quorled {

namespace {

// Boxes are 195 twips square and 240 twips apart: 13 and 16 pixels.
constexpr int kBoxSize = 13;
constexpr int kBoxPitch = 16;
constexpr int kPreviewCell = 16;

QListWidget* makeList(const std::vector<std::string>& entries, const QString& name, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    for (const std::string& entry : entries)
        list->addItem(QString::fromStdString(entry));
    const int rows = std::min(static_cast<int>(entries.size()), 4);
    list->setFixedSize(120, rows * list->sizeHintForRow(0) + 2 * list->frameWidth() + 2);
    return list;
}

void selectRow(QListWidget* list, int row)
{
    list->setCurrentRow(row);
    if (QListWidgetItem* item = list->item(row))
        list->scrollToItem(item);
}

int selectedRow(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

} // namespace

HeaderDialog::HeaderDialog(EditorCore& core, QWidget* parent)
    : QDialog(parent), core_(core), form_(core.area().header)
{
    setObjectName(QStringLiteral("Header"));
    setWindowTitle(tr("Edit header"));

    const OkCancelBox buttons = makeOkCancelBox(this);
    ok_ = buttons.ok;
    cancel_ = buttons.cancel;
    connect(buttons.box, &QDialogButtonBox::accepted, this, &HeaderDialog::okClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildFields());
    layout->addWidget(buildBoxes());
    layout->addWidget(buttons.box);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Form_Load: the lists and the boxes from the header, then the page
    // caption and both previews.
    const HeaderForm::Fields fields = form_.fields();
    selectRow(lists_[0], fields.scrolling);
    selectRow(lists_[1], fields.levelColours);
    selectRow(lists_[2], fields.enemyColours);
    selectRow(lists_[3], fields.music);
    refl();
    hscroll1_->setValue(fields.length);
    hscroll1Change();
    drawPreview(0);
    drawPreview(1);
}

QWidget* HeaderDialog::buildFields()
{
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(10);

    lists_[0] = makeList(HeaderForm::scrollingEntries(), QStringLiteral("List1"), box);
    lists_[1] = makeList(HeaderForm::paletteEntries(8), QStringLiteral("List2"), box);
    lists_[2] = makeList(HeaderForm::paletteEntries(4), QStringLiteral("List3"), box);
    lists_[3] = makeList(HeaderForm::musicEntries(), QStringLiteral("List4"), box);
    for (int n = 1; n <= 4; ++n)
        connect(lists_[static_cast<std::size_t>(n - 1)], &QListWidget::itemSelectionChanged, this,
                [this, n] { listClick(n); });

    for (int i = 0; i < 2; ++i) {
        auto* picture = new QLabel(box);
        picture->setObjectName(QStringLiteral("pals%1").arg(i));
        picture->setFixedSize(4 * kPreviewCell, (i == 0 ? 4 : 3) * kPreviewCell);
        picture->setFrameShape(QFrame::NoFrame);
        pals_[static_cast<std::size_t>(i)] = picture;
    }

    hscroll1_ = new QScrollBar(Qt::Horizontal, box);
    hscroll1_->setObjectName(QStringLiteral("HScroll1"));
    hscroll1_->setRange(0, 15);
    hscroll1_->setPageStep(4);
    hscroll1_->setSingleStep(1);
    hscroll1_->setFixedWidth(160);
    connect(hscroll1_, &QScrollBar::valueChanged, this, &HeaderDialog::hscroll1Change);
    t0_ = new QLabel(tr("0 page"), box);
    t0_->setObjectName(QStringLiteral("t0"));
    t0_->setMinimumWidth(70);
    auto* length = new QHBoxLayout;
    length->addWidget(hscroll1_);
    length->addWidget(t0_);
    length->addStretch(1);

    auto caption = [box](const QString& text) {
        auto* label = new QLabel(text, box);
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        return label;
    };
    grid->addWidget(caption(tr("Scrolling :")), 0, 0);
    grid->addWidget(lists_[0], 0, 1, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(caption(tr("Level colors :")), 1, 0);
    grid->addWidget(lists_[1], 1, 1, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(pals_[0], 1, 2, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(caption(tr("Enemy colors :")), 2, 0);
    grid->addWidget(lists_[2], 2, 1, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(pals_[1], 2, 2, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(caption(tr("Level length :")), 3, 0);
    grid->addLayout(length, 3, 1, 1, 2);
    grid->addWidget(caption(tr("Music :")), 4, 0);
    grid->addWidget(lists_[3], 4, 1, Qt::AlignLeft | Qt::AlignTop);
    grid->setColumnStretch(3, 1);
    return box;
}

QWidget* HeaderDialog::buildBoxes()
{
    auto* frame = new QGroupBox(tr("Other :"), this);
    auto* rows = new QVBoxLayout(frame);
    rows->setSpacing(6);
    QHBoxLayout* row = nullptr;
    int rowNumber = -1;
    for (const HeaderBoxGroup& group : HeaderForm::boxGroups()) {
        if (group.row != rowNumber) {
            if (row)
                row->addStretch(1);
            row = new QHBoxLayout;
            row->setSpacing(0);
            rows->addLayout(row);
            rowNumber = group.row;
        } else {
            row->addSpacing(18);
        }
        for (int i = group.firstBox; i < group.firstBox + group.count; ++i) {
            auto* bit = new QLabel(frame);
            bit->setObjectName(QStringLiteral("check1_%1").arg(i));
            bit->setFixedSize(kBoxSize, kBoxSize);
            bit->setAutoFillBackground(true);
            bit->setFrameShape(QFrame::Box);
            bit->setToolTip(tr("Bit %1").arg(i + 1));
            bit->installEventFilter(this);
            check1_[static_cast<std::size_t>(i)] = bit;
            row->addWidget(bit);
            row->addSpacing(kBoxPitch - kBoxSize);
        }
        row->addSpacing(4);
        row->addWidget(new QLabel(QString::fromUtf8(group.caption), frame));
    }
    if (row)
        row->addStretch(1);
    return frame;
}

void HeaderDialog::refl()
{
    for (int box = 0; box < 32; ++box) {
        QLabel* bit = check1_[static_cast<std::size_t>(box)];
        if (!bit)
            continue;
        QPalette palette = bit->palette();
        palette.setColor(QPalette::Window, QColor::fromRgb(form_.boxColour(box, HeaderForm::bitBoxColours())));
        bit->setPalette(palette);
    }
}

bool HeaderDialog::eventFilter(QObject* watched, QEvent* event)
{
    const auto found = std::find(check1_.begin(), check1_.end(), watched);
    if (found == check1_.end() || *found == nullptr)
        return QDialog::eventFilter(watched, event);
    const int box = static_cast<int>(found - check1_.begin());
    if (event->type() == QEvent::MouseButtonPress) {
        form_.pressBox(box);
        refl();
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        form_.releaseBox();
        // A click is a release of the primary button over the box.
        if (mouse->button() == Qt::LeftButton && (*found)->rect().contains(mouse->position().toPoint()))
            form_.clickBox(box);
        refl();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void HeaderDialog::hscroll1Change()
{
    form_.fields().length = hscroll1_->value();
    t0_->setText(QString::fromStdString(HeaderForm::pageCaption(hscroll1_->value())));
}

void HeaderDialog::listClick(int number)
{
    const int row = selectedRow(lists_[static_cast<std::size_t>(number - 1)]);
    if (row < 0)
        return; // no selection: the value stays
    HeaderForm::Fields& fields = form_.fields();
    switch (number) {
    case 1: fields.scrolling = row; break;
    case 2: fields.levelColours = row; drawPreview(0); break;
    case 3: fields.enemyColours = row; drawPreview(1); break;
    case 4: fields.music = row; break;
    default: break;
    }
}

void HeaderDialog::drawPreview(int index)
{
    const bool enemy = index == 1;
    const int palette = enemy ? form_.fields().enemyColours : form_.fields().levelColours;
    const std::array<std::uint32_t, 16> colours = core_.palettePreview(palette, enemy);
    QLabel* picture = pals_[static_cast<std::size_t>(index)];
    QPixmap pixmap(picture->size());
    QPainter painter(&pixmap);
    for (int a = 0; a < 4; ++a)
        for (int b = 0; b < 4; ++b)
            painter.fillRect(kPreviewCell * b, kPreviewCell * a, kPreviewCell, kPreviewCell,
                             QColor::fromRgb(colours[static_cast<std::size_t>(4 * a + b)]));
    painter.end();
    picture->setPixmap(pixmap);
}

void HeaderDialog::okClick()
{
    // A list without a selection gives 0.
    HeaderForm::Fields& fields = form_.fields();
    fields.scrolling = std::max(selectedRow(lists_[0]), 0);
    fields.levelColours = std::max(selectedRow(lists_[1]), 0);
    fields.enemyColours = std::max(selectedRow(lists_[2]), 0);
    fields.music = std::max(selectedRow(lists_[3]), 0);
    fields.length = hscroll1_->value();
    core_.applyHeader(form_.confirmed(core_.area().header));
    accept();
}

} // namespace quorled
