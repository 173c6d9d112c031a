#include "PreviewPanel.h"

#include "app/CommandFailure.h"
#include "app/JobController.h"
#include "app/PaperImage.h"
#include "dialogs/FormSETTINGS.h"
#include "render/PainterCanvas.h"
#include "render/Renderer.h"
#include "support/Messages.h"
#include "support/Utilities.h"

#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>

namespace {

// Device pixels of the page bitmap at most (600 MB): the largest paper the
// paper dialog takes, at the largest scale, needs 139 million.
constexpr qreal MaxPreviewPixels = 150e6;

QLineEdit* makeBox(QWidget* parent, const char* name, int width)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->resize(width, 24);
    return box;
}

// A whole number: digits only once the spaces at both ends are gone.
bool wholeNumber(const QString& text, qint64& value)
{
    if (!FNISUNSIGNEDINTEGER(text))
        return false;
    bool ok = false;
    value = text.trimmed().toLongLong(&ok);
    if (!ok) // more digits than any page or slot count: as large as can be
        value = std::numeric_limits<qint64>::max();
    return true;
}

} // namespace

QLabel* makePanelLabel(QWidget* parent, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->adjustSize();
    return label;
}

// The scrolling box is made last, after the boxes, as they come before it
// when the user moves through the window with the Tab key; the window's
// layout takes it in.
PreviewPanel::PreviewPanel(JobController& controller, QWidget* topPanel) : controller_(controller)
{
    params_.FontScale = 1.0;
    // A label whose code or own picture cannot be made shows its box
    // crossed out, with the reason, rather than a gap.
    params_.MarkUnprintable = true;
    buildBoxes(topPanel);
    setObjectName(QStringLiteral("ScrollBoxMAIN"));
    setWidgetResizable(false);
    setBackgroundRole(QPalette::Dark);
    panelMainBase_ = new QWidget;
    panelMainBase_->setObjectName(QStringLiteral("PanelMAINBASE"));
    panelPaper_ = new QWidget(panelMainBase_);
    panelPaper_->setObjectName(QStringLiteral("PanelPAPER"));
    setWidget(panelMainBase_);
    panelMainBase_->hide();
    emptyHint_ = new QLabel(viewport());
    emptyHint_->setObjectName(QStringLiteral("LabelEMPTYHINT"));
    emptyHint_->setAlignment(Qt::AlignCenter);
    emptyHint_->setWordWrap(true);
    emptyHint_->setForegroundRole(QPalette::BrightText);
    showEmptyHint();
}

void PreviewPanel::showEmptyHint()
{
    if (controller_.job().TEMPLATEEXISTS()) {
        emptyHint_->hide();
        return;
    }
    const auto keys = [](QKeySequence::StandardKey key) {
        return QKeySequence(key).toString(QKeySequence::NativeText);
    };
    emptyHint_->setText(Messages::emptyWindowHint(keys(QKeySequence::Open)));
    emptyHint_->setGeometry(viewport()->rect());
    emptyHint_->show();
    emptyHint_->raise();
}

void PreviewPanel::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    emptyHint_->setGeometry(viewport()->rect());
}

PreviewPanel::~PreviewPanel() = default;

