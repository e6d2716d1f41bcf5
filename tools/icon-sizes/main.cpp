// icon-sizes SOURCE.png OUT_DIR NAME SIZE...: the program icon in the hicolor
// theme's sizes, OUT_DIR/<size>x<size>/apps/NAME.png, scaled smoothly.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: icon-sizes SOURCE.png OUT_DIR NAME SIZE...\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QImage source(QString::fromLocal8Bit(argv[1]));
  if (source.isNull()) {
    std::fprintf(stderr, "icon-sizes: cannot read %s\n", argv[1]);
    return 1;
  }
  for (int i = 4; i < argc; ++i) {
    const int size = QString::fromLatin1(argv[i]).toInt();
    if (size <= 0) continue;
    const QString dir = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(size);
    if (!QDir().mkpath(dir)) return 1;
    const QImage scaled = source.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (!scaled.save(dir + QLatin1Char('/') + QString::fromLocal8Bit(argv[3]) + QStringLiteral(".png"))) return 1;
  }
  return 0;
}
