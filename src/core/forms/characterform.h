#pragma once

#include "romdata/charactertable.h"
#include "romdata/imagekind.h"

#include <array>

namespace quorled {

class RomImage;

// The state of the character dialog: the 22 edited values of each of the
// four characters in button order, and the selected character. Edits stay
// here until written; switching characters keeps them.
class CharacterForm {
public:
    // Reads the table at the kind's record base. Throws ImageError, and
    // reads nothing, when the table lies past the end of the image.
    CharacterForm(const RomImage& image, ImageKind kind);

    int selected() const { return selected_; } // button 0..3
    void select(int button) { selected_ = button; }

    int property(int button, int n) const { return values_[index(button)][index(n)]; }
    int property(int n) const { return property(selected_, n); }
    void setProperty(int n, int value) { values_[index(selected_)][index(n)] = value & 0xFF; }
    int bar(int j) const { return property(characters::barProperty(j)); }
    void setBar(int j, int value) { setProperty(characters::barProperty(j), value); }

    // Writes the 88 edited bytes back where they were read; byte 16 of
    // each record is left alone.
    void write(RomImage& image) const;

private:
    static std::size_t index(int i) { return static_cast<std::size_t>(i); }

    ImageKind kind_;
    int selected_ = 0;
    std::array<std::array<int, characters::kProperties>, characters::kCount> values_{};
};

} // namespace quorled
