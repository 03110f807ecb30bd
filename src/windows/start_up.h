#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

#include "windows/form1.h"
#include "windows/form3.h"

namespace tochkograf {

// The editor's start, all within the application's one event loop: the
// splash first, alone on the screen; once it has gone, the main window, and
// then the file named on the command line opened in it. The splash stays,
// hidden, to be shown again as the about box.
class StartUp : public QObject {
  Q_OBJECT

 public:
  // `seams` go to the main window; `splash_tick_milliseconds` paces the
  // splash's timer, which tests slow down.
  explicit StartUp(std::optional<QString> file, Form1Seams seams = {},
                   int splash_tick_milliseconds = Form3::kTickMilliseconds);
  ~StartUp() override;

  Form3* Splash() const { return splash_.get(); }
  // Null while the splash is up.
  Form1* MainWindow() const { return form_.get(); }

 signals:
  // The main window has agreed to close: the program ends.
  void Unloaded();

 private:
  void ShowMainWindow();

  std::optional<QString> file_;
  Form1Seams seams_;
  std::unique_ptr<Form3> splash_;
  std::unique_ptr<Form1> form_;  // made after the splash, and gone before it
};

}  // namespace tochkograf
