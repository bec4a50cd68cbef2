// CryptoAPI's SHA-256, which Windows XP SP3 has in its AES provider: the
// headers give CALG_SHA_256 from XP SP3 on.
#undef NTDDI_VERSION
#define NTDDI_VERSION NTDDI_WINXPSP3
#include <windows.h>
#include <wincrypt.h>

#include <stdexcept>

#include "disc_check/sha256.h"

namespace demodisc {

namespace {

class CryptoApiSha256 final : public Sha256 {
 public:
  CryptoApiSha256() {
    if (!CryptAcquireContextW(&provider_, nullptr, nullptr, PROV_RSA_AES, CRYPT_VERIFYCONTEXT))
      throw std::runtime_error("Windows gives no AES cryptographic provider");
    if (!CryptCreateHash(provider_, CALG_SHA_256, 0, 0, &hash_)) {
      CryptReleaseContext(provider_, 0);
      throw std::runtime_error("Windows gives no SHA-256");
    }
  }
  ~CryptoApiSha256() override {
    CryptDestroyHash(hash_);
    CryptReleaseContext(provider_, 0);
  }
  CryptoApiSha256(const CryptoApiSha256&) = delete;
  CryptoApiSha256& operator=(const CryptoApiSha256&) = delete;

  void Add(std::string_view bytes) override {
    // CryptHashData takes a DWORD's worth at a time.
    constexpr std::size_t kMost = 1u << 30;
    for (std::size_t at = 0; at < bytes.size(); at += kMost) {
      const std::string_view part = bytes.substr(at, kMost);
      CryptHashData(hash_, reinterpret_cast<const BYTE*>(part.data()),
                    static_cast<DWORD>(part.size()), 0);
    }
  }
  Digest Finish() override {
    Digest digest{};
    DWORD size = digest.size();
    CryptGetHashParam(hash_, HP_HASHVAL, digest.data(), &size, 0);
    return digest;
  }

 private:
  HCRYPTPROV provider_ = 0;
  HCRYPTHASH hash_ = 0;
};

}  // namespace

std::unique_ptr<Sha256> SystemSha256() { return std::make_unique<CryptoApiSha256>(); }

}  // namespace demodisc
