#pragma once

#include "romdata/headerbits.h"
#include "romdata/palettetables.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quorled {

// One group of bit boxes of the "Edit header" dialog: boxes firstBox ..
// firstBox + count - 1 (box i edits bit i + 1) on a row, then a caption.
struct HeaderBoxGroup {
    int row;
    int firstBox;
    int count;
    const char* caption;
};

// The state and rules of the "Edit header" dialog without its widgets: the
// four field values, the working copy of the bits behind the twenty bit
// boxes, the page caption and the colour previews. Nothing reaches the area
// until confirmed() is taken over.
class HeaderForm {
public:
    // The values of the list boxes and the length scroll bar.
    struct Fields {
        int scrolling = 0;    // `List1`: 0 "Vertical", 1 "Horizontal"
        int levelColours = 0; // `List2`: 0..7
        int enemyColours = 0; // `List3`: 0..3
        int music = 0;        // `List4`: 0..3
        int length = 0;       // `HScroll1`: 0..15
    };

    explicit HeaderForm(const HeaderBits& header);

    // Bits edited by a field control, not by a box.
    static bool covered(int k);
    static const std::vector<HeaderBoxGroup>& boxGroups();
    static std::vector<std::string> scrollingEntries();
    static std::vector<std::string> paletteEntries(int count); // "Palette 0" ..
    static std::vector<std::string> musicEntries();
    // "1 page", "2 pages", ..., "16 pages".
    static std::string pageCaption(int length);

    Fields& fields() { return fields_; }
    const Fields& fields() const { return fields_; }
    int dialogBit(int k) const { return dialogBits_.bit(k); }

    // Mouse on box i (0..31): a press shows the pressed colour, a release
    // the bit's colour again, a click (primary button) toggles bit i + 1.
    void pressBox(int box);
    void releaseBox();
    void clickBox(int box);
    // The header boxes' colours: clear bit, set bit, pressed.
    static const std::array<std::uint32_t, 3>& bitBoxColours();
    // The colour box i shows now, from the clear/set/pressed colour table.
    std::uint32_t boxColour(int box, const std::array<std::uint32_t, 3>& colours) const;

    // OK: the box bits and the field values over the area's header.
    HeaderBits confirmed(const HeaderBits& header) const;

    // The 16 screen colours of a level palette (enemy false) or an enemy
    // palette of a world, slot by slot, as the previews show them.
    static std::array<std::uint32_t, 16> previewColours(const PaletteTables& palettes,
                                                        const std::array<std::uint32_t, 64>& screenColours,
                                                        int world, int palette, bool enemy);

private:
    Fields fields_;
    HeaderBits dialogBits_;
    int pressedBox_ = -1;
};

} // namespace quorled
