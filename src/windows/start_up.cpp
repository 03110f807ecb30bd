#include "windows/start_up.h"

#include <QApplication>

#include "files/system_name.h"
#include "windows/artwork.h"

namespace tochkograf {

StartUp::StartUp(std::optional<QString> file, Form1Seams seams, int splash_tick_milliseconds)
    : file_(std::move(file)), seams_(seams) {
  splash_ = std::make_unique<Form3>(nullptr, splash_tick_milliseconds);
  connect(splash_.get(), &Form3::Hidden, this, &StartUp::ShowMainWindow,
          Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
  splash_->show();
}

StartUp::~StartUp() = default;

void StartUp::ShowMainWindow() {
  // Every window of the program shows the icon from here on. The borderless
  // splash shows none, so it is given after the splash: reading the icon
  // would only keep the splash from coming up sooner.
  QApplication::setWindowIcon(AppIcon());
  seams_.splash = splash_.get();
  form_ = std::make_unique<Form1>(seams_);
  connect(form_.get(), &Form1::Unloaded, this, &StartUp::Unloaded);
  form_->show();
  // Shown first, so that a message about the file comes up over the window.
  if (file_) form_->OpenFile(AbsoluteName(*file_));
}

}  // namespace tochkograf
