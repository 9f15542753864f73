#include "bytetabledialog.h"

#include "okcancelbox.h"

#include "core/session/editorcore.h"
#include "romdata/bytes.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace quorled {

namespace {

QString text(std::string_view view) { return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size())); }

} // namespace

ByteTableDialog::ByteTableDialog(EditorCore& core, ByteTableForm form, QWidget* parent)
    : QDialog(parent), core_(core), form_(std::move(form))
{
    const ByteTable& table = form_.table();
    setObjectName(text(table.form));
    setWindowTitle(text(table.caption));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setColumnMinimumWidth(1, 220);
    int line = 0;
    for (int i = 0; i < form_.rowCount(); ++i) {
        const ByteTableRow& rowData = table.rows[static_cast<std::size_t>(i)];
        if (i == table.note.beforeRow) {
            note_ = new QLabel(text(table.note.text), this);
            note_->setObjectName(QStringLiteral("note"));
            grid->addWidget(note_, line++, 0, 1, 4);
        }
        Row row;
        row.caption = new QLabel(text(rowData.caption), this);
        row.caption->setObjectName(QStringLiteral("t%1").arg(i));
        row.bar = new QScrollBar(Qt::Horizontal, this);
        row.bar->setObjectName(QStringLiteral("hscr%1").arg(i));
        row.bar->setRange(0, 255);
        row.bar->setSingleStep(1);
        row.bar->setPageStep(table.largeStep);
        // Bars take the keyboard: arrows, Page Up/Down, Home and End.
        row.bar->setFocusPolicy(Qt::StrongFocus);
        row.value = new QLabel(QStringLiteral("0"), this);
        row.value->setObjectName(QStringLiteral("v%1").arg(i));
        row.value->setMinimumWidth(32);
        const QString offset = QString::fromStdString(hexAddress(rowData.offset));
        for (QWidget* widget : {static_cast<QWidget*>(row.caption), static_cast<QWidget*>(row.bar),
                                static_cast<QWidget*>(row.value)})
            widget->setToolTip(tr("File offset %1").arg(offset));
        grid->addWidget(row.caption, line, 0);
        grid->addWidget(row.bar, line, 1);
        grid->addWidget(row.value, line, 2);
        if (hasNameLabel(rowData.display)) {
            row.name = new QLabel(QStringLiteral("-"), this);
            row.name->setObjectName(QStringLiteral("name%1").arg(i));
            row.name->setMinimumWidth(rowData.display == ByteDisplay::DecimalLives ? 130 : 180);
            grid->addWidget(row.name, line, 3);
        }
        ++line;
        rows_.push_back(row);
        connect(row.bar, &QScrollBar::valueChanged, this, [this, i](int value) { barChanged(i, value); });
    }

    const OkCancelBox buttons = makeOkCancelBox(this);
    ok_ = buttons.ok;
    cancel_ = buttons.cancel;
    connect(buttons.box, &QDialogButtonBox::accepted, this, &ByteTableDialog::okClick);

    auto* layout = new QVBoxLayout(this);
    if (!table.heading.empty()) {
        auto* heading = new QLabel(text(table.heading), this);
        heading->setObjectName(QStringLiteral("heading"));
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        layout->addWidget(heading);
    }
    layout->addLayout(grid);
    layout->addWidget(buttons.box);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Every label shows the loaded byte, also one of 0 (the bar's start).
    const ByteTableForm loaded = form_;
    for (int i = 0; i < loaded.rowCount(); ++i) {
        rows_[static_cast<std::size_t>(i)].bar->setValue(loaded.value(i));
        barChanged(i, loaded.value(i));
    }
}

void ByteTableDialog::barChanged(int row, int value)
{
    form_.setValue(row, value);
    const Row& widgets = rows_[static_cast<std::size_t>(row)];
    widgets.value->setText(QString::fromStdString(form_.shown(row)));
    if (widgets.name)
        widgets.name->setText(QString::fromStdString(form_.name(row)));
}

void ByteTableDialog::okClick()
{
    // On a refused write the core reports why; the dialog stays open with
    // its values, so nothing typed is lost.
    if (core_.writeImage([this](RomImage& image) { form_.write(image); }, windowTitle().toStdString()))
        accept();
}

} // namespace quorled
