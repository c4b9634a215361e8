#pragma once
// What the kitchen's handler sources share.
#include <QString>
#include <QWidget>

class TFIAMain;

namespace kochen {

constexpr int Hilfethema = 12;

// The window is disabled while a question or notice of a handler is open.
class Gesperrt
{
public:
    explicit Gesperrt(QWidget *w) : m_w(w) { m_w->setEnabled(false); }
    ~Gesperrt() { m_w->setEnabled(true); }
    Gesperrt(const Gesperrt &) = delete;
    Gesperrt &operator=(const Gesperrt &) = delete;

private:
    QWidget *m_w;
};

// Type-ahead on the verbs: the board scrolls to the first shown verb that
// starts with the character, and the whole verb list to its first such line.
bool tippeVerb(TFIAMain *f, const QString &text);

} // namespace kochen
