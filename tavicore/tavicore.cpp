#include "tavicore/tavicore.h"

#include <wx/window.h>

#include "productinfo/product_record.h"
#include "tavicore/about_box.h"

CCore::CCore() = default;
CCore::~CCore() = default;

// The text comes by value and the record through a pointer to non-const as every
// component's entry takes them (tavicore.h, the same for each component: the tests' own
// records the pointer it is handed); this one has no use for the text and only reads the
// record. cppcheck sees this definition alone and would have the interface changed.
// cppcheck-suppress constParameterPointer
std::string CCore::uu(tagOprType operation, tagSoft* record,
                      std::string /*text*/) {  // NOLINT(performance-unnecessary-value-param)
  if (operation != tagOprType::About || record == nullptr) return {};
  // A record that does not decode describes no product: there is nothing to show.
  const std::optional<ProductTexts> product = ReadProductRecord(*record);
  if (!product) return {};
  // The caller passes no window: the box belongs to the one the user is working in.
  AboutBox box(wxGetTopLevelParent(wxGetActiveWindow()), *product);
  box.ShowModal();
  return {};
}
