#include "base/Rc4.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<unsigned char> FromHex(const std::string& hex) {
  std::vector<unsigned char> bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    bytes.push_back(static_cast<unsigned char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
  }
  return bytes;
}

// Keystream bytes at given offsets, from the published RC4 test vectors (RFC 6229).
struct KeystreamVector {
  const char* key;
  std::size_t offset;
  const char* stream;
};

const KeystreamVector kVectors[] = {
    {"0102030405", 0, "b2396305f03dc027ccc3524a0a1118a8"},
    {"0102030405", 16, "6982944f18fc82d589c403a47a0d0919"},
    {"0102030405", 240, "28cb1132c96ce286421dcaadb8b69eae"},
    {"0102030405", 4096, "ff25b58995996707e51fbdf08b34d875"},
    {"0102030405060708090a0b0c0d0e0f10", 0, "9ac7cc9a609d1ef7b2932899cde41b97"},
    {"0102030405060708090a0b0c0d0e0f10", 16, "5248c4959014126a6e8a84f11d1a9e1c"},
    {"0102030405060708090a0b0c0d0e0f10", 240, "065902e4b620f6cc36c8589f66432f2b"},
    {"0102030405060708090a0b0c0d0e0f10", 4096, "a36a4c301ae8ac13610ccbc12256cacc"},
};

TEST(Rc4, MatchesThePublishedKeystreams) {
  for (const KeystreamVector& vector : kVectors) {
    const std::vector<unsigned char> key = FromHex(vector.key);
    std::vector<unsigned char> data(vector.offset + 16, 0);
    CZD_Rc4 rc4;
    rc4.SetKey(key.data(), key.size());
    rc4.Crypt(data.data(), data.size());
    EXPECT_EQ(std::vector<unsigned char>(data.begin() + static_cast<long>(vector.offset), data.end()),
              FromHex(vector.stream))
        << vector.key << " at " << vector.offset;
  }
}

TEST(Rc4, ContinuesTheStreamAcrossCallsOfAnyLength) {
  const std::vector<unsigned char> key = FromHex("0102030405");
  std::vector<unsigned char> whole(4112, 0x5A);
  std::vector<unsigned char> pieces = whole;
  CZD_Rc4 one;
  one.SetKey(key.data(), key.size());
  one.Crypt(whole.data(), whole.size());
  CZD_Rc4 many;
  many.SetKey(key.data(), key.size());
  std::size_t at = 0;
  for (std::size_t step = 1; at < pieces.size(); step = step % 13 + 1) {
    const std::size_t length = std::min(step, pieces.size() - at);
    many.Crypt(pieces.data() + at, length);
    at += length;
  }
  EXPECT_EQ(whole, pieces);
}

TEST(Rc4, EnciphersTextAndDeciphersItBack) {
  const std::string key = "Key";
  std::string text = "Plaintext";
  CZD_Rc4 rc4;
  rc4.SetKey(reinterpret_cast<const unsigned char*>(key.data()), key.size());
  rc4.Crypt(reinterpret_cast<unsigned char*>(text.data()), text.size());
  EXPECT_EQ(std::vector<unsigned char>(text.begin(), text.end()), FromHex("bbf316e8d940af0ad3"));
  rc4.SetKey(reinterpret_cast<const unsigned char*>(key.data()), key.size());
  rc4.Crypt(reinterpret_cast<unsigned char*>(text.data()), text.size());
  EXPECT_EQ(text, "Plaintext");
}

}  // namespace
