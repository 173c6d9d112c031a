#pragma once
// The formatted instructions window: the instructions document
// "Gorvin02Instructions.rtf", read by the program's own RTF reader.
// A plain window, not part of the saved desktop, cut to the screen when
// shown.

#include <QString>
#include <QWidget>

class QPushButton;
class QTextBrowser;
class TFormHELP;

class TFormRTFHelp : public QWidget {
    Q_OBJECT
public:
    explicit TFormRTFHelp(QWidget* parent = nullptr);

    // Loads a document into the rich-text box: RTF through the program's
    // reader, anything else as plain text. A file that cannot be opened is
    // reported in an error message and leaves the box as it was; the result
    // is then false.
    bool loadDocument(const QString& path);

    QTextBrowser* richText() const { return RichEdit1; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void centreCloseButton();

    QTextBrowser* RichEdit1 = nullptr;
    QWidget* Panel1 = nullptr;
    QPushButton* ButtonClose = nullptr;
};

// The file name of the instructions document.
QString instructionsFileName();

// Where the instructions document is: beside the program, or else in the
// installed data folders (~/.local/share/Mardo/Gorvin, then
// /usr/local/share/Mardo/Gorvin and /usr/share/Mardo/Gorvin); empty when it
// is in neither.
QString instructionsFile();

// The "&Instructions" command: the document in the formatted window when
// there is one, otherwise the plain window with the built-in text. Neither
// window is modal. True when a window was shown.
bool showInstructions(TFormRTFHelp& formatted, TFormHELP& plain);
