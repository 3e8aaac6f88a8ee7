// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Pictures that several others are made from, drawn once per render scale
// however many threads ask for them.

#include <QImage>
#include <functional>
#include <future>
#include <map>
#include <mutex>
#include <utility>

namespace vexlor::art {

class Memo {
 public:
  // What `draw` makes under `key` at the calling thread's render scale. The
  // first caller draws it while later ones wait; an exception reaches them all.
  QImage Get(int key, const std::function<QImage()>& draw);

 private:
  std::mutex mutex_;
  std::map<std::pair<int, int>, std::shared_future<QImage>> made_;
};

}  // namespace vexlor::art
