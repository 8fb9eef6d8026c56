// Our own modal windows are shown through RunModal, so that a test can put a
// scripted callback in place of the modal loop and work the live window.
#pragma once

#include <functional>

class QDialog;

namespace skinwright::platform {

// Shows the dialog modally and returns its result. A runner receives the
// dialog already shown and returns the result it was closed with.
using ModalRunner = std::function<int(QDialog&)>;

int RunModal(QDialog& dialog);

// Replaces the modal loop; an empty runner restores the real one.
void SetModalRunner(ModalRunner runner);

}  // namespace skinwright::platform
