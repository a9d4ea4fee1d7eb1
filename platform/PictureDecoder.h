#pragma once

#include "platform/Image.h"
#include "platform/PixelStorage.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace Platform
{

// Picture files held in memory (PNG or JPEG, told by their first bytes), decoded to 0xAARRGGBB pixels.
// Decoding straight into the caller's storage spares a large picture a second copy.
namespace PictureDecoder
{

// False for a broken or refused file (whatever was written to the storage is then of no use). damage
// says why part of a picture that was decoded is missing; empty when it is whole.
bool Decode(const std::uint8_t* data, std::size_t size, const PixelStorage& storage, std::string& damage);
// The same into a picture of its own; false (and out empty) for a broken file.
bool Decode(const std::uint8_t* data, std::size_t size, Image& out);
// The size Decode would give, from the header alone; false where Decode refuses the header.
bool ReadSize(const std::uint8_t* data, std::size_t size, int& width, int& height);

} // namespace PictureDecoder

} // namespace Platform