void PreviewPanel::buildBoxes(QWidget* topPanel)
{
    labelRepeat1_ = makePanelLabel(topPanel, QCoreApplication::translate("PreviewPanel", "Repeat"));
    labelRepeat2_ = makePanelLabel(topPanel, QCoreApplication::translate("PreviewPanel", "label"));
    editRepeat_ = makeBox(topPanel, "EditRepeatLabelNum", 33);
    labelStart1_ = makePanelLabel(topPanel, QCoreApplication::translate("PreviewPanel", "Start"));
    labelStart2_ = makePanelLabel(topPanel, QCoreApplication::translate("PreviewPanel", "at Lab"));
    editStart_ = makeBox(topPanel, "EditStartLabNum", 33);
    // The two-line captions sit in 38 pixels beside their boxes: a smaller
    // font keeps them clear of the boxes whatever the desktop's font.
    QFont small = labelRepeat1_->font();
    small.setPointSizeF(qMax(6.0, small.pointSizeF() * 0.75));
    for (QLabel* l : {labelRepeat1_, labelStart1_, labelRepeat2_, labelStart2_}) {
        l->setFont(small);
        l->adjustSize();
    }
    for (QLabel* l : {labelRepeat1_, labelStart1_})
        l->move(0, 4);
    for (QLabel* l : {labelRepeat2_, labelStart2_})
        l->move(0, 15);
    for (QLineEdit* e : {editRepeat_, editStart_}) {
        e->move(0, 5);
        e->installEventFilter(this);
    }
    connect(editStart_, &QLineEdit::textEdited, this, &PreviewPanel::EditStartLabNumChange);
    connect(editRepeat_, &QLineEdit::textEdited, this, &PreviewPanel::EditRepeatLabelNumChange);

    panelPage_ = new QFrame(topPanel);
    panelPage_->setObjectName(QStringLiteral("PanelPAGESPINBASE"));
    panelPage_->resize(192, 31);
    auto* pageLabel = makePanelLabel(panelPage_, QCoreApplication::translate("PreviewPanel", "Page:"));
    pageLabel->move(4, 8);
    editPage_ = makeBox(panelPage_, "EditPAGENUM", 57);
    editPage_->move(36, 4);
    editPage_->setText(QStringLiteral("1"));
    editPage_->installEventFilter(this);
    connect(editPage_, &QLineEdit::textEdited, this, &PreviewPanel::EditPAGENUMChange);

    // The spinner: two auto-repeating arrows whose position stays at 0; only
    // their up and down notifications matter.
    auto* upDown = new QWidget(panelPage_);
    upDown->setObjectName(QStringLiteral("UpDownPAGENUM"));
    upDown->setGeometry(92, 4, 16, 24);
    arrowUp_ = new QToolButton(upDown);
    arrowUp_->setObjectName(QStringLiteral("UpDownPAGENUMUp"));
    arrowUp_->setArrowType(Qt::UpArrow);
    arrowDown_ = new QToolButton(upDown);
    arrowDown_->setObjectName(QStringLiteral("UpDownPAGENUMDown"));
    arrowDown_->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {arrowUp_, arrowDown_}) {
        b->setAutoRepeat(true);
        b->setAutoRepeatDelay(400);
        b->setAutoRepeatInterval(80);
        b->setFocusPolicy(Qt::NoFocus);
        b->installEventFilter(this);
    }
    arrowUp_->setGeometry(0, 0, 16, 12);
    arrowDown_->setGeometry(0, 12, 16, 12);
    connect(arrowUp_, &QToolButton::clicked, this, [this] { UpDownPAGENUMClick(true); });
    connect(arrowDown_, &QToolButton::clicked, this, [this] { UpDownPAGENUMClick(false); });

    auto* buttonFirst = new QPushButton(QCoreApplication::translate("PreviewPanel", "First"), panelPage_);
    buttonFirst->setObjectName(QStringLiteral("ButtonFIRSTPAGE"));
    buttonFirst->setGeometry(112, 3, 38, 25);
    connect(buttonFirst, &QPushButton::clicked, this, [this] { GOTOFIRSTPAGE(true); });
    auto* buttonLast = new QPushButton(QCoreApplication::translate("PreviewPanel", "Last"), panelPage_);
    buttonLast->setObjectName(QStringLiteral("ButtonLASTPAGE"));
    buttonLast->setGeometry(152, 3, 38, 25);
    connect(buttonLast, &QPushButton::clicked, this, [this] { GOTOLASTPAGE(true); });

    // Captions longer than the places kept for them (another language, a
    // larger desktop font) move what follows them along and widen the
    // panel, which takes its room from the job file's bar.
    const int shift = std::max(0, pageLabel->x() + pageLabel->sizeHint().width() + 2 - editPage_->x());
    for (QWidget* w : {static_cast<QWidget*>(editPage_), upDown, static_cast<QWidget*>(buttonFirst)})
        w->move(w->x() + shift, w->y());
    const auto fitted = [](QPushButton* b) {
        b->resize(std::max(b->width(), b->fontMetrics().horizontalAdvance(b->text()) + 10), b->height());
    };
    fitted(buttonFirst);
    buttonLast->move(buttonFirst->x() + buttonFirst->width() + 2, buttonLast->y());
    fitted(buttonLast);
    panelPage_->resize(buttonLast->x() + buttonLast->width() + 2, panelPage_->height());

    timerStartAt_ = new QTimer(this);
    timerStartAt_->setObjectName(QStringLiteral("TimerStartAt"));
    timerStartAt_->setSingleShot(true);
    timerStartAt_->setInterval(1000);
    connect(timerStartAt_, &QTimer::timeout, this, [this] { boxTimerFired(editStart_, timerStartAt_, true); });
    timerRepeatLabel_ = new QTimer(this);
    timerRepeatLabel_->setObjectName(QStringLiteral("TimerRepeatLabel"));
    timerRepeatLabel_->setSingleShot(true);
    timerRepeatLabel_->setInterval(1000);
    connect(timerRepeatLabel_, &QTimer::timeout, this,
            [this] { boxTimerFired(editRepeat_, timerRepeatLabel_, false); });
    // Return tidies the box at once, as leaving it does.
    connect(editStart_, &QLineEdit::returnPressed, this, &PreviewPanel::EditStartLabNumExit);
    connect(editRepeat_, &QLineEdit::returnPressed, this, &PreviewPanel::EditRepeatLabelNumExit);
}

