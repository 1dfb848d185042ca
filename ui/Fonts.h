#pragma once

#include <QFont>

namespace Fonts {

// Makes the Tahoma and Courier New faces available: Tahoma from Debian's
// fonts-wine, Courier New through its metric twin Liberation Mono.
void install();

QFont tahoma(double points, bool bold = false);
QFont courierNew(double points, bool bold = false);

} // namespace Fonts
