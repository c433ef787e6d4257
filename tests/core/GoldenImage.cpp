#include "tests/core/GoldenImage.h"

#include <QDir>
#include <algorithm>
#include <cstdlib>

namespace tavolo::test {

namespace {

QString GoldenPath(const QString& name) {
  return QStringLiteral(TAVOLO_TEST_DATA "/golden/") + name + QStringLiteral(".png");
}

QString ActualPath(QString name) {
  return QDir::temp().filePath(QStringLiteral("tavolo-") + name.replace('/', '-') +
                               QStringLiteral(".png"));
}

int ChannelDistance(QRgb a, QRgb b) {
  return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                   std::abs(qBlue(a) - qBlue(b))});
}

::testing::AssertionResult MatchesGoldenFile(const QImage& actual, const QString& name,
                                             GoldenTolerance tolerance) {
  const QImage picture = actual.convertToFormat(QImage::Format_RGB32);
  const QString path = GoldenPath(name);
  if (qEnvironmentVariable("TAVOLO_UPDATE_GOLDEN") == QStringLiteral("1")) {
    if (!picture.save(path))
      return ::testing::AssertionFailure() << "cannot write " << path.toStdString();
    return ::testing::AssertionSuccess();
  }
  const QImage golden = QImage(path).convertToFormat(QImage::Format_RGB32);
  if (golden.isNull()) {
    return ::testing::AssertionFailure()
           << "no golden picture " << path.toStdString() << " (TAVOLO_UPDATE_GOLDEN=1 writes it)";
  }
  if (golden.size() != picture.size()) {
    picture.save(ActualPath(name));
    return ::testing::AssertionFailure()
           << name.toStdString() << ": size " << picture.width() << "x" << picture.height()
           << ", golden " << golden.width() << "x" << golden.height();
  }
  qsizetype differing = 0;
  int worst = 0;
  for (int y = 0; y < golden.height(); ++y) {
    const auto* a = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    const auto* g = reinterpret_cast<const QRgb*>(golden.constScanLine(y));
    for (int x = 0; x < golden.width(); ++x) {
      const int distance = ChannelDistance(a[x], g[x]);
      worst = std::max(worst, distance);
      if (distance > tolerance.channel) ++differing;
    }
  }
  const qsizetype allowed = static_cast<qsizetype>(
      tolerance.differingShare * static_cast<double>(golden.width()) * golden.height());
  if (differing > allowed) {
    picture.save(ActualPath(name));
    return ::testing::AssertionFailure()
           << name.toStdString() << ": " << differing << " pixels differ (allowed " << allowed
           << ", largest channel difference " << worst << "); rendered picture saved as "
           << ActualPath(name).toStdString();
  }
  return ::testing::AssertionSuccess();
}

}  // namespace

::testing::AssertionResult MatchesGolden(const QImage& actual, const QString& name,
                                         GoldenTolerance tolerance) {
  return MatchesGoldenFile(actual, QStringLiteral("ui/") + name, tolerance);
}

::testing::AssertionResult MatchesCardGolden(const QImage& actual, const QString& name) {
  return MatchesGoldenFile(actual, name, kCard);
}

}  // namespace tavolo::test
