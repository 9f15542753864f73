#include "core/forms/characterform.h"

#include "core/forms/bytetableform.h"
#include "romdata/romimage.h"

namespace quorled {

CharacterForm::CharacterForm(const RomImage& image, ImageKind kind) : kind_(kind)
{
    ByteTableForm::checkFits(image, characters::lastOffset(kind), "\"Edit character properties\"");
    for (int c = 0; c < characters::kCount; ++c)
        for (int n = 0; n < characters::kProperties; ++n)
            values_[index(c)][index(n)] = image.read(characters::propertyFileOffset(kind, c, n));
}

void CharacterForm::write(RomImage& image) const
{
    for (int c = 0; c < characters::kCount; ++c)
        for (int n = 0; n < characters::kProperties; ++n)
            image.write(characters::propertyFileOffset(kind_, c, n), values_[index(c)][index(n)]);
}

} // namespace quorled
