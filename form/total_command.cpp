#include "form/total_command.h"

#include "form/control_ids.h"
#include "text/format.h"

void TotalCommand::OnTotal() {
  m_sale = ReadSale(*m_form);
  m_nItemCount = m_sale.ItemCount();
  m_dTotal = m_sale.total;
  ShowTotal();
}

void TotalCommand::ShowTotal() {
  m_form->SetText(IDC_TOTAL, Format("%.2f", m_dTotal));
}