void PreviewPanel::placeBoxes(int left)
{
    labelRepeat1_->move(left + 6, labelRepeat1_->y());
    labelRepeat2_->move(left + 6, labelRepeat2_->y());
    editRepeat_->move(left + 44, editRepeat_->y());
    labelStart1_->move(left + 84, labelStart1_->y());
    labelStart2_->move(left + 84, labelStart2_->y());
    editStart_->move(left + 118, editStart_->y());
}

const QImage& PreviewPanel::pageBitmap() const
{
    static const QImage none;
    return image_ ? image_->bitmap() : none;
}

void PreviewPanel::FITPAPER()
{
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    const TTEMPLATE& t = *controller_.job().TEMPLATE();
    const int w = static_cast<int>(
        roundHalfEven(static_cast<long double>(FNMUTOSCREENPIXELS(t.PAPERMUWIDTH)) * params_.FontScale));
    const int h = static_cast<int>(
        roundHalfEven(static_cast<long double>(FNMUTOSCREENPIXELS(t.PAPERMUHEIGHT)) * params_.FontScale));
    panelPaper_->setGeometry(0, 0, qMax(0, w), qMax(0, h));
    panelMainBase_->setGeometry(0, 0, qMax(0, w), qMax(0, h));
    MAKEPAPERIMAGE();
    panelMainBase_->show();
    showEmptyHint();
}

