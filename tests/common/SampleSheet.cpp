#include "SampleSheet.h"

#include "common/TestEnv.h"

QString WriteLabelData(const QString& path, int labels, int linesPerLabel, const QString& prefix)
{
    QByteArray bytes;
    for (int k = 0; k < labels; ++k) {
        bytes += (prefix + QString::number(k)).toUtf8() + "\r\n";
        for (int l = 2; l <= linesPerLabel; ++l)
            bytes += "line " + QByteArray::number(l) + "\r\n";
        bytes += "\r\n";
    }
    return WriteFile(path, bytes);
}

void applyTestSheet(TJOB& job, const TestSheet& sheet, MU border)
{
    TTEMPLATE& t = *job.TEMPLATE();
    t.PAPERMUWIDTH = sheet.paperWidth;
    t.PAPERMUHEIGHT = sheet.paperHeight;
    t.NUMACROSS = sheet.Across;
    t.NUMDOWN = sheet.Down;
    t.MULEFT = sheet.Left;
    t.MUTOP = sheet.Top;
    t.MULABELWIDTH = sheet.labelWidth;
    t.MULABELHEIGHT = sheet.labelHeight;
    t.MUHGAP = sheet.hGap;
    t.MUVGAP = sheet.vGap;
    t.SETLANDSCAPE(sheet.Landscape);
    TJOBINFO& f = *job.JOBINFO();
    f.MUBORDERLEFT = f.MUBORDERTOP = f.MUBORDERRIGHT = f.MUBORDERBOTTOM = border;
    f.TEXTALIGNHORIZ = 0;
    f.TEXTALIGNVERT = 0;
    f.TEXTJUSTIFY = 0;
    f.TEXTSHRINKTOFIT = false;
    f.SHOWBORDER = false;
    f.ShowPic = false;
    f.FONT = defaultLabelFont();
}

void setTestLabels(TJOB& job, const QList<QStringList>& labels)
{
    QStringList lines;
    for (const QStringList& label : labels)
        lines << label << QString();
    TDATAINFO& data = *job.DATAINFO();
    data.FILECONTENT.setLines(lines);
    data.STARTLABNUM = 1;
    data.RepeatLabelNum = 1;
    data.reindex();
}

bool SaveTestJob(const QString& path, const TestSheet& sheet, const QString& dataFile,
                 const std::function<void(TJOB&)>& setup)
{
    TJOB job;
    job.MAKENEWTEMPLATE(sheet.paperWidth, sheet.paperHeight);
    applyTestSheet(job, sheet);
    job.DATAINFO()->FULLFILENAME = dataFile;
    job.DATAINFO()->STARTLABNUM = 1;
    job.DATAINFO()->RepeatLabelNum = 1;
    if (setup)
        setup(job);
    return job.SAVETOFILE(path);
}

QString SaveStairJob(const QString& folder, int labels, const std::function<void(TJOB&)>& setup)
{
    QByteArray data;
    for (int k = 0; k < labels; ++k) {
        for (int line = 0; line <= k; ++line)
            data += "Label " + QByteArray::number(k + 1) + " line " + QByteArray::number(line + 1) + "\n";
        data += "\n";
    }
    const QString dataFile = WriteFile(folder + QStringLiteral("/stairs.txt"), data);
    TestSheet sheet;
    sheet.Across = 1;
    sheet.Down = 1;
    sheet.Left = 20000;
    sheet.Top = 30000;
    sheet.labelWidth = 150000;
    sheet.labelHeight = 200000;
    sheet.hGap = 0;
    const QString job = folder + QStringLiteral("/stairs.gvj");
    return SaveTestJob(job, sheet, dataFile, setup) ? job : QString();
}
