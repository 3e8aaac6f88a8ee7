// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The colours of the machine, shared by every picture so the parts drawn
// separately (cabinet, dimmed panels, buttons, symbols) belong together.

#include <QColor>

namespace vexlor::art::palette {

// Cabinet body: deep midnight indigo, lighter toward the middle.
inline const QColor kBodyDark{0x0d, 0x0a, 0x24};
inline const QColor kBody{0x1d, 0x16, 0x4a};
inline const QColor kBodyLight{0x33, 0x28, 0x78};

// Polished chrome, from highlight to shadow.
inline const QColor kChromeHigh{0xf6, 0xf8, 0xfc};
inline const QColor kChromeMid{0xb4, 0xbc, 0xcc};
inline const QColor kChromeLow{0x5a, 0x62, 0x74};

// Gold trim and lettering.
inline const QColor kGoldHigh{0xff, 0xf1, 0xb0};
inline const QColor kGold{0xe6, 0xaf, 0x2e};
inline const QColor kGoldDeep{0x8a, 0x5a, 0x10};

// Neon accents.
inline const QColor kMagenta{0xff, 0x3f, 0xa4};
inline const QColor kCyan{0x38, 0xe8, 0xff};

// Reel cells: warm ivory.
inline const QColor kIvory{0xfb, 0xf8, 0xef};
inline const QColor kIvoryShade{0xe4, 0xdc, 0xc8};

// Payline colours (lamps and guide lines): middle red, top blue, bottom green.
inline const QColor kLineRed{0xff, 0x30, 0x30};
inline const QColor kLineBlue{0x35, 0x6b, 0xff};
inline const QColor kLineGreen{0x2c, 0xd8, 0x4a};

}  // namespace vexlor::art::palette
