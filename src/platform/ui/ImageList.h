#pragma once

#include "platform/base/Geometry.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"

#include <optional>
#include <vector>

namespace platform {

class Painter;

// Small images of one size, added from strips laid side by side, drawn by index. An image
// added with a mask colour is drawn without the pixels of that colour.
class ImageList {
public:
    explicit ImageList(Size imageSize) : m_size(imageSize) {}

    Size imageSize() const { return m_size; }
    int count() const { return int(m_images.size()); }
    // Cuts a strip into as many images as fit across it; returns the index of the first, or
    // -1 when the strip holds none (narrower than one image or of another height).
    int add(const Bitmap& strip, std::optional<Color> maskColor = std::nullopt);
    bool remove(int index);
    void clear() { m_images.clear(); }
    // False for an index that does not exist (nothing is drawn).
    bool draw(Painter& painter, int index, Point at) const;

private:
    struct Image {
        Bitmap bitmap;
        std::optional<Color> mask;
    };
    Size m_size;
    std::vector<Image> m_images;
};

} // namespace platform
