#pragma once

#include "graphics.h"
#include "picture.h"
#include "renderer.h"

#include "romdata/areamodel.h"
#include "romdata/palettetables.h"

#include <array>
#include <memory>

namespace quorled {

// Which list a type belongs to: the objects of an object set or the enemies.
enum class TypeKind { Object, Enemy };

// Small pictures of single object and enemy types for the type galleries,
// drawn by a renderer of their own from the same pictures and palettes as
// the level view, so a type looks as it does in the area.
class TypePictures {
public:
    // Cells of a picture: 3 x 3, 48 x 48 pixels.
    static constexpr int kCells = 3;
    static constexpr int kSize = kCells * Renderer::kCell;

    // Throws ImageError when a picture is missing, as the editor core does.
    explicit TypePictures(const GraphicsSources& sources);

    // Takes the colours, object set and enemy palette of `area`. True when
    // the pictures drawn from now on look different from the last ones.
    bool follow(const AreaModel& area, const std::array<int, 9>& worldFirstArea, const PaletteTables& palettes);

    // Type 0..255 drawn on the area's background colour with its own cell at
    // the top-left (at the right or bottom for types extending left or up);
    // whatever reaches past three cells is cut off.
    Picture picture(TypeKind kind, int type);

private:
    GraphicsModel graphics_;
    PaletteTables palettes_;
    std::unique_ptr<Renderer> renderer_;
    AreaModel base_;
    std::array<int, 9> worldFirstArea_{};
    bool followed_ = false;
};

} // namespace quorled
