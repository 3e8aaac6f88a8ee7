// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace vexlor {

// The pictures built into the game. The picture generator writes each under
// its name, and the program's resources hold it as ":/art/NAME", with its
// masters NAME@2x and NAME@4x beside it.
enum class Art {
  Background,
  MotionBlur,
  Symbols,
  BonusMeter,
  Hold,
  BetOne,
  BetMax,
  Spin,
  DimmedTitle,
  DimmedNamePlate,
  DimmedCoinSpot,
  DigitsSmallRed,
  DigitsSmallGreen,
  DigitsLargeRed,
  DigitsLargeGreen,
  LampsRed,
  LampsBlue,
  LampsGreen,
  LampsMask,
  Logo,
  LogoMask,
  LeverBackdrop,
  LeverArm,
  LeverHub,
  Chip1000,
  Chip100,
  Chip10,
  Chip1,
  BonusBackground,
  BonusTokens,
  BonusMask,
  PayoffChart,
};

inline constexpr std::array<std::string_view, 32> kArtNames = {
    "background.jpg",
    "motionblur.jpg",
    "symbols.jpg",
    "bonusmeter.jpg",
    "hold.jpg",
    "betone.jpg",
    "betmax.jpg",
    "spin.jpg",
    "dimmed.jpg",
    "dimmed2.jpg",
    "coinspot_dimmed.jpg",
    "digits_small.bmp",
    "green_small.bmp",
    "digits_large.bmp",
    "green_large.bmp",
    "lamps_red.bmp",
    "lamps_blue.bmp",
    "lamps_green.bmp",
    "lamps_mask.bmp",
    "logo.bmp",
    "logo_mask.bmp",
    "lever_backdrop.jpg",
    "lever_arm.png",
    "lever_hub.png",
    "chip_1000.png",
    "chip_100.png",
    "chip_10.png",
    "chip_1.png",
    "bonus_background.jpg",
    "bonus_tokens.bmp",
    "bonus_mask.bmp",
    "paychart.jpg",
};

constexpr std::string_view ArtName(Art art) {
  return kArtNames[static_cast<std::size_t>(art)];
}

}  // namespace vexlor
