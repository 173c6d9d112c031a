#include "FormABOUT.h"

#include "dialogs/AboutPictures.h"
#include "dialogs/NamedWidgets.h"
#include "support/Maker.h"
#include "support/Messages.h"
#include "support/Utilities.h"

#include <QCoreApplication>
#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int PictureInterval = 600;
constexpr int SplashTime = 2000;
constexpr int KeyBufferSize = 20;

QLabel* picture(const char* name, const QPixmap& pixmap, QWidget* parent)
{
    auto* label = named(new QLabel(parent), name);
    label->setPixmap(pixmap);
    label->setFixedSize(pixmap.deviceIndependentSize().toSize());
    return label;
}

QLabel* centredLabel(const char* name, const QString& text, int pixelSize, bool bold, const QColor& colour)
{
    auto* label = named(new QLabel(text), name);
    label->setAlignment(Qt::AlignHCenter);
    QFont font = label->font();
    if (pixelSize > 0)
        font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

// A read-only edit that looks and acts like a link.
QLineEdit* linkEdit(const char* name, const QString& text)
{
    auto* edit = named(new QLineEdit(text), name);
    edit->setReadOnly(true);
    edit->setFrame(false);
    edit->setAlignment(Qt::AlignHCenter);
    edit->setCursor(Qt::PointingHandCursor);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    QFont font = edit->font();
    font.setUnderline(true);
    edit->setFont(font);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text, QColor(0, 0, 238));
    palette.setColor(QPalette::Base, Qt::white);
    edit->setPalette(palette);
    edit->setToolTip(QCoreApplication::translate("FormABOUT", "Click to open"));
    return edit;
}

} // namespace

TFormABOUT::TFormABOUT(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FormABOUT"));
    setWindowTitle(applicationTitle() + QCoreApplication::translate("FormABOUT", " About box"));

    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;

    auto* panel = named(new QFrame, "Panel1");
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);
    panel->setFrameShape(QFrame::StyledPanel);

    // The two corners: two frames each in the same place, the first in front.
    auto* leftCorner = new QWidget;
    leftCorner->setFixedSize(32, 32);
    Image2 = picture("Image2", aboutEmblem(1, false, ratio), leftCorner);
    Image1 = picture("Image1", aboutEmblem(0, false, ratio), leftCorner);
    auto* rightCorner = new QWidget;
    rightCorner->setFixedSize(32, 32);
    Image3 = picture("Image3", aboutEmblem(1, true, ratio), rightCorner);
    Image4 = picture("Image4", aboutEmblem(0, true, ratio), rightCorner);
    Image1->raise();
    Image4->raise();
    ImageMAIN = picture("ImageMAIN", aboutProductPicture(ratio), nullptr);

    auto* top = new QHBoxLayout;
    top->addWidget(leftCorner, 0, Qt::AlignTop);
    top->addStretch(1);
    top->addWidget(ImageMAIN);
    top->addStretch(1);
    top->addWidget(rightCorner, 0, Qt::AlignTop);

    const QColor ink(32, 38, 46);
    const QColor grey(110, 116, 124);
    auto* notice = centredLabel(
        "LabelNOTICE",
        QCoreApplication::translate("FormABOUT", "Copyright \u00A9 %1. All rights reserved.").arg(makerFullName()), 11,
        false, grey);
    auto* name = centredLabel("Label2", applicationTitle(), 24, true, ink);
    LabelVERSION = centredLabel("LabelVERSION", FNGETVERSIONTEXT(), 0, false, ink);
    auto* line1 = centredLabel("LabelLINE1", QCoreApplication::translate("FormABOUT", "A simple labelling solution"),
                               13, true, ink);
    auto* line2 = centredLabel(
        "LabelLINE2",
        QCoreApplication::translate("FormABOUT", "Please email us with any requests, comments or questions at:"), 0,
        false, ink);
    EditEMAIL = linkEdit("EditEMAIL", makerSupportMail());
    EditWEB = linkEdit("EditWEB", makerWebSite());

    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(10, 10, 10, 14);
    column->setSpacing(2);
    column->addLayout(top);
    column->addSpacing(4);
    column->addWidget(notice);
    column->addSpacing(8);
    column->addWidget(name);
    column->addWidget(LabelVERSION);
    column->addSpacing(12);
    column->addWidget(line1);
    column->addSpacing(6);
    column->addWidget(line2);
    column->addSpacing(2);
    column->addWidget(EditEMAIL);
    column->addWidget(EditWEB);

    ButtonOK = named(new QPushButton(QCoreApplication::translate("FormABOUT", "OK"), this),
                     "ButtonOK"); // the dialog's default
    ButtonOK->setDefault(true);
    ButtonOK->setMinimumWidth(88);
    connect(ButtonOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    page->addWidget(panel);
    page->addWidget(ButtonOK, 0, Qt::AlignHCenter);
    page->setSizeConstraint(QLayout::SetFixedSize);
    panel->setMinimumWidth(420);

    // Keys reach the box before its controls; the two links open on a click.
    for (QWidget* child :
         {static_cast<QWidget*>(ButtonOK), static_cast<QWidget*>(EditEMAIL), static_cast<QWidget*>(EditWEB)})
        child->installEventFilter(this);

    TimerPICS = named(new QTimer(this), "TimerPICS");
    TimerPICS->setInterval(PictureInterval);
    connect(TimerPICS, &QTimer::timeout, this, &TFormABOUT::TimerPICSTimer);

    TimerCLOSE = named(new QTimer(this), "TimerCLOSE");
    TimerCLOSE->setSingleShot(true);
    TimerCLOSE->setInterval(SplashTime);
    closer_.setAboutTimer(TimerCLOSE);
    closer_.setEndSplash([this] {
        hide();
        if (enableAbout_)
            enableAbout_();
    });
    connect(TimerCLOSE, &QTimer::timeout, this, [this] { closer_.aboutTimerFired(); });
    TimerCLOSE->start();
}

