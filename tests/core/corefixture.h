#pragma once

#include "core/session/editorcore.h"
#include "support/testimage.h"

#include <filesystem>
#include <string>

namespace quorled::testing {

// Small pictures for the editor: scenery sheets whose every pixel is palette
// slot 1, blank labels and enemy sheets, an empty mask, and a master palette
// whose colour number n shows as 0x300000 + n.
const GraphicsSources& syntheticCarriedPictures();

// The screen colour of console colour number n in those pictures.
constexpr std::uint32_t carriedColour(int n) { return 0x300000u + static_cast<std::uint32_t>(n); }

// A temporary folder with an image file and a settings file in it, removed
// at the end of the test.
class CoreFolder {
public:
    CoreFolder();
    ~CoreFolder();
    std::string path(const std::string& name) const { return (folder_ / name).string(); }
    std::string settingsPath() const { return path("Quorled.ini"); }
    void writeFile(const std::string& name, const std::string& text) const;
    void writeImage(const std::string& name, const std::vector<std::uint8_t>& bytes) const;
    std::string readFile(const std::string& name) const;

private:
    std::filesystem::path folder_;
};

// The test image with area 10 given objects, enemies and a palette table:
// area 10 is horizontal with the objects (type 0x31 at column 5 row 2, and
// a special object) and the enemies of the documented stream 03 3C 45 01 05
// 10 2A 11 3B FF; level palette p of world 0 has slot 0 = 0x01 + p and
// slot 1 = 0x11 + p.
test::TestImage editorTestImage();

} // namespace quorled::testing
