#include "FormMAIN.h"

#include "app/CommandLine.h"
#include "app/PaperImage.h"
#include "dialogs/FormNEWPAPER.h"
#include "dialogs/FormSETTINGS.h"
#include "render/PainterCanvas.h"
#include "render/PrintRun.h"
#include "render/Renderer.h"
#include "settings/RegistryStore.h"
#include "support/ErrorLog.h"
#include "support/Maker.h"
#include "support/Messages.h"
#include "support/Utilities.h"
#include "text/ShortFileName.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>
#include <new>

namespace {

// Device pixels of the page bitmap at most (600 MB): the largest paper the
// paper dialog takes, at the largest scale, needs 139 million.
constexpr qreal MaxPreviewPixels = 150e6;

QLabel* makeLabel(QWidget* parent, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->adjustSize();
    return label;
}

QLabel* makeNameBar(QWidget* parent, const char* name)
{
    auto* bar = new QLabel(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->setTextFormat(Qt::PlainText);
    bar->setIndent(3);
    bar->resize(100, 22);
    return bar;
}

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

QString failureCause(const std::exception& e)
{
    if (dynamic_cast<const std::bad_alloc*>(&e))
        return QStringLiteral("There is not enough memory.");
    return QStringLiteral("Unexpected error: ") + QString::fromLocal8Bit(e.what());
}

void reportCommandFailure(int code, const QString& operation, const std::exception& e)
{
    // Telling of a failure must not fail in turn, whatever memory is left.
    try {
        FNLOGERROR(code, operation + QStringLiteral("\n\r") + failureCause(e), true, true);
    } catch (...) {
    }
}

QString FNFILENAMEONLY(const QString& path)
{
    QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    return name;
}

TFormMAIN::TFormMAIN(const QStringList& commandLine, QWidget* parent)
    : BaseMainWindow(parent), commandLine_(commandLine)
{
    setObjectName(QStringLiteral("FormMAIN"));
    setWindowTitle(applicationTitle());
    resize(696, 492);
    FormCreate();
}

TFormMAIN::~TFormMAIN() = default;

void TFormMAIN::setWindows(const ProgramWindows& windows)
{
    windows_ = windows;
}

// The paper-type dialog lives for the whole run and keeps the size last
// chosen in it, so that is the program's default paper size.
MU TFormMAIN::defaultPaperWidth() const
{
    return windows_.newPaper ? windows_.newPaper->paperWidth() : 210000;
}

MU TFormMAIN::defaultPaperHeight() const
{
    return windows_.newPaper ? windows_.newPaper->paperHeight() : 297000;
}

void TFormMAIN::FormCreate()
{
    spinnerGuard_ = false;
    rootKey_ = regRootKey();
    SETJOBFILENAME(QString());
    maxScale_ = 3.0;
    minScale_ = 0.1;
    params_.FontScale = 1.0;
    job_ = std::make_unique<TJOB>();

    buildMenus();
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setCentralWidget(central);
    buildTopPanel();
    layout->addWidget(panelJobName_);
    buildPreview();
    layout->addWidget(scrollBox_, 1);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(true);

    timerStartAt_ = new QTimer(this);
    timerStartAt_->setObjectName(QStringLiteral("TimerStartAt"));
    timerStartAt_->setSingleShot(true);
    timerStartAt_->setInterval(1000);
    connect(timerStartAt_, &QTimer::timeout, this, [this] { normaliseBox(editStart_, timerStartAt_, true); });
    timerRepeatLabel_ = new QTimer(this);
    timerRepeatLabel_->setObjectName(QStringLiteral("TimerRepeatLabel"));
    timerRepeatLabel_->setSingleShot(true);
    timerRepeatLabel_->setInterval(1000);
    connect(timerRepeatLabel_, &QTimer::timeout, this, [this] { normaliseBox(editRepeat_, timerRepeatLabel_, false); });
    timerCloseSplash_ = new QTimer(this);
    timerCloseSplash_->setObjectName(QStringLiteral("TimerCLOSESPLASH"));
    timerCloseSplash_->setSingleShot(true);
    timerCloseSplash_->setInterval(500);
    timerCloseSplash_->start();
}

// ---------------------------------------------------------------- menus

QAction* TFormMAIN::addAction(QMenu* menu, const char* name, const QString& caption, void (TFormMAIN::*handler)())
{
    auto* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void TFormMAIN::buildMenus()
{
    menuFile_ = menuBar()->addMenu(QStringLiteral("&File"));
    menuFile_->setObjectName(QStringLiteral("File1"));
    addAction(menuFile_, "Newjobwizard1", QStringLiteral("New job &wizard..."), &TFormMAIN::Newjobwizard1Click);
    menuFile_->addSeparator();
    addAction(menuFile_, "Openjob", QStringLiteral("&Open job"), &TFormMAIN::OpenjobClick);
    reopenJob_ = menuFile_->addMenu(QStringLiteral("&Reopen job"));
    reopenJob_->setObjectName(QStringLiteral("REOPENJOB"));
    addAction(menuFile_, "Savejob", QStringLiteral("&Save job"), &TFormMAIN::SavejobClick);
    addAction(menuFile_, "SAVEJOBAS", QStringLiteral("Save job &as..."), &TFormMAIN::SAVEJOBASClick);
    addAction(menuFile_, "CLOSEJOB", QStringLiteral("&Close job"), &TFormMAIN::CLOSEJOBClick);
    menuFile_->addSeparator();
    addAction(menuFile_, "FORMATLABELS", QStringLiteral("&Format labels..."), &TFormMAIN::FORMATLABELSClick);
    menuFile_->addSeparator();
    addAction(menuFile_, "Calibrateprinter1", QStringLiteral("Cali&brate printer..."), &TFormMAIN::Calibrateprinter1Click);
    addAction(menuFile_, "Setupprinter1", QStringLiteral("Set &up printer..."), &TFormMAIN::Setupprinter1Click);
    addAction(menuFile_, "PRINTJOB", QStringLiteral("&Print..."), &TFormMAIN::PRINTJOBClick);
    menuFile_->addSeparator();
    addAction(menuFile_, "Exit1", QStringLiteral("E&xit"), &TFormMAIN::Exit1Click);
    connect(menuFile_, &QMenu::aboutToShow, this, &TFormMAIN::File1Click);

    menuTemplate_ = menuBar()->addMenu(QStringLiteral("&Template"));
    menuTemplate_->setObjectName(QStringLiteral("Template1"));
    addAction(menuTemplate_, "NEWTEMPLATE", QStringLiteral("&New..."), &TFormMAIN::NEWTEMPLATEClick);
    addAction(menuTemplate_, "NEWTEMPLATEFROMPRODUCT", QStringLiteral("New from pro&duct..."),
              &TFormMAIN::NEWTEMPLATEFROMPRODUCTClick);
    addAction(menuTemplate_, "Editlayout1", QStringLiteral("&Edit layout..."), &TFormMAIN::Editlayout1Click);
    addAction(menuTemplate_, "OPENTEMPLATE", QStringLiteral("&Open"), &TFormMAIN::OPENTEMPLATEClick);
    reopenTemplate_ = menuTemplate_->addMenu(QStringLiteral("&Reopen"));
    reopenTemplate_->setObjectName(QStringLiteral("REOPENTEMPLATE"));
    addAction(menuTemplate_, "SAVETEMPLATE", QStringLiteral("&Save"), &TFormMAIN::SAVETEMPLATEClick);
    addAction(menuTemplate_, "SAVETEMPLATEAS", QStringLiteral("Save &as..."), &TFormMAIN::SAVETEMPLATEASClick);
    menuTemplate_->addSeparator();
    addAction(menuTemplate_, "PRINTTEMPLATE", QStringLiteral("&Print"), &TFormMAIN::PRINTTEMPLATEClick);
    connect(menuTemplate_, &QMenu::aboutToShow, this, &TFormMAIN::Template1Click);

    menuData_ = menuBar()->addMenu(QStringLiteral("&Data"));
    menuData_->setObjectName(QStringLiteral("Data1"));
    addAction(menuData_, "OPENDATA", QStringLiteral("&Open"), &TFormMAIN::OPENDATAClick);
    reopenData_ = menuData_->addMenu(QStringLiteral("&Reopen"));
    reopenData_->setObjectName(QStringLiteral("REOPENDATA"));
    addAction(menuData_, "CLOSEDATA", QStringLiteral("&Close"), &TFormMAIN::CLOSEDATAClick);
    addAction(menuData_, "FIELDS", QStringLiteral("&Fields..."), &TFormMAIN::FIELDSClick);
    connect(menuData_, &QMenu::aboutToShow, this, &TFormMAIN::Data1Click);

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("Options1"));
    addAction(options, "Scale1", QStringLiteral("&Scale..."), &TFormMAIN::Scale1Click);
    addAction(options, "Setunits1", QStringLiteral("Set &units..."), &TFormMAIN::Setunits1Click);
    addAction(options, "Softwaresettings1", QStringLiteral("Software settings..."), &TFormMAIN::Softwaresettings1Click);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    addAction(help, "Instructions1", QStringLiteral("&Instructions"), &TFormMAIN::Instructions1Click);
    addAction(help, "Gotowebsite1", QStringLiteral("Go to web site..."), &TFormMAIN::Gotowebsite1Click);
    addAction(help, "emailus1", QStringLiteral("Email us..."), &TFormMAIN::emailus1Click);
    about_ = addAction(help, "About1", QStringLiteral("&About"), &TFormMAIN::About1Click);
    about_->setEnabled(false);

    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("PopupMenu1"));
    addAction(popup_, "Opentextfile1", QStringLiteral("Open text file"), &TFormMAIN::Opentextfile1Click);
    connect(popup_, &QMenu::aboutToShow, this, [this] {
        popup_->actions().constFirst()->setEnabled(!job_->DATAINFO()->FULLFILENAME.isEmpty());
    });
    Data1Click();
    File1Click();
    Template1Click();
}

void TFormMAIN::File1Click()
{
    const bool t = job_->TEMPLATEEXISTS();
    reopenJob_->menuAction()->setEnabled(!reopenJob_->isEmpty());
    findChild<QAction*>(QStringLiteral("Savejob"))->setEnabled(!jobFileName_.isEmpty());
    for (const char* name : {"SAVEJOBAS", "CLOSEJOB", "FORMATLABELS", "PRINTJOB"})
        findChild<QAction*>(QString::fromLatin1(name))->setEnabled(t);
}

void TFormMAIN::Template1Click()
{
    const bool t = job_->TEMPLATEEXISTS();
    reopenTemplate_->menuAction()->setEnabled(!reopenTemplate_->isEmpty());
    for (const char* name : {"Editlayout1", "SAVETEMPLATE", "SAVETEMPLATEAS", "PRINTTEMPLATE"})
        findChild<QAction*>(QString::fromLatin1(name))->setEnabled(t);
}

void TFormMAIN::Data1Click()
{
    const bool t = job_->TEMPLATEEXISTS();
    findChild<QAction*>(QStringLiteral("OPENDATA"))->setEnabled(t);
    reopenData_->menuAction()->setEnabled(!reopenData_->isEmpty() && t);
    findChild<QAction*>(QStringLiteral("CLOSEDATA"))->setEnabled(job_->DATAEXISTS());
    findChild<QAction*>(QStringLiteral("FIELDS"))->setEnabled(job_->DATAINFO()->isTable());
}

// ---------------------------------------------------------------- top panel

void TFormMAIN::buildTopPanel()
{
    panelJobName_ = new QFrame(this);
    panelJobName_->setObjectName(QStringLiteral("PanelJOBNAME"));
    panelJobName_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panelJobName_->setFixedHeight(64);
    panelJobName_->installEventFilter(this);

    labelJob_ = makeLabel(panelJobName_, QStringLiteral("Job file:"));
    labelJob_->move(8, 9);
    barJob_ = makeNameBar(panelJobName_, "StatusBarJOBFILENAME");
    barJob_->move(64, 4);
    labelTemplate_ = makeLabel(panelJobName_, QStringLiteral("Template:"));
    labelTemplate_->move(8, 37);
    barTemplate_ = makeNameBar(panelJobName_, "StatusBarTEMPLATEFILENAME");
    barTemplate_->move(64, 32);
    labelData_ = makeLabel(panelJobName_, QStringLiteral("Data:"));
    labelData_->move(0, 37);
    barData_ = makeNameBar(panelJobName_, "StatusBarDATAFILENAME");
    barData_->move(0, 32);

    buttonReload_ = new QPushButton(QStringLiteral("Reload data"), panelJobName_);
    buttonReload_->setObjectName(QStringLiteral("ButtonRELOADDATA"));
    buttonReload_->resize(qMax(65, buttonReload_->sizeHint().width()), 25);
    buttonReload_->move(0, 32);
    connect(buttonReload_, &QPushButton::clicked, this, &TFormMAIN::ButtonRELOADDATAClick);

    labelRepeat1_ = makeLabel(panelJobName_, QStringLiteral("Repeat"));
    labelRepeat2_ = makeLabel(panelJobName_, QStringLiteral("label"));
    editRepeat_ = makeBox(panelJobName_, "EditRepeatLabelNum", 33);
    labelStart1_ = makeLabel(panelJobName_, QStringLiteral("Start"));
    labelStart2_ = makeLabel(panelJobName_, QStringLiteral("at Lab"));
    editStart_ = makeBox(panelJobName_, "EditStartLabNum", 33);
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
    connect(editStart_, &QLineEdit::textEdited, this, &TFormMAIN::EditStartLabNumChange);
    connect(editRepeat_, &QLineEdit::textEdited, this, &TFormMAIN::EditRepeatLabelNumChange);

    panelPage_ = new QFrame(panelJobName_);
    panelPage_->setObjectName(QStringLiteral("PanelPAGESPINBASE"));
    panelPage_->resize(192, 31);
    auto* pageLabel = makeLabel(panelPage_, QStringLiteral("Page:"));
    pageLabel->move(4, 8);
    editPage_ = makeBox(panelPage_, "EditPAGENUM", 57);
    editPage_->move(36, 4);
    editPage_->setText(QStringLiteral("1"));
    editPage_->installEventFilter(this);
    connect(editPage_, &QLineEdit::textEdited, this, &TFormMAIN::EditPAGENUMChange);

    // The spinner: two auto-repeating arrows whose position stays at 0; only
    // their up and down notifications matter.
    upDown_ = new QWidget(panelPage_);
    upDown_->setObjectName(QStringLiteral("UpDownPAGENUM"));
    upDown_->setGeometry(92, 4, 16, 24);
    arrowUp_ = new QToolButton(upDown_);
    arrowUp_->setObjectName(QStringLiteral("UpDownPAGENUMUp"));
    arrowUp_->setArrowType(Qt::UpArrow);
    arrowDown_ = new QToolButton(upDown_);
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

    buttonFirst_ = new QPushButton(QStringLiteral("First"), panelPage_);
    buttonFirst_->setObjectName(QStringLiteral("ButtonFIRSTPAGE"));
    buttonFirst_->setGeometry(112, 3, 38, 25);
    connect(buttonFirst_, &QPushButton::clicked, this, [this] { GOTOFIRSTPAGE(true); });
    buttonLast_ = new QPushButton(QStringLiteral("Last"), panelPage_);
    buttonLast_->setObjectName(QStringLiteral("ButtonLASTPAGE"));
    buttonLast_->setGeometry(152, 3, 38, 25);
    connect(buttonLast_, &QPushButton::clicked, this, [this] { GOTOLASTPAGE(true); });
}

void TFormMAIN::showNameBar(QLabel* bar, const QString& path)
{
    const QFontMetrics fm(bar->font());
    const int room = bar->width() - 8;
    const QString shown = shortFileName(path, fm, room);
    bar->setText(shown);
    bar->setToolTip(shown != path ? path : QString());
}

void TFormMAIN::reopenUpdate(QLabel* bar, const QString& current, QMenu* menu)
{
    const QString previous = bar->toolTip().isEmpty() ? bar->text() : bar->toolTip();
    if (previous != current) {
        REMOVEREOPENITEM(menu, current);
        ADDREOPENITEM(menu, previous);
    }
}

void TFormMAIN::PanelJOBNAMEResize()
{
    const int w = panelJobName_->contentsRect().width() + 2 * panelJobName_->frameWidth();
    panelPage_->resize(panelPage_->width(), 31);
    panelPage_->move(w - panelPage_->width() - 1, 0);

    // The bars start at 64 pixels, or clear of their captions where the
    // desktop's font makes those wider.
    const int barLeft = qMax(64, qMax(labelJob_->x() + labelJob_->width(), labelTemplate_->x() + labelTemplate_->width()) + 4);
    barJob_->move(barLeft, barJob_->y());
    barTemplate_->move(barLeft, barTemplate_->y());
    barJob_->resize(qMax(0, w - (labelJob_->x() + labelJob_->width()) - panelPage_->width() - 176 - (barLeft - 64)), 22);
    showNameBar(barJob_, jobFileName_);

    const int r = barJob_->x() + barJob_->width();
    labelRepeat1_->move(r + 6, labelRepeat1_->y());
    labelRepeat2_->move(r + 6, labelRepeat2_->y());
    editRepeat_->move(r + 44, editRepeat_->y());
    labelStart1_->move(r + 84, labelStart1_->y());
    labelStart2_->move(r + 84, labelStart2_->y());
    editStart_->move(r + 118, editStart_->y());

    const int half = (w - (buttonReload_->width() + 10)) / 2;
    barTemplate_->resize(qMax(0, half - labelTemplate_->width() - 16 - (barLeft - 64)), 22);

    reopenUpdate(barData_, job_->DATAINFO()->FULLFILENAME, reopenData_);
    labelData_->move(half + 8, labelData_->y());
    barData_->move(labelData_->x() + labelData_->width() + 8, barData_->y());
    barData_->resize(qMax(0, half - labelData_->width() - 16), 22);
    showNameBar(barData_, job_->DATAINFO()->FULLFILENAME);

    reopenUpdate(barTemplate_, job_->TEMPLATE()->FULLFILENAME, reopenTemplate_);
    showNameBar(barTemplate_, job_->TEMPLATE()->FULLFILENAME);

    buttonReload_->move(w - buttonReload_->width() - 3, buttonReload_->y());
}

// ---------------------------------------------------------------- preview

void TFormMAIN::buildPreview()
{
    scrollBox_ = new QScrollArea(this);
    scrollBox_->setObjectName(QStringLiteral("ScrollBoxMAIN"));
    scrollBox_->setWidgetResizable(false);
    scrollBox_->setBackgroundRole(QPalette::Dark);
    panelMainBase_ = new QWidget;
    panelMainBase_->setObjectName(QStringLiteral("PanelMAINBASE"));
    panelPaper_ = new QWidget(panelMainBase_);
    panelPaper_->setObjectName(QStringLiteral("PanelPAPER"));
    scrollBox_->setWidget(panelMainBase_);
    panelMainBase_->hide();
}

const QImage& TFormMAIN::pageBitmap() const
{
    static const QImage none;
    return image_ ? image_->bitmap() : none;
}

void TFormMAIN::FITPAPER()
{
    scrollBox_->horizontalScrollBar()->setValue(0);
    scrollBox_->verticalScrollBar()->setValue(0);
    const TTEMPLATE& t = *job_->TEMPLATE();
    const int w = static_cast<int>(roundHalfEven(static_cast<long double>(FNMUTOSCREENPIXELS(t.PAPERMUWIDTH)) * params_.FontScale));
    const int h = static_cast<int>(roundHalfEven(static_cast<long double>(FNMUTOSCREENPIXELS(t.PAPERMUHEIGHT)) * params_.FontScale));
    panelPaper_->setGeometry(0, 0, qMax(0, w), qMax(0, h));
    panelMainBase_->setGeometry(0, 0, qMax(0, w), qMax(0, h));
    MAKEPAPERIMAGE();
    panelMainBase_->show();
}

void TFormMAIN::MAKEPAPERIMAGE()
{
    delete image_;
    image_ = new PaperImage(panelPaper_);
    connect(image_, &PaperImage::mouseUp, this, &TFormMAIN::ImagePAPERMouseUp);
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
    const TTEMPLATE& t = *job_->TEMPLATE();
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

void TFormMAIN::REFRESHPAGE()
{
    if (!image_ || !job_)
        return;
    QImage& bitmap = image_->bitmap();
    if (bitmap.isNull())
        return;
    bitmap.fill(Qt::white);
    // The page box always names the page drawn: a job that became shorter
    // (less data, a later start, fewer repeats) shows its last page.
    const qint32 lastPage = std::max(0, job_->PAGECOUNT() - 1);
    if (params_.PageIndex < 0 || params_.PageIndex > lastPage) {
        params_.PageIndex = params_.PageIndex < 0 ? 0 : lastPage;
        setBoxText(editPage_, QString::number(params_.PageIndex + 1));
    }
    if (windows_.settings) {
        params_.ShowTemplate = windows_.settings->showTemplate();
        params_.ShowLabels = windows_.settings->showLabels();
    } else {
        params_.ShowTemplate = true;
        params_.ShowLabels = true;
    }
    params_.FirstSlot = job_->DATAINFO()->STARTLABNUM - 1;
    params_.RepeatCount = job_->DATAINFO()->RepeatLabelNum;
    std::exception_ptr failure;
    {
        const qreal ratio = bitmap.devicePixelRatio();
        bitmap.setDevicePixelRatio(1.0); // draw in device pixels
        PainterCanvas canvas(&bitmap);
        TPRINTPARAMS params = params_;
        params.Canvas = &canvas;
        QString pictureError;
        try {
            PRINT(*job_, params, &pictureError);
        } catch (const std::exception&) {
            failure = std::current_exception(); // told once the canvas is let go
        }
        bitmap.setDevicePixelRatio(ratio);
        if (!pictureError.isEmpty())
            statusBar()->showMessage(pictureError);
    }
    ++refreshCount_;
    image_->update();
    if (failure) {
        // The page shows as far as it was drawn; the job is untouched.
        try {
            std::rethrow_exception(failure);
        } catch (const std::exception& e) {
            reportCommandFailure(ErrorDrawingPage,
                                 QStringLiteral("Cannot draw page %1 of the preview").arg(params_.PageIndex + 1), e);
        }
    }
}

void TFormMAIN::GOTOFIRSTPAGE(bool redraw)
{
    setBoxText(editPage_, QStringLiteral("1"));
    params_.PageIndex = 0;
    if (redraw)
        REFRESHPAGE();
}

void TFormMAIN::GOTOLASTPAGE(bool redraw)
{
    params_.PageIndex = qMax(0, job_->PAGECOUNT() - 1);
    setBoxText(editPage_, QString::number(params_.PageIndex + 1));
    if (redraw)
        REFRESHPAGE();
}

void TFormMAIN::setBoxText(QLineEdit* box, const QString& text)
{
    settingBox_ = true;
    box->setText(text);
    settingBox_ = false;
}

qint32 TFormMAIN::labelsPerSheet() const
{
    return job_->TEMPLATE()->slotCount();
}

void TFormMAIN::EditPAGENUMChange(const QString& typed)
{
    QString text = typed;
    const qsizetype minus = text.indexOf(QLatin1Char('-'));
    if (minus >= 0)
        text.remove(minus, 1);
    qint64 n = 0;
    if (text.isEmpty() || wholeNumber(text, n)) {
        if (text.isEmpty() || text.trimmed() == QLatin1String("0"))
            n = 1;
        if (n < 1 || n > job_->PAGECOUNT())
            text = QString::number(params_.PageIndex + 1);
        else
            params_.PageIndex = static_cast<qint32>(n - 1);
    } else {
        Messages().error(text + QStringLiteral(" is not a valid value."));
        text = QString::number(params_.PageIndex + 1);
    }
    setBoxText(editPage_, text); // an empty box stays empty while the user types
    REFRESHPAGE();
}

void TFormMAIN::EditPAGENUMExit()
{
    QString text = editPage_->text();
    if (text.isEmpty() || text.trimmed() == QLatin1String("0"))
        text = QStringLiteral("1");
    setBoxText(editPage_, text);
    qint64 n = 1;
    if (wholeNumber(text, n) && n >= 1 && n <= INT32_MAX)
        params_.PageIndex = static_cast<qint32>(n - 1);
}

void TFormMAIN::UpDownPAGENUMClick(bool upper)
{
    if (spinnerGuard_)
        return;
    spinnerGuard_ = true;
    EditPAGENUMExit();
    qint64 n = 1;
    wholeNumber(editPage_->text(), n);
    if (upper) {
        if (n > 1)
            --n;
    } else if (n < job_->PAGECOUNT()) {
        ++n;
    }
    setBoxText(editPage_, QString::number(n));
    params_.PageIndex = static_cast<qint32>(std::clamp<qint64>(n - 1, 0, INT32_MAX));
    spinnerGuard_ = false;
}

void TFormMAIN::boxEdited(QLineEdit*, QTimer* timer, bool start, const QString& text)
{
    qint64 n = 0;
    if (wholeNumber(text, n) && n >= 1 && n <= labelsPerSheet()) {
        if (start)
            job_->DATAINFO()->STARTLABNUM = static_cast<qint32>(n);
        else
            job_->DATAINFO()->RepeatLabelNum = static_cast<qint32>(n);
        REFRESHPAGE();
    }
    if (!timer->isActive())
        timer->start();
}

void TFormMAIN::EditStartLabNumChange(const QString& text)
{
    boxEdited(editStart_, timerStartAt_, true, text);
}

void TFormMAIN::EditRepeatLabelNumChange(const QString& text)
{
    boxEdited(editRepeat_, timerRepeatLabel_, false, text);
}

void TFormMAIN::normaliseBox(QLineEdit* box, QTimer* timer, bool start)
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
        job_->DATAINFO()->STARTLABNUM = n;
    else
        job_->DATAINFO()->RepeatLabelNum = n;
    REFRESHPAGE();
}

qint32 TFormMAIN::fitToSheet(qint64 n) const
{
    if (job_->TEMPLATEEXISTS())
        return job_->TEMPLATE()->fitToSheet(n);
    return static_cast<qint32>(std::clamp<qint64>(n, 1, INT32_MAX));
}

void TFormMAIN::showDataNumbers()
{
    // The numbers printing will use, as the boxes keep them.
    TDATAINFO& data = *job_->DATAINFO();
    data.STARTLABNUM = fitToSheet(data.STARTLABNUM);
    data.RepeatLabelNum = fitToSheet(data.RepeatLabelNum);
    timerStartAt_->stop();
    timerRepeatLabel_->stop();
    setBoxText(editStart_, QString::number(data.STARTLABNUM));
    setBoxText(editRepeat_, QString::number(data.RepeatLabelNum));
}

void TFormMAIN::EditStartLabNumExit()
{
    normaliseBox(editStart_, timerStartAt_, true);
}

void TFormMAIN::EditRepeatLabelNumExit()
{
    normaliseBox(editRepeat_, timerRepeatLabel_, false);
}

void TFormMAIN::ImagePAPERMouseUp(Qt::MouseButton button, QPoint position)
{
    if (button != Qt::RightButton || !image_ || params_.PixPerMuX <= 0 || params_.PixPerMuY <= 0)
        return;
    const qreal ratio = image_->bitmap().devicePixelRatio();
    const MU x = static_cast<MU>(roundHalfEven(position.x() * ratio / params_.PixPerMuX));
    const MU y = static_cast<MU>(roundHalfEven(position.y() * ratio / params_.PixPerMuY));
    // A margin or a gap is no label on any page, whatever the page offset
    // below would make of the miss.
    if (job_->TEMPLATE()->GetTemplateNumFromMuXY(x, y) < 0)
        return;
    const qint64 index = static_cast<qint64>(job_->GetLabelNumFromMuXY(x, y))
                         + static_cast<qint64>(labelsPerSheet()) * params_.PageIndex;
    if (index >= 0 && index <= job_->DATAINFO()->LABELCOUNT() - 1)
        popup_->popup(image_->mapToGlobal(position));
}

void TFormMAIN::Opentextfile1Click()
{
    FNSHELLOPEN(job_->DATAINFO()->FULLFILENAME);
}

bool TFormMAIN::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == panelJobName_ && event->type() == QEvent::Resize) {
        PanelJOBNAMEResize();
    } else if (event->type() == QEvent::KeyPress && watched == editPage_) {
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
            return BaseMainWindow::eventFilter(watched, event);
        if (watched == editPage_)
            EditPAGENUMExit();
        else if (watched == editStart_)
            EditStartLabNumExit();
        else if (watched == editRepeat_)
            EditRepeatLabelNumExit();
    } else if (event->type() == QEvent::MouseButtonRelease && (watched == arrowUp_ || watched == arrowDown_)) {
        // While an arrow is held the number runs; the page is drawn once,
        // when the button is let go.
        QTimer::singleShot(0, this, &TFormMAIN::REFRESHPAGE);
    }
    return BaseMainWindow::eventFilter(watched, event);
}

void TFormMAIN::resizeEvent(QResizeEvent* event)
{
    BaseMainWindow::resizeEvent(event);
}

void TFormMAIN::replaceJob(std::unique_ptr<TJOB> job)
{
    job_ = std::move(job);
}
