#pragma once

#include <QKeySequence>

class QKeyEvent;

namespace tochkograf {

// Shortcuts are written with Latin letters, and Qt matches one only where
// some keyboard layout in use has that letter. With a layout that has no
// Latin letters at all (Russian alone, say) Ctrl+Я comes where Ctrl+Z is
// meant. Returns the same modifiers with the Latin letter on the same key of
// a standard keyboard; empty where the key types a Latin letter or none, or
// the platform's key codes are not the X keyboard's.
QKeySequence LatinShortcutFor(const QKeyEvent& event);

}  // namespace tochkograf
