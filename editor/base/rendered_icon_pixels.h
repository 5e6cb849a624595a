#pragma once

#include <cstdint>
#include <span>

namespace kanalo {

// One size of an icon, rendered from its SVG at build time: side x side premultiplied ARGB
// pixels, row by row.
struct RenderedIconImage {
    int side;
    const std::uint32_t* pixels;
};

// An icon of editor/resources by its file name without ".svg", with its resource path and its
// rendered sizes from small to large.
struct RenderedIconSet {
    const char* name;
    const char* resource;
    std::span<const RenderedIconImage> images;
};

// Generated at build time by render_icons.
std::span<const RenderedIconSet> renderedIconSets();

} // namespace kanalo
