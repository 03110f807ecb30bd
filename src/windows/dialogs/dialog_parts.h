#pragma once

#include <QLatin1String>
#include <Qt>

namespace tochkograf {

// The program's dialogs keep the size they lay themselves out at and show
// only a title and a close button: no help, no maximise.
inline constexpr Qt::WindowFlags kFixedDialogFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint |
                                                     Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                     Qt::WindowCloseButtonHint;

// A control with the object name the tests and the end-to-end run find it by.
template <typename Control>
Control* Named(Control* control, const char* name) {
  control->setObjectName(QLatin1String(name));
  return control;
}

}  // namespace tochkograf
