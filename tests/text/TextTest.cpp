#include "text/ShortFileName.h"
#include "text/Windows1252.h"

#include <gtest/gtest.h>

TEST(ShortFileName, FoldersGiveWayOneAtATimeThenTheRootThenAll)
{
    EXPECT_EQ(
        shortFileNameForms(QStringLiteral("/a/b/c/f.png")),
        (QStringList{QStringLiteral("/a/b/c/f.png"), QStringLiteral("/.../b/c/f.png"), QStringLiteral("/.../c/f.png"),
                     QStringLiteral("/.../f.png"), QStringLiteral(".../f.png"), QStringLiteral("f.png")}));
    EXPECT_EQ(shortFileNameForms(QStringLiteral("data/f.txt")),
              (QStringList{QStringLiteral("data/f.txt"), QStringLiteral(".../f.txt"), QStringLiteral("f.txt")}));
    EXPECT_EQ(shortFileNameForms(QStringLiteral("f.png")), QStringList{QStringLiteral("f.png")});
    // Each character is one unit wide here: the first form that fits wins,
    // and the file name is never cut.
    auto width = [](const QString& t) { return int(t.size()); };
    const QString path = QStringLiteral("/alpha/beta/gamma/f.png");
    EXPECT_EQ(shortFileName(path, width, 23), path);
    EXPECT_EQ(shortFileName(path, width, 22), QStringLiteral("/.../beta/gamma/f.png"));
    EXPECT_EQ(shortFileName(path, width, 16), QStringLiteral("/.../gamma/f.png"));
    EXPECT_EQ(shortFileName(path, width, 9), QStringLiteral(".../f.png"));
    EXPECT_EQ(shortFileName(path, width, 2), QStringLiteral("f.png"));
    EXPECT_EQ(shortFileName(QString(), width, 0), QString());
    // A relative name has no root to drop: its first folder goes like the
    // others, and a drive is kept until the folders are gone.
    EXPECT_EQ(shortFileName(QStringLiteral("data/a/b/f.txt"), width, 11), QStringLiteral(".../b/f.txt"));
    EXPECT_EQ(shortFileName(QStringLiteral("C:/alpha/b/f.GVJ"), width, 14), QStringLiteral("C:/.../b/f.GVJ"));
    EXPECT_EQ(shortFileName(QStringLiteral("C:/alpha/b/f.GVJ"), width, 11), QStringLiteral(".../f.GVJ"));
}

TEST(Windows1252, DiffersFromLatin1OnlyInTheEighties)
{
    EXPECT_EQ(decodeWindows1252("\x80\x81\x9F\xA0\xE9\x7F"),
              QString::fromUtf16(u"\u20AC\u0081\u0178\u00A0\u00E9\u007F"));
    EXPECT_EQ(decodeWindows1252(QByteArrayView("a\0b", 3)), QString::fromUtf16(u"a\0b", 3));
    EXPECT_TRUE(decodeWindows1252(QByteArray()).isEmpty());
}
