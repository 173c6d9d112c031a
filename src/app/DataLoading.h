#pragma once
// Loading a job's data and telling what came of it, for the main window and
// the batch printer alike.

#include <QString>
#include <QStringList>

class TDATAINFO;

enum class DataLoad {
    Missing,  // the file does not exist: the job's data are untouched
    Unloaded, // the file could not be read
    Loaded,
};

// What becomes of a failure other than a file that cannot be read (a lack
// of memory while the labels are indexed, say): told as the reason the file
// could not be loaded, or thrown on to the caller.
enum class OtherLoadFailures { Told, Thrown };

// Names `fileName` as the job's data file, in place of any serial numbers,
// and loads it. A file that does not
// exist is warned of ("Cannot find data file '...'") and not named. One that
// cannot be read is logged as error 8 and told: "Cannot load data file '...'"
// with the reason; when it is another file than the one named before, the
// labels loaded before are let go, so that none shows under the new name
// (reading the same file again keeps them).
DataLoad loadJobData(TDATAINFO& data, const QString& fileName, OtherLoadFailures others);

// What the main window tells of the data just loaded, in its status line:
// text that looks like a table, the column names read from the first row,
// a layout the table cannot fill, and what the table's reading noted.
QStringList dataLoadNotes(const TDATAINFO& data);
