#include "cli/OutOfMemoryWatch.h"

#include "base/MemoryManager.h"

namespace cadmira::cli {

COutOfMemoryWatch::COutOfMemoryWatch() { CZD_MemoryManager::SetOutOfMemoryHandler(&Note, this); }

COutOfMemoryWatch::~COutOfMemoryWatch() { CZD_MemoryManager::SetOutOfMemoryHandler(nullptr, nullptr); }

void COutOfMemoryWatch::Note(void* watch) { static_cast<COutOfMemoryWatch*>(watch)->m_bHappened = true; }

}  // namespace cadmira::cli
