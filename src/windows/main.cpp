#include <QApplication>
#include <cstdio>
#include <optional>

#include "cli/command_line.h"
#include "cli/run_without_window.h"
#include "files/disk/file_size_signal.h"
#include "files/disk/recovery_store.h"
#include "files/disk/system_name.h"
#include "windows/adapters/russian_translation.h"
#include "windows/main/session_end.h"
#include "windows/main/start_up.h"

namespace {

void Print(std::FILE* stream, const QString& text) {
  // A file name's bytes that are not UTF-8 show as U+FFFD.
  const QByteArray bytes = tochkograf::ReadableName(text).toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

// The splash, then the editor's window with `file` opened in it.
// Qt is given the program's name alone: it would take arguments of its own
// (-style, -reverse, -platform...) from among the user's, which are the
// program's, such as a file named "-reverse".
int RunEditor(char* program, const std::optional<QString>& file) {
  int qt_argc = 1;
  char* qt_argv[] = {program, nullptr};
  QApplication app(qt_argc, qt_argv);
  QApplication::setApplicationName(QStringLiteral("tochkograf"));
  tochkograf::InstallRussianTranslation(app);
  // The desktop entry of the same name ties the running program to its menu
  // item.
  QGuiApplication::setDesktopFileName(QStringLiteral("tochkograf"));
  tochkograf::StartUp start(file, {}, tochkograf::Form3::kTickMilliseconds,
                            tochkograf::RecoveryFolder());
  QObject::connect(&start, &tochkograf::StartUp::Unloaded, &app, &QApplication::quit,
                   Qt::QueuedConnection);
  // A session that ends asks nothing: the unsaved work stays in the
  // recovery file for the next start.
  tochkograf::SessionEnd session_end;
  QObject::connect(&session_end, &tochkograf::SessionEnd::Ending, &app, [&start](int signal) {
    start.KeepUnsavedWork();
    QCoreApplication::exit(128 + signal);
  });
  return app.exec();
}

}  // namespace

int main(int argc, char* argv[]) {
  tochkograf::IgnoreFileSizeSignal();
  // The arguments are read before any application object exists: the
  // commands that need no window (file managers start the thumbnailer once
  // per file) never load a window system, a style or a font.
  const tochkograf::CommandLine command =
      tochkograf::ParseCommandLine(tochkograf::ArgumentsOf(argc, argv));
  static char fallback_name[] = "tochkograf";  // for a start with no arguments at all
  if (command.action == tochkograf::Action::Edit)
    return RunEditor(argc > 0 ? argv[0] : fallback_name, command.file);
  // Each message sent is told of as it goes.
  const tochkograf::Outcome outcome =
      tochkograf::RunWithoutWindow(command, [](const QString& line) {
        Print(stdout, line);
        std::fflush(stdout);
      });
  Print(stdout, outcome.out);
  Print(stderr, outcome.err);
  return outcome.exit_code;
}
