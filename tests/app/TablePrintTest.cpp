// Table data through the batch printer: real-world exports printed to PDF
// and read back as text, one label a row.

#include "common/PrintFixtures.h"
#include "common/TestEnv.h"
#include "model/Job.h"

#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

QString tableFile(const char* name)
{
    return QStringLiteral(GORVIN_TEST_DATA "/tables/") + QLatin1String(name);
}

// A column of four labels a page, so the PDF's text reads label by label.
QString columnJob(const QString& folder)
{
    TestSheet sheet;
    sheet.Across = 1;
    sheet.Down = 4;
    sheet.labelWidth = 150000;
    sheet.labelHeight = 60000;
    const QString job = folder + QStringLiteral("/column.GVJ");
    EXPECT_TRUE(SaveTestJob(job, sheet, QString()));
    return job;
}

// The PDF's lines of text, empty ones and page breaks left out.
QStringList pdfLines(const QString& pdf)
{
    QStringList lines;
    for (const QString& line : RunText(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).split(u'\n')) {
        const QString text = line.trimmed().remove(u'\f');
        if (!text.isEmpty())
            lines << text;
    }
    return lines;
}

struct Printed {
    RunResult run;
    QStringList lines;
};

Printed printTable(const char* file, const QStringList& extra = {})
{
    const QString folder = TestEnv::root() + QStringLiteral("/tables/") + QLatin1String(file);
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    const QString pdf = folder + QStringLiteral("/out.pdf");
    Printed p;
    p.run = RunGorvin(QStringList{"--print", columnJob(folder), "--data", tableFile(file), "--output", pdf} + extra);
    if (p.run.exitCode == 0)
        p.lines = pdfLines(pdf);
    return p;
}

} // namespace

TEST(TablePrint, RealWorldExportsPrintOneLabelARow)
{
    // A spreadsheet export: names from the header, quoted commas, a line
    // break inside an address, an empty company leaving no gap.
    Printed p = printTable("spreadsheet-export.csv",
                           {"--layout", "{First Name} {Last Name}\\n{Company}\\n{Address}\\n{Postcode} {City}"});
    ASSERT_EQ(p.run.exitCode, 0) << p.run.err.toStdString();
    EXPECT_EQ(p.lines, (QStringList{"Anna Smith", "Smith, Jones & Co", "Unit 4", "12 High Street", "LS1 4AB Leeds",
                                    "Bob Jones", "3 Low Road", "YO1 7HH York", "Carla O'Neil \"CJ\"",
                                    "Flat 2, 9 Mill Lane", "BA1 1AA Bath"}));

    // Semicolons and decimal commas, in Windows-1252; default layout.
    p = printTable("semicolon-decimal.csv");
    ASSERT_EQ(p.run.exitCode, 0) << p.run.err.toStdString();
    EXPECT_EQ(p.lines, (QStringList{"Jürgen Müller", "Hauptstraße 5", "48143", "Münster", "12,50", "Grete Weiß",
                                    "Am Markt 1", "10115", "Berlin", "3,75"}));

    // An address book in TSV, fields by position.
    p = printTable("address-book.tsv", {"--layout", "{3}\\n{5}\\n{7} {6}\\n{8}"});
    ASSERT_EQ(p.run.exitCode, 0) << p.run.err.toStdString();
    EXPECT_EQ(p.lines, (QStringList{"Élodie Durand", "4 rue de la Paix", "75002 Paris", "France", "Sven Lund",
                                    "Storgatan 8", "21122 Malmö", "Sweden"}));

    // Rows short of a column, or with one empty.
    p = printTable("missing-column.csv", {"--layout", "{Name}\\n{Street}\\n{Town}\\n{Country}"});
    ASSERT_EQ(p.run.exitCode, 0) << p.run.err.toStdString();
    EXPECT_EQ(p.lines, (QStringList{"Ann Lee", "1 Oak Road", "Derby", "UK", "Tom Fox", "2 Elm Road", "Hull", "Sue Kay",
                                    "Ripon", "UK"}));

    // A byte-order mark, and the header taken as data when told so.
    p = printTable("byte-order-mark.csv", {"--header", "no", "--layout", "{1} ({3})"});
    ASSERT_EQ(p.run.exitCode, 0) << p.run.err.toStdString();
    EXPECT_EQ(p.lines, (QStringList{"Name (Zip)", "Zoë Brontë (BD22)", "Renée Blanc (69001)"}));
}

