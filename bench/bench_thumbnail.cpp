// Start-up of `tochkograf --thumbnail` on a 128 x 96 picture against the
// floor of any Qt program that writes a PNG (minimal_png), both with no
// display: wall time from start to exit and peak memory, over alternating
// runs so that both see the same state of the machine.

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

#include "bench/stats.h"
#include "fakes/pictures.h"
#include "files/formats/ems_format.h"

extern char** environ;

using namespace tochkograf;

namespace {

constexpr int kRuns = 30;

// The environment of a file manager's thumbnailer with no session at all.
std::vector<char*> EnvironmentWithoutDisplay() {
  std::vector<char*> environment;
  for (char** variable = environ; *variable; ++variable) {
    const bool display = std::strncmp(*variable, "DISPLAY=", 8) == 0 ||
                         std::strncmp(*variable, "WAYLAND_DISPLAY=", 16) == 0 ||
                         std::strncmp(*variable, "QT_QPA_PLATFORM=", 16) == 0;
    if (!display) environment.push_back(*variable);
  }
  environment.push_back(nullptr);
  return environment;
}

struct Run {
  double ms;
  double peak_kb;
};

Run RunOnce(std::vector<QByteArray> arguments) {
  static std::vector<char*> environment = EnvironmentWithoutDisplay();
  std::vector<char*> argv;
  for (QByteArray& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  timespec start{}, end{};
  clock_gettime(CLOCK_MONOTONIC, &start);
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environment.data()) != 0) {
    std::perror(argv[0]);
    std::exit(1);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  clock_gettime(CLOCK_MONOTONIC, &end);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s failed\n", argv[0]);
    std::exit(1);
  }
  return {(end.tv_sec - start.tv_sec) * 1e3 + (end.tv_nsec - start.tv_nsec) / 1e6,
          static_cast<double>(usage.ru_maxrss)};
}

void PrintFigure(const char* what, const bench::Figure& time, const bench::Figure& peak) {
  std::printf("  %-38s %7.2f ms (min %.2f, max %.2f)  peak %6.0f kB (min %.0f, max %.0f)\n", what,
              time.median, time.min, time.max, peak.median, peak.min, peak.max);
}

}  // namespace

int main(int argc, char* argv[]) {
  const QByteArray program = argc > 1 ? QByteArray(argv[1]) : QByteArray(TOCHKOGRAF_PROGRAM);
  QTemporaryDir folder;
  const QByteArray picture = folder.filePath(QStringLiteral("picture.ems")).toLocal8Bit();
  const QByteArray thumbnail = folder.filePath(QStringLiteral("thumbnail.png")).toLocal8Bit();
  const QByteArray floor_out = folder.filePath(QStringLiteral("minimal.png")).toLocal8Bit();
  QFile file(QString::fromLocal8Bit(picture));
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(EncodeEms(RandomPicture(kMaxWidth, kMaxHeight, 14))) < 0)
    return 1;
  file.close();

  const std::vector<QByteArray> ours = {program, "--thumbnail", picture, thumbnail, "128"};
  const std::vector<QByteArray> floor = {MINIMAL_PNG, floor_out};
  for (int i = 0; i < 3; ++i) RunOnce(ours), RunOnce(floor);  // warm the file cache
  std::vector<double> our_ms, our_kb, floor_ms, floor_kb;
  for (int i = 0; i < kRuns; ++i) {
    const Run a = RunOnce(ours), b = RunOnce(floor);
    our_ms.push_back(a.ms), our_kb.push_back(a.peak_kb);
    floor_ms.push_back(b.ms), floor_kb.push_back(b.peak_kb);
  }
  const bench::Figure ot = bench::Summarise(our_ms), ok = bench::Summarise(our_kb);
  const bench::Figure ft = bench::Summarise(floor_ms), fk = bench::Summarise(floor_kb);
  std::printf("== Thumbnail start-up, no display (%d alternating runs)\n", kRuns);
  PrintFigure("minimal QtGui program saving a PNG", ft, fk);
  PrintFigure("--thumbnail, 128 x 96 picture at 128", ot, ok);
  bench::PrintRatio("thumbnail / minimal, time", ot, ft, "target at most 1.5");
  bench::PrintRatio("thumbnail / minimal, peak memory", ok, fk, "target at most 1.25");
  std::printf("\n");
  return 0;
}
