// Every window on a screen of 800 x 500 logical pixels (1600 x 1000 at a
// scale of 2, the screen this program's test gives the offscreen platform)
// opens wholly on it with its closing buttons in full sight, in each language.
#include "common/MainWindowFixture.h"
#include "common/ModalDialog.h"
#include "dialogs/FieldsDialog.h"
#include "dialogs/SelectLabelsDialog.h"
#include "dialogs/SerialNumbersDialog.h"
#include "support/Dialogs.h"
#include "support/Translations.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTranslator>

namespace {
// The window on the screen and its closing buttons in full sight: cut neither
// by a scroll area nor by the window's edge. Qt's own dialogs close by their
// button box.
void expectWhollyShown(QWidget& window)
{
    const QRect area = window.screen()->availableGeometry();
    EXPECT_TRUE(area.contains(window.frameGeometry())) << window.width() << " x " << window.height();
    QList<QAbstractButton*> buttons;
    if (auto* box = window.findChild<QDialogButtonBox*>())
        buttons = box->buttons();
    for (QPushButton* b : window.findChildren<QPushButton*>(
             QRegularExpression(QStringLiteral("^(ButtonOK|ButtonCANCEL|OKBtn|CancelBtn|ButtonClose)$"))))
        if (b->window() == &window)
            buttons << b;
    const bool hasNone = window.objectName() == QLatin1String("FormMAIN") || window.objectName() == "FormHELP";
    EXPECT_EQ(buttons.isEmpty(), hasNone);
    for (QAbstractButton* button : buttons) {
        const QRect onScreen(button->mapToGlobal(QPoint(0, 0)), button->size());
        EXPECT_EQ(button->visibleRegion(), QRegion(button->rect())) << button->text().toStdString();
        EXPECT_TRUE(window.geometry().contains(onScreen) && area.contains(onScreen)) << button->text().toStdString();
    }
}
} // namespace

using SmallScreen = MainWindowTest;

TEST_F(SmallScreen, EveryWindowOpensWhollyOnTheScreenWithItsButtonsInSight)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 800, 500));
    ASSERT_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
    const QStringList windows = QStringLiteral("FormMAIN FormFORMAT FormCALIBPRN FormLAYOUT FormNEWPAPER FormPRODUCT "
                                               "FormSETTINGS FormSETUNITS FormSCALE FormABOUT FormHELP FormRTFHelp "
                                               "FieldsDialog SelectLabelsDialog SerialNumbersDialog")
                                    .split(' ');
    for (const char* language : {"en_GB", "de_DE", "fr_FR"}) {
        SCOPED_TRACE(language);
        installTranslations(QLocale(QString::fromLatin1(language)));
        TFormMAIN& main = start();
        FieldsDialog fields(&main);
        SelectLabelsDialog select(&main);
        SerialNumbersDialog serials(&main);
        for (const QString& name : windows) {
            SCOPED_TRACE(name.toStdString());
            QWidget* window = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                window = w->objectName() == name ? w : window;
            ASSERT_NE(window, nullptr);
            window->show();
            QCoreApplication::processEvents();
            expectWhollyShown(*window);
            if (window != &main)
                window->hide();
        }
        // Qt's own dialogs, as the program opens them.
        QtDialogSeam qt;
        QFont font;
        QColor color;
        for (const std::function<void()>& open : std::initializer_list<std::function<void()>>{
                 [&] { qt.chooseFont(&main, font); }, [&] { qt.chooseColor(&main, color); },
                 [&] { qt.openFile(&main, FileRequest()); }}) {
            whenModalWidget([](QWidget& dialog) { expectWhollyShown(dialog); }, AfterSteps::Cancel);
            open();
        }
        EXPECT_TRUE(closeMain());
        for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    }
}
