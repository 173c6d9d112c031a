#include "DataLoading.h"

#include "app/CommandFailure.h"
#include "model/DataInfo.h"
#include "support/ErrorLog.h"
#include "support/Messages.h"

DataLoad loadJobData(TDATAINFO& data, const QString& fileName, OtherLoadFailures others)
{
    if (!TDATAINFO::dataPresent(fileName)) { // a folder or a pipe is told below, by what it is
        messageSeam().warning(Messages::cannotFindDataFile(fileName));
        return DataLoad::Missing;
    }
    const bool sameFile = fileName == data.FULLFILENAME;
    data.FULLFILENAME = fileName;
    // A data file takes the place of serial numbers.
    data.SerialFrom.clear();
    data.SerialTo.clear();
    bool loaded = false;
    bool failed = false;
    QString reason;
    try {
        loaded = data.LOADDATA();
    } catch (const EDataReadError& e) {
        failed = true;
        reason = e.message();
    } catch (const std::exception& e) {
        if (others == OtherLoadFailures::Thrown)
            throw;
        failed = true;
        reason = failureCause(e);
    }
    if (failed && !sameFile) {
        // Reloading a file that has turned unreadable keeps the labels it
        // gave before; another file's labels never show under a new name.
        data.FILECONTENT.clear();
        data.reindex();
    }
    if (!loaded) {
        FNLOGERROR(8, Messages::cannotLoadDataFile(fileName, reason), true, true);
        return DataLoad::Unloaded;
    }
    return DataLoad::Loaded;
}

QStringList dataLoadNotes(const TDATAINFO& data)
{
    QStringList notes;
    if (data.looksLikeTableInDisguise())
        notes << Messages::textLooksLikeTable();
    if (const QString header = data.headerNote(); !header.isEmpty())
        notes << Messages::headerNoteWithFields(header);
    // A layout made for another table's columns stays in the job (the
    // labels show every field meanwhile), so the table it fits brings it back.
    if (const QStringList missing = data.missingFields(); !missing.isEmpty())
        notes << Messages::layoutNamesMissingFields(missing);
    else if (const QString problem = data.layoutProblem(); !problem.isEmpty())
        notes << Messages::layoutProblemWithFields(problem);
    if (const QString note = data.source().readingNote(); !note.isEmpty())
        notes << note;
    return notes;
}
