// The start-up benchmark's baseline: a bare Qt window, empty and of the size given (WIDTHxHEIGHT,
// the main window's own), started and shown as the programs start and show theirs.
#include <QApplication>
#include <QWidget>
#include <cstdio>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  int width = 0;
  int height = 0;
  if (argc != 2 || std::sscanf(argv[1], "%dx%d", &width, &height) != 2 || width <= 0 ||
      height <= 0) {
    std::fprintf(stderr, "usage: %s WIDTHxHEIGHT\n", argv[0]);
    return 2;
  }
  QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
  window.setFixedSize(width, height);
  window.show();
  return QApplication::exec();
}
