// The SHA-256 cases of the native tests, against CryptoAPI's.
#include "native/disc_check/sha256_test.cpp"