void TFormABOUT::showSplash()
{
    show();
    raise();
    // Paint now: the message loop starts only after every window is made.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    repaint();
}

void TFormABOUT::joinSplash(QTimer* mainTimer, std::function<void()> enableAbout)
{
    enableAbout_ = std::move(enableAbout);
    closer_.setMainTimer(mainTimer);
    if (mainTimer)
        connect(mainTimer, &QTimer::timeout, this, [this] { closer_.mainTimerFired(); });
}

QString TFormABOUT::mailLink()
{
    return supportMailLink();
}

QString TFormABOUT::quotation()
{
    return Messages::aboutQuotation();
}

void TFormABOUT::keyPress(int key)
{
    if (key > 0xFFFF)
        return;
    const QChar letter = QChar(static_cast<char16_t>(key)).toUpper();
    if (letter < QLatin1Char('A') || letter > QLatin1Char('Z'))
        return;
    keys_.append(letter);
    if (keys_.size() > KeyBufferSize)
        keys_.remove(0, 1);
    if (keys_.contains(QLatin1String("BRISK"))) {
        keys_.clear();
        messageSeam().show(quotation());
    }
}

void TFormABOUT::showEvent(QShowEvent* event)
{
    TimerPICS->start();
    LabelVERSION->setText(FNGETVERSIONTEXT());
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->geometry();
        const QSize size = this->size();
        move(area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2);
    }
    QDialog::showEvent(event);
}

void TFormABOUT::hideEvent(QHideEvent* event)
{
    TimerPICS->stop();
    QDialog::hideEvent(event);
}

void TFormABOUT::keyPressEvent(QKeyEvent* event)
{
    keyPress(event->key());
    QDialog::keyPressEvent(event);
}

bool TFormABOUT::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // A key with Control goes on to the control (copying the address);
        // if the control does not want it, the box counts it there.
        if (!(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
            keyPress(key->key());
            const bool isLetter = key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z;
            if (isLetter)
                return true; // no control here wants letters
        }
    } else if (event->type() == QEvent::MouseButtonRelease
               && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == EditEMAIL) {
            FNSHELLOPEN(mailLink());
            return true;
        }
        if (watched == EditWEB) {
            FNSHELLOPEN(makerWebSite());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormABOUT::TimerPICSTimer()
{
    if (picsFlag_) {
        picsFlag_ = false;
        Image1->lower();
        Image4->lower();
    } else {
        picsFlag_ = true;
        Image1->raise();
        Image4->raise();
    }
}
