#pragma once
// The news window: one line per news item (check mark = read), the text of
// the selected item, and a button back to the main window. Reading an item
// (clicking its line) is the only way to mark it read.
#include <QWidget>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;

class TFNews : public QWidget
{
    Q_OBJECT
public:
    explicit TFNews(QWidget *parent = nullptr);

    QLabel *IBackGround;
    QListWidget *CLBNews;
    QPlainTextEdit *MNews;
    QPushButton *BNews;

    void CLBNewsClick();
    void CLBNewsClickCheck(QListWidgetItem *item);
    void BNewsClick();
    void FormClose();

    // Fills the list and the text from News; erstesMal also shows the window.
    void Fuelle(bool erstesMal);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
};

extern TFNews *FNews;

// Loads the news file and shows the window; with no news it does not open
// and the main window stays usable. The menu item MNachrichtenlesen calls it
// with true.
void Zeige_News(bool erstesMal);
