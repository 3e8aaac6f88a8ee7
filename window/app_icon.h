// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

#include "window/artwork.h"

namespace vexlor {

// The game's icon: the chip of the logo, cut from its sharpest master.
QIcon GameIcon(const Artwork& artwork);

}  // namespace vexlor
