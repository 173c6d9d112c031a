#include "common/TestEnv.h"
#include "model/ComponentStream.h"
#include "model/DataInfo.h"
#include "model/Font.h"
#include "model/JobInfo.h"
#include "model/Template.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TTEMPLATE sampleTemplate()
{
    TTEMPLATE t;
    t.PAPERMUWIDTH = 210000;
    t.PAPERMUHEIGHT = 297000;
    t.NUMACROSS = 3;
    t.NUMDOWN = 8;
    t.MULEFT = 7000;
    t.MUTOP = 13000;
    t.MULABELWIDTH = 63500;
    t.MULABELHEIGHT = 33900;
    t.MUHGAP = 2500;
    t.MUVGAP = 0;
    return t;
}

QByteArray streamOf(const Persistent& object)
{
    QByteArray out;
    WriteObjectStream(out, object);
    return out;
}

// Reads `bytes` into `object`; returns the error message, empty on success.
QString readError(const QByteArray& bytes, Persistent& object, QString* kind = nullptr)
{
    try {
        qsizetype pos = 0;
        ReadObjectStream(bytes, pos, object);
    } catch (const EFilerError& e) {
        if (kind)
            *kind = e.kindName();
        return e.message();
    }
    return QString();
}

QByteArray property(const char* path, const QByteArray& value)
{
    QByteArray out;
    out.append(char(std::strlen(path)));
    out.append(path);
    out.append(value);
    return out;
}

QByteArray objectWith(const char* cls, const QByteArray& records)
{
    QByteArray out("TPF0");
    out.append(char(std::strlen(cls)));
    out.append(cls);
    out.append('\0');
    out.append(records);
    out.append('\0');
    out.append('\0');
    return out;
}

} // namespace

TEST(ComponentStream, TemplateWritesTheKnownBytesAndReadsBack)
{
    const QByteArray expected = FromHex(
        "54 50 46 30 09 54 54 45 4D 50 4C 41 54 45 00 0C 50 41 50 45 52 4D 55 57 49 44 54 48 04 50 34 03 00 "
        "0D 50 41 50 45 52 4D 55 48 45 49 47 48 54 04 28 88 04 00 09 4E 55 4D 41 43 52 4F 53 53 02 03 07 4E "
        "55 4D 44 4F 57 4E 02 08 06 4D 55 4C 45 46 54 03 58 1B 05 4D 55 54 4F 50 03 C8 32 0C 4D 55 4C 41 42 "
        "45 4C 57 49 44 54 48 04 0C F8 00 00 0D 4D 55 4C 41 42 45 4C 48 45 49 47 48 54 04 6C 84 00 00 06 4D "
        "55 48 47 41 50 03 C4 09 06 4D 55 56 47 41 50 02 00 09 4C 41 4E 44 53 43 41 50 45 08 00 00");
    ASSERT_EQ(expected.size(), 162);
    TTEMPLATE t = sampleTemplate();
    t.ALTERED = true; // never written
    EXPECT_EQ(streamOf(t).toHex(' '), expected.toHex(' '));

    TTEMPLATE back;
    back.FULLFILENAME = QStringLiteral("kept");
    EXPECT_EQ(readError(expected, back), QString());
    EXPECT_EQ(back.MULABELWIDTH, 63500);
    EXPECT_EQ(back.MUHGAP, 2500);
    EXPECT_EQ(back.NUMDOWN, 8);
    EXPECT_FALSE(back.LANDSCAPE());
    EXPECT_EQ(back.FULLFILENAME, QStringLiteral("kept")); // absent: keeps its value
    back.FULLFILENAME.clear();
    EXPECT_EQ(streamOf(back), expected);
}

TEST(ComponentStream, DataSourceWritesOnlyWhatDiffersFromDefaults)
{
    TDATAINFO d;
    d.STARTLABNUM = 1;
    d.RepeatLabelNum = 1;
    EXPECT_EQ(streamOf(d), FromHex("54 50 46 30 09 54 44 41 54 41 49 4E 46 4F 00 00 00"));
    d.STARTLABNUM = 0;
    EXPECT_EQ(streamOf(d), FromHex("54 50 46 30 09 54 44 41 54 41 49 4E 46 4F 00")
                               + property("STARTLABNUM", FromHex("02 00")) + FromHex("00 00"));
}

