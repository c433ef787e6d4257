#include <gtest/gtest.h>

#include "core/card/PlainFileName.h"

namespace tavolo {
namespace {

TEST(PlainFileName, OnlyNamesThatStayInsideThePhotoFolderAreFiles) {
  struct Case {
    QString name;
    bool plain;
  };
  const Case cases[] = {
      {QStringLiteral("me.jpg"), true},
      {QStringLiteral("my..photo.jpg"), true},
      {QStringLiteral("no extension"), true},
      {QStringLiteral("\u540d\u7247.png"), true},
      {QString(), false},
      {QStringLiteral("."), false},
      {QStringLiteral(".."), false},
      {QStringLiteral("../me.jpg"), false},
      {QStringLiteral("/etc/passwd"), false},
      {QStringLiteral("sub/me.jpg"), false},
      {QStringLiteral("sub\\me.jpg"), false},
      {QStringLiteral("me.jpg") + QChar(u'\0') + QStringLiteral(".png"), false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsPlainFileName(c.name), c.plain) << c.name.toStdString();
}

}  // namespace
}  // namespace tavolo
