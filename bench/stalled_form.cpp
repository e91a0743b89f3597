// The till's form with a one-row sale typed in, printing to the file named on the command
// line instead of LPT1. The stalled-printer benchmark hands it a named pipe nobody reads,
// presses 打印 and reads the form through the accessibility layer while the print waits.
#include <wx/app.h>
#include <wx/choice.h>

#include <memory>
#include <string>
#include <vector>

#include "bench/dialog_program.h"
#include "form/control_ids.h"
#include "form/item_row.h"
#include "gui/receipt_dlg.h"
#include "port/printer_posix.h"

void RunDialog() {
  const std::string device = wxTheApp->argc > 1 ? wxTheApp->argv[1].utf8_string() : "";
  CReceiptDlg dialog(nullptr, std::make_unique<DevicePrinter>(std::vector<std::string>{device}));
  // Once the dialog has set itself up, as a cashier would have typed it.
  dialog.CallAfter([&dialog] {
    const ItemRow& row = kItemRows[0];
    wxStaticCast(dialog.FindWindow(row.goods), wxChoice)->SetSelection(0);
    dialog.SetText(row.quantity, "2");
    dialog.SetText(row.price, "3.5");
    dialog.SetText(IDC_CASHIER, "Li");
    dialog.SetText(IDC_RECEIVED, "20");
  });
  dialog.ShowModal();
}
