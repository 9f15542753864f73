#include "chngpaldialog.h"

#include "okcancelbox.h"

#include "core/session/editorcore.h"
#include "core/forms/headerform.h"
#include "core/forms/tablereach.h"
#include "romdata/romimage.h"
#include "view/graphics.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace quorled {

namespace {

constexpr int kCell = PaletteEditor::kCell;

QListWidget* makeList(int count, const QString& name, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    for (const std::string& entry : HeaderForm::paletteEntries(count))
        list->addItem(QString::fromStdString(entry));
    list->setFixedSize(110, 4 * list->sizeHintForRow(0) + 2 * list->frameWidth() + 2);
    return list;
}

int selectedRow(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

// Mouse buttons in the 1 left, 2 right, 4 middle form of the rules.
int buttonState(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

QColor screenColour(const EditorCore& core, int colour)
{
    return QColor::fromRgb(core.screenColours()[static_cast<std::size_t>(colour & 63)]);
}

} // namespace

std::optional<QString> ChngPalDialog::refusal(const EditorCore& core)
{
    if (auto message = tableOutsideImage(core.document().image(), kPaletteTableEnd, "the palette table"))
        return QString::fromStdString(*message);
    return std::nullopt;
}

ChngPalDialog::ChngPalDialog(EditorCore& core, QWidget* parent)
    : QDialog(parent), core_(core),
      editor_(core.palettes(), worldOfCurrentArea(core.currentArea(), core.directory().worldFirstArea),
              core.area().header.levelPalette(), core.area().header.enemyPalette())
{
    setObjectName(QStringLiteral("ChngPal"));
    setWindowTitle(tr("Edit level colors"));

    makePicture(2, 16 * kCell, 4 * kCell);
    makePicture(0, 4 * kCell, 4 * kCell);
    makePicture(1, 4 * kCell, 3 * kCell);

    hscroll1_ = new QScrollBar(Qt::Horizontal, this);
    hscroll1_->setObjectName(QStringLiteral("HScroll1"));
    hscroll1_->setRange(0, PaletteEditor::kLastWorld);
    hscroll1_->setSingleStep(1);
    hscroll1_->setPageStep(1);
    hscroll1_->setFixedWidth(140);
    // The world bar moves by keyboard too (arrow keys, Home, End).
    hscroll1_->setFocusPolicy(Qt::StrongFocus);
    hscroll1_->installEventFilter(this);
    t0_ = new QLabel(this);
    t0_->setObjectName(QStringLiteral("t0"));
    t0_->setMinimumWidth(16);
    list2_ = makeList(8, QStringLiteral("List2"), this);
    list3_ = makeList(4, QStringLiteral("List3"), this);

    note_ = new QLabel(QString::fromStdString(PaletteEditor::sharedBytesNote()), this);
    note_->setObjectName(QStringLiteral("sharedNote"));
    note_->setWordWrap(true);
    // A fixed width, so the wrapped note gets the height it needs.
    note_->setFixedWidth(16 * kCell + 130);
    note_->setMinimumHeight(note_->heightForWidth(note_->width()));

    const OkCancelBox buttons = makeOkCancelBox(this);
    ok_ = buttons.ok;
    cancel_ = buttons.cancel;
    connect(buttons.box, &QDialogButtonBox::accepted, this, &ChngPalDialog::okClick);

    auto* world = new QHBoxLayout;
    world->addWidget(new QLabel(tr("World :"), this));
    world->addWidget(t0_);
    world->addWidget(hscroll1_);
    world->addStretch(1);

    auto* previews = new QGridLayout;
    previews->setHorizontalSpacing(10);
    previews->addWidget(new QLabel(tr("Level colors :"), this), 0, 0, 1, 2);
    previews->addWidget(list2_, 1, 0, Qt::AlignTop);
    previews->addWidget(pals_[0], 1, 1, Qt::AlignTop);
    previews->addWidget(new QLabel(tr("Enemy colors : (not shown in editor)"), this), 0, 2, 1, 2);
    previews->addWidget(list3_, 1, 2, Qt::AlignTop);
    previews->addWidget(pals_[1], 1, 3, Qt::AlignTop);
    previews->setColumnStretch(4, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("NES palette"), this));
    layout->addWidget(pals_[2], 0, Qt::AlignLeft);
    layout->addLayout(world);
    layout->addLayout(previews);
    layout->addWidget(note_);
    layout->addWidget(buttons.box);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Form_Load: the master palette with colour 0 outlined, the world, then
    // the area's two palettes.
    scs();
    hscroll1_->setValue(editor_.world());
    hscroll1Change();
    connect(hscroll1_, &QScrollBar::valueChanged, this, &ChngPalDialog::hscroll1Change);
    list2_->setCurrentRow(editor_.levelPalette());
    list3_->setCurrentRow(editor_.enemyPalette());
    connect(list2_, &QListWidget::itemSelectionChanged, this, &ChngPalDialog::list2Click);
    connect(list3_, &QListWidget::itemSelectionChanged, this, &ChngPalDialog::list3Click);
    list2Click();
    list3Click();
}

QLabel* ChngPalDialog::makePicture(int index, int width, int height)
{
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("pals%1").arg(index));
    picture->setFixedSize(width, height);
    picture->setFrameShape(QFrame::NoFrame);
    picture->setMouseTracking(false);
    picture->installEventFilter(this);
    pals_[static_cast<std::size_t>(index)] = picture;
    return picture;
}

