// The program in German and French: its menus, its messages and Qt's own
// buttons come from the translations for the locale, and English stays as
// written.

#include "common/MainWindowFixture.h"
#include "support/Messages.h"
#include "support/Translations.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTranslator>

#include <algorithm>

namespace {

// Takes out the translators installTranslations put in, for the tests after.
void removeTranslations()
{
    for (QTranslator* translator :
         QCoreApplication::instance()->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

} // namespace

TEST_F(MainWindowTest, MenusMessagesAndQtButtonsSpeakTheLocalesLanguage)
{
    struct Case {
        const char* locale;
        bool translated;
        QStringList menus; // File, Template, Data, Options, Help
        QString cancel;
        QString message;
    };
    const Case cases[] = {
        {"de_DE",
         true,
         {"&Datei", "&Vorlage", "Da&ten", "&Optionen", "&Hilfe"},
         "Abbrechen",
         "Die Datei a.txt kann nicht geöffnet werden"},
        {"fr_FR",
         true,
         {"&Fichier", "&Modèle", "&Données", "&Options", "&Aide"},
         "Annuler",
         "Impossible d’ouvrir le fichier a.txt"},
        {"en_GB", false, {"&File", "&Template", "&Data", "&Options", "&Help"}, "Cancel", "Cannot open file a.txt"},
        {"sv_SE", false, {"&File", "&Template", "&Data", "&Options", "&Help"}, "", "Cannot open file a.txt"},
    };
    const char* const menuNames[] = {"File1", "Template1", "Data1", "Options1", "Help1"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale);
        EXPECT_EQ(installTranslations(QLocale(QString::fromLatin1(c.locale))), c.translated);
        TFormMAIN& main = start();
        for (int i = 0; i < 5; ++i) {
            auto* menu = main.findChild<QMenu*>(QString::fromLatin1(menuNames[i]));
            ASSERT_NE(menu, nullptr) << menuNames[i];
            EXPECT_EQ(menu->title(), c.menus[i]);
        }
        // A button of Qt's own, translated by Qt's translations (Swedish is
        // left out: Qt may have it where the program has none).
        QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        if (!c.cancel.isEmpty()) {
            EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), c.cancel);
        }
        EXPECT_EQ(Messages::cannotOpenFile(QStringLiteral("a.txt")), c.message);
        // The page panel's captions show whole, each clear of the next.
        auto* panel = main.findChild<QFrame*>(QStringLiteral("PanelPAGESPINBASE"));
        ASSERT_NE(panel, nullptr);
        int right = 0;
        for (QWidget* w : {static_cast<QWidget*>(panel->findChildren<QLabel*>().value(0)),
                           static_cast<QWidget*>(panel->findChild<QLineEdit*>(QStringLiteral("EditPAGENUM"))),
                           static_cast<QWidget*>(panel->findChild<QPushButton*>(QStringLiteral("ButtonFIRSTPAGE"))),
                           static_cast<QWidget*>(panel->findChild<QPushButton*>(QStringLiteral("ButtonLASTPAGE")))}) {
            ASSERT_NE(w, nullptr);
            EXPECT_GE(w->x(), right) << w->objectName().toStdString();
            const auto* caption = qobject_cast<QLabel*>(w);
            const auto* button = qobject_cast<QPushButton*>(w);
            if (caption || button) {
                EXPECT_GE(w->width(), w->fontMetrics().horizontalAdvance(caption ? caption->text() : button->text()));
            }
            right = w->x() + std::min(w->width(), w->sizeHint().width());
        }
        EXPECT_LE(right, panel->width());
        EXPECT_TRUE(closeMain());
        removeTranslations();
    }
}
