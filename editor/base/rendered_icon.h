#pragma once

#include <QIcon>

namespace kanalo {

// The icon ":/icons/<name>.svg" (or ":/cursors/<name>.svg"), drawn from pixels rendered from
// the SVG at build time: parsing and rasterising every toolbar and menu icon cost the start-up
// more than anything else of ours. Nothing is drawn before the icon is first shown. Sizes
// between the rendered ones are scaled down from the next larger one; larger sizes (beyond
// 200 % scaling) come from the SVG, through Qt's SVG icon engine.
QIcon resourceIcon(const char* name);

} // namespace kanalo
