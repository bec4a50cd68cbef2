// SHA-256 as each system gives it: OpenSSL's libcrypto on Linux
// (sha256_openssl.cpp), CryptoAPI's AES provider on Windows (sha256_win.cpp).
// The portable core takes the maker of one as an argument.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "base/text.h"

namespace demodisc {

class Sha256 {
 public:
  using Digest = std::array<std::uint8_t, 32>;
  virtual ~Sha256() = default;
  virtual void Add(std::string_view bytes) = 0;
  // The digest of everything added; the object is done with after it.
  virtual Digest Finish() = 0;
};

using Sha256Maker = std::unique_ptr<Sha256> (*)();

// This system's; the one file of sha256_openssl.cpp and sha256_win.cpp
// that is built defines it.
std::unique_ptr<Sha256> SystemSha256();

// In lower-case hexadecimal, as sha256sum writes it.
Text HexDigest(const Sha256::Digest& digest);

}  // namespace demodisc
