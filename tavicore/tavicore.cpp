#include "tavicore/tavicore.h"

#include <wx/window.h>

#include "productinfo/product_record.h"
#include "tavicore/about_box.h"

CCore::CCore() = default;
CCore::~CCore() = default;

// The text comes by value as every component's entry takes it; this one has no use for it.
// NOLINTNEXTLINE(performance-unnecessary-value-param)
std::string CCore::uu(tagOprType operation, tagSoft* record, std::string /*text*/) {
  if (operation != tagOprType::About || record == nullptr) return {};
  // A record that does not decode describes no product: there is nothing to show.
  const std::optional<ProductTexts> product = ReadProductRecord(*record);
  if (!product) return {};
  // The caller passes no window: the box belongs to the one the user is working in.
  AboutBox box(wxGetTopLevelParent(wxGetActiveWindow()), *product);
  box.ShowModal();
  return {};
}
