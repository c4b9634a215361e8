#pragma once
// Where the system waits for a modal answer, it runs an event loop until a
// condition holds, an awaited window is hidden, or the program quits.
// Product code never calls QDialog::exec.
#include <functional>

class QWidget;

namespace platform {

// Runs the event loop until condition() is true or the application quits.
// Returns true when the condition holds.
bool waitUntil(const std::function<bool()> &condition);

// Runs the event loop while the window is shown (or until the program quits).
void waitWhileVisible(QWidget *window);

} // namespace platform
