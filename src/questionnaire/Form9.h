#pragma once

#include <QPixmap>

// The picture store: pictures that windows borrow but do not own.
namespace Form9 {
QPixmap Picture2();  // the help picture, 771 x 475
QPixmap Picture3();  // the alternate picture of the splash and Info window
}  // namespace Form9
