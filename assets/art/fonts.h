// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>
#include <stdexcept>

namespace vexlor::art {

// The pictures must come out the same on every machine, so a font family that
// is not installed stops the drawing instead of letting Qt substitute another.
class MissingFont : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A font of `family`; throws MissingFont, naming the family, when Qt would
// draw with another one.
QFont InstalledFont(const QString& family);

}  // namespace vexlor::art
