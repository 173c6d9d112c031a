#include "FormRTFHelp.h"

#include "dialogs/FormHELP.h"
#include "dialogs/NamedWidgets.h"
#include "support/BaseForm.h"
#include "support/Maker.h"
#include "support/Messages.h"
#include "support/ProgramFolder.h"
#include "support/Utilities.h"
#include "text/RtfReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {
constexpr int BottomBarHeight = 41;

void showWindow(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}
} // namespace

TFormRTFHelp::TFormRTFHelp(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FormRTFHelp"));
    setWindowTitle(QCoreApplication::translate("FormRTFHelp", "Instructions"));

    RichEdit1 = named(new QTextBrowser(this), "RichEdit1");
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A document to read: its text can be selected and copied and its links
    // followed, by mouse or keyboard; an editable box would only move the
    // caret on a link.
    RichEdit1->setReadOnly(true);
    RichEdit1->setTextInteractionFlags(Qt::TextBrowserInteraction);
    RichEdit1->setUndoRedoEnabled(false);
    // Links go to the desktop's browser or mail program, never into the box.
    RichEdit1->setOpenLinks(false);
    RichEdit1->document()->setDocumentMargin(16);
    connect(RichEdit1, &QTextBrowser::anchorClicked, this, [](const QUrl& url) {
        const QString scheme = url.scheme().toLower();
        if (scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("mailto"))
            FNSHELLOPEN(url.toString());
    });

    Panel1 = named(new QWidget(this), "Panel1");
    Panel1->setFixedHeight(BottomBarHeight);
    ButtonClose = named(new QPushButton(QCoreApplication::translate("FormRTFHelp", "Close"), Panel1), "ButtonClose");
    ButtonClose->setMinimumWidth(88);
    ButtonClose->adjustSize();
    Panel1->installEventFilter(this);
    connect(ButtonClose, &QPushButton::clicked, this, &QWidget::close);
    ButtonClose->setFocus(); // the reader starts without a text cursor in the page

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(RichEdit1, 1);
    layout->addWidget(Panel1);
    resize(640, 600);
    keepOnScreen(*this);
    centreCloseButton();
}

bool TFormRTFHelp::loadDocument(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        messageSeam().error(Messages::cannotOpenFileBecause(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    const QByteArray bytes = file.readAll();
    QTextDocument* document = RichEdit1->document();
    if (!readRtf(bytes, *document))
        RichEdit1->setPlainText(QString::fromUtf8(bytes));
    RichEdit1->moveCursor(QTextCursor::Start);
    return true;
}

void TFormRTFHelp::centreCloseButton()
{
    const int left = (Panel1->width() - ButtonClose->width()) / 2;
    ButtonClose->move(left, (Panel1->height() - ButtonClose->height()) / 2);
}

bool TFormRTFHelp::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Panel1 && event->type() == QEvent::Resize)
        centreCloseButton();
    return QWidget::eventFilter(watched, event);
}

QString instructionsFileName()
{
    return applicationTitle() + QStringLiteral("02Instructions.rtf");
}

QString instructionsFile()
{
    const QString beside = QDir(executableFolder()).filePath(instructionsFileName());
    if (QFileInfo(beside).isFile())
        return beside;
    return QStandardPaths::locate(QStandardPaths::AppDataLocation, instructionsFileName());
}

bool showInstructions(TFormRTFHelp& formatted, TFormHELP& plain)
{
    const QString path = instructionsFile();
    if (path.isEmpty()) {
        showWindow(plain);
        return true;
    }
    if (!formatted.loadDocument(path))
        return false;
    showWindow(formatted);
    return true;
}
