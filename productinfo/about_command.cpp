#include "productinfo/about_command.h"

#include <cstdlib>
#include <new>
#include <string>

AboutCommand::Allocator AboutCommand::StandardAllocator() {
  return {[]() -> CCore* { return new (std::nothrow) CCore; },
          [](size_t size) { return std::malloc(size); }, [](void* memory) { std::free(memory); }};
}

void AboutCommand::SetUp() {
  Release();
  m_pCore = m_allocator.newCore();
  m_pSoft = NewRecord();
}

tagSoft* AboutCommand::NewRecord() const {
  void* memory = m_allocator.allocate(kProductRecordSize);
  if (memory == nullptr) return nullptr;
  auto* record = static_cast<tagSoft*>(memory);
  if (!WriteProductRecord(*record, ThisProduct())) {
    m_allocator.release(memory);
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
    m_allocator.release(m_pSoft);
    m_pSoft = nullptr;
  }
}
