#pragma once
// The sample sheet the printing suites share: an A4 sheet of 3 x 7 labels
// (or any other, field by field), its data files and the job made of them,
// saved as a job file.

#include "model/Job.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// A sheet of labels; lengths in MU.
struct TestSheet {
    MU paperWidth = 210000;
    MU paperHeight = 297000;
    qint32 Across = 3;
    qint32 Down = 7;
    MU Left = 7000;
    MU Top = 15000;
    MU labelWidth = 63500;
    MU labelHeight = 38100;
    MU hGap = 2500;
    MU vGap = 0;
    bool Landscape = false;
};

// Writes a data file of `labels` labels; label k (from 0) has the lines
// "<prefix><k>" and then "line 2" ... up to linesPerLabel lines.
QString WriteLabelData(const QString& path, int labels, int linesPerLabel = 2,
                       const QString& prefix = QStringLiteral("LBL"));

// Puts the sheet into the job's template and gives the job the plain format
// the printing tests read back: insets of `border` MU, text at the top left,
// unjustified and not shrunk, no border line, no picture, the default font.
void applyTestSheet(TJOB& job, const TestSheet& sheet, MU border = 2000);

// The labels, each a list of lines, as the job's data, printed from the first.
void setTestLabels(TJOB& job, const QList<QStringList>& labels);

// Saves a job on the sheet with the data file named, after letting setup
// change anything. Returns false when the job file could not be written.
bool SaveTestJob(const QString& path, const TestSheet& sheet, const QString& dataFile,
                 const std::function<void(TJOB&)>& setup = {});

// A job of one label per A4 sheet whose label k (from 1) has k lines, so that
// every page has its own height of ink; written into `folder` as stairs.gvj
// with its data file stairs.txt.
QString SaveStairJob(const QString& folder, int labels, const std::function<void(TJOB&)>& setup = {});
