#include "FormHELP.h"

#include "dialogs/NamedWidgets.h"
#include "support/Maker.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TFormHELP::TFormHELP(QWidget* parent) : BaseWindow<QWidget>(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FormHELP"));
    setWindowTitle(QStringLiteral("FormHELP"));
    Memo1 = named(new QPlainTextEdit(this), "Memo1");
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setPlainText(instructionsText());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Memo1);
    resize(560, 520);
}

void TFormHELP::showEvent(QShowEvent* event)
{
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    BaseWindow<QWidget>::showEvent(event);
}

QString TFormHELP::instructionsText()
{
    return QCoreApplication::translate(
               "FormHELP", "%1 LABEL PRINTING\n"
                           "\n"
                           "%2 prints address labels, and any other short texts, from a plain text file "
                           "onto sheets of self-adhesive labels. It is meant to be simple: one data file, one "
                           "label sheet, one look for every label.\n"
                           "\n"
                           "QUICK START\n"
                           "\n"
                           "Choose \"New job wizard...\" on the \"File\" menu. It takes you through the steps "
                           "below one after another: the label sheet, the data file and the look of the "
                           "labels.\n"
                           "\n"
                           "STEP BY STEP\n"
                           "\n"
                           "1. Create a template with Template/New... and enter the size of the sheet (the "
                           "paper size of the label sheet).\n"
                           "\n"
                           "2. Enter the measurements of the labels with Template/Edit layout...: how many "
                           "labels across and down, the left and top margins, the width and height of a label "
                           "and the gaps between labels.\n"
                           "\n"
                           "3. Print the template with Template/Print on plain paper and hold it against a "
                           "label sheet. If the print is shifted or stretched, calibrate the printer with "
                           "File/Calibrate printer.... Save the template with Template/Save as... so that you "
                           "can use it again.\n"
                           "\n"
                           "4. Prepare a plain text data file in any text editor. Consecutive lines make one "
                           "label; an empty line separates one label from the next.\n"
                           "\n"
                           "5. Open the data file with Data/Open.\n"
                           "\n"
                           "6. Change the border (2 mm by default), the alignment, the justification and the "
                           "font with File/Format labels.... Press \"Save format defaults\" there if you want "
                           "new jobs to start with the same settings.\n"
                           "\n"
                           "7. Check the preview in the main window, then save the job with File/Save job "
                           "as....\n"
                           "\n"
                           "8. If you edit the data file in another program, save and close it there, then "
                           "press \"Reload data\" in %2.\n"
                           "\n"
                           "9. Test-print a page on plain paper first, then on a label sheet.\n"
                           "\n"
                           "10. Save the job and print it with File/Print....\n"
                           "\n"
                           "REQUESTS AND QUESTIONS\n"
                           "\n"
                           "We would like to hear what you would change or add. Write to us with \"Email "
                           "us...\" on the \"Help\" menu, or visit our web site with \"Go to web site...\".\n")
        .arg(applicationTitle().toUpper(), applicationTitle());
}
