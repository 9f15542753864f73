#include "chlworlddialog.h"

#include "okcancelbox.h"

#include "core/session/editorcore.h"
#include "core/forms/tablereach.h"
#include "romdata/romimage.h"
#include "romdata/romlayout.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorled {

namespace {

// Squares are 240 twips apart: 16 pixels, drawn 13 pixels wide.
constexpr int kSquareSize = 13;
constexpr int kSquarePitch = 16;

long tableOffset(const EditorCore& core) { return romLayout(core.imageKind()).levelsPerWorld; }

} // namespace

std::optional<QString> ChLWorldDialog::refusal(const EditorCore& core)
{
    const long first = tableOffset(core);
    if (auto message = tableOutsideImage(core.document().image(), first + 7, "the levels-per-world table"))
        return QString::fromStdString(*message);
    return std::nullopt;
}

ChLWorldDialog::ChLWorldDialog(EditorCore& core, QWidget* parent)
    : QDialog(parent), core_(core), bounds_(core.directory().worldFirstArea)
{
    setObjectName(QStringLiteral("ChLWorld"));
    setWindowTitle(tr("Change number of levels in worlds"));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(kSquarePitch - kSquareSize);
    // Grid rows: 0 "Start :", 1..7 the worlds, 8 "End :". Columns: 0
    // caption, 1 "<", 2..22 the slots, 23 ">".
    auto addRow = [&](int row, const QString& caption, int firstSquare, int left, int right) {
        auto* label = new QLabel(caption, this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(label, row, 0);
        grid->addWidget(makeArrow(left), row, 1);
        for (int slot = 0; slot < WorldBounds::kSlots; ++slot)
            grid->addWidget(makeSquare(firstSquare + slot), row, 2 + slot, Qt::AlignCenter);
        grid->addWidget(makeArrow(right), row, 3 + WorldBounds::kSlots);
    };
    addRow(0, tr("Start :"), WorldBounds::kFirstStartSquare, 14, 15);
    for (int w = 1; w <= WorldBounds::kWorlds; ++w)
        addRow(w, tr("World %1").arg(w), WorldBounds::kSlots * (w - 1), w - 1, w + 6);
    addRow(8, tr("End :"), WorldBounds::kFirstEndSquare, 16, 17);
    for (int column = 2; column < 2 + WorldBounds::kSlots; ++column)
        grid->setColumnMinimumWidth(column, kSquarePitch);
    grid->setColumnMinimumWidth(0, 60);

    const OkCancelBox buttons = makeOkCancelBox(this);
    ok_ = buttons.ok;
    cancel_ = buttons.cancel;
    connect(buttons.box, &QDialogButtonBox::accepted, this, &ChLWorldDialog::okClick);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons.box);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    raf();
}

QPushButton* ChLWorldDialog::makeArrow(int index)
{
    const bool left = index <= 6 || index == 14 || index == 16;
    auto* button = new QPushButton(left ? QStringLiteral("<") : QStringLiteral(">"), this);
    button->setObjectName(QStringLiteral("L%1").arg(index));
    button->setFixedSize(20, 18);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, index] {
        if (bounds_.press(index))
            raf();
    });
    l_[static_cast<std::size_t>(index)] = button;
    return button;
}

QLabel* ChLWorldDialog::makeSquare(int index)
{
    auto* square = new QLabel(this);
    square->setObjectName(QStringLiteral("Sh%1").arg(index));
    square->setFixedSize(kSquareSize, kSquareSize);
    square->setAutoFillBackground(true);
    const int slot = WorldBounds::squareSlot(index);
    // Areas are named in hexadecimal, as everywhere else in the editor.
    const auto area = [](int number) { return QStringLiteral("%1").arg(number, 2, 16, QLatin1Char('0')).toUpper(); };
    square->setToolTip(tr("Level slot %1: areas %2..%3").arg(slot).arg(area(10 * slot), area(10 * slot + 9)));
    sh_[static_cast<std::size_t>(index)] = square;
    return square;
}

void ChLWorldDialog::raf()
{
    for (int i = 0; i < WorldBounds::kSquares; ++i) {
        QLabel* square = sh_[static_cast<std::size_t>(i)];
        QPalette palette = square->palette();
        palette.setColor(QPalette::Window, QColor::fromRgb(bounds_.squareColour(i)));
        square->setPalette(palette);
    }
}

void ChLWorldDialog::okClick()
{
    const long first = tableOffset(core_);
    const std::array<std::uint8_t, 8> bytes = bounds_.tableBytes();
    const bool written = core_.writeImage([first, &bytes](RomImage& image) {
        for (std::size_t i = 0; i < bytes.size(); ++i)
            image.write(first + static_cast<long>(i), bytes[i]);
    }, "Change number of levels in worlds");
    if (!written)
        return; // the core reported why; the dialog stays open
    // Names, worlds and colours follow the new table at once.
    core_.reloadTables(true);
    accept();
}

} // namespace quorled