TEST(ComponentStream, ExtendedFloatsAreBuiltBitByBit)
{
    EXPECT_EQ(doubleToExtended(100.0), FromHex("00 00 00 00 00 00 00 C8 05 40"));
    EXPECT_EQ(doubleToExtended(0.0), QByteArray(10, '\0'));
    EXPECT_EQ(doubleToExtended(-1.0), FromHex("00 00 00 00 00 00 00 80 FF BF"));
    for (double v : {100.0, 12.5, -0.1, 1e-300, 4.9e-324, 1.7976931348623157e308, 33.333333333333336})
        EXPECT_EQ(extendedToDouble(doubleToExtended(v).constData()), v) << v;
    EXPECT_TRUE(std::isinf(extendedToDouble(FromHex("00 00 00 00 00 00 00 80 FF 7F").constData())));
    // Larger than any double, smaller than any double: infinity and zero.
    EXPECT_TRUE(std::isinf(extendedToDouble(FromHex("00 00 00 00 00 00 00 80 00 70").constData())));
    EXPECT_EQ(extendedToDouble(FromHex("00 00 00 00 00 00 00 80 00 10").constData()), 0.0);

    TJOBINFO info;
    info.PicPCWidth = 100.0;
    info.PicPCLeft = 0.0;
    const QByteArray bytes = streamOf(info);
    EXPECT_TRUE(bytes.contains(property("PicPCWidth", FromHex("05 00 00 00 00 00 00 00 C8 05 40"))));
    EXPECT_FALSE(bytes.contains("\x09PicPCLeft"));
}

TEST(ComponentStream, FontRecordsUseIdentifiersAndSets)
{
    TJOBINFO info;
    info.FONT = defaultLabelFont();
    const QByteArray bytes = streamOf(info);
    const QByteArray fontRecords = property("FONT.Charset", QByteArray("\x07\x0F"
                                                                       "DEFAULT_CHARSET",
                                                                       17))
                                   + property("FONT.Color", QByteArray("\x07\x07"
                                                                       "clBlack",
                                                                       9))
                                   + property("FONT.Height", FromHex("02 F0"))
                                   + property("FONT.Name", QByteArray("\x06\x0B"
                                                                      "COURIER NEW",
                                                                      13))
                                   + property("FONT.Style", QByteArray("\x0B\x06"
                                                                       "fsBold\x00",
                                                                       9));
    EXPECT_TRUE(bytes.contains(fontRecords));
    EXPECT_FALSE(bytes.contains("FONT.Pitch"));
    EXPECT_FALSE(bytes.contains("FONT.Size"));

    info.FONT.Style = 0;
    info.FONT.Color = 0x123456; // no identifier: an integer
    const QByteArray plain = streamOf(info);
    EXPECT_TRUE(plain.contains(property("FONT.Style", FromHex("0B 00"))));
    EXPECT_TRUE(plain.contains(property("FONT.Color", FromHex("04 56 34 12 00"))));
}

TEST(ComponentStream, TextPicksTheNarrowestFaithfulCode)
{
    TDATAINFO d;
    d.STARTLABNUM = d.RepeatLabelNum = 1;
    d.FULLFILENAME = QStringLiteral("/data/Caf\u00e9.txt");
    EXPECT_TRUE(streamOf(d).contains(
        property("FULLFILENAME", QByteArray("\x14\x0F\x00\x00\x00", 5) + d.FULLFILENAME.toUtf8())));
    d.FULLFILENAME = QStringLiteral("\u00e9\u00e8\u00ea");
    EXPECT_TRUE(streamOf(d).contains(property("FULLFILENAME", FromHex("12 03 00 00 00 E9 00 E8 00 EA 00"))));
    d.FULLFILENAME = QString(300, QLatin1Char('a'));
    EXPECT_TRUE(streamOf(d).contains(property("FULLFILENAME", FromHex("0C 2C 01 00 00") + QByteArray(300, 'a'))));

    for (const QString& name : {QStringLiteral("/data/Caf\u00e9.txt"), QStringLiteral("\u00e9\u00e8\u00ea"),
                                QString(300, QLatin1Char('a')), QStringLiteral("\u6f22\u5b57.txt")}) {
        d.FULLFILENAME = name;
        TDATAINFO back;
        EXPECT_EQ(readError(streamOf(d), back), QString());
        EXPECT_EQ(back.FULLFILENAME, name);
    }
}

