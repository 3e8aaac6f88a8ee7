// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/art/art.h"

namespace vexlor::art {
namespace {

thread_local int current = 1;

}  // namespace

RenderScale::RenderScale(int scale) : previous_(current) {
  current = scale;
}

RenderScale::~RenderScale() {
  current = previous_;
}

int RenderScale::Current() {
  return current;
}

}  // namespace vexlor::art
