#include "modal.h"

#include <QDialog>

namespace skinwright::platform {
namespace {

ModalRunner& CurrentRunner()
{
    static ModalRunner runner;
    return runner;
}

}  // namespace

int RunModal(QDialog& dialog)
{
    ModalRunner& runner = CurrentRunner();
    if (!runner)
        return dialog.exec();
    dialog.setModal(true);
    dialog.show();
    const int result = runner(dialog);
    if (dialog.isVisible())
        dialog.done(result);
    return result;
}

void SetModalRunner(ModalRunner runner)
{
    CurrentRunner() = std::move(runner);
}

}  // namespace skinwright::platform