TEST(ComponentStream, ReaderReportsWhatIsWrong)
{
    QString kind;
    TJOBINFO info;
    EXPECT_EQ(readError(streamOf(sampleTemplate()), info, &kind),
              QStringLiteral("Error reading TJOBINFO.PAPERMUWIDTH: Property PAPERMUWIDTH does not exist"));
    EXPECT_EQ(kind, QStringLiteral("EReadError"));

    TTEMPLATE t;
    EXPECT_EQ(readError(QByteArray("TPF1xxxx"), t), QStringLiteral("Invalid stream format"));
    EXPECT_EQ(readError(QByteArray(), t), QStringLiteral("Stream read error"));
    EXPECT_EQ(readError(objectWith("TTEMPLATE", property("NUMACROSS", FromHex("15 00"))), t),
              QStringLiteral("Error reading TTEMPLATE.NUMACROSS: Invalid property value"));
    EXPECT_EQ(readError(objectWith("TTEMPLATE", property("NUMACROSS", FromHex("06 01 41"))), t),
              QStringLiteral("Error reading TTEMPLATE.NUMACROSS: Invalid property value"));
    EXPECT_EQ(readError(objectWith("TTEMPLATE", property("NUMACROSS.X", FromHex("02 01"))), t),
              QStringLiteral("Error reading TTEMPLATE.NUMACROSS.X: Invalid property path"));
    EXPECT_EQ(readError(objectWith("TJOBINFO", property("FONT.Color", QByteArray("\x07\x06"
                                                                                 "clPink",
                                                                                 8))),
                        info),
              QStringLiteral("Error reading TJOBINFO.FONT.Color: Invalid property value"));

    // A child of an unknown class.
    QByteArray withChild = objectWith("TTEMPLATE", QByteArray());
    withChild.chop(1);
    withChild.append(QByteArray("\x06TMYSTY\x00\x00\x00\x00", 11));
    EXPECT_EQ(readError(withChild, t, &kind), QStringLiteral("Class TMYSTY not found"));
    EXPECT_EQ(kind, QStringLiteral("EClassNotFound"));
}

TEST(ComponentStream, ReaderAcceptsWhatItMust)
{
    TJOBINFO info;
    const QByteArray bytes = objectWith(
        "TWHATEVER", property("font.color", QByteArray("\x07\x05"
                                                       "CLRED",
                                                       7))
                         + property("font.style", QByteArray("\x0B\x08"
                                                             "fsItalic\x07"
                                                             "fsMagic\x00",
                                                             19))
                         + property("FONT.PITCH", QByteArray("\x07\x07"
                                                             "fpFixed",
                                                             9))
                         + property("PicPCTop", FromHex("03 10 27")) + property("picpcleft", FromHex("02 FF"))
                         + property("TEXTSHRINKTOFIT", QByteArray("\x07\x04True", 6))
                         + property("SHOWBORDER", FromHex("09")) + property("Tag", FromHex("02 00"))
                         + property("HelpType", QByteArray("\x07\x09htKeyword", 11)));
    EXPECT_EQ(readError(bytes, info), QString());
    EXPECT_EQ(info.FONT.Color, 0x0000FF);
    EXPECT_EQ(info.FONT.Style, StoredFont::fsItalic);
    EXPECT_EQ(info.FONT.Pitch, StoredFont::fpFixed);
    EXPECT_EQ(info.PicPCTop, 10000.0);
    EXPECT_EQ(info.PicPCLeft, -1.0);
    EXPECT_TRUE(info.TEXTSHRINKTOFIT);
    EXPECT_TRUE(info.SHOWBORDER);

    // Reading through the setter: a landscape template read fresh is altered.
    TTEMPLATE t = sampleTemplate();
    t.SETLANDSCAPE(true);
    TTEMPLATE back;
    EXPECT_EQ(readError(streamOf(t), back), QString());
    EXPECT_TRUE(back.LANDSCAPE());
    EXPECT_TRUE(back.ALTERED);
}

