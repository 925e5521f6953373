#pragma once
// The program icon as an SVG document: the facets, colours and edges of the
// painted icon (ui/app_icon.h), so the scalable icon looks like every PNG size.
// Numbers carry a decimal point whatever the locale. Needs side > 0.

#include <QByteArray>

#include "ui/app_icon.h"

namespace velkora {

// The icon drawn on a side x side canvas (width, height and viewBox).
QByteArray appIconSvg(int side = kIconSize);

}  // namespace velkora
