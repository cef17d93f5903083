#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "codepagefiles.h"

using platform::CodePageFiles;

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

}  // namespace

TEST(CodePageFiles, SplitsAtCrOrCrLfButKeepsALoneLf)
{
    EXPECT_EQ(CodePageFiles::splitLines("A\r\nB\rC\nD\r\n"), (QStringList{"A", "B", "C\nD"}));
    EXPECT_EQ(CodePageFiles::splitLines("\r\n\r\nX"), (QStringList{"", "", "X"}));
    EXPECT_EQ(CodePageFiles::splitLines(""), QStringList{});
}

TEST(CodePageFiles, AppendsInGbkWithQuestionMarksForWhatGbkCannotHold)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("r.txt");
    CodePageFiles gbk("GBK");
    ASSERT_TRUE(gbk.append(path, QString::fromUtf8("中A\r\n")));
    ASSERT_TRUE(gbk.append(path, QString::fromUtf8("😀é")));
    // 中 is D6 D0 in GBK; the emoji has no GBK code; é has one (A8 A6).
    EXPECT_EQ(bytesOf(path), QByteArray("\xD6\xD0" "A\r\n?\xA8\xA6"));
    EXPECT_EQ(gbk.readLines(path), (QStringList{QString::fromUtf8("中A"), QString::fromUtf8("?é")}));
}

TEST(CodePageFiles, AFailedWriteLeavesTheFileAsItWas)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("r.txt");
    CodePageFiles utf8("UTF-8");
    ASSERT_TRUE(utf8.append(path, "first\r\n"));
    utf8.failNextWrite();
    EXPECT_FALSE(utf8.append(path, "a long second report that stops half way\r\n"));
    EXPECT_EQ(bytesOf(path), QByteArray("first\r\n"));

    const QString fresh = dir.filePath("new.txt");
    utf8.failNextWrite();
    EXPECT_FALSE(utf8.append(fresh, "report\r\n"));
    EXPECT_FALSE(QFile::exists(fresh));
}

TEST(CodePageFiles, AMissingFileCannotBeRead)
{
    CodePageFiles gbk("GBK");
    EXPECT_FALSE(gbk.readLines("/nonexistent/dir/file.txt").has_value());
}