void PreviewPanel::MAKEPAPERIMAGE()
{
    delete image_;
    image_ = new PaperImage(panelPaper_);
    connect(image_, &PaperImage::mouseUp, this, &PreviewPanel::ImagePAPERMouseUp);
    // The bitmap has a device pixel for every pixel of a high-DPI screen, so
    // the preview stays sharp; fonts in points still come out at the size
    // of the sheet drawn to scale.
    qreal ratio = devicePixelRatioF();
    const QSize logical = panelPaper_->size();
    // A sheet from a damaged file may be metres wide: beyond the budget its
    // bitmap gets fewer device pixels than the widget has (a coarser
    // preview, drawn to the same scale) instead of gigabytes.
    const qreal wanted = qreal(logical.width()) * logical.height() * ratio * ratio;
    if (wanted > MaxPreviewPixels)
        ratio *= std::sqrt(MaxPreviewPixels / wanted);
    QImage bitmap(qMax(1, qRound(logical.width() * ratio)), qMax(1, qRound(logical.height() * ratio)),
                  QImage::Format_RGB32);
    const int dotsPerMeter = qMax(1, qRound(ScreenPixelsPerInch * ratio / 0.0254));
    bitmap.setDotsPerMeterX(dotsPerMeter);
    bitmap.setDotsPerMeterY(dotsPerMeter);
    bitmap.fill(Qt::white);
    const TTEMPLATE& t = *controller_.job().TEMPLATE();
    if (logical.isEmpty() || t.PAPERMUWIDTH <= 0 || t.PAPERMUHEIGHT <= 0) {
        params_.PixPerMuX = 0;
        params_.PixPerMuY = 0;
    } else {
        params_.PixPerMuX = static_cast<double>(bitmap.width()) / t.PAPERMUWIDTH;
        params_.PixPerMuY = static_cast<double>(bitmap.height()) / t.PAPERMUHEIGHT;
    }
    bitmap.setDevicePixelRatio(ratio);
    image_->setBitmap(std::move(bitmap));
    image_->show();
    params_.ToPrinter = false;
    params_.MuOffsetX = 0;
    params_.MuOffsetY = 0;
}

void PreviewPanel::REFRESHPAGE()
{
    if (!image_)
        return;
    QImage& bitmap = image_->bitmap();
    if (bitmap.isNull())
        return;
    bitmap.fill(Qt::white);
    // The page box always names the page drawn: a job that became shorter
    // (less data, a later start, fewer repeats) shows its last page.
    const qint32 lastPage = std::max(0, controller_.job().PAGECOUNT() - 1);
    if (params_.PageIndex < 0 || params_.PageIndex > lastPage) {
        params_.PageIndex = params_.PageIndex < 0 ? 0 : lastPage;
        setBoxText(editPage_, QString::number(params_.PageIndex + 1));
    }
    if (settings_) {
        params_.ShowTemplate = settings_->showTemplate();
        params_.ShowLabels = settings_->showLabels();
    } else {
        params_.ShowTemplate = true;
        params_.ShowLabels = true;
    }
    params_.FirstSlot = controller_.job().DATAINFO()->STARTLABNUM - 1;
    params_.RepeatCount = controller_.job().DATAINFO()->RepeatLabelNum;
    std::exception_ptr failure;
    {
        const qreal ratio = bitmap.devicePixelRatio();
        bitmap.setDevicePixelRatio(1.0); // draw in device pixels
        PainterCanvas canvas(&bitmap);
        TPRINTPARAMS params = params_;
        params.Canvas = &canvas;
        QString pictureError;
        try {
            PRINT(controller_.job(), params, &pictureError);
        } catch (const std::exception&) {
            failure = std::current_exception(); // told once the canvas is let go
        }
        bitmap.setDevicePixelRatio(ratio);
        if (!pictureError.isEmpty())
            emit pictureFailed(pictureError);
    }
    ++refreshCount_;
    image_->update();
    emit pageDrawn();
    if (failure) {
        // The page shows as far as it was drawn; the job is untouched.
        try {
            std::rethrow_exception(failure);
        } catch (const std::exception& e) {
            reportCommandFailure(ErrorDrawingPage, Messages::cannotDrawPreviewPage(params_.PageIndex + 1), e);
        }
    }
}

void PreviewPanel::GOTOFIRSTPAGE(bool redraw)
{
    setBoxText(editPage_, QStringLiteral("1"));
    params_.PageIndex = 0;
    if (redraw)
        REFRESHPAGE();
}

void PreviewPanel::GOTOLASTPAGE(bool redraw)
{
    params_.PageIndex = qMax(0, controller_.job().PAGECOUNT() - 1);
    setBoxText(editPage_, QString::number(params_.PageIndex + 1));
    if (redraw)
        REFRESHPAGE();
}

