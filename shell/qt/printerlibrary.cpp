// libstructcalc-printer.so: the printer dialog of Print…, a library the window opens when Print is
// chosen, so that Qt Print Support is loaded then and not at every start.

#include <QPagedPaintDevice>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

#include <memory>

// A printer as the user chose it in the dialog over `parent`; nullptr where the user cancelled.
// The caller owns it.
extern "C" QPagedPaintDevice *structcalc_ask_printer(QWidget *parent)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return printer.release();
}
