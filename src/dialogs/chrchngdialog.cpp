#include "chrchngdialog.h"

#include "okcancelbox.h"

#include "core/session/editorcore.h"
#include "core/forms/tabletexts.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace quorled {

namespace {

constexpr int kPreviewSize = 40;
constexpr int kPreviewZoom = 2;

QString text(std::string_view view) { return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size())); }

// A 0x00BBGGRR colour as Qt's.
QColor screenColour(std::uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

} // namespace

ChrChngDialog::ChrChngDialog(EditorCore& core, CharacterForm form, const QImage& sprites, QWidget* parent)
    : QDialog(parent), core_(core), form_(std::move(form)), sprites_(sprites)
{
    setObjectName(QStringLiteral("ChrChng"));
    setWindowTitle(tr("Edit character properties"));

    auto* characters = new QHBoxLayout;
    for (int i = 0; i < characters::kCount; ++i) {
        auto* button = new QPushButton(text(characters::buttons()[static_cast<std::size_t>(i)].caption), this);
        button->setObjectName(QStringLiteral("Ch%1").arg(i));
        connect(button, &QPushButton::clicked, this, [this, i] { chooseCharacter(i); });
        buttons_[static_cast<std::size_t>(i)] = button;
        characters->addWidget(button);
    }
    preview_ = new QLabel(this);
    preview_->setObjectName(QStringLiteral("pickup"));
    preview_->setFixedSize(kPreviewSize * kPreviewZoom, kPreviewSize * kPreviewZoom);
    preview_->setToolTip(tr("Pick-up animation"));
    characters->addStretch(1);
    characters->addWidget(preview_);

    const OkCancelBox buttons = makeOkCancelBox(this);
    ok_ = buttons.ok;
    connect(buttons.box, &QDialogButtonBox::accepted, this, &ChrChngDialog::okClick);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(characters);
    layout->addWidget(buildControls());
    layout->addWidget(buttons.box);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The preview is timed against the clock; the timer only looks at it.
    clock_.start();
    animation_ = PickupPreview(clock_.elapsed());
    timer_ = new QTimer(this);
    timer_->setInterval(5);
    connect(timer_, &QTimer::timeout, this, &ChrChngDialog::timerTick);
    timer_->start();

    chooseCharacter(0);
}

QWidget* ChrChngDialog::barCell(int j)
{
    auto* cell = new QWidget(this);
    auto* row = new QHBoxLayout(cell);
    row->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QScrollBar(Qt::Horizontal, cell);
    bar->setObjectName(QStringLiteral("hscr%1").arg(j));
    bar->setRange(0, 255);
    bar->setSingleStep(1);
    bar->setPageStep(16);
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setMinimumWidth(140);
    auto* value = new QLabel(QStringLiteral("0"), cell);
    value->setObjectName(QStringLiteral("v%1").arg(j));
    value->setMinimumWidth(32);
    row->addWidget(bar, 1);
    row->addWidget(value);
    bars_[static_cast<std::size_t>(j)] = bar;
    values_[static_cast<std::size_t>(j)] = value;
    connect(bar, &QScrollBar::valueChanged, this, [this, j](int v) { barChanged(j, v); });
    return cell;
}

QWidget* ChrChngDialog::buildControls()
{
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    int line = 0;
    auto caption = [&](const QString& t, int r, int c) { grid->addWidget(new QLabel(t, panel), r, c); };

    caption(tr("Pick-up time :"), line, 0);
    auto* boxes = new QHBoxLayout;
    for (int i = 0; i < characters::kPickupBoxes; ++i) {
        auto* box = new QLineEdit(panel);
        box->setObjectName(QStringLiteral("pk%1").arg(i));
        box->setMaximumWidth(48);
        connect(box, &QLineEdit::textEdited, this, [this, i] { pickupEdited(i); });
        connect(box, &QLineEdit::editingFinished, this, [this, i] { pickupFinished(i); });
        pickups_[static_cast<std::size_t>(i)] = box;
        boxes->addWidget(box);
    }
    boxes->addStretch(1);
    grid->addLayout(boxes, line++, 1, 1, 2);

    caption(tr("No object"), line, 1);
    caption(tr("With object"), line++, 2);
    const std::pair<QString, int> pairs[] = {
        {tr("Jump speed, still :"), 1},     {tr("Jump speed, sup.jump :"), 3},  {tr("Jump speed, running :"), 5},
        {tr("Running speed (right) :"), 7}, {tr("Running speed (left) :"), 9},
    };
    for (const auto& [rowCaption, first] : pairs) {
        caption(rowCaption, line, 0);
        grid->addWidget(barCell(first), line, 1);
        grid->addWidget(barCell(first + 1), line++, 2);
    }
    caption(tr("Floating time :"), line, 0);
    grid->addWidget(barCell(0), line++, 1);
    caption(tr("Without A button"), line, 1);
    caption(tr("With A button"), line++, 2);
    caption(tr("Gravity :"), line, 0);
    grid->addWidget(barCell(11), line, 1);
    grid->addWidget(barCell(12), line++, 2);

    auto* sand = new QGroupBox(tr("In quicksand"), panel);
    auto* sandGrid = new QGridLayout(sand);
    const std::pair<QString, int> sandRows[] = {
        {tr("Jump speed :"), 13}, {tr("Running speed (right) :"), 14}, {tr("Running speed (left) :"), 15}};
    for (int r = 0; r < 3; ++r) {
        sandGrid->addWidget(new QLabel(sandRows[r].first, sand), r, 0);
        sandGrid->addWidget(barCell(sandRows[r].second), r, 1);
    }
    grid->addWidget(sand, line++, 0, 1, 3);
    return panel;
}

