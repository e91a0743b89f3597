#include "productinfo/about_command.h"

#include <new>
#include <string>

namespace {

// Null when the component cannot be created: no memory for it, or its own set-up failed.
CCore* NewCore() {
  try {
    return new CCore;
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

}  // namespace

void AboutCommand::SetUp() {
  Release();
  m_pCore = NewCore();
  m_pSoft = NewRecord();
}

tagSoft* AboutCommand::NewRecord() const {
  void* memory = m_memory.allocate(kProductRecordSize);
  if (memory == nullptr) return nullptr;
  auto* record = static_cast<tagSoft*>(memory);
  if (!WriteProductRecord(*record, ThisProduct())) {
    m_memory.release(memory);
    return nullptr;
  }
  return record;
}

void AboutCommand::OnAbout() {
  if (m_pCore == nullptr || m_pSoft == nullptr) return;
  m_pCore->uu(tagOprType::About, m_pSoft, std::string());
}

void AboutCommand::Release() {
  if (m_pCore != nullptr) {
    delete m_pCore;
    m_pCore = nullptr;
  }
  if (m_pSoft != nullptr) {
    m_memory.release(m_pSoft);
    m_pSoft = nullptr;
  }
}
