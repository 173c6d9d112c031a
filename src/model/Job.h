#pragma once
// A job: one template, one data source and one label format. The job owns
// its three parts and replaces each by a new object when it loads or makes a
// new one, so callers fetch them again after such an operation.

#include "model/BaseControl.h"
#include "model/DataInfo.h"
#include "model/JobInfo.h"
#include "model/Template.h"

#include <memory>
#include <optional>

class TJOB : public TBASECONTROL {
public:
    TJOB();
    ~TJOB() override;
    QString className() const override { return QStringLiteral("TJOB"); }
    const PropTable& properties() const override;

    TJOBINFO* JOBINFO() const { return jobInfo_.get(); }
    TTEMPLATE* TEMPLATE() const { return template_.get(); }
    TDATAINFO* DATAINFO() const { return dataInfo_.get(); }

    // The job's own changed flag or the template's.
    bool ALTERED() const { return altered_ || template_->ALTERED; }
    // Sets the job's own changed flag only.
    void setALTERED(bool value) { altered_ = value; }

    void MAKENEWTEMPLATE(MU paperWidth, MU paperHeight);
    bool GETLABEL(qint32 index, QStringList& lines) const;
    // At most maxLines lines of at most maxChars characters each.
    bool GETLABEL(qint32 index, QStringList& lines, int maxLines, qsizetype maxChars) const;
    // What printed label `index` shows within the limits: its lines, and the
    // content of its code and the name of its own picture as the format and
    // the data make them; nothing when there is no such label. Limits of no
    // lines ask only whether the label exists.
    std::optional<LabelContent> labelContent(qint32 index, const LabelLimits& limits) const;
    // A code's content is filled to at most this many characters: past the
    // longest text any code holds, so that the code tells it is too long.
    static constexpr qsizetype MaxCodeTextChars = 8001;
    qint32 PAGECOUNT() const;
    bool CLEARDATA();
    bool TEMPLATEEXISTS() const;
    bool DATAEXISTS() const;
    qint32 GetLabelNumFromMuXY(MU x, MU y) const;
    // The printed label shown in slot `slot` of page `page` (both from 0),
    // or -1 when the slot stays empty. With labels chosen (see
    // TDATAINFO::chooseLabels) it counts the chosen ones.
    qint32 labelForSlot(qint32 page, qint32 slot) const;
    // A start or repeat number as printing uses it: at least 1 and, once
    // there is a sheet, at most its labels.
    qint32 fitToSheet(qint64 n) const;
    // Holds the data's start and repeat numbers to fitToSheet; called
    // whenever the sheet, its grid or the job changes.
    void fitNumbersToSheet();

    // Job and template files. Each reports its own failures to the user and
    // the error log and returns false.
    bool SAVETOFILE(const QString& path);
    bool LOADFROMFILE(const QString& path);
    bool SAVETEMPLATETOFILE(const QString& path);
    bool LOADTEMPLATEFROMFILE(const QString& path);

    // What LOADFROMFILE did that the user should hear of, for the status
    // line: files found in the job's own folder instead of where the job
    // names them (a job folder that was moved or copied), table settings
    // that could not be read. Empty when the job read as written.
    const QStringList& loadNotes() const { return loadNotes_; }

    // The three object streams a job file holds.
    QByteArray jobFileBytes() const;
    QByteArray templateFileBytes() const;
    // Puts back the parts as jobFileBytes() gave them, without reading their
    // data (the caller loads those). False, the job as it was, when the
    // bytes cannot be read.
    bool restoreFromBytes(const QByteArray& bytes);

private:
    bool readParts(const QByteArray& bytes, const char* function);

    std::unique_ptr<TJOBINFO> jobInfo_;
    std::unique_ptr<TTEMPLATE> template_;
    std::unique_ptr<TDATAINFO> dataInfo_;
    bool altered_ = false;
    QStringList loadNotes_;
};
