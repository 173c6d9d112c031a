#include "Job.h"

#include <algorithm>

TJOB::TJOB()
    : jobInfo_(std::make_unique<TJOBINFO>()), template_(std::make_unique<TTEMPLATE>()),
      dataInfo_(std::make_unique<TDATAINFO>())
{}

TJOB::~TJOB() = default;

const PropTable& TJOB::properties() const
{
    static const PropTable table = [] {
        auto part = [](const char* name, auto getter) {
            PropInfo p;
            p.name = QString::fromLatin1(name);
            p.kind = PropKind::Component;
            p.getObject = [getter](Persistent& o) -> Persistent* { return (static_cast<TJOB&>(o).*getter)(); };
            return p;
        };
        PropInfo altered;
        altered.name = QStringLiteral("ALTERED");
        altered.kind = PropKind::Boolean;
        altered.stored = false;
        altered.names = {QStringLiteral("False"), QStringLiteral("True")};
        altered.getOrd = [](const Persistent& o) { return static_cast<const TJOB&>(o).ALTERED() ? 1 : 0; };
        altered.setOrd = [](Persistent& o, qint32 v) { static_cast<TJOB&>(o).setALTERED(v != 0); };
        return withBase({part("JOBINFO", &TJOB::JOBINFO), part("TEMPLATE", &TJOB::TEMPLATE),
                         part("DATAINFO", &TJOB::DATAINFO), altered});
    }();
    return table;
}

void TJOB::MAKENEWTEMPLATE(MU paperWidth, MU paperHeight)
{
    template_ = std::make_unique<TTEMPLATE>();
    template_->PAPERMUWIDTH = paperWidth;
    template_->PAPERMUHEIGHT = paperHeight;
    template_->ALTERED = true;
    altered_ = true;
}

bool TJOB::GETLABEL(qint32 index, QStringList& lines) const
{
    return dataInfo_->GETLABEL(index, lines);
}

bool TJOB::GETLABEL(qint32 index, QStringList& lines, int maxLines, qsizetype maxChars) const
{
    return dataInfo_->GETLABEL(index, lines, maxLines, maxChars);
}

std::optional<LabelContent> TJOB::labelContent(qint32 index, const LabelLimits& limits) const
{
    std::optional<LabelContent> content = dataInfo_->labelContent(index, limits);
    // Asked whether the label exists, nothing more is filled.
    if (!content || limits.maxLines <= 0)
        return content;
    const qint32 d = content->number - 1;
    if (jobInfo_->showsCode())
        content->codeText = dataInfo_->fillFields(jobInfo_->CodeText, d, MaxCodeTextChars);
    if (jobInfo_->ShowPic && dataInfo_->picturePerLabel())
        content->pictureName = dataInfo_->pictureNameFor(d);
    return content;
}

qint32 TJOB::PAGECOUNT() const
{
    const qint64 s = static_cast<qint64>(template_->NUMACROSS) * template_->NUMDOWN;
    if (s <= 0)
        return 0;
    const qint64 n = static_cast<qint64>(dataInfo_->LABELCOUNT()) + dataInfo_->STARTLABNUM - 1;
    if (n <= 0)
        return 0;
    // A start number from a file may push the count past 32 bits.
    return static_cast<qint32>(std::min<qint64>((n + s - 1) / s, INT32_MAX));
}

bool TJOB::CLEARDATA()
{
    // Closing a data file changes the job; closing none changes nothing,
    // and neither clears a change made before.
    if (dataInfo_->hasData())
        altered_ = true;
    dataInfo_->FULLFILENAME.clear();
    dataInfo_->SerialFrom.clear();
    dataInfo_->SerialTo.clear();
    return dataInfo_->LOADDATA();
}

bool TJOB::TEMPLATEEXISTS() const
{
    return template_->PAPERMUWIDTH >= 1 && template_->PAPERMUHEIGHT >= 1;
}

qint32 TJOB::fitToSheet(qint64 n) const
{
    if (TEMPLATEEXISTS())
        return template_->fitToSheet(n);
    return static_cast<qint32>(std::clamp<qint64>(n, 1, INT32_MAX));
}

void TJOB::fitNumbersToSheet()
{
    dataInfo_->STARTLABNUM = fitToSheet(dataInfo_->STARTLABNUM);
    dataInfo_->RepeatLabelNum = fitToSheet(dataInfo_->RepeatLabelNum);
}

bool TJOB::DATAEXISTS() const
{
    return dataInfo_->hasData();
}

qint32 TJOB::GetLabelNumFromMuXY(MU x, MU y) const
{
    const qint32 slot = template_->GetTemplateNumFromMuXY(x, y);
    if (slot >= 0) {
        // Any start number may come from a file: work in 64 bits.
        const qint64 label = static_cast<qint64>(slot) - (static_cast<qint64>(dataInfo_->STARTLABNUM) - 1);
        return static_cast<qint32>(std::clamp<qint64>(label, INT32_MIN, INT32_MAX));
    }
    return -dataInfo_->LABELCOUNT();
}

qint32 TJOB::labelForSlot(qint32 page, qint32 slot) const
{
    const qint32 repeat = dataInfo_->RepeatLabelNum;
    if (repeat < 1)
        return -1;
    // Page times slots per page may pass 64 bits for a sheet read from a
    // damaged file; 128 bits hold every product of three 32-bit numbers.
    const Int128 d = static_cast<Int128>(page) * template_->NUMACROSS * template_->NUMDOWN + slot
                     - (static_cast<qint64>(dataInfo_->STARTLABNUM) - 1);
    if (d < 0)
        return -1;
    const Int128 label = d / repeat;
    return label < dataInfo_->labelsPrinted() ? static_cast<qint32>(label) : -1;
}
