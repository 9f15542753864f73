#include "aboutdialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorled {

namespace {

QLabel* wrappedLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

void addGroup(QVBoxLayout* layout, const QString& heading, const QStringList& lines, QWidget* parent)
{
    auto* title = new QLabel(heading, parent);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);
    for (const QString& line : lines) {
        auto* label = wrappedLabel(line, parent);
        label->setContentsMargins(12, 0, 0, 0);
        layout->addWidget(label);
    }
}

} // namespace

AboutDialog::AboutDialog(const QString& versionText, const KeyHelp& help, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("about"));
    setWindowTitle(tr("About Quorl editor"));

    auto* title = new QLabel(tr("Quorl level editor \u2014 %1").arg(versionText), this);
    title->setObjectName(QStringLiteral("aboutTitle"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    title->setFont(titleFont);

    auto* description = wrappedLabel(
        tr("Views and edits the areas of a Quorl cartridge image: the objects that build the scenery, "
           "the enemies placed in them and the area header, with undo, a clipboard, the area map, the "
           "type and property docks, and saves them back. It moves an area's data when it outgrows its "
           "room, dumps and inserts level data, shows the free space, exports patches, starts a play-test, "
           "and edits the game's own tables: palettes, levels per world, character, enemy and power-up "
           "properties, lives and the title card time."),
        this);
    auto* thanks = wrappedLabel(tr("Thanks to everyone who charted the game's level format."), this);
    auto* readme = wrappedLabel(tr("Read the README.md file for more information about the editor."), this);

    auto* keys = new QGroupBox(tr("Keys"), this);
    keys->setObjectName(QStringLiteral("Frame1"));
    auto* keyLayout = new QVBoxLayout(keys);
    keyLayout->setSpacing(3);
    addGroup(keyLayout, tr("(Vertical levels only)"), help.verticalOnly, keys);
    keyLayout->addSpacing(4);
    addGroup(keyLayout, tr("(Horizontal levels only)"), help.horizontalOnly, keys);
    keyLayout->addSpacing(4);
    for (const QString& line : help.common)
        keyLayout->addWidget(wrappedLabel(line, keys));

    auto* shortcuts = new QGroupBox(tr("Menu shortcuts"), this);
    shortcuts->setObjectName(QStringLiteral("shortcuts"));
    // Two columns, so that the box stays within a small screen.
    auto* shortcutGrid = new QGridLayout(shortcuts);
    shortcutGrid->setVerticalSpacing(2);
    shortcutGrid->setHorizontalSpacing(16);
    const qsizetype half = (help.shortcuts.size() + 1) / 2;
    for (qsizetype i = 0; i < help.shortcuts.size(); ++i)
        shortcutGrid->addWidget(wrappedLabel(help.shortcuts[i], shortcuts), static_cast<int>(i % half),
                                static_cast<int>(i / half));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("Command1"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(description);
    layout->addWidget(keys);
    layout->addWidget(shortcuts);
    layout->addWidget(thanks);
    layout->addWidget(readme);
    layout->addWidget(buttons);
    // Wrapped labels take the height their width needs, no more.
    keys->setMinimumWidth(640);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace quorled
