// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <vector>

#include "assets/art/art.h"

namespace vexlor::art {

// The layers drawn on a transparent side x side picture, the field scaled to fit.
QImage RenderIcon(const std::vector<IconLayer>& layers, int side);

// The same layers as an SVG document on the field: one path per layer, filled
// with its colour or gradient, no pixels anywhere.
QByteArray IconSvg(const std::vector<IconLayer>& layers);

}  // namespace vexlor::art
