#pragma once

#include <QGroupBox>

#include <array>
#include <cstdint>

class QLabel;

namespace quorled {

class BitBox;
struct HeaderBitsDisplay;

// The frame `Hdr` ("Header"): the 32 header bit boxes grouped by field with
// the field captions, and the `Bits` text. A left click on a box asks for
// its bit to be flipped; the panel shows whatever it is given next.
class HeaderPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit HeaderPanel(QWidget* parent = nullptr);

    void showBits(const HeaderBitsDisplay& display);
    void setPressedColour(std::uint32_t rgb) { pressedColour_ = rgb; }

    BitBox* box(int index) const { return boxes_[static_cast<std::size_t>(index)]; }
    QLabel* bitsLabel() const { return bits_; }

signals:
    void bitClicked(int index);

private:
    void boxPressed(int index);
    void boxReleased(int index, bool clicked);
    void repaintBoxes();

    std::array<BitBox*, 32> boxes_{};
    std::array<std::uint32_t, 32> colours_{};
    std::uint32_t pressedColour_ = 0xC09060;
    QLabel* bits_;
};

} // namespace quorled
