#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace mirta::engine::paradox {

// Password-protected tables encrypt every data block whole (its 6-byte header included), in
// 256-byte chunks driven by the low 16 bits of the key; `size` is a multiple of 256.
void DecryptBlock(uint8_t* data, size_t size, uint32_t key, uint32_t blockNumber);
void EncryptBlock(uint8_t* data, size_t size, uint32_t key, uint32_t blockNumber);

// The 32-bit key a password gives; a password is right when it equals the stored key.
// The bytes are taken as typed, in the table's code page. An empty password gives 0.
uint32_t PasswordKey(std::string_view password);

}  // namespace mirta::engine::paradox
