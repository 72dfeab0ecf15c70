#pragma once

#include <cstddef>

namespace cadmira::document {

// Enciphers or deciphers a configuration file image in place with the file format's fixed RC4 key.
void SealBuffer(unsigned char* data, std::size_t length);

}  // namespace cadmira::document