TEST(ComponentStream, SeveralStreamsReadOneAfterAnother)
{
    TTEMPLATE a = sampleTemplate();
    TDATAINFO d;
    d.PicFileName = QStringLiteral("/pics/logo.png");
    QByteArray bytes;
    WriteObjectStream(bytes, a);
    WriteObjectStream(bytes, d);
    bytes.append("trailing");
    TTEMPLATE ra;
    TDATAINFO rd;
    qsizetype pos = 0;
    ReadObjectStream(bytes, pos, ra);
    EXPECT_EQ(pos, 162);
    ReadObjectStream(bytes, pos, rd);
    EXPECT_EQ(rd.PicFileName, d.PicFileName);
    EXPECT_EQ(bytes.mid(pos), QByteArray("trailing"));
}

TEST(ComponentStream, CutOrLyingStreamsFailCleanly)
{
    TJOBINFO info;
    info.FONT = defaultLabelFont();
    info.PicPCWidth = 55.5;
    const QByteArray whole = streamOf(info);
    for (qsizetype cut = 0; cut < whole.size(); ++cut) {
        TJOBINFO target;
        const QString message = readError(whole.left(cut), target);
        EXPECT_TRUE(message.endsWith(QStringLiteral("Stream read error"))) << cut << message.toStdString();
    }
    // Lengths that claim more than there is: no allocation, a read error.
    TDATAINFO d;
    for (const char* hex : {"0C FF FF FF 7F 41", "12 FF FF FF 7F 41 00", "14 FF FF FF 7F 41", "0C 00 00 00 80"}) {
        const QString message = readError(objectWith("TDATAINFO", property("FULLFILENAME", FromHex(hex))), d);
        EXPECT_EQ(message, QStringLiteral("Error reading TDATAINFO.FULLFILENAME: Stream read error")) << hex;
    }
    // Deeply nested children are refused, not followed down the stack.
    QByteArray deep("TPF0\x09TTEMPLATE\x00\x00", 16);
    for (int i = 0; i < 100000; ++i)
        deep.append(QByteArray("\x09TTEMPLATE\x00\x00", 12));
    TTEMPLATE t;
    EXPECT_FALSE(readError(deep, t).isEmpty());
}

TEST(ComponentStream, FontTextIsOneLineAndReadsBack)
{
    const StoredFont font = defaultLabelFont();
    EXPECT_EQ(FNFONTTOSTRING(font),
              QStringLiteral("\"object TFONTWRAPPER\",\"  FONT.Charset = DEFAULT_CHARSET\",\"  FONT.Color = "
                             "clBlack\",\"  FONT.Height = -16\",\"  FONT.Name = 'COURIER NEW'\",\"  FONT.Style = "
                             "[fsBold]\",end"));
    StoredFont odd;
    odd.Name = QStringLiteral("O'Brien \"Sans\", Bold\u00e9");
    odd.Height = -40;
    odd.Color = 0x00123456;
    odd.Charset = 3; // no identifier
    odd.Pitch = StoredFont::fpFixed;
    odd.Style = StoredFont::fsItalic | StoredFont::fsStrikeOut;
    const QString text = FNFONTTOSTRING(odd);
    EXPECT_TRUE(text.contains(QStringLiteral("'O'#39'Brien ")));
    EXPECT_TRUE(text.contains(QStringLiteral("FONT.Pitch = fpFixed")));
    EXPECT_TRUE(text.contains(QStringLiteral("[fsItalic, fsStrikeOut]")));
    StoredFont back;
    ASSERT_TRUE(FNSTRINGTOFONT(text, back));
    EXPECT_EQ(back, odd);

    StoredFont untouched = defaultLabelFont();
    for (const char* bad : {"", "garbage", "\"object TFONTWRAPPER\",\"  FONT.Height = \"", "object,x,end",
                            "\"object TFONTWRAPPER\",\"  FONT.Nope = 1\",end"})
        EXPECT_FALSE(FNSTRINGTOFONT(QString::fromLatin1(bad), untouched)) << bad;
    EXPECT_EQ(untouched, defaultLabelFont());
}

TEST(ComponentStream, CommaText)
{
    const QStringList items = {QStringLiteral("plain"), QStringLiteral("with space"), QStringLiteral("a\"b"),
                               QStringLiteral("x,y"), QString()};
    const QString text = joinCommaText(items);
    EXPECT_EQ(text, QStringLiteral("plain,\"with space\",\"a\"\"b\",\"x,y\","));
    EXPECT_EQ(splitCommaText(text), items);
    EXPECT_EQ(splitCommaText(QStringLiteral("a b,c")), (QStringList{"a", "b", "c"}));
}
