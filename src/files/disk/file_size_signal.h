#pragma once

namespace tochkograf {

// A write past the file-size limit (ulimit -f) then fails with an error that
// the save's own failure path reports, instead of ending the program with
// SIGXFSZ and losing the picture. Called first thing at start-up.
void IgnoreFileSizeSignal();

}  // namespace tochkograf
