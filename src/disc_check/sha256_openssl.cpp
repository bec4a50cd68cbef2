#include <openssl/evp.h>

#include <stdexcept>

#include "disc_check/sha256.h"

namespace demodisc {

namespace {

class OpenSslSha256 final : public Sha256 {
 public:
  OpenSslSha256() : context_(EVP_MD_CTX_new()) {
    if (!context_ || EVP_DigestInit_ex(context_, EVP_sha256(), nullptr) != 1)
      throw std::runtime_error("OpenSSL gives no SHA-256");
  }
  ~OpenSslSha256() override { EVP_MD_CTX_free(context_); }
  OpenSslSha256(const OpenSslSha256&) = delete;
  OpenSslSha256& operator=(const OpenSslSha256&) = delete;

  void Add(std::string_view bytes) override {
    EVP_DigestUpdate(context_, bytes.data(), bytes.size());
  }
  Digest Finish() override {
    Digest digest{};
    unsigned int size = 0;
    EVP_DigestFinal_ex(context_, digest.data(), &size);
    return digest;
  }

 private:
  EVP_MD_CTX* context_;
};

}  // namespace

std::unique_ptr<Sha256> SystemSha256() { return std::make_unique<OpenSslSha256>(); }

}  // namespace demodisc
