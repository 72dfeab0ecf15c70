#include "document/Seal.h"

#include "base/Rc4.h"

namespace cadmira::document {

namespace {
constexpr unsigned char kSealKey[] = "Qelvar Sealed Ledger Archive";
constexpr std::size_t kSealKeyLength = sizeof(kSealKey) - 1;
static_assert(kSealKeyLength == 28);
}  // namespace

void SealBuffer(unsigned char* data, std::size_t length) {
  CZD_Rc4 rc4;
  rc4.SetKey(kSealKey, kSealKeyLength);
  rc4.Crypt(data, length);
}

}  // namespace cadmira::document