void ChrChngDialog::chooseCharacter(int button)
{
    for (int i = 0; i < characters::kCount; ++i) {
        const std::uint32_t colour = i == button ? characters::kSelectedColour : characters::kOtherColour;
        buttons_[static_cast<std::size_t>(i)]->setStyleSheet(
            QStringLiteral("background-color: %1; color: black;").arg(screenColour(colour).name()));
    }
    form_.select(button);
    showCharacter();
}

void ChrChngDialog::showCharacter()
{
    filling_ = true;
    for (int i = 0; i < characters::kPickupBoxes; ++i)
        pickups_[static_cast<std::size_t>(i)]->setText(QString::number(form_.property(i)));
    for (int j = 0; j < characters::kBars; ++j) {
        bars_[static_cast<std::size_t>(j)]->setValue(form_.bar(j));
        values_[static_cast<std::size_t>(j)]->setText(QString::fromStdString(barText(j, form_.bar(j))));
    }
    filling_ = false;
    drawPreview();
}

void ChrChngDialog::barChanged(int j, int value)
{
    values_[static_cast<std::size_t>(j)]->setText(QString::fromStdString(barText(j, value)));
    if (!filling_)
        form_.setBar(j, value);
}

void ChrChngDialog::pickupEdited(int i)
{
    QLineEdit* box = pickups_[static_cast<std::size_t>(i)];
    const PickupEntry entry = pickupEntry(box->text().toStdString());
    form_.setProperty(i, entry.value);
    // Out of range is corrected at once; other text when the box is left.
    if (entry.outOfRange)
        box->setText(QString::fromStdString(entry.text));
}

void ChrChngDialog::pickupFinished(int i)
{
    QLineEdit* box = pickups_[static_cast<std::size_t>(i)];
    const PickupEntry entry = pickupEntry(box->text().toStdString());
    if (box->text() != QString::fromStdString(entry.text))
        box->setText(QString::fromStdString(entry.text));
}

std::array<int, 6> ChrChngDialog::pickupTimes() const
{
    std::array<int, 6> times{};
    for (int i = 0; i < 6; ++i)
        times[static_cast<std::size_t>(i)] = form_.property(i);
    return times;
}

void ChrChngDialog::timerTick()
{
    if (animation_.tick(clock_.elapsed(), pickupTimes()))
        drawPreview();
}

void ChrChngDialog::drawPreview()
{
    QPixmap picture(kPreviewSize, kPreviewSize);
    const bool hasSprites = sprites_.width() >= 192 && sprites_.height() >= 160;
    picture.fill(hasSprites ? sprites_.pixelColor(1, 1) : QColor(Qt::black));
    if (hasSprites) {
        QPainter painter(&picture);
        painter.drawImage(QPoint(12, 0), sprites_,
                          QRect(animation_.sourceX(), PickupPreview::sourceY(form_.selected()),
                                PickupPreview::kFrameWidth, PickupPreview::kFrameHeight));
    }
    preview_->setPixmap(picture.scaled(picture.size() * kPreviewZoom));
}

void ChrChngDialog::okClick()
{
    // A box being typed in counts as left.
    for (int i = 0; i < characters::kPickupBoxes; ++i)
        pickupFinished(i);
    if (core_.writeImage([this](RomImage& image) { form_.write(image); }, "Edit character properties"))
        accept();
}

} // namespace quorled
