// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/art/memo.h"

#include <exception>

#include "assets/art/art.h"

namespace vexlor::art {

QImage Memo::Get(int key, const std::function<QImage()>& draw) {
  std::promise<QImage> promise;
  std::shared_future<QImage> made;
  bool mine = false;
  {
    const std::lock_guard lock(mutex_);
    auto [entry, added] = made_.try_emplace({key, RenderScale::Current()});
    if (added) {
      entry->second = promise.get_future().share();
      mine = true;
    }
    made = entry->second;
  }
  if (mine) {
    try {
      promise.set_value(draw());
    } catch (...) {
      promise.set_exception(std::current_exception());
    }
  }
  return made.get();
}

}  // namespace vexlor::art
