#pragma once

#include <QSize>

namespace tochkograf {

// The sizes of the pictures Nokia phones take.
constexpr QSize kNokiaLogo{72, 14};       // operator logo, caller group graphic
constexpr QSize kNokiaLargeLogo{78, 21};  // the operator logo of later phones
constexpr QSize kNokiaPicture{72, 28};    // picture message
constexpr QSize kNokiaStartupLogo{84, 48};

}  // namespace tochkograf