void ChngPalDialog::scs()
{
    QLabel* master = pals_[2];
    QPixmap pixmap(master->size());
    QPainter painter(&pixmap);
    for (int n = 0; n < 64; ++n)
        painter.fillRect(kCell * (n % 16), kCell * (n / 16), kCell, kCell, screenColour(core_, n));
    for (const OutlineBox& box : editor_.pickedOutline()) {
        painter.setPen(QColor::fromRgb(box.colour));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box.x1, box.y1, box.x2 - box.x1, box.y2 - box.y1);
    }
    painter.end();
    master->setPixmap(pixmap);
    master->setToolTip(tr("Colour %1 picked").arg(editor_.pickedColour(), 2, 16, QLatin1Char('0')).toUpper());
}

void ChngPalDialog::hscroll1Change()
{
    editor_.setWorld(hscroll1_->value());
    t0_->setText(QString::fromStdString(editor_.worldCaption()));
    drawPreview(0);
    drawPreview(1);
}

void ChngPalDialog::list2Click()
{
    if (const int row = selectedRow(list2_); row >= 0)
        editor_.setLevelPalette(row);
    drawPreview(0);
}

void ChngPalDialog::list3Click()
{
    if (const int row = selectedRow(list3_); row >= 0)
        editor_.setEnemyPalette(row);
    drawPreview(1);
}

void ChngPalDialog::drawPreview(int index)
{
    QLabel* picture = pals_[static_cast<std::size_t>(index)];
    QPixmap pixmap(picture->size());
    QPainter painter(&pixmap);
    const std::array<int, 16> level = editor_.levelColours();
    const std::array<int, 12> enemy = editor_.enemyColours();
    const int slotCount = index == 0 ? 16 : 12;
    for (int slot = 0; slot < slotCount; ++slot) {
        const int colour = index == 0 ? level[static_cast<std::size_t>(slot)] : enemy[static_cast<std::size_t>(slot)];
        painter.fillRect(kCell * (slot % 4), kCell * (slot / 4), kCell, kCell, screenColour(core_, colour));
    }
    painter.end();
    picture->setPixmap(pixmap);
}

bool ChngPalDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == hscroll1_ && event->type() == QEvent::KeyPress) {
        // The scroll bar itself takes no keys: arrows, Home and End move it.
        const int key = static_cast<QKeyEvent*>(event)->key();
        const auto action = key == Qt::Key_Left || key == Qt::Key_Down   ? QAbstractSlider::SliderSingleStepSub
                            : key == Qt::Key_Right || key == Qt::Key_Up  ? QAbstractSlider::SliderSingleStepAdd
                            : key == Qt::Key_Home                        ? QAbstractSlider::SliderToMinimum
                            : key == Qt::Key_End                         ? QAbstractSlider::SliderToMaximum
                                                                         : QAbstractSlider::SliderNoAction;
        if (action == QAbstractSlider::SliderNoAction)
            return QDialog::eventFilter(watched, event);
        hscroll1_->triggerAction(action);
        return true;
    }
    const auto found = std::find(pals_.begin(), pals_.end(), watched);
    const bool press = event->type() == QEvent::MouseButtonPress;
    if (found == pals_.end() || (!press && event->type() != QEvent::MouseMove))
        return QDialog::eventFilter(watched, event);
    const auto index = static_cast<int>(found - pals_.begin());
    const auto picture = static_cast<PaletteEditor::Picture>(index);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPointF at = mouse->position();
    const bool changed = press ? editor_.press(picture, at.x(), at.y())
                               : editor_.drag(picture, buttonState(mouse->buttons()), at.x(), at.y());
    if (changed) {
        if (picture == PaletteEditor::Picture::Master)
            scs();
        else
            drawPreview(index);
    }
    return true;
}

void ChngPalDialog::okClick()
{
    const PaletteTables tables = editor_.tables();
    if (!core_.writeImage([&tables](RomImage& image) { writePaletteTable(tables, image); }, "Edit level colors"))
        return; // the core reported why; the edits stay in the dialog
    // The view takes what the file now holds, then the area is renormalised
    // and redrawn as Refresh does.
    core_.reloadTables(false);
    core_.refreshArea();
    accept();
}

void ChngPalDialog::reject()
{
    // Cancel, Escape or closing the window: the tables as the file holds them.
    core_.reloadTables(false);
    QDialog::reject();
}

} // namespace quorled
