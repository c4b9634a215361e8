#pragma once
// The help viewer: the help text PRGDATA\ENG\Anleitung.hbr (RTF), opened at
// the chapter of a topic, with a small find bar.
#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTextBlock;
class QTextBrowser;
class QTextDocument;

class TFHilfe : public QWidget
{
    Q_OBJECT
public:
    explicit TFHilfe(QWidget *parent = nullptr);

    // Loads the help text (again when the file changed); false after a message.
    bool Lade_Anleitung();
    // Scrolls to the chapter of the topic; the top for an unknown topic.
    void Gehe_zu_Kapitel(int topic);

    QTextBrowser *REHilfe;
    QLineEdit *ESuchen;
    QPushButton *BSuchen;
    QPushButton *BSchliessen;
    QLabel *LSuchergebnis;

public slots:
    void BSuchenClick();
    void BSchliessenClick();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_geladen; // native path of the loaded file
    qint64 m_stand = -1;
};

extern TFHilfe *FHilfe;

// Chapter number of a help topic: the kitchen's topics 12..17 share chapter 11.
int Hilfekapitel(int topic);
// First block of the document that is the heading of chapter n: a paragraph
// "<n>. <Title>" alone. Formatted headings (bold or a larger font) win over
// plain paragraphs of that form. A plain one counts when its number is above
// the chapter before and it does not go on a numbered list ("1. ", "2. "
// ... in the text). Invalid block when none.
QTextBlock Finde_Kapitel(const QTextDocument *document, int n);

// Shows the help viewer at the chapter of the topic.
void Zeige_Hilfe(int topic);