TEST(TablePrint, TheReadmeExampleMakesAHundredLabels)
{
    const QString folder = TestEnv::root() + QStringLiteral("/tables/readme");
    QDir().mkpath(folder);
    const QString pdf = folder + QStringLiteral("/labels.pdf");
    const RunResult run = RunGorvin({"--print", QStringLiteral(GORVIN_SOURCE_DIR "/examples/address-labels.GVJ"),
                                     "--data", QStringLiteral(GORVIN_SOURCE_DIR "/examples/addresses-100.csv"),
                                     "--output", pdf});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(PdfPageCount(pdf), 4); // 3 x 10 a sheet
    const QStringList lines = pdfLines(pdf);
    EXPECT_EQ(
        lines.filter(QRegularExpression(QStringLiteral("^\\d+ [A-Z][a-z]+ (Street|Road|Lane|Avenue|Walk)$"))).size(),
        100);
    EXPECT_FALSE(lines.contains("Name")); // the header names no label
}

TEST(TablePrint, BadLayoutsAndTextDataAreRefused)
{
    Printed p = printTable("missing-column.csv", {"--layout", "{Name}\\n{Phone}"});
    EXPECT_EQ(p.run.exitCode, 2);
    EXPECT_TRUE(p.run.err.contains("The layout names the field {Phone}, which the data does not have."))
        << p.run.err.toStdString();
    p = printTable("missing-column.csv", {"--layout", "{Name"});
    EXPECT_EQ(p.run.exitCode, 2);
    EXPECT_TRUE(p.run.err.contains("The '{' in line 1 of the layout is not closed by '}'.")) << p.run.err.toStdString();

    const QString folder = TestEnv::root() + QStringLiteral("/tables/text");
    QDir().mkpath(folder);
    const QString text = WriteFile(folder + QStringLiteral("/data.txt"), "A\nB\n");
    const QString pdf = folder + QStringLiteral("/out.pdf");
    RunResult run = RunGorvin(
        {"--print", columnJob(folder), "--data", text, "--layout", "{1}", "--header", "no", "--output", pdf});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("--header is for table data")) << run.err.toStdString();
    // A layout lays out text blocks too, their lines being their fields.
    run = RunGorvin({"--print", columnJob(folder), "--data", text, "--layout", "{2}-{1}", "--output", pdf});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(pdfLines(pdf), QStringList{"B-A"});
}

TEST(TablePrint, WhatTheBatchPrinterReadsItSaysOnStandardError)
{
    // A first row taken as names is told, with the way to print it.
    Printed p = printTable("missing-column.csv");
    ASSERT_EQ(p.run.exitCode, 0) << p.run.err.toStdString();
    EXPECT_EQ(p.run.err.trimmed(),
              "First row read as column names: Name, Street, Town, Country (--header no prints it as a label)");

    // A job folder that moved still prints, its plain first row a label, with
    // one line about the file taken from beside the job.
    const QString folder = TestEnv::root() + QStringLiteral("/tables/moved");
    QDir(folder + "-new").removeRecursively();
    QDir().mkpath(folder);
    TJOB job;
    ASSERT_TRUE(job.LOADFROMFILE(columnJob(folder)));
    job.DATAINFO()->FULLFILENAME = WriteFile(folder + "/plain.csv",
                                             "Ann Lee,1 High Street,Leeds\nBob Fox,2 Low Road,York\n");
    ASSERT_TRUE(job.SAVETOFILE(folder + "/column.GVJ") && QDir().rename(folder, folder + "-new"));
    const QString moved = folder + "-new/column.GVJ", pdf = folder + "-new/out.pdf";
    RunResult run = RunGorvin({"--print", moved, "--output", pdf});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err.trimmed(), "Not where the job names them, so taken from the job's folder: plain.csv");
    EXPECT_EQ(pdfLines(pdf), (QStringList{"Ann Lee", "1 High Street", "Leeds", "Bob Fox", "2 Low Road", "York"}));

    // A layout stored in the job that names a field the table lacks is
    // refused as --layout is, as the job's fault.
    ASSERT_TRUE(job.LOADFROMFILE(moved));
    job.DATAINFO()->tableSettings().LabelLayout = "{1}\n{Phone}";
    ASSERT_TRUE(job.SAVETOFILE(moved));
    run = RunGorvin({"--print", moved, "--output", pdf});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("The layout names the field {Phone}, which the data does not have."))
        << run.err.toStdString();
}