void PreviewPanel::setBoxText(QLineEdit* box, const QString& text)
{
    settingBox_ = true;
    box->setText(text);
    settingBox_ = false;
}

qint32 PreviewPanel::labelsPerSheet() const
{
    return controller_.job().TEMPLATE()->slotCount();
}

void PreviewPanel::EditPAGENUMChange(const QString& typed)
{
    QString text = typed;
    const qsizetype minus = text.indexOf(QLatin1Char('-'));
    if (minus >= 0)
        text.remove(minus, 1);
    qint64 n = 0;
    if (text.isEmpty() || wholeNumber(text, n)) {
        if (text.isEmpty() || text.trimmed() == QLatin1String("0"))
            n = 1;
        if (n < 1 || n > controller_.job().PAGECOUNT())
            text = QString::number(params_.PageIndex + 1);
        else
            params_.PageIndex = static_cast<qint32>(n - 1);
    } else {
        messageSeam().error(Messages::notAValidValue(text));
        text = QString::number(params_.PageIndex + 1);
    }
    setBoxText(editPage_, text); // an empty box stays empty while the user types
    REFRESHPAGE();
}

void PreviewPanel::EditPAGENUMExit()
{
    QString text = editPage_->text();
    if (text.isEmpty() || text.trimmed() == QLatin1String("0"))
        text = QStringLiteral("1");
    setBoxText(editPage_, text);
    qint64 n = 1;
    if (wholeNumber(text, n) && n >= 1 && n <= INT32_MAX)
        params_.PageIndex = static_cast<qint32>(n - 1);
}

void PreviewPanel::UpDownPAGENUMClick(bool upper)
{
    if (spinnerGuard_)
        return;
    spinnerGuard_ = true;
    commitTypedNumbers(); // the arrows take no focus from a box
    EditPAGENUMExit();
    qint64 n = 1;
    wholeNumber(editPage_->text(), n);
    if (upper) {
        if (n > 1)
            --n;
    } else if (n < controller_.job().PAGECOUNT()) {
        ++n;
    }
    setBoxText(editPage_, QString::number(n));
    params_.PageIndex = static_cast<qint32>(std::clamp<qint64>(n - 1, 0, INT32_MAX));
    spinnerGuard_ = false;
}

void PreviewPanel::boxEdited(QTimer* timer, bool start, const QString& text)
{
    qint64 n = 0;
    if (wholeNumber(text, n) && n >= 1 && n <= labelsPerSheet()) {
        if (start)
            controller_.job().DATAINFO()->STARTLABNUM = static_cast<qint32>(n);
        else
            controller_.job().DATAINFO()->RepeatLabelNum = static_cast<qint32>(n);
        REFRESHPAGE();
    }
    if (!timer->isActive())
        timer->start();
}

void PreviewPanel::EditStartLabNumChange(const QString& text)
{
    boxEdited(timerStartAt_, true, text);
}

void PreviewPanel::EditRepeatLabelNumChange(const QString& text)
{
    boxEdited(timerRepeatLabel_, false, text);
}

void PreviewPanel::normaliseBox(QLineEdit* box, QTimer* timer, bool start)
{
    timer->stop();
    QString text = box->text();
    const qsizetype minus = text.indexOf(QLatin1Char('-'));
    if (minus >= 0)
        text.remove(minus, 1);
    if (text.isEmpty() || text.trimmed() == QLatin1String("0"))
        text = QStringLiteral("1");
    qint64 typed = 1;
    if (!wholeNumber(text, typed))
        typed = 1;
    const qint32 n = fitToSheet(typed);
    setBoxText(box, QString::number(n));
    if (start)
        controller_.job().DATAINFO()->STARTLABNUM = n;
    else
        controller_.job().DATAINFO()->RepeatLabelNum = n;
    REFRESHPAGE();
}

qint32 PreviewPanel::fitToSheet(qint64 n) const
{
    return controller_.job().fitToSheet(n);
}

