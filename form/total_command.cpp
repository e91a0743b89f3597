#include "form/total_command.h"

#include "form/control_ids.h"
#include "form/item_row.h"
#include "text/format.h"
#include "text/numbers.h"

void TotalCommand::OnTotal() {
  m_dTotal = 0.0;
  m_nItemCount = 0;
  for (const ItemRow& row : kItemRows) {
    const int selection = m_form.GetSelection(row.goods);
    const int32_t quantity = ReadWholeNumber(m_form.GetText(row.quantity));
    const double price = ReadDecimal(m_form.GetText(row.price));
    if (selection == kNoSelection || quantity == 0 || !(price >= 0.001)) break;
    ++m_nItemCount;
    m_dTotal += static_cast<double>(quantity) * price;
  }
  ShowTotal();
}

void TotalCommand::ShowTotal() {
  m_form.SetText(IDC_TOTAL, Format("%.2f", m_dTotal));
}