bool PreviewPanel::typing(const QLineEdit* box) const
{
    // The box the caret returns to once a menu or another window closes.
    return box->hasFocus() || box->window()->focusWidget() == box;
}

void PreviewPanel::boxTimerFired(QLineEdit* box, QTimer* timer, bool start)
{
    // What is being typed is never rewritten: a box with the focus is tidied
    // when the user leaves it or presses Return.
    if (typing(box))
        return;
    normaliseBox(box, timer, start);
}

void PreviewPanel::commitTypedNumbers()
{
    const TDATAINFO& numbers = *controller_.job().DATAINFO();
    if (timerStartAt_->isActive() || editStart_->text() != QString::number(numbers.STARTLABNUM))
        EditStartLabNumExit();
    if (timerRepeatLabel_->isActive() || editRepeat_->text() != QString::number(numbers.RepeatLabelNum))
        EditRepeatLabelNumExit();
}

void PreviewPanel::showDataNumbers()
{
    // The numbers printing will use, as the boxes keep them.
    TDATAINFO& numbers = *controller_.job().DATAINFO();
    controller_.job().fitNumbersToSheet();
    timerStartAt_->stop();
    timerRepeatLabel_->stop();
    setBoxText(editStart_, QString::number(numbers.STARTLABNUM));
    setBoxText(editRepeat_, QString::number(numbers.RepeatLabelNum));
}

void PreviewPanel::EditStartLabNumExit()
{
    normaliseBox(editStart_, timerStartAt_, true);
}

void PreviewPanel::EditRepeatLabelNumExit()
{
    normaliseBox(editRepeat_, timerRepeatLabel_, false);
}

void PreviewPanel::ImagePAPERMouseUp(Qt::MouseButton button, QPoint position)
{
    if (button != Qt::RightButton || !image_ || params_.PixPerMuX <= 0 || params_.PixPerMuY <= 0)
        return;
    const qreal ratio = image_->bitmap().devicePixelRatio();
    const MU x = static_cast<MU>(roundHalfEven(position.x() * ratio / params_.PixPerMuX));
    const MU y = static_cast<MU>(roundHalfEven(position.y() * ratio / params_.PixPerMuY));
    // A margin or a gap is no label on any page, whatever the page offset
    // below would make of the miss.
    if (controller_.job().TEMPLATE()->GetTemplateNumFromMuXY(x, y) < 0)
        return;
    const qint64 index = static_cast<qint64>(controller_.job().GetLabelNumFromMuXY(x, y))
                         + static_cast<qint64>(labelsPerSheet()) * params_.PageIndex;
    if (index >= 0 && index <= controller_.job().DATAINFO()->LABELCOUNT() - 1)
        emit labelMenuRequested(image_->mapToGlobal(position));
}

void PreviewPanel::stepPage(bool back)
{
    UpDownPAGENUMClick(back);
    REFRESHPAGE();
}

bool PreviewPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched == editPage_) {
        // The arrow and page keys in the page box work its arrows: up is the
        // page before, as on the arrows beside it.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_PageUp || key == Qt::Key_Down || key == Qt::Key_PageDown) {
            UpDownPAGENUMClick(key == Qt::Key_Up || key == Qt::Key_PageUp);
            REFRESHPAGE();
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        // A menu or a dialog opened over a box takes its focus only for a
        // while; the box is tidied when the user really leaves it, or when
        // its timer fires.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
            return QScrollArea::eventFilter(watched, event);
        if (watched == editPage_)
            EditPAGENUMExit();
        else if (watched == editStart_)
            EditStartLabNumExit();
        else if (watched == editRepeat_)
            EditRepeatLabelNumExit();
    } else if (event->type() == QEvent::MouseButtonRelease && (watched == arrowUp_ || watched == arrowDown_)) {
        // While an arrow is held the number runs; the page is drawn once,
        // when the button is let go.
        QTimer::singleShot(0, this, &PreviewPanel::REFRESHPAGE);
    }
    return QScrollArea::eventFilter(watched, event);
}
